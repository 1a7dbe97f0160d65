#include "shell/commandregistry.h"

#include "base/codepages.h"
#include "builders/elements/elementkind.h"

namespace {

using Entry = CommandEntry;
// A command of the frame itself: it runs whatever the page is doing, or with no page at all.
const Entry::Flags Anywhere = Entry::ReadOnlyOk | Entry::PreviewOk;
// A command that looks at the page or acts on its file and leaves its text alone.
const Entry::Flags Views = Entry::NeedsPage | Entry::ReadOnlyOk | Entry::PreviewOk;
// A command that edits the page's text.
const Entry::Flags Edits = Entry::NeedsPage | Entry::ChangesText;

QKeySequence Keys(QKeyCombination keys)
{
    return QKeySequence(keys);
}

Entry Plain(Command id, const char* key, const char* caption, Entry::Flags flags, const QList<QKeySequence>& keys = {})
{
    Entry entry;
    entry.id = id;
    entry.key = QString::fromLatin1(key);
    entry.caption = QString::fromUtf8(caption);
    entry.flags = flags;
    entry.keys = keys;
    return entry;
}

// The key is the page's text control's own: the menus show it, the control takes it.
Entry EditorKey(Entry entry, QKeySequence key)
{
    entry.keys = {key};
    entry.keyContext = Qt::WidgetShortcut;
    return entry;
}

// Every command that takes no argument, roughly in the order of the menus.
QList<Entry> PlainCommands()
{
    using C = Command;
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;
    return {
        Plain(C::NewPage, "NewPage", "新建(&N)", Anywhere, {Keys(ctrl | Qt::Key_N)}),
        Plain(C::OpenFile, "OpenFile", "打开(&O)", Anywhere, {Keys(ctrl | Qt::Key_O)}),
        Plain(C::OpenFolder, "OpenFolder", "打开文件夹(&D)", Anywhere),
        Plain(C::Save, "Save", "保存(&S)", Views, {Keys(ctrl | Qt::Key_S)}),
        Plain(C::SaveAs, "SaveAs", "另存为(&A)", Views, {Keys(ctrl | shift | Qt::Key_S)}),
        Plain(C::Close, "Close", "关闭当前页(&C)", Views),
        Plain(C::Exit, "Exit", "退出(&X)", Anywhere),

        EditorKey(Plain(C::Undo, "Undo", "撤消(&U)", Edits | Entry::NeedsUndo), Keys(ctrl | Qt::Key_Z)),
        Plain(C::Redo, "Redo", "重做(&R)", Edits | Entry::NeedsRedo,
              {Keys(ctrl | Qt::Key_Y), Keys(ctrl | shift | Qt::Key_Z)}),
        EditorKey(Plain(C::Cut, "Cut", "剪切(&T)", Edits | Entry::NeedsSelection), Keys(ctrl | Qt::Key_X)),
        EditorKey(Plain(C::Copy, "Copy", "复制(&C)", Entry::NeedsPage | Entry::ReadOnlyOk | Entry::NeedsSelection),
                  Keys(ctrl | Qt::Key_C)),
        EditorKey(Plain(C::Paste, "Paste", "粘贴(&P)", Edits | Entry::NeedsClipboard), Keys(ctrl | Qt::Key_V)),
        EditorKey(Plain(C::Delete, "Delete", "删除(&D)", Edits | Entry::NeedsSelection), QKeySequence(Qt::Key_Delete)),
        Plain(C::FindReplace, "FindReplace", "查找替换(&F)", Edits, {Keys(ctrl | Qt::Key_H)}),
        Plain(C::FindNext, "FindNext", "查找下一个(&G)", Entry::NeedsPage, {QKeySequence(Qt::Key_F3)}),
        Plain(C::FindPrevious, "FindPrevious", "查找上一个(&V)", Entry::NeedsPage, {Keys(shift | Qt::Key_F3)}),
        Plain(C::FindInFolder, "FindInFolder", "在文件夹中查找(&I)", Entry::NeedsPage | Entry::ReadOnlyOk,
              {Keys(ctrl | shift | Qt::Key_F)}),
        Plain(C::ChooseFont, "ChooseFont", "设置字体(&N) ", Entry::NeedsPage | Entry::ReadOnlyOk),
        EditorKey(Plain(C::SelectAll, "SelectAll", "全选(&A)", Entry::NeedsPage | Entry::ReadOnlyOk),
                  Keys(ctrl | Qt::Key_A)),
        Plain(C::BigToGb, "BigToGb", "Big To Gb", Edits),
        Plain(C::GbToBig, "GbToBig", "Gb to Big", Edits),

        Plain(C::EditBody, "EditBody", "主体设置(&B)", Edits),
        Plain(C::EditTag, "EditTag", "属性编辑(&S)", Edits),
        Plain(C::LinkStyleSheet, "LinkStyleSheet", "链接外部样式表(&L)", Edits),
        Plain(C::EmbedStyleSheet, "EmbedStyleSheet", "添加内嵌式样式表(&I)", Edits),
        Plain(C::ExportStyleSheet, "ExportStyleSheet", "生成外联样式表(&O)", Edits),
        Plain(C::AutoRefresh, "AutoRefresh", "自动刷新(&R)", Edits),
        Plain(C::PageTransition, "PageTransition", "页面转换特效(&P)", Edits),
        Plain(C::AddEffect, "AddEffect", "添加特效(&J)", Edits),
        // The check reads the page and changes nothing; a page shown read-only in pieces is not the page's lines.
        Plain(C::CheckPage, "CheckPage", "检查网页", Entry::NeedsPage, {QKeySequence(Qt::Key_F7)}),
        Plain(C::NextProblem, "NextProblem", "下一个问题", Entry::NeedsPage, {QKeySequence(Qt::Key_F8)}),
        Plain(C::PreviousProblem, "PreviousProblem", "上一个问题", Entry::NeedsPage, {Keys(shift | Qt::Key_F8)}),
        Plain(C::ToggleCheckWhileTyping, "ToggleCheckWhileTyping", "输入时检查", Entry::ReadOnlyOk | Entry::Switch),

        Plain(C::InsertTable, "InsertTable", "表格(&T)", Edits),
        Plain(C::InsertSubmitButton, "InsertSubmitButton", "提交框", Edits),
        Plain(C::InsertResetButton, "InsertResetButton", "取消框", Edits),
        Plain(C::InsertHiddenField, "InsertHiddenField", "隐藏元素", Edits),
        Plain(C::InsertAnchor, "InsertAnchor", "锚点(&N)", Edits),
        Plain(C::InsertPlainText, "InsertPlainText", "纯文本(&X)", Edits),
        Plain(C::InsertLineBreak, "InsertLineBreak", "换行(&V)", Edits),
        Plain(C::InsertScript, "InsertScript", "脚本(&C)", Edits),
        Plain(C::InsertOtherElement, "InsertOtherElement", "插入其他元素(&O)", Edits),

        Plain(C::ToggleWordWrap, "ToggleWordWrap", "自动换行(&L)", Views | Entry::Checkable),
        Plain(C::ToggleCompletion, "ToggleCompletion", "自动完成(&O)", Views | Entry::Checkable),
        Plain(C::ToggleLineNumbers, "ToggleLineNumbers", "显示行号(&N)", Anywhere | Entry::Switch),
        Plain(C::ToggleSyntaxColouring, "ToggleSyntaxColouring", "语法着色(&S)", Anywhere | Entry::Switch),
        Plain(C::ToggleAutoClose, "ToggleAutoClose", "自动闭合标记(&E)", Anywhere | Entry::Switch),
        // The zoom keys do nothing on a page shown read-only.
        Plain(C::ZoomIn, "ZoomIn", "放大(&I)", Entry::NeedsPage | Entry::PreviewOk,
              {Keys(ctrl | Qt::Key_Equal), Keys(ctrl | Qt::Key_Plus)}),
        Plain(C::ZoomOut, "ZoomOut", "缩小(&D)", Entry::NeedsPage | Entry::PreviewOk, {Keys(ctrl | Qt::Key_Minus)}),
        Plain(C::ZoomReset, "ZoomReset", "原始大小(&Z)", Entry::NeedsPage | Entry::PreviewOk, {Keys(ctrl | Qt::Key_0)}),

        Plain(C::ToggleTabs, "ToggleTabs", "以标签页显示(&T)", Anywhere | Entry::Switch),
        Plain(C::NextPage, "NextPage", "下一页(&N)", Anywhere, {Keys(ctrl | Qt::Key_Tab)}),
        Plain(C::PreviousPage, "PreviousPage", "上一页(&P)", Anywhere, {Keys(ctrl | shift | Qt::Key_Tab)}),
        Plain(C::SidePreview, "SidePreview", "边写边看(&W)", Views | Entry::Checkable,
              {Keys(ctrl | shift | Qt::Key_T)}),
        Plain(C::ToggleSiteFiles, "ToggleSiteFiles", "网站文件(&I)", Anywhere | Entry::Checkable),

        Plain(C::Preview, "Preview", "预览(&T)", Views),
        Plain(C::AddColour, "AddColour", "添加颜色(&R)", Edits),
        Plain(C::WrapInStyle, "WrapInStyle", "设置样式", Edits | Entry::NeedsSelection),
        Plain(C::Help, "Help", "帮助主题(&C)", Anywhere, {QKeySequence(Qt::Key_F1)}),
        Plain(C::About, "About", "关于(&A)", Anywhere),
    };
}

// The Insert menu's captions of the element kinds it inserts, by the key the kind names its entry with.
QString ElementCaption(const QString& key)
{
    static const std::pair<const char*, const char*> captions[] = {
        {"LinkHtml", "超链接(&A)"},      {"PHtml", "段落(&P)"},           {"ImgHtml", "图像(&I)"},
        {"SpanHtml", "SPAN元素(&S)"},    {"DivHtml", "块元素(&D)"},       {"EnbHtml", "媒体播放(&E)"},
        {"BgsoundHtml", "背景音乐(&B)"}, {"FormHtmls", "表单"},           {"aTextHtml", "单行文本框"},
        {"bTExtHtml", "多行文本框"},     {"passwordHtml", "密码框"},      {"CheckHtml", "复选框"},
        {"RadioHtml", "单选框"},         {"SelectHtml", "列表框"},        {"FormButtonHtml", "命令框"},
        {"HrHtml", "水平线(&H)"},        {"PreHtml", "预格式化文本(&R)"}, {"MarqueeHtml", "文字图像移动(&M)"},
        {"IframeHtml", "浮动窗口(&W)"},  {"UlHtml", "无序列表(&U)"},      {"OlHtml", "有序列表(&O)"},
        {"DlHtml", "定义列表(&D)"},
    };
    for (const auto& [name, caption] : captions)
        if (key == QLatin1String(name))
            return QString::fromUtf8(caption);
    return QString();
}

} // namespace

CommandRegistry::CommandRegistry(const HandlerOf& handlerOf)
{
    for (const Entry& entry : PlainCommands())
        Add(entry, handlerOf);
    AddReopenEntries(handlerOf);
    AddElementEntries(handlerOf);
}

void CommandRegistry::Add(CommandEntry entry, const HandlerOf& handlerOf)
{
    entry.run = handlerOf(entry.id, entry.argument);
    entries_.push_back(std::move(entry));
}

void CommandRegistry::AddReopenEntries(const HandlerOf& handlerOf)
{
    // One entry per code page the editor reads, its check mark on the code page the active page is read in.
    for (const CodePage& page : CodePages::All()) {
        Entry entry = Plain(Command::ReopenAs, page.command, page.shown, Views | Entry::Checkable);
        entry.argument = int(page.id);
        Add(entry, handlerOf);
    }
}

void CommandRegistry::AddElementEntries(const HandlerOf& handlerOf)
{
    // One entry per element kind a menu entry inserts through the element dialog.
    const QList<ElementKind>& kinds = ElementKind::All();
    for (int i = 0; i < kinds.size(); ++i) {
        if (kinds.at(i).Command.isEmpty())
            continue;
        const QString& key = kinds.at(i).Command;
        Entry entry = Plain(Command::InsertElement, "", "", Edits);
        entry.argument = i;
        entry.key = key;
        entry.caption = ElementCaption(key);
        Add(entry, handlerOf);
    }
}

const CommandEntry* CommandRegistry::Find(Command id, int argument) const
{
    for (const CommandEntry& entry : entries_)
        if (entry.id == id && entry.argument == argument)
            return &entry;
    return nullptr;
}

const CommandEntry* CommandRegistry::Find(const QString& key) const
{
    for (const CommandEntry& entry : entries_)
        if (entry.key == key)
            return &entry;
    return nullptr;
}

int CommandRegistry::ElementArgument(const QString& htmlN)
{
    const ElementKind* kind = ElementKind::Find(htmlN);
    return kind && !kind->Command.isEmpty() ? int(kind - ElementKind::All().constData()) : NoArgument;
}

bool CommandRegistry::Allowed(CommandEntry::Flags flags, const CommandState& state)
{
    if (flags.testFlag(Entry::NeedsPage) && !state.page)
        return false;
    // A page shown read-only or showing its preview is never edited, whatever way the command comes.
    const bool editable = !flags.testFlag(Entry::ChangesText);
    if (state.readOnly && !(editable && flags.testFlag(Entry::ReadOnlyOk)))
        return false;
    if (state.previewing && !(editable && flags.testFlag(Entry::PreviewOk)))
        return false;
    return (!flags.testFlag(Entry::NeedsUndo) || state.undo) && (!flags.testFlag(Entry::NeedsRedo) || state.redo) &&
           (!flags.testFlag(Entry::NeedsSelection) || state.selection) &&
           (!flags.testFlag(Entry::NeedsClipboard) || state.clipboard);
}
