#include "shell/mainframe.h"

#include "base/userprompts.h"

#include "base/browserview.h"
#include "base/filedialog.h"
#include "base/filestamp.h"
#include "base/helpers.h"
#include "base/messages.h"
#include "base/pagefile.h"
#include "base/piecedecoder.h"
#include "base/programstate.h"
#include "base/uihelpers.h"
#include "builders/elements/elementkind.h"
#include "builders/elements/elementpickdialog.h"
#include "builders/scripts/scriptdialog.h"
#include "builders/styles/stylewrap.h"
#include "builders/table/tablegriddialog.h"
#include "convert/convertdocument.h"
#include "editor/finddialog.h"
#include "editor/pageedit.h"
#include "editor/pagepreview.h"
#include "editor/pagewindow.h"
#include "shell/aboutdialog.h"
#include "shell/programicon.h"
#include "shell/stylesheetcommands.h"
#include "shell/toolbaricons.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QScreen>
#include <QSet>
#include <QStyle>
#include <QToolBar>
#include <QUrl>

namespace {
const QString CannotOpen = QStringLiteral("文件不能打开!请检查文件是否存在或是否可读!\n");

struct Entry
{
    const char* name; // "-" separator, "+Name" opens a submenu, "<" closes it
    const char* caption;
    const char* shares = ""; // context menu: the Edit menu entry whose action it is
};

struct MenuDef
{
    const char* name;
    const char* caption;
    std::initializer_list<Entry> entries;
};

const MenuDef kMenus[] = {
    {"FileMenu",
     "文件(&F)",
     {{"NewMenu", "新建(&N)"},
      {"OpenMenu", "打开(&O)"},
      {"-", ""},
      {"SaveMenu", "保存(&S)"},
      {"SaveAsMenu", "另存为(&A)"},
      {"+ReopenMenu", "以其他编码重新打开(&E)"},
      {"ReopenGb18030", "GB18030"},
      {"ReopenUtf8", "UTF-8"},
      {"ReopenBig5", "Big5"},
      {"<", ""},
      {"-", ""},
      {"CloseMenu", "关闭当前页(&C)"},
      {"ExitMenu", "退出(&X)"}}},
    {"EditMenu",
     "编辑(&E)",
     {{"NotChange", "撤消(&U)    CtrL+Z"},
      {"-", ""},
      {"CutMenu", "剪切(&T)    CtrL+X"},
      {"CopyMenu", "复制(&C)    CtrL+C"},
      {"PasteMenu", "粘贴(&P)    CtrL+V"},
      {"DeleMenu", "删除(&D)    Del"},
      {"-", ""},
      {"FindMenu", "查找替换(&F)  CtrL+F"},
      {"FontMenu", "设置字体(&N) "},
      {"-", ""},
      {"SelectAll", "全选 (&A)   Ctrl+A"},
      {"-", ""},
      {"BigToGbMenu", "Big To Gb"},
      {"GbToBigMenu", "Gb to Big"}}},
    {"SetMenu",
     "网页设置(&S)",
     {{"BodyED", "主体设置(&B)"},
      {"TheTagPeditMen", "属性编辑(&S)"},
      {"-", ""},
      {"LinkCss", "链接外部样式表(&L)"},
      {"Addcss", "添加内嵌式样式表(&I)"},
      {"CssOut", "生成外联样式表(&O)"},
      {"-", ""},
      {"refesh", "自动刷新(&R)"},
      {"page", "页面转换特效(&P)"},
      {"JavaS", "添加特效(&J)"}}},
    {"InsertMenu",
     "插入元素(&O)",
     {{"LinkHtml", "超链接(&A)"},
      {"PHtml", "段落(&P)"},
      {"ImgHtml", "图像(&I)"},
      {"TableHtml", "表格(&T)"},
      {"SpanHtml", "SPAN元素(&S)"},
      {"DivHtml", "块元素(&D)"},
      {"-", ""},
      {"EnbHtml", "媒体播放(&E)"},
      {"BgsoundHtml", "背景音乐(&B)"},
      {"+FormHtml", "表单(&F)"},
      {"FormHtmls", "表单"},
      {"aTextHtml", "单行文本框"},
      {"bTExtHtml", "多行文本框"},
      {"passwordHtml", "密码框"},
      {"CheckHtml", "复选框"},
      {"RadioHtml", "单选框"},
      {"SelectHtml", "列表框"},
      {"FormButtonHtml", "命令框"},
      {"HtmlFormOk", "提交框"},
      {"HtmlFormCancel", "取消框"},
      {"HiddenHtml", "隐藏元素"},
      {"<", ""},
      {"HrHtml", "水平线(&H)"},
      {"PreHtml", "预格式化文本(&R)"},
      {"MarqueeHtml", "文字图像移动(&M)"},
      {"AnameHtml", "锚点(&N)"},
      {"TxtHtml", "纯文本(&X)"},
      {"BrHtml", "换行(&V)"},
      {"-", ""},
      {"IframeHtml", "浮动窗口(&W)"},
      {"ScriptHtml", "脚本(&C)"},
      {"+HtmlData", "列表(&L)"},
      {"UlHtml", "无序列表(&U)"},
      {"OlHtml", "有序列表(&O)"},
      {"DlHtml", "定义列表(&D)"},
      {"<", ""},
      {"OtherHtml", "插入其他元素(&O)"}}},
    {"WindowMenu", "窗口(&W)", {}},
    {"MySet", "系统设置(&M)", {{"LineOnOff", "自动换行(&L)"}, {"HtmlHelp", "自动完成(&O)"}}},
    {"Priview", "预览(&T)", {}},
    {"HelpMenu", "帮助(&H)", {{"HelpTxt", "帮助主题(&C)"}, {"-", ""}, {"MenuAbout", "关于(&A)"}}},
};

const Entry kContextMenu[] = {
    {"MeShow", "预览(&T) "},
    {"-", ""},
    {"TagPeditMenu", "属性编辑(&P)"},
    {"MeSetBody", "主体设置(&B)"},
    {"MeAddTx", "添加特效(&A)"},
    {"MeAddColor", "添加颜色(&R)"},
    {"-", ""},
    {"MeNoChange", "撤消(&U)    CtrL+Z", "NotChange"},
    {"MeTextCut", "剪切(&T)    CtrL+X", "CutMenu"},
    {"MeTextCopy", "复制(&C)    CtrL+C", "CopyMenu"},
    {"MeTextPaste", "粘贴(&P)    CtrL+V", "PasteMenu"},
    {"MeTextDel", "删除(&D)    Del", "DeleMenu"},
    {"MeTextFind", "查找替换(&F)  CtrL+F", "FindMenu"},
    {"MeTextAll", "全选 (&A)   Ctrl+A", "SelectAll"},
    {"-", ""},
    {"MeClose", "关闭本页(&X)"},
};

struct ButtonDef
{
    const char* key; // "" for a separator
    const char* tip;
    const char* text;    // short caption beside the picture
    const char* command; // the menu command it runs
    QStyle::StandardPixmap icon;
};

const ButtonDef kButtons[] = {
    {"New", "新建文件", "新建", "NewMenu", QStyle::SP_FileIcon},
    {"Open", "打开文件", "打开", "OpenMenu", QStyle::SP_DialogOpenButton},
    {"Save", "保存文件", "保存", "SaveMenu", QStyle::SP_DialogSaveButton},
    {"", "", "", "", QStyle::SP_CustomBase},
    {"Cut", "剪切", "剪切", "CutMenu", QStyle::SP_CustomBase},
    {"Copy", "复制", "复制", "CopyMenu", QStyle::SP_CustomBase},
    {"Paste", "粘贴", "粘贴", "PasteMenu", QStyle::SP_CustomBase},
    {"Del", "删除", "删除", "DeleMenu", QStyle::SP_TrashIcon},
    {"Undo", "撤消", "撤消", "NotChange", QStyle::SP_ArrowBack},
    {"Find", "查找", "查找", "FindMenu", QStyle::SP_FileDialogContentsView},
    {"", "", "", "", QStyle::SP_CustomBase},
    {"Priview", "预览", "预览", "Priview", QStyle::SP_ComputerIcon},
    {"", "", "", "", QStyle::SP_CustomBase},
    {"Style", "设置样式", "样式", "tb:Style", QStyle::SP_CustomBase},
    {"Color", "添加颜色", "颜色", "MeAddColor", QStyle::SP_CustomBase},
    {"Body", "主体设置", "主体", "BodyED", QStyle::SP_FileDialogDetailedView},
    {"Link", "添加超链接", "链接", "LinkHtml", QStyle::SP_FileLinkIcon},
    {"Img", "添加图像", "图像", "ImgHtml", QStyle::SP_DirIcon},
    {"", "", "", "", QStyle::SP_CustomBase},
    {"About", "关于", "关于", "MenuAbout", QStyle::SP_MessageBoxInformation},
    {"Help", "帮助", "帮助", "HelpTxt", QStyle::SP_DialogHelpButton},
};

// Commands whose dialogs and operations belong to parts of the editor not built yet.
const QSet<QString>& PendingCommands()
{
    // One name a line, so that each command that comes to life is one line taken away.
    // clang-format off
    static const QSet<QString> pending{
    };
    // clang-format on
    return pending;
}

} // namespace

const QString MainFrame::TooManyPages = QStringLiteral("文件太多了,请关闭其中的一个才能装入新的文件!!");

bool MainFrame::IsPending(const QString& name)
{
    return PendingCommands().contains(name);
}

MainFrame::MainFrame(ProgramState& shared, QWidget* parent, bool start)
    : QMainWindow(parent), shared_(shared), settings_(shared.SettingsFile)
{
    setObjectName(QStringLiteral("MDIForm1"));
    UserPrompts::Attach(this, shared.Prompts);
    Area = new QMdiArea(this);
    Area->setObjectName(QStringLiteral("MdiArea"));
    Area->setViewMode(QMdiArea::SubWindowView);
    setCentralWidget(Area);
    connect(Area, &QMdiArea::subWindowActivated, this, &MainFrame::SubWindowActivated);

    BuildMenus();
    BuildContextMenu();
    BuildToolbar();
    BuildHandlers();
    BindCommands();
    BuildViewSwitches();
    BuildRecentFiles();
    BuildEditorKeys();
    RestoreSettings();
    QApplication::instance()->installEventFilter(this);
    // Queued: the questions come once the activation is through.
    connect(
        qGuiApp, &QGuiApplication::applicationStateChanged, this,
        [this](Qt::ApplicationState state) {
            if (state == Qt::ApplicationActive)
                OfferReloads();
        },
        Qt::QueuedConnection);

    if (start)
        Start();
}

void MainFrame::Start()
{
    // The program always starts with one new page.
    openPageCount = 0;
    OpenDocument(false, QString(), QString());
}

void MainFrame::StartWith(const QStringList& files)
{
    if (files.isEmpty()) {
        Start();
        return;
    }
    // The files named are the pages: no empty page besides them, and none at all if none opens.
    openPageCount = 0;
    SetDocCommandsEnabled(false);
    menus_.value(QStringLiteral("WindowMenu"))->menuAction()->setVisible(false);
    for (const QString& file : files)
        OpenPath(QFileInfo(file).absoluteFilePath());
}

MainFrame::~MainFrame()
{
    // Take the pages down while this frame is still whole: their going must not call back into a half-destroyed
    // frame.
    disconnect(Area, nullptr, this, nullptr);
    for (QMdiSubWindow* window : Area->subWindowList()) {
        window->widget()->disconnect(this);
        delete window;
    }
}

QAction* MainFrame::AddEntry(QMenu* menu, const QString& name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    commands_.insert(name, action);
    commandOf_.insert(action, name);
    return action;
}

void MainFrame::BuildMenus()
{
    for (const MenuDef& def : kMenus) {
        const QString name = QString::fromLatin1(def.name);
        if (name == QLatin1String("Priview")) {
            // A command on the menu bar itself.
            QAction* action = menuBar()->addAction(QString::fromUtf8(def.caption));
            action->setObjectName(name);
            commands_.insert(name, action);
            commandOf_.insert(action, name);
            continue;
        }
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(def.caption));
        menu->setObjectName(name);
        menus_.insert(name, menu);
        QMenu* target = menu;
        for (const Entry& e : def.entries) {
            const QString entry = QString::fromLatin1(e.name);
            if (entry == QLatin1String("-")) {
                target->addSeparator();
            } else if (entry.startsWith(QLatin1Char('+'))) {
                target = menu->addMenu(QString::fromUtf8(e.caption));
                target->setObjectName(entry.mid(1));
                menus_.insert(entry.mid(1), target);
            } else if (entry == QLatin1String("<")) {
                target = menu;
            } else {
                AddEntry(target, entry, QString::fromUtf8(e.caption));
                if (name == QLatin1String("EditMenu") || name == QLatin1String("SetMenu") ||
                    name == QLatin1String("InsertMenu"))
                    editing_.insert(entry);
            }
        }
    }
    QMenu* windows = menus_.value(QStringLiteral("WindowMenu"));
    for (int i = 0; i < MaxDocuments; ++i) {
        windowEntries_[i] = windows->addAction(QString());
        windowEntries_[i]->setObjectName(QStringLiteral("WinForm_%1").arg(i));
        windowEntries_[i]->setVisible(false);
        connect(windowEntries_[i], &QAction::triggered, this, [this, i] { ActivateSlot(i); });
    }
    for (const char* check : {"LineOnOff", "HtmlHelp"}) {
        QAction* action = commands_.value(QString::fromLatin1(check));
        action->setCheckable(true);
        action->setChecked(true);
    }
    // The code page the active page is read in carries the mark.
    QMenu* reopen = menus_.value(QStringLiteral("ReopenMenu"));
    const QStringList codecs{QStringLiteral("ReopenGb18030"), QStringLiteral("ReopenUtf8"),
                             QStringLiteral("ReopenBig5")};
    for (const QString& name : codecs)
        commands_.value(name)->setCheckable(true);
    connect(reopen, &QMenu::aboutToShow, this, [this, codecs] {
        const PageWindow* doc = ActiveDocument();
        for (int i = 0; i < codecs.size(); ++i)
            commands_.value(codecs.at(i))->setChecked(doc && int(doc->Encoding().codec) == i);
    });
}

void MainFrame::BuildContextMenu()
{
    systemMenu_ = new QMenu(QStringLiteral("功能"), this);
    systemMenu_->setObjectName(QStringLiteral("SetMeMenu"));
    for (const Entry& e : kContextMenu) {
        const QString name = QString::fromLatin1(e.name);
        if (name == QLatin1String("-")) {
            systemMenu_->addSeparator();
            continue;
        }
        if (*e.shares) {
            // The same command as an Edit menu entry: the menu's action serves here too.
            QAction* action = commands_.value(QString::fromLatin1(e.shares));
            systemMenu_->addAction(action);
            commands_.insert(name, action);
            editing_.insert(name);
            continue;
        }
        AddEntry(systemMenu_, name, QString::fromUtf8(e.caption));
        if (name != QLatin1String("MeShow") && name != QLatin1String("MeClose"))
            editing_.insert(name);
    }
    editing_.insert(QStringLiteral("tb:Style"));
}

void MainFrame::BuildToolbar()
{
    toolbar = addToolBar(QStringLiteral("Toolbar1"));
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->setMovable(false);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolbar->setIconSize(QSize(16, 16));
    for (const ButtonDef& b : kButtons) {
        if (!*b.key) {
            toolbar->addSeparator();
            continue;
        }
        const QString key = QString::fromLatin1(b.key);
        const QIcon icon = b.icon == QStyle::SP_CustomBase ? ToolbarIcons::Drawn(key) : style()->standardIcon(b.icon);
        // A button is the action of the menu entry it stands for: one enabled state for both. Its short text and
        // picture are for the toolbar only.
        QAction* action = commands_.value(QString::fromLatin1(b.command));
        if (!action || menuBar()->actions().contains(action)) {
            // No menu entry, or one on the menu bar itself, which would show the picture in place of its caption:
            // a button of its own that follows the entry's state.
            QAction* entry = action;
            action = new QAction(this);
            action->setObjectName(key);
            const QString command = QString::fromLatin1(b.command);
            connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
            if (entry)
                connect(entry, &QAction::enabledChanged, action, &QAction::setEnabled);
        }
        action->setIcon(icon);
        action->setIconVisibleInMenu(false);
        action->setIconText(QString::fromUtf8(b.text));
        action->setToolTip(QString::fromUtf8(b.tip));
        toolbar->addAction(action);
        toolbar->widgetForAction(action)->setObjectName(key);
        toolButtons_.insert(key, action);
    }
}

QMenu* MainFrame::MenuNamed(const QString& name) const
{
    return menus_.value(name);
}

void MainFrame::BindCommands()
{
    for (auto it = commandOf_.cbegin(); it != commandOf_.cend(); ++it) {
        const QString name = it.value();
        connect(it.key(), &QAction::triggered, this, [this, name] { RunCommand(name); });
        if (IsPending(name))
            it.key()->setEnabled(false);
    }
}

void MainFrame::BuildHandlers()
{
    using Page = PageWindow*;
    // Commands that need no page.
    frameHandlers_ = {
        {QStringLiteral("NewMenu"), [this] { OpenDocument(false, QString(), QString()); }},
        {QStringLiteral("OpenMenu"), [this] { OpenFile(); }},
        {QStringLiteral("SaveMenu"),
         [this] {
             if (openPageCount > 0 && ActiveDocument())
                 ActiveDocument()->SaveFn();
         }},
        {QStringLiteral("CloseMenu"), [this] { CloseActive(); }},
        {QStringLiteral("MeClose"), [this] { CloseActive(); }},
        {QStringLiteral("ExitMenu"), [this] { close(); }},
        {QStringLiteral("HelpTxt"), [this] { ShowHelp(); }},
        {QStringLiteral("MenuAbout"), [this] { ShowAbout(); }},
    };
    // Commands on the active page.
    pageHandlers_ = {
        {QStringLiteral("SaveAsMenu"), [](Page doc) { doc->SaveOther(); }},
        {QStringLiteral("ReopenGb18030"), [this](Page doc) { ReopenWith(doc, PageEncoding::Gb18030); }},
        {QStringLiteral("ReopenUtf8"), [this](Page doc) { ReopenWith(doc, PageEncoding::Utf8); }},
        {QStringLiteral("ReopenBig5"), [this](Page doc) { ReopenWith(doc, PageEncoding::Big5); }},
        {QStringLiteral("NotChange"), [this](Page) { UndoEdit(); }},
        {QStringLiteral("MeNoChange"), [this](Page) { UndoEdit(); }},
        {QStringLiteral("CutMenu"), [this](Page) { CutText(); }},
        {QStringLiteral("MeTextCut"), [this](Page) { CutText(); }},
        {QStringLiteral("CopyMenu"), [this](Page) { CopyText(); }},
        {QStringLiteral("MeTextCopy"), [this](Page) { CopyText(); }},
        {QStringLiteral("PasteMenu"), [this](Page) { PasteText(); }},
        {QStringLiteral("MeTextPaste"), [this](Page) { PasteText(); }},
        {QStringLiteral("DeleMenu"), [this](Page) { DeleteText(); }},
        {QStringLiteral("MeTextDel"), [this](Page) { DeleteText(); }},
        {QStringLiteral("SelectAll"), [this](Page) { SelectAllText(); }},
        {QStringLiteral("MeTextAll"), [this](Page) { SelectAllText(); }},
        {QStringLiteral("FontMenu"), [this](Page) { ChooseFont(); }},
        {QStringLiteral("BigToGbMenu"), [this](Page doc) { ConvertDocument(doc, ConversionDirection::BigToGb, this); }},
        {QStringLiteral("GbToBigMenu"), [this](Page doc) { ConvertDocument(doc, ConversionDirection::GbToBig, this); }},
        {QStringLiteral("HiddenHtml"), [this](Page) { InsertHiddenField(); }},
        {QStringLiteral("AnameHtml"), [this](Page) { InsertAnchor(); }},
        {QStringLiteral("LineOnOff"), [this](Page) { ToggleWordWrap(); }},
        {QStringLiteral("HtmlHelp"), [this](Page) { ToggleAutoComplete(); }},
        {QStringLiteral("MeAddColor"), [](Page doc) { doc->AddColor(); }},
        {QStringLiteral("tb:Style"), [this](Page doc) { StyleWrap::Run(shared_.Context(), doc->pageEdit, this); }},
        {QStringLiteral("Priview"), [](Page doc) { doc->ShowHtml(); }},
        {QStringLiteral("MeShow"), [](Page doc) { doc->ShowHtml(); }},
        {QStringLiteral("FindMenu"), [](Page doc) { doc->FindRepl(); }},
        {QStringLiteral("MeTextFind"), [](Page doc) { doc->FindRepl(); }},
        {QStringLiteral("refesh"), [](Page doc) { doc->SelfRefesh(); }},
        {QStringLiteral("page"), [](Page doc) { doc->PageEnter(); }},
        {QStringLiteral("TxtHtml"), [](Page doc) { doc->MakeTxt(); }},
        {QStringLiteral("TableHtml"),
         [this](Page doc) {
             if (const auto t = TableGridDialog::MakeTable(shared_.Context(), this))
                 doc->GiveText(*t);
         }},
        {QStringLiteral("TheTagPeditMen"), [](Page doc) { doc->EditTag(); }},
        {QStringLiteral("TagPeditMenu"), [](Page doc) { doc->EditTag(); }},
        {QStringLiteral("BodyED"), [](Page doc) { doc->BodyEdit(); }},
        {QStringLiteral("MeSetBody"), [](Page doc) { doc->BodyEdit(); }},
        {QStringLiteral("JavaS"), [](Page doc) { doc->AddJavaS(); }},
        {QStringLiteral("MeAddTx"), [](Page doc) { doc->AddJavaS(); }},
        {QStringLiteral("LinkCss"), [](Page doc) { StyleSheetCommands::LinkCss(*doc); }},
        {QStringLiteral("Addcss"), [this](Page doc) { StyleSheetCommands::MakeInCss(shared_.Context(), *doc); }},
        {QStringLiteral("CssOut"), [this](Page doc) { StyleSheetCommands::MakeOutCss(shared_.Context(), *doc); }},
    };
    // Markup inserted as it stands.
    const std::pair<const char*, const char*> fixed[] = {
        {"HtmlFormOk", "<input type=submit>"}, {"HtmlFormCancel", "<input type=reset>"}, {"BrHtml", "<br>"}};
    for (const auto& [name, markup] : fixed) {
        const QString text = QString::fromLatin1(markup) + CrLf;
        pageHandlers_.insert(QString::fromLatin1(name), [text](Page doc) { doc->GiveText(text); });
    }
    // Builders whose markup goes in at the caret.
    pageHandlers_.insert(QStringLiteral("OtherHtml"), [this](Page doc) {
        ElementPickDialog pick(shared_.Context(), this);
        if (const std::optional<QString> markup = pick.Run(); markup && !markup->isEmpty())
            doc->GiveText(*markup);
    });
    pageHandlers_.insert(QStringLiteral("ScriptHtml"), [this](Page doc) {
        ScriptDialog script(this);
        if (const std::optional<QString> block = script.Run(); block && !block->isEmpty())
            doc->GiveText(*block);
    });
    // Entries that open the element dialog for the element kind they belong to.
    for (const ElementKind& kind : ElementKind::All())
        if (!kind.Command.isEmpty())
            pageHandlers_.insert(kind.Command, [htmlN = kind.HtmlN](Page doc) { doc->Insert(htmlN); });
}

void MainFrame::RunCommand(const QString& name)
{
    if (IsPending(name))
        return;
    if (const auto frame = frameHandlers_.constFind(name); frame != frameHandlers_.cend()) {
        frame.value()();
        return;
    }
    PageWindow* doc = ActiveDocument();
    const auto page = pageHandlers_.constFind(name);
    if (!doc || page == pageHandlers_.cend())
        return;
    // A previewed page is not edited, whatever way the command comes.
    if (editing_.contains(name) && PagePreview::IsShown(*doc))
        return;
    // A page shown read-only for its long lines takes only the commands that leave its text alone (the context
    // menu's cut and delete work on the text directly).
    static const QSet<QString> leaveTextAlone{
        QStringLiteral("SaveAsMenu"), QStringLiteral("ReopenGb18030"), QStringLiteral("ReopenUtf8"),
        QStringLiteral("ReopenBig5"), QStringLiteral("CopyMenu"),      QStringLiteral("MeTextCopy"),
        QStringLiteral("SelectAll"),  QStringLiteral("MeTextAll"),     QStringLiteral("FontMenu"),
        QStringLiteral("LineOnOff"),  QStringLiteral("HtmlHelp"),      QStringLiteral("Priview"),
        QStringLiteral("MeShow")};
    if (doc->LongLinePage() && !leaveTextAlone.contains(name))
        return;
    page.value()(doc);
}

void MainFrame::CloseActive()
{
    if (openPageCount >= 1 && Area->activeSubWindow())
        Area->activeSubWindow()->close();
}

PageWindow* MainFrame::OpenDocument(bool hasFile, const QString& filename, const QString& folder, DecodedPage* page,
                                    PieceDecoder* pieces)
{
    if (openPageCount >= MaxDocuments) {
        Messages::Show(this, TooManyPages);
        return nullptr;
    }
    int slot = 0;
    while (slot < MaxDocuments && slots_[slot])
        ++slot;
    if (slot == MaxDocuments)
        return nullptr;

    auto* form = new PageWindow(dialogs_, shared_);
    Follow(form);
    form->hasFile = hasFile;
    form->filePath = filename;
    form->folder = folder;
    form->slotNumber = slot;
    slots_[slot] = form;
    openPageCount += 1;
    ApplyPageSettings(form);

    SetDocCommandsEnabled(true);
    QMdiSubWindow* window = Area->addSubWindow(form);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // A page, not the toolkit's logo, in the corner of a maximised page window.
    window->setWindowIcon(style()->standardIcon(QStyle::SP_FileIcon));
    // Maximised and laid out before the text goes in: a text control that changes width re-lays every line,
    // which on a big page costs as much time and memory as loading it.
    window->showMaximized();
    if (form->layout())
        form->layout()->activate();
    form->InitDocument(page, pieces);
    Area->setActiveSubWindow(window);
    form->Activate();
    form->pageEdit->setFocus();

    menus_.value(QStringLiteral("WindowMenu"))->menuAction()->setVisible(true);
    winCaption_[slot] = form->filePath;
    windowEntries_[slot]->setVisible(true);
    RefreshCaption(form);
    return form;
}

bool MainFrame::AskOpenUnkept(const QString& path, qsizetype offset)
{
    const QString text = QStringLiteral("文件 %1 从第 %2 个字节起不能按原样保存: 编辑器会改变这些字节。\n"
                                        "是否仍然打开?")
                             .arg(path)
                             .arg(offset + 1);
    return Messages::Show(this, text, QStringLiteral("提示"), MsgButtons::YesNo) == MsgAnswer::Yes;
}

bool MainFrame::AskOpenFaulty(const QString& path, const DecodedPage& page)
{
    if (page.badBytes > 0) {
        const QString codec = QString::fromLatin1(CodePages::Of(page.encoding.codec).asked);
        const QString text = QStringLiteral("文件 %1 中有 %2 个字节不能按 %3 编码读出, 将显示为\"\uFFFD\"。\n"
                                            "如果打开并保存这个文件, 这些字节将被替换, 原来的内容会丢失。\n"
                                            "是否仍然打开?")
                                 .arg(path)
                                 .arg(page.badBytes)
                                 .arg(codec);
        if (Messages::Show(this, text, QStringLiteral("提示"), MsgButtons::YesNo) != MsgAnswer::Yes)
            return false;
    }
    return page.firstUnkeptOffset < 0 || AskOpenUnkept(path, page.firstUnkeptOffset);
}

void MainFrame::ReopenWith(PageWindow* doc, int codec)
{
    if (!doc)
        return;
    DecodedPage page;
    FileStamp stamp = FileStamp::Absent();
    if (!ReadAgain(doc, codec, page, stamp))
        return;
    if (doc->ChangeCount() > 0 &&
        Messages::Show(this, QStringLiteral("网页%1已经修改, 重新打开将丢失这些修改。是否继续?").arg(doc->filePath),
                       QStringLiteral("提示"), MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    if (!AskOpenFaulty(doc->filePath, page))
        return;
    doc->Reload(std::move(page), stamp, codec);
    doc->DeclareCodec(PageEncoding::Codec(codec));
}

void MainFrame::OfferReloads()
{
    // A question box can take the focus and give it back: one round at a time.
    if (offeringReloads_)
        return;
    offeringReloads_ = true;
    for (const QPointer<PageWindow>& doc : QList<QPointer<PageWindow>>(std::begin(slots_), std::end(slots_)))
        if (doc && doc->AskReload())
            ReloadFromDisk(doc);
    offeringReloads_ = false;
}

bool MainFrame::ReadAgain(PageWindow* doc, int codec, DecodedPage& page, FileStamp& stamp)
{
    if (doc->hasFile && PageFile::Read(doc->filePath, page, codec, &stamp) == PageFile::Ok)
        return true;
    Messages::Show(this, CannotOpen + doc->filePath);
    return false;
}

void MainFrame::ReloadFromDisk(PageWindow* doc)
{
    // Read as the page was read: in the code page chosen for it, else as opening decides.
    DecodedPage page;
    FileStamp stamp = FileStamp::Absent();
    if (!ReadAgain(doc, doc->ReadCodec(), page, stamp))
        return;
    if (AskOpenFaulty(doc->filePath, page))
        doc->Reload(std::move(page), stamp, doc->ReadCodec());
}

PageWindow* MainFrame::PageOpenOn(const QString& path) const
{
    // By the file itself, so that a link or another spelling of the path finds it; a name with no file behind it
    // yet by its cleaned path.
    const FileStamp file = FileStamp::Of(path);
    const QString cleaned = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    for (PageWindow* page : slots_) {
        if (!page || !page->hasFile)
            continue;
        if (file.Exists() ? file.SameFile(FileStamp::Of(page->filePath))
                          : QDir::cleanPath(QFileInfo(page->filePath).absoluteFilePath()) == cleaned)
            return page;
    }
    return nullptr;
}

PageWindow* MainFrame::OpenPath(const QString& path)
{
    // A second window on the same file would save over the first one's work: the page already open comes forward.
    if (PageWindow* open = PageOpenOn(path)) {
        ActivateSlot(open->slotNumber);
        return open;
    }
    if (openPageCount >= MaxDocuments) {
        Messages::Show(this, TooManyPages);
        return nullptr;
    }
    QByteArray bytes;
    FileStamp stamp = FileStamp::Absent();
    const PageFile::Status status = PageFile::ReadBytes(path, bytes, &stamp);
    // A name that is not there yet is a new page under that name, saved there; it needs a folder to go to.
    if (status == PageFile::Unreadable || status == PageFile::NotAFile ||
        (status == PageFile::NotFound && !QFileInfo(ParentFolderOf(path)).isDir())) {
        Messages::Show(this, CannotOpen + path);
        return nullptr;
    }
    if (status == PageFile::NotFound) {
        // A file that turns up there meanwhile is not overwritten unasked.
        PageWindow* form = OpenDocument(true, path, ParentFolderOf(path));
        if (form)
            form->KeepFileStamp(FileStamp::Absent());
        return form;
    }
    // The page goes into its window while it is decoded; bytes that will not decode or not save back as they
    // were are known once it is in, and a page the user then declines closes again.
    PieceDecoder pieces(bytes);
    bytes.clear();
    PageWindow* form = OpenDocument(true, path, ParentFolderOf(path), nullptr, &pieces);
    if (!form)
        return nullptr;
    form->KeepFileStamp(stamp);
    if (!AskOpenFaulty(path, pieces.Summary())) {
        form->parentWidget()->close();
        return nullptr;
    }
    AddRecent(path);
    return form;
}

void MainFrame::OpenFile()
{
    if (openPageCount >= MaxDocuments) {
        Messages::Show(this, TooManyPages);
        return;
    }
    const QString path = FileDialog(this, FileDialogMode::Open, QStringLiteral("打开文件"), QString(),
                                    shared_.HtmlFilter, QString(), QString());
    if (!path.isEmpty())
        OpenPath(path);
}

PageWindow* MainFrame::ActiveDocument() const
{
    QMdiSubWindow* window = Area->activeSubWindow();
    if (!window) {
        // Offscreen or while a modal box is up the area may report no active window: take the current one.
        window = Area->currentSubWindow();
    }
    return window ? qobject_cast<PageWindow*>(window->widget()) : nullptr;
}

void MainFrame::CloseForm(int num)
{
    if (num < 0 || num >= MaxDocuments)
        return;
    slots_[num] = nullptr;
    QAction* windowMenu = menus_.value(QStringLiteral("WindowMenu"))->menuAction();
    if (openPageCount < 1) {
        windowMenu->setVisible(false);
    } else {
        windowMenu->setVisible(true);
        for (int i = 0; i < MaxDocuments; ++i)
            windowEntries_[i]->setVisible(slots_[i] != nullptr);
    }
    windowEntries_[num]->setVisible(false);
    QMetaObject::invokeMethod(this, &MainFrame::UpdateTitle, Qt::QueuedConnection);
}

void MainFrame::Follow(PageWindow* form)
{
    connect(form, &PageWindow::UndoAvailable, this, &MainFrame::SetUndoEnabled);
    connect(form, &PageWindow::SelectionAvailable, this, &MainFrame::SetSelectionCommandsEnabled);
    connect(form, &PageWindow::PasteAvailable, this, &MainFrame::SetPasteEnabled);
    connect(form, &PageWindow::PreviewToggled, this, [this, form] { UpdatePreviewCommands(form); });
    connect(form, &PageWindow::ContextMenuWanted, this, &MainFrame::PopupContextMenu);
    connect(form, &PageWindow::Closed, this, &MainFrame::PageClosed);
    connect(form, &QWidget::windowTitleChanged, this, [this, form] {
        RefreshCaption(form);
        if (form->hasFile) // saved under a new name
            AddRecent(form->filePath);
    });
    connect(form, &PageWindow::RedoAvailable, this, &MainFrame::SetRedoEnabled);
    connect(form, &PageWindow::ModifiedChanged, this, [this, form] { RefreshCaption(form); });
    connect(form, &PageWindow::FilesDropped, this, &MainFrame::OpenFiles, Qt::QueuedConnection);
    connect(form, &PageWindow::EncodingMenuWanted, this, [this, form](const QPoint& globalPos) {
        // The menu's entries act on the active page: make it this one first.
        if (QMdiSubWindow* window = qobject_cast<QMdiSubWindow*>(form->parentWidget()))
            Area->setActiveSubWindow(window);
        menus_.value(QStringLiteral("ReopenMenu"))->popup(globalPos);
    });
}

void MainFrame::PageClosed(int num)
{
    openPageCount -= 1;
    if (openPageCount < 1)
        SetDocCommandsEnabled(false);
    CloseForm(num);
}

void MainFrame::ActivateSlot(int i)
{
    if (!slots_[i]) {
        windowEntries_[i]->setVisible(false);
        return;
    }
    for (QMdiSubWindow* w : Area->subWindowList()) {
        if (w->widget() == slots_[i]) {
            Area->setActiveSubWindow(w);
            w->showMaximized();
        }
    }
}

QString MainFrame::PasteTxt()
{
    if (PageWindow* doc = ActiveDocument())
        doc->HideCompletion();
    return QApplication::clipboard()->text();
}

void MainFrame::SetEnabled(const QStringList& names, bool enabled)
{
    for (const QString& name : names) {
        if (name.startsWith(QLatin1String("tb:"))) {
            if (QAction* a = toolButtons_.value(name.mid(3)))
                a->setEnabled(enabled && !IsPending(name));
        } else if (QAction* a = commands_.value(name)) {
            a->setEnabled(enabled && !IsPending(name));
        }
    }
}

void MainFrame::SetDocCommandsEnabled(bool enabled)
{
    for (const char* menu : {"InsertMenu", "SetMenu", "EditMenu", "MySet", "ReopenMenu"})
        menus_.value(QString::fromLatin1(menu))->menuAction()->setEnabled(enabled);
    SetEnabled({QStringLiteral("Priview"), QStringLiteral("SaveMenu"), QStringLiteral("SaveAsMenu"),
                QStringLiteral("CloseMenu")},
               enabled);
    toolbar->setVisible(true);
    if (!enabled) // the last page went while it showed its preview
        commands_.value(QStringLiteral("Priview"))->setText(QStringLiteral("预览(&T)"));
    const QList<QAction*> buttons = toolbar->actions();
    // Every button from "Save" to the separator before "About" (buttons 3 to count - 2).
    for (qsizetype i = 2; i < buttons.size() - 2; ++i)
        buttons.at(i)->setEnabled(enabled && !IsPending(buttons.at(i)->objectName()));
}

void MainFrame::SetUndoEnabled(bool enabled)
{
    SetEnabled({QStringLiteral("NotChange")}, enabled);
}

void MainFrame::SetSelectionCommandsEnabled(bool enabled)
{
    SetEnabled(
        {QStringLiteral("CopyMenu"), QStringLiteral("CutMenu"), QStringLiteral("DeleMenu"), QStringLiteral("tb:Style")},
        enabled);
}

void MainFrame::SetPasteEnabled(bool enabled)
{
    SetEnabled({QStringLiteral("PasteMenu")}, enabled);
}

void MainFrame::UpdatePreviewCommands(PageWindow* form)
{
    // While a page shows its preview there is nothing to edit: the editing menus and the toolbar go.
    const bool previewing = !form->previewBrowser->isHidden();
    for (const char* menu : {"InsertMenu", "SetMenu", "EditMenu"})
        menus_.value(QString::fromLatin1(menu))->menuAction()->setEnabled(!previewing);
    toolbar->setVisible(!previewing);
    commands_.value(QStringLiteral("Priview"))
        ->setText(previewing ? QStringLiteral("关闭预览(&T)") : QStringLiteral("预览(&T)"));
    // The word-wrap check mark follows the active page.
    commands_.value(QStringLiteral("LineOnOff"))->setChecked(form->showLineNumbers);
}

void MainFrame::PopupContextMenu(const QPoint& globalPos)
{
    // The editing entries are the Edit menu's own actions: their states are already the menu's.
    if (PageWindow* doc = ActiveDocument()) {
        doc->UpdatePasteCommands();
        doc->UpdateSelectionCommands();
    }
    systemMenu_->popup(globalPos);
}

void MainFrame::SubWindowActivated(QMdiSubWindow* window)
{
    if (window) {
        if (auto* form = qobject_cast<PageWindow*>(window->widget())) {
            form->Activate();
            // The Window menu marks the active page.
            if (form->slotNumber >= 0 && form->slotNumber < MaxDocuments && slots_[form->slotNumber] == form)
                windowEntries_[form->slotNumber]->setChecked(true);
        }
    }
    UpdateTitle();
}

void MainFrame::UpdateTitle()
{
    // A maximised sub-window adds " - [its title]" to the frame's title unless the frame's title holds that
    // already: this one does, written the same way.
    PageWindow* doc = ActiveDocument();
    setWindowTitle(doc ? Messages::ProgramTitle + QStringLiteral(" - [") + Caption(doc) + QLatin1Char(']')
                       : Messages::ProgramTitle);
}

void MainFrame::CutText()
{
    PageEdit* edit = ActiveDocument()->pageEdit;
    QApplication::clipboard()->setText(
        edit->textCursor().selectedText().replace(QChar::ParagraphSeparator, QStringLiteral("\r\n")));
    edit->textCursor().removeSelectedText();
}

void MainFrame::CopyText()
{
    PageEdit* edit = ActiveDocument()->pageEdit;
    QApplication::clipboard()->setText(
        edit->textCursor().selectedText().replace(QChar::ParagraphSeparator, QStringLiteral("\r\n")));
}

void MainFrame::DeleteText()
{
    ActiveDocument()->pageEdit->textCursor().removeSelectedText();
}

void MainFrame::PasteText()
{
    const QString text = PasteTxt();
    ActiveDocument()->pageEdit->InsertTyped(text);
}

void MainFrame::UndoEdit()
{
    ActiveDocument()->pageEdit->undo();
}

void MainFrame::SelectAllText()
{
    ActiveDocument()->pageEdit->selectAll();
}

void MainFrame::ShowHelp()
{
    if (!QFileInfo::exists(shared_.HelpFile)) {
        Messages::Show(this, QStringLiteral("没找到帮助文件!!"));
        return;
    }
    const QUrl page = QUrl::fromLocalFile(shared_.HelpFile);
    if (QDesktopServices::openUrl(page))
        return;
    // No program on this desktop opens web pages: show it in our own browser instead.
    AboutDialog help(page, QStringLiteral("帮助"), this);
    help.resize(900, 680);
    help.exec();
}

void MainFrame::ShowAbout()
{
    AboutDialog about(this);
    about.exec();
}

void MainFrame::ChooseFont()
{
    // A cancelled font dialog is not an error: only a dialog that could not be shown is reported. The font chosen
    // is every page's, new ones too, and is kept for the next run.
    QWidget probe(this); // never shown; a child, so that the dialog asks through the frame's prompts
    probe.setFont(ActiveDocument()->pageEdit->PageFont());
    bool failed = false;
    if (!ShowFontDialog(&probe, &failed)) {
        if (failed)
            Messages::Show(this, QStringLiteral("出现异常错误"));
        return;
    }
    pageFont_ = probe.font();
    settings_.SetPageFont(*pageFont_);
    for (PageWindow* page : slots_)
        if (page)
            page->pageEdit->SetPageFont(*pageFont_);
}

void MainFrame::InsertAnchor()
{
    const QString answer = Messages::Input(this, QStringLiteral("请输入锚点名称:"), QStringLiteral("添加锚点"));
    if (!answer.trimmed().isEmpty())
        ActiveDocument()->GiveText(QStringLiteral("<a name='") + AttributeValue(answer) + QStringLiteral("'></a>"));
}

void MainFrame::InsertHiddenField()
{
    const QString title = QStringLiteral("添加隐藏表单");
    const QString name = Messages::Input(this, QStringLiteral("请输入名称:"), title);
    const QString value = Messages::Input(this, QStringLiteral("请输入值:"), title);
    QString tag = QStringLiteral("<input type=hidden");
    if (!name.trimmed().isEmpty())
        tag += QStringLiteral(" name=") + AttributeValue(name);
    if (!value.trimmed().isEmpty())
        tag += QStringLiteral(" value=") + AttributeValue(value);
    ActiveDocument()->GiveText(tag + QStringLiteral(">") + CrLf);
}

void MainFrame::ToggleWordWrap()
{
    PageWindow* doc = ActiveDocument();
    QAction* check = commands_.value(QStringLiteral("LineOnOff"));
    // QAction has already flipped its own check; the page's state decides.
    const bool on = !doc->showLineNumbers;
    check->setChecked(on);
    doc->SetWordWrap(on);
}

void MainFrame::ToggleAutoComplete()
{
    // QAction has already flipped its check mark; the switch holds for every page.
    shared_.AutoComplete = commands_.value(QStringLiteral("HtmlHelp"))->isChecked();
    ActiveDocument()->HideCompletion();
}

bool MainFrame::eventFilter(QObject* watched, QEvent* event)
{
    // The key of the preview command is the page window's own: the browser view of a previewed page may keep it
    // from the menu bar (under X11 the frame need not even count as active then), so it is taken here first.
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    // Only the events of the widget that has the focus in this frame (where the keys of its window go), compared by
    // address: the engine's internal objects get key events too, and nothing of theirs is called here.
    QWidget* widget = focusWidget();
    if (!widget || watched != static_cast<QObject*>(widget))
        return false;
    PageWindow* doc = ActiveDocument();
    if (!doc || !doc->isAncestorOf(widget))
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence preview = QKeySequence::mnemonic(commands_.value(QStringLiteral("Priview"))->text());
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if (preview.isEmpty() || QKeyCombination(mods, Qt::Key(key->key())) != preview[0])
        return false;
    event->accept();
    if (event->type() == QEvent::KeyPress && !key->isAutoRepeat())
        RunCommand(QStringLiteral("Priview"));
    return true;
}

void MainFrame::closeEvent(QCloseEvent* event)
{
    // Every page is asked; one that stays open keeps the program open.
    for (QMdiSubWindow* window : Area->subWindowList()) {
        if (!window->close()) {
            event->ignore();
            return;
        }
    }
    settings_.SetGeometry(saveGeometry());
    event->accept();
}

QAction* MainFrame::AddCommand(QMenu* menu, QAction* before, const QString& name, const QString& caption)
{
    auto* action = new QAction(caption, menu);
    action->setObjectName(name);
    menu->insertAction(before, action);
    commands_.insert(name, action);
    commandOf_.insert(action, name);
    connect(action, &QAction::triggered, this, [this, name] { RunCommand(name); });
    return action;
}

QAction* MainFrame::AddSwitch(QMenu* menu, QAction* before, const QString& name, const QString& caption,
                              const std::function<void(bool)>& apply)
{
    // A check mark that applies itself whenever it changes (clicked, restored from the settings); run as a
    // command it flips.
    auto* action = new QAction(caption, menu);
    action->setObjectName(name);
    action->setCheckable(true);
    menu->insertAction(before, action);
    commands_.insert(name, action);
    commandOf_.insert(action, name);
    connect(action, &QAction::toggled, this, apply);
    frameHandlers_.insert(name, [action] { action->toggle(); });
    return action;
}

void MainFrame::BuildViewSwitches()
{
    using Page = PageWindow*;
    QMenu* set = menus_.value(QStringLiteral("MySet"));
    set->addSeparator();
    AddSwitch(set, nullptr, QStringLiteral("LineNumMenu"), QStringLiteral("显示行号(&N)"),
              [this](bool on) { SetLineNumbers(on); });
    AddSwitch(set, nullptr, QStringLiteral("SyntaxMenu"), QStringLiteral("语法着色(&S)"),
              [this](bool on) { SetSyntaxColouring(on); });
    set->addSeparator();
    AddCommand(set, nullptr, QStringLiteral("ZoomInMenu"), QStringLiteral("放大(&I)"));
    AddCommand(set, nullptr, QStringLiteral("ZoomOutMenu"), QStringLiteral("缩小(&D)"));
    AddCommand(set, nullptr, QStringLiteral("ZoomResetMenu"), QStringLiteral("原始大小(&Z)"));

    // Pages as tabs or as windows, and the keys between them, above the eight page entries.
    QMenu* windows = menus_.value(QStringLiteral("WindowMenu"));
    QAction* first = windowEntries_[0];
    AddSwitch(windows, first, QStringLiteral("TabMenu"), QStringLiteral("以标签页显示(&T)"),
              [this](bool on) { SetTabbed(on); });
    AddCommand(windows, first, QStringLiteral("NextPageMenu"), QStringLiteral("下一页(&N)"));
    AddCommand(windows, first, QStringLiteral("PrevPageMenu"), QStringLiteral("上一页(&P)"));
    windows->insertSeparator(first);
    windowGroup_ = new QActionGroup(this);
    windowGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (QAction* entry : windowEntries_) {
        entry->setCheckable(true);
        windowGroup_->addAction(entry);
    }

    frameHandlers_.insert(QStringLiteral("NextPageMenu"), [this] { Area->activateNextSubWindow(); });
    frameHandlers_.insert(QStringLiteral("PrevPageMenu"), [this] { Area->activatePreviousSubWindow(); });
    pageHandlers_.insert(QStringLiteral("ZoomInMenu"), [](Page doc) { doc->pageEdit->ZoomBy(1); });
    pageHandlers_.insert(QStringLiteral("ZoomOutMenu"), [](Page doc) { doc->pageEdit->ZoomBy(-1); });
    pageHandlers_.insert(QStringLiteral("ZoomResetMenu"), [](Page doc) { doc->pageEdit->ResetZoom(); });
}

void MainFrame::BuildEditorKeys()
{
    // Redo right after Undo.
    QMenu* edit = menus_.value(QStringLiteral("EditMenu"));
    const QList<QAction*> entries = edit->actions();
    AddCommand(edit, entries.value(entries.indexOf(commands_.value(QStringLiteral("NotChange"))) + 1),
               QStringLiteral("RedoMenu"), QStringLiteral("重做(&R)"));
    editing_.insert(QStringLiteral("RedoMenu"));
    pageHandlers_.insert(QStringLiteral("RedoMenu"), [](PageWindow* doc) { doc->pageEdit->redo(); });
    SetRedoEnabled(false);

    // Find next and previous from the page, with the find dialog's last text, whether the dialog is open or not.
    QAction* afterFind = entries.value(entries.indexOf(commands_.value(QStringLiteral("FindMenu"))) + 1);
    const std::tuple<const char*, const char*, bool> finds[] = {{"FindNextMenu", "查找下一个(&G)", true},
                                                                {"FindPrevMenu", "查找上一个(&V)", false}};
    for (const auto& [entry, caption, forward] : finds) {
        const QString name = QString::fromLatin1(entry);
        AddCommand(edit, afterFind, name, QString::fromUtf8(caption));
        editing_.insert(name);
        const bool ahead = forward; // a structured binding cannot be captured by every compiler we build with
        pageHandlers_.insert(name, [ahead](PageWindow* doc) { FindDialog::FindAgain(doc, ahead); });
    }

    // The keys every editor has, shown in the menus' key column. The keys the text control already takes
    // (Ctrl+F, Ctrl+Enter, F5, Ctrl+V, Ctrl+A, Del) stay its own.
    const std::pair<const char*, QList<QKeySequence>> keys[] = {
        {"NewMenu", {QKeySequence(Qt::CTRL | Qt::Key_N)}},
        {"OpenMenu", {QKeySequence(Qt::CTRL | Qt::Key_O)}},
        {"SaveMenu", {QKeySequence(Qt::CTRL | Qt::Key_S)}},
        {"SaveAsMenu", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}},
        {"FindMenu", {QKeySequence(Qt::CTRL | Qt::Key_H)}},
        {"FindNextMenu", {QKeySequence(Qt::Key_F3)}},
        {"FindPrevMenu", {QKeySequence(Qt::SHIFT | Qt::Key_F3)}},
        {"RedoMenu", {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}},
        {"HelpTxt", {QKeySequence(Qt::Key_F1)}},
        {"NextPageMenu", {QKeySequence(Qt::CTRL | Qt::Key_Tab)}},
        {"PrevPageMenu", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)}},
        {"ZoomInMenu", {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)}},
        {"ZoomOutMenu", {QKeySequence(Qt::CTRL | Qt::Key_Minus)}},
        {"ZoomResetMenu", {QKeySequence(Qt::CTRL | Qt::Key_0)}},
    };
    for (const auto& [name, sequences] : keys) {
        QAction* action = commands_.value(QString::fromLatin1(name));
        action->setShortcuts(sequences);
        // Also held by the frame itself, so the key works while its menu is hidden (the Window menu with no page).
        addAction(action);
    }
}

void MainFrame::BuildRecentFiles()
{
    QMenu* file = menus_.value(QStringLiteral("FileMenu"));
    const QList<QAction*> entries = file->actions();
    QAction* before = entries.value(entries.indexOf(commands_.value(QStringLiteral("OpenMenu"))) + 1);
    recentMenu_ = new QMenu(QStringLiteral("最近打开的文件(&R)"), file);
    recentMenu_->setObjectName(QStringLiteral("RecentMenu"));
    file->insertMenu(before, recentMenu_);
    menus_.insert(QStringLiteral("RecentMenu"), recentMenu_);
    connect(file, &QMenu::aboutToShow, this, &MainFrame::FillRecentMenu);
}

void MainFrame::FillRecentMenu()
{
    // Files that are gone since are dropped from the list.
    const qsizetype before = recent_.size();
    recent_.removeIf([](const QString& path) { return !QFileInfo(path).isFile(); });
    if (recent_.size() != before)
        settings_.SetRecentFiles(recent_);
    recentMenu_->clear();
    for (qsizetype i = 0; i < recent_.size(); ++i) {
        const QString path = recent_.at(i);
        QAction* entry = recentMenu_->addAction(QStringLiteral("&%1 %2").arg((i + 1) % 10).arg(path));
        entry->setObjectName(QStringLiteral("RecentFile_%1").arg(i));
        connect(entry, &QAction::triggered, this, [this, path] { OpenRecent(path); });
    }
    recentMenu_->menuAction()->setEnabled(!recent_.isEmpty());
}

void MainFrame::OpenRecent(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        recent_.removeAll(path);
        settings_.SetRecentFiles(recent_);
        Messages::Show(this, CannotOpen + path);
        return;
    }
    OpenPath(path);
}

void MainFrame::AddRecent(const QString& path)
{
    recent_.removeAll(path);
    recent_.prepend(path);
    recent_ = recent_.mid(0, FrameSettings::MaxRecent);
    settings_.SetRecentFiles(recent_);
}

void MainFrame::RestoreSettings()
{
    recent_ = settings_.RecentFiles();
    pageFont_ = settings_.PageFont();
    lineNumbers_ = settings_.Switch(QStringLiteral("LineNumbers"), true);
    syntaxColouring_ = settings_.Switch(QStringLiteral("SyntaxColour"), false);
    const bool tabbed = settings_.Switch(QStringLiteral("Tabbed"), false);
    commands_.value(QStringLiteral("LineNumMenu"))->setChecked(lineNumbers_);
    commands_.value(QStringLiteral("SyntaxMenu"))->setChecked(syntaxColouring_);
    // Each check mark applies itself as it is set.
    commands_.value(QStringLiteral("TabMenu"))->setChecked(tabbed);
    if (!restoreGeometry(settings_.Geometry()))
        FitIntoScreen();
    setWindowIcon(ProgramIcon::Icon());
    setAcceptDrops(true);
}

void MainFrame::FitIntoScreen()
{
    // The first start: the usual size where the screen has room for it, else the screen's free area less room
    // for the window's frame; the available area is in the screen's own units, so any scale factor fits.
    QSize size(1180, 760);
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        resize(size);
        return;
    }
    const QRect area = screen->availableGeometry();
    size = size.boundedTo(area.size() - QSize(16, 48)).expandedTo(QSize(400, 300));
    resize(size);
    move(area.left() + (area.width() - size.width()) / 2,
         area.top() + qMax(0, (area.height() - size.height()) / 2 - 24));
}

void MainFrame::ApplyPageSettings(PageWindow* form)
{
    if (pageFont_)
        form->pageEdit->SetPageFont(*pageFont_);
    form->pageEdit->SetLineNumbersShown(lineNumbers_);
    form->pageEdit->SetSyntaxColouring(syntaxColouring_);
}

void MainFrame::SetLineNumbers(bool on)
{
    lineNumbers_ = on;
    settings_.SetSwitch(QStringLiteral("LineNumbers"), on);
    for (PageWindow* page : slots_)
        if (page)
            page->pageEdit->SetLineNumbersShown(on);
}

void MainFrame::SetSyntaxColouring(bool on)
{
    syntaxColouring_ = on;
    settings_.SetSwitch(QStringLiteral("SyntaxColour"), on);
    for (PageWindow* page : slots_)
        if (page)
            page->pageEdit->SetSyntaxColouring(on);
}

void MainFrame::SetTabbed(bool on)
{
    settings_.SetSwitch(QStringLiteral("Tabbed"), on);
    QMdiSubWindow* active = Area->activeSubWindow();
    Area->setViewMode(on ? QMdiArea::TabbedView : QMdiArea::SubWindowView);
    if (on) {
        Area->setTabsClosable(true);
        Area->setTabsMovable(true);
        Area->setDocumentMode(true);
        return;
    }
    // Back to windows: each page maximised, as they open, the active one last and in front (the last one
    // maximised holds the menu bar's window buttons and names itself in the frame's title).
    for (QMdiSubWindow* window : Area->subWindowList())
        if (window != active)
            window->showMaximized();
    if (active) {
        active->showMaximized();
        Area->setActiveSubWindow(active);
    }
    UpdateTitle();
}

void MainFrame::SetRedoEnabled(bool enabled)
{
    SetEnabled({QStringLiteral("RedoMenu")}, enabled);
}

QMdiSubWindow* MainFrame::SubWindowOf(const PageWindow* form) const
{
    return qobject_cast<QMdiSubWindow*>(form->parentWidget());
}

QString MainFrame::Caption(const PageWindow* form)
{
    // The star is written out rather than left to Qt's "[*]", which follows the window's modified flag, and the
    // MDI area sets the frame's flag on its own; a "[*]" in a file name is doubled to stay as it is.
    QString caption = form->windowTitle();
    caption.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    return form->IsModified() ? caption + QLatin1Char('*') : caption;
}

void MainFrame::RefreshCaption(PageWindow* form)
{
    const bool modified = form->IsModified();
    if (QMdiSubWindow* window = SubWindowOf(form))
        window->setWindowTitle(Caption(form));
    const int slot = form->slotNumber;
    if (slot >= 0 && slot < MaxDocuments && slots_[slot] == form)
        windowEntries_[slot]->setText(winCaption_[slot] + (modified ? QStringLiteral("*") : QString()));
    UpdateTitle();
}

void MainFrame::OpenFiles(const QStringList& paths)
{
    for (const QString& path : paths) {
        if (openPageCount >= MaxDocuments && !PageOpenOn(path)) {
            Messages::Show(this, TooManyPages);
            return;
        }
        OpenPath(QFileInfo(path).absoluteFilePath());
    }
}

void MainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!PageEdit::DroppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainFrame::dropEvent(QDropEvent* event)
{
    const QStringList files = PageEdit::DroppedFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    // Opened once the drop is over: a message box in the middle of a drag would hold the source's drag.
    QMetaObject::invokeMethod(
        this, [this, files] { OpenFiles(files); }, Qt::QueuedConnection);
}
