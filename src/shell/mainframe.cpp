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
#include "shell/pagechecker.h"
#include "shell/problemsdock.h"
#include "shell/findresultsdock.h"
#include "shell/programicon.h"
#include "shell/sitefileinsert.h"
#include "shell/sitefilesdock.h"
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
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTextBlock>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

// One row of a menu: a command's entries, a separator, or the start or end of a submenu.
struct MenuRow
{
    enum What
    {
        Entry,
        Separator,
        SubMenu,
        EndSubMenu
    } what;
    Command id = Command::NewPage;
    const char* name = "";    // a submenu's object name; the key of an InsertElement entry
    const char* caption = ""; // a submenu's title; an entry's caption in this menu, when not the command's
    CommandEntry::Flags flags = {};
};

namespace {
const QString CannotOpen = QStringLiteral("文件不能打开!请检查文件是否存在或是否可读!\n");

// Every entry of a command (the ReopenAs entries: one per code page).
MenuRow E(Command id)
{
    return {MenuRow::Entry, id};
}
// The entry that inserts an element kind, by the key the kind names it with.
MenuRow Element(const char* key)
{
    return {MenuRow::Entry, Command::InsertElement, key};
}
// An entry that shows the command under a caption of this menu's own.
MenuRow Captioned(Command id, const char* caption)
{
    return {MenuRow::Entry, id, "", caption};
}
const MenuRow Sep{MenuRow::Separator};
const MenuRow End{MenuRow::EndSubMenu};
MenuRow Sub(const char* name, const char* caption, CommandEntry::Flags flags)
{
    return {MenuRow::SubMenu, Command::NewPage, name, caption, flags};
}

// When a menu is open, as for a command: menus of a page go grey without one, and menus of editing commands while
// the page shows its preview.
const CommandEntry::Flags Always = CommandEntry::ReadOnlyOk | CommandEntry::PreviewOk;
const CommandEntry::Flags OfPage = CommandEntry::NeedsPage | CommandEntry::ReadOnlyOk | CommandEntry::PreviewOk;
const CommandEntry::Flags OfEditing = CommandEntry::NeedsPage;

struct MenuDef
{
    const char* name; // "" for entries on the menu bar itself
    const char* caption;
    CommandEntry::Flags flags;
    std::initializer_list<MenuRow> rows;
};

using C = Command;
const MenuDef kMenus[] = {
    {"FileMenu",
     "文件(&F)",
     Always,
     {E(C::NewPage), E(C::OpenFile), E(C::OpenFolder), Sep, E(C::Save), E(C::SaveAs),
      Sub("ReopenMenu", "以其他编码重新打开(&E)", OfPage), E(C::ReopenAs), End, Sep, E(C::Close), E(C::Exit)}},
    {"EditMenu",
     "编辑(&E)",
     OfEditing,
     {E(C::Undo), E(C::Redo), Sep, E(C::Cut), E(C::Copy), E(C::Paste), E(C::Delete), Sep, E(C::FindReplace),
      E(C::FindNext), E(C::FindPrevious), E(C::FindInFolder), E(C::ChooseFont), Sep, E(C::SelectAll), Sep, E(C::BigToGb), E(C::GbToBig)}},
    {"SetMenu",
     "网页设置(&S)",
     OfEditing,
     {E(C::EditBody), E(C::EditTag), Sep, E(C::LinkStyleSheet), E(C::EmbedStyleSheet), E(C::ExportStyleSheet), Sep,
      E(C::AutoRefresh), E(C::PageTransition), E(C::AddEffect), Sep, E(C::CheckPage), E(C::NextProblem),
      E(C::PreviousProblem), E(C::ToggleCheckWhileTyping)}},
    {"InsertMenu",
     "插入元素(&O)",
     OfEditing,
     {Element("LinkHtml"),
      Element("PHtml"),
      Element("ImgHtml"),
      E(C::InsertTable),
      Element("SpanHtml"),
      Element("DivHtml"),
      Sep,
      Element("EnbHtml"),
      Element("BgsoundHtml"),
      Sub("FormHtml", "表单(&F)", Always),
      Element("FormHtmls"),
      Element("aTextHtml"),
      Element("bTExtHtml"),
      Element("passwordHtml"),
      Element("CheckHtml"),
      Element("RadioHtml"),
      Element("SelectHtml"),
      Element("FormButtonHtml"),
      E(C::InsertSubmitButton),
      E(C::InsertResetButton),
      E(C::InsertHiddenField),
      End,
      Element("HrHtml"),
      Element("PreHtml"),
      Element("MarqueeHtml"),
      E(C::InsertAnchor),
      E(C::InsertPlainText),
      E(C::InsertLineBreak),
      Sep,
      Element("IframeHtml"),
      E(C::InsertScript),
      Sub("HtmlData", "列表(&L)", Always),
      Element("UlHtml"),
      Element("OlHtml"),
      Element("DlHtml"),
      End,
      E(C::InsertOtherElement)}},
    // The page entries follow, one per slot.
    {"WindowMenu",
     "窗口(&W)",
     Always,
     {E(C::ToggleTabs), E(C::NextPage), E(C::PreviousPage), Sep, E(C::SidePreview), E(C::ToggleSiteFiles), Sep}},
    {"MySet",
     "系统设置(&M)",
     OfPage,
     {E(C::ToggleWordWrap), E(C::ToggleCompletion), E(C::ToggleAutoClose), Sep, E(C::ToggleLineNumbers), E(C::ToggleSyntaxColouring), Sep,
      E(C::ZoomIn), E(C::ZoomOut), E(C::ZoomReset)}},
    {"", "", Always, {E(C::Preview)}},
    {"HelpMenu", "帮助(&H)", Always, {E(C::Help), Sep, E(C::About)}},
};

// Three entries keep the captions the context menu has always had (their menu captions' letters would clash here).
const MenuRow kContextMenu[] = {
    E(C::Preview),
    Sep,
    Captioned(C::EditTag, "属性编辑(&P)"),
    E(C::EditBody),
    Captioned(C::AddEffect, "添加特效(&A)"),
    E(C::AddColour),
    Sep,
    E(C::Undo),
    E(C::Cut),
    E(C::Copy),
    E(C::Paste),
    E(C::Delete),
    E(C::FindReplace),
    E(C::SelectAll),
    Sep,
    Captioned(C::Close, "关闭本页(&X)"),
};

struct ButtonDef
{
    const char* key; // the button's object name and picture; "" for a separator
    const char* tip;
    const char* text; // short caption beside the picture
    Command command;
    const char* element; // InsertElement: the key of the kind's entry
    QStyle::StandardPixmap icon;
};

const ButtonDef kButtons[] = {
    {"New", "新建文件", "新建", C::NewPage, "", QStyle::SP_FileIcon},
    {"Open", "打开文件", "打开", C::OpenFile, "", QStyle::SP_DialogOpenButton},
    {"Save", "保存文件", "保存", C::Save, "", QStyle::SP_DialogSaveButton},
    {"", "", "", C::NewPage, "", QStyle::SP_CustomBase},
    {"Cut", "剪切", "剪切", C::Cut, "", QStyle::SP_CustomBase},
    {"Copy", "复制", "复制", C::Copy, "", QStyle::SP_CustomBase},
    {"Paste", "粘贴", "粘贴", C::Paste, "", QStyle::SP_CustomBase},
    {"Del", "删除", "删除", C::Delete, "", QStyle::SP_TrashIcon},
    {"Undo", "撤消", "撤消", C::Undo, "", QStyle::SP_ArrowBack},
    {"Find", "查找", "查找", C::FindReplace, "", QStyle::SP_FileDialogContentsView},
    {"", "", "", C::NewPage, "", QStyle::SP_CustomBase},
    {"Preview", "预览", "预览", C::Preview, "", QStyle::SP_ComputerIcon},
    {"Check", "检查网页", "检查", C::CheckPage, "", QStyle::SP_CustomBase},
    {"", "", "", C::NewPage, "", QStyle::SP_CustomBase},
    {"Style", "设置样式", "样式", C::WrapInStyle, "", QStyle::SP_CustomBase},
    {"Color", "添加颜色", "颜色", C::AddColour, "", QStyle::SP_CustomBase},
    {"Body", "主体设置", "主体", C::EditBody, "", QStyle::SP_FileDialogDetailedView},
    {"Link", "添加超链接", "链接", C::InsertElement, "LinkHtml", QStyle::SP_FileLinkIcon},
    {"Img", "添加图像", "图像", C::InsertElement, "ImgHtml", QStyle::SP_DirIcon},
    {"", "", "", C::NewPage, "", QStyle::SP_CustomBase},
    {"About", "关于", "关于", C::About, "", QStyle::SP_MessageBoxInformation},
    {"Help", "帮助", "帮助", C::Help, "", QStyle::SP_DialogHelpButton},
};

} // namespace

const QString MainFrame::TooManyPages = QStringLiteral("文件太多了,请关闭其中的一个才能装入新的文件!!");

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

    BuildActions();
    BuildMenus();
    BuildContextMenu();
    BuildToolbar();
    BuildProblemsDock();
    BuildSwitches();
    BuildRecentFiles();
    RestoreSettings();
    RefreshCommands();
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

void MainFrame::StartWith(const PageRequests& files)
{
    if (files.isEmpty()) {
        Start();
        return;
    }
    // The files named are the pages: no empty page besides them, and none at all if none opens.
    openPageCount = 0;
    SetDocCommandsEnabled(false);
    menus_.value(QStringLiteral("WindowMenu"))->menuAction()->setVisible(false);
    for (const PageRequest& file : files)
        OpenAt(PageRequest(QFileInfo(file.path).absoluteFilePath(), file.line));
}

MainFrame::~MainFrame()
{
    // Take the pages down while this frame is still whole: their going must not call back into a half-destroyed
    // frame.
    disconnect(Area, nullptr, this, nullptr);
    if (siteFiles_)
        siteFiles_->disconnect(this);
    for (QMdiSubWindow* window : Area->subWindowList()) {
        window->widget()->disconnect(this);
        delete window;
    }
}

QAction* MainFrame::Action(Command id, int argument) const
{
    return actions_.value(registry_.Find(id, argument));
}

QAction* MainFrame::ToolButton(Command id, int argument) const
{
    return buttons_.value(registry_.Find(id, argument));
}

void MainFrame::BuildActions()
{
    // One action per entry, for its menu entries, its context menu entry and its button alike.
    for (const CommandEntry& entry : registry_.Entries()) {
        auto* action = new QAction(entry.caption, this);
        action->setObjectName(entry.key);
        action->setShortcuts(entry.keys);
        action->setShortcutContext(entry.keyContext);
        action->setCheckable(entry.flags & (CommandEntry::Checkable | CommandEntry::Switch));
        // A key the frame takes works while its menu is hidden too (the Window menu with no page).
        if (!entry.keys.isEmpty() && entry.keyContext == Qt::WindowShortcut)
            addAction(action);
        // A switch applies itself as its check mark changes.
        if (!entry.flags.testFlag(CommandEntry::Switch))
            connect(action, &QAction::triggered, this, [this, &entry] { RunCommand(entry); });
        actions_.insert(&entry, action);
    }
    Action(Command::ToggleWordWrap)->setChecked(true);
    Action(Command::ToggleCompletion)->setChecked(true);
}

QList<QAction*> MainFrame::ActionsOf(const MenuRow& row) const
{
    if (*row.name)
        return {actions_.value(registry_.Find(QString::fromLatin1(row.name)))};
    QList<QAction*> entries;
    for (const CommandEntry& entry : registry_.Entries())
        if (entry.id == row.id)
            entries.append(actions_.value(&entry));
    return entries;
}

void MainFrame::FillMenu(QMenu* menu, std::span<const MenuRow> rows)
{
    QMenu* target = menu;
    for (const MenuRow& row : rows) {
        switch (row.what) {
        case MenuRow::Separator:
            target->addSeparator();
            break;
        case MenuRow::SubMenu:
            target = menu->addMenu(QString::fromUtf8(row.caption));
            target->setObjectName(QString::fromLatin1(row.name));
            menus_.insert(target->objectName(), target);
            menuFlags_.insert(target, row.flags);
            break;
        case MenuRow::EndSubMenu:
            target = menu;
            break;
        case MenuRow::Entry:
            for (QAction* action : ActionsOf(row))
                if (action)
                    target->addAction(*row.caption ? CaptionedAction(action, row.caption) : action);
            break;
        }
    }
}

QAction* MainFrame::CaptionedAction(QAction* action, const char* caption)
{
    // It runs the command's action and follows its state; the keys stay the action's.
    auto* entry = new QAction(QString::fromUtf8(caption), this);
    entry->setEnabled(action->isEnabled());
    entry->setVisible(action->isVisible());
    connect(entry, &QAction::triggered, action, &QAction::trigger);
    connect(action, &QAction::changed, entry, [entry, action] {
        entry->setEnabled(action->isEnabled());
        entry->setVisible(action->isVisible());
    });
    return entry;
}

void MainFrame::BuildMenus()
{
    for (const MenuDef& def : kMenus) {
        const std::span<const MenuRow> rows(def.rows.begin(), def.rows.size());
        if (!*def.name) {
            // Commands on the menu bar itself.
            for (const MenuRow& row : rows)
                menuBar()->addActions(ActionsOf(row));
            continue;
        }
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(def.caption));
        menu->setObjectName(QString::fromLatin1(def.name));
        menus_.insert(menu->objectName(), menu);
        menuFlags_.insert(menu, def.flags);
        FillMenu(menu, rows);
    }
    BuildWindowEntries();
    BuildReopenMarks();
}

void MainFrame::BuildWindowEntries()
{
    QMenu* windows = menus_.value(QStringLiteral("WindowMenu"));
    windowGroup_ = new QActionGroup(this);
    windowGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (int i = 0; i < MaxDocuments; ++i) {
        windowEntries_[i] = windows->addAction(QString());
        windowEntries_[i]->setObjectName(QStringLiteral("WinForm_%1").arg(i));
        windowEntries_[i]->setVisible(false);
        windowEntries_[i]->setCheckable(true);
        windowGroup_->addAction(windowEntries_[i]);
        connect(windowEntries_[i], &QAction::triggered, this, [this, i] { ActivateSlot(i); });
    }
}

void MainFrame::BuildReopenMarks()
{
    // The code page the active page is read in carries the mark.
    connect(menus_.value(QStringLiteral("ReopenMenu")), &QMenu::aboutToShow, this, [this] {
        const PageWindow* doc = ActiveDocument();
        for (const CommandEntry& entry : registry_.Entries())
            if (entry.id == Command::ReopenAs)
                actions_.value(&entry)->setChecked(doc && int(doc->Encoding().codec) == entry.argument);
    });
}

void MainFrame::BuildContextMenu()
{
    systemMenu_ = new QMenu(QStringLiteral("功能"), this);
    systemMenu_->setObjectName(QStringLiteral("SetMeMenu"));
    FillMenu(systemMenu_, kContextMenu);
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
        const CommandEntry* entry =
            *b.element ? registry_.Find(QString::fromLatin1(b.element)) : registry_.Find(b.command);
        if (!entry)
            continue;
        QAction* action = ButtonAction(*entry);
        action->setIcon(b.icon == QStyle::SP_CustomBase ? ToolbarIcons::Drawn(key) : style()->standardIcon(b.icon));
        action->setIconVisibleInMenu(false);
        action->setIconText(QString::fromUtf8(b.text));
        action->setToolTip(QString::fromUtf8(b.tip));
        toolbar->addAction(action);
        toolbar->widgetForAction(action)->setObjectName(key);
        buttons_.insert(entry, action);
    }
}

QAction* MainFrame::ButtonAction(const CommandEntry& command)
{
    // A button is the action of the command it runs: one enabled state for both. Its short text and picture are for
    // the toolbar only; a command on the menu bar itself would show the picture there in place of its caption, so
    // its button is an action of its own that follows the entry's state.
    QAction* entry = actions_.value(&command);
    if (!menuBar()->actions().contains(entry))
        return entry;
    auto* button = new QAction(this);
    connect(button, &QAction::triggered, this, [this, &command] { RunCommand(command); });
    connect(entry, &QAction::enabledChanged, button, &QAction::setEnabled);
    return button;
}

QMenu* MainFrame::MenuNamed(const QString& name) const
{
    return menus_.value(name);
}

void MainFrame::BuildProblemsDock()
{
    problemsDock_ = new ProblemsDock(Action(Command::ToggleCheckWhileTyping), this);
    addDockWidget(Qt::BottomDockWidgetArea, problemsDock_);
    problemsDock_->hide(); // until a page is checked
}

void MainFrame::CheckPage(PageWindow* doc)
{
    problemsDock_->show();
    problemsDock_->Follow(PageChecker::Of(doc));
    PageChecker::Of(doc)->Check();
}

void MainFrame::SetCheckWhileTyping(bool on)
{
    checkWhileTyping_ = on;
    settings_.SetSwitch(QStringLiteral("CheckWhileTyping"), on);
    for (PageWindow* page : slots_)
        if (page)
            PageChecker::Of(page)->SetWhileTyping(on);
}

void MainFrame::BuildSwitches()
{
    connect(Action(Command::ToggleCheckWhileTyping), &QAction::toggled, this, &MainFrame::SetCheckWhileTyping);
    // A check mark that applies itself whenever it changes (clicked, restored from the settings).
    connect(Action(Command::ToggleLineNumbers), &QAction::toggled, this, &MainFrame::SetLineNumbers);
    connect(Action(Command::ToggleSyntaxColouring), &QAction::toggled, this, &MainFrame::SetSyntaxColouring);
    connect(Action(Command::ToggleTabs), &QAction::toggled, this, &MainFrame::SetTabbed);
    connect(Action(Command::ToggleAutoClose), &QAction::toggled, this, [this](bool on) {
        shared_.AutoCloseTags = on;
        settings_.SetSwitch(QStringLiteral("AutoClose"), on);
    });
}

CommandRegistry::Handler MainFrame::HandlerOf(Command id, int argument)
{
    if (CommandRegistry::Handler file = FileHandler(id, argument))
        return file;
    if (CommandRegistry::Handler edit = EditHandler(id))
        return edit;
    if (CommandRegistry::Handler page = PageHandler(id, argument))
        return page;
    return FrameHandler(id);
}

CommandRegistry::Handler MainFrame::FileHandler(Command id, int argument)
{
    using Page = PageWindow*;
    switch (id) {
    case Command::NewPage:
        return [this](Page) { OpenDocument(false, QString(), QString()); };
    case Command::OpenFile:
        return [this](Page) { OpenFile(); };
    case Command::OpenFolder:
        return [this](Page) { OpenFolder(); };
    case Command::Save:
        return [](Page doc) { doc->Save(); };
    case Command::SaveAs:
        return [](Page doc) { doc->SaveAs(); };
    case Command::ReopenAs:
        return [this, argument](Page doc) { ReopenWith(doc, argument); };
    case Command::Close:
        return [this](Page) { CloseActive(); };
    case Command::Exit:
        return [this](Page) { close(); };
    default:
        return {};
    }
}

CommandRegistry::Handler MainFrame::EditHandler(Command id)
{
    using Page = PageWindow*;
    switch (id) {
    case Command::Undo:
        return [this](Page) { UndoEdit(); };
    case Command::Redo:
        return [](Page doc) { doc->pageEdit->redo(); };
    case Command::Cut:
        return [this](Page) { CutText(); };
    case Command::Copy:
        return [this](Page) { CopyText(); };
    case Command::Paste:
        return [this](Page) { PasteText(); };
    case Command::Delete:
        return [this](Page) { DeleteText(); };
    case Command::FindReplace:
        return [](Page doc) { doc->FindReplace(); };
    case Command::FindNext:
    case Command::FindPrevious:
        // With the find dialog's last text, whether the dialog is open or not.
        return [ahead = id == Command::FindNext](Page doc) { FindDialog::FindAgain(doc, ahead); };
    case Command::FindInFolder:
        // The find dialog's text and options; with no text yet the dialog asks for one.
        return [](Page doc) {
            FindDialog* form = FindDialog::Open(doc);
            if (form && !form->FindText->text().isEmpty())
                form->FindInFolder();
        };
    case Command::ChooseFont:
        return [this](Page) { ChooseFont(); };
    case Command::SelectAll:
        return [this](Page) { SelectAllText(); };
    case Command::BigToGb:
        return [this](Page doc) { ConvertDocument(doc, ConversionDirection::BigToGb, this); };
    case Command::GbToBig:
        return [this](Page doc) { ConvertDocument(doc, ConversionDirection::GbToBig, this); };
    default:
        return {};
    }
}

CommandRegistry::Handler MainFrame::PageHandler(Command id, int argument)
{
    using Page = PageWindow*;
    // Markup inserted as it stands.
    const auto give = [](const char* markup) {
        const QString text = QString::fromLatin1(markup) + CrLf;
        return [text](Page doc) { doc->InsertMarkup(text); };
    };
    switch (id) {
    case Command::EditBody:
        return [](Page doc) { doc->EditBody(); };
    case Command::EditTag:
        return [](Page doc) { doc->EditTag(); };
    case Command::LinkStyleSheet:
        return [](Page doc) { StyleSheetCommands::LinkCss(*doc); };
    case Command::EmbedStyleSheet:
        return [](Page doc) { StyleSheetCommands::MakeInCss(doc->Context(), *doc); };
    case Command::ExportStyleSheet:
        return [](Page doc) { StyleSheetCommands::MakeOutCss(doc->Context(), *doc); };
    case Command::AutoRefresh:
        return [](Page doc) { doc->InsertRefresh(); };
    case Command::PageTransition:
        return [](Page doc) { doc->InsertTransition(); };
    case Command::AddEffect:
        return [](Page doc) { doc->AddPageEffect(); };
    case Command::InsertElement:
        // The element dialog for the kind.
        return [htmlN = ElementKind::All().at(argument).HtmlN](Page doc) { doc->Insert(htmlN); };
    case Command::InsertTable:
        return [this](Page doc) { InsertTable(doc); };
    case Command::InsertSubmitButton:
        return give("<input type=submit>");
    case Command::InsertResetButton:
        return give("<input type=reset>");
    case Command::InsertLineBreak:
        return give("<br>");
    case Command::InsertHiddenField:
        return [this](Page) { InsertHiddenField(); };
    case Command::InsertAnchor:
        return [this](Page) { InsertAnchor(); };
    case Command::InsertPlainText:
        return [](Page doc) { doc->InsertPlainText(); };
    case Command::InsertScript:
        return [this](Page doc) { InsertScript(doc); };
    case Command::InsertOtherElement:
        return [this](Page doc) { InsertOtherElement(doc); };
    case Command::AddColour:
        return [](Page doc) { doc->AddColour(); };
    case Command::CheckPage:
        return [this](Page doc) { CheckPage(doc); };
    case Command::NextProblem:
    case Command::PreviousProblem:
        return [forward = id == Command::NextProblem](Page doc) { PageChecker::Of(doc)->GoToNext(forward); };
    case Command::WrapInStyle:
        return [this](Page doc) { StyleWrap::Run(doc->Context(), doc->pageEdit, this); };
    default:
        return {};
    }
}

CommandRegistry::Handler MainFrame::FrameHandler(Command id)
{
    using Page = PageWindow*;
    switch (id) {
    case Command::ToggleWordWrap:
        return [this](Page) { ToggleWordWrap(); };
    case Command::ToggleCompletion:
        return [this](Page) { ToggleAutoComplete(); };
    case Command::ToggleLineNumbers:
    case Command::ToggleSyntaxColouring:
    case Command::ToggleAutoClose:
    case Command::ToggleTabs:
    case Command::ToggleCheckWhileTyping:
        // Run as a command, a switch flips.
        return [this, id](Page) { Action(id)->toggle(); };
    case Command::ZoomIn:
        return [](Page doc) { doc->pageEdit->ZoomBy(1); };
    case Command::ZoomOut:
        return [](Page doc) { doc->pageEdit->ZoomBy(-1); };
    case Command::ZoomReset:
        return [](Page doc) { doc->pageEdit->ResetZoom(); };
    case Command::NextPage:
        return [this](Page) { Area->activateNextSubWindow(); };
    case Command::PreviousPage:
        return [this](Page) { Area->activatePreviousSubWindow(); };
    case Command::Preview:
        return [](Page doc) { doc->TogglePreview(); };
    case Command::SidePreview:
        return [](Page doc) { doc->ToggleSidePreview(); };
    case Command::ToggleSiteFiles:
        return [this](Page) { SiteDock()->setVisible(siteFiles_->isHidden()); };
    case Command::Help:
        return [this](Page) { ShowHelp(); };
    case Command::About:
        return [this](Page) { ShowAbout(); };
    default:
        return {};
    }
}

void MainFrame::InsertTable(PageWindow* doc)
{
    if (const auto table = TableGridDialog::MakeTable(doc->Context(), this))
        doc->InsertMarkup(*table);
}

void MainFrame::InsertScript(PageWindow* doc)
{
    ScriptDialog script(this);
    if (const std::optional<QString> block = script.Run(); block && !block->isEmpty())
        doc->InsertMarkup(*block);
}

void MainFrame::InsertOtherElement(PageWindow* doc)
{
    ElementPickDialog pick(doc->Context(), this);
    if (const std::optional<QString> markup = pick.Run(); markup && !markup->isEmpty())
        doc->InsertMarkup(*markup);
}

void MainFrame::RunCommand(Command id, int argument)
{
    if (const CommandEntry* entry = registry_.Find(id, argument))
        RunCommand(*entry);
}

void MainFrame::RunCommand(const CommandEntry& command)
{
    // Whatever way the command comes, it runs only where its flags allow: a page shown read-only for its long lines
    // or showing its preview is not edited. What it works on (a selection, the clipboard) it copes without.
    PageWindow* doc = ActiveDocument();
    CommandState now;
    now.page = doc;
    now.readOnly = doc && doc->LongLinePage();
    now.previewing = doc && PagePreview::IsShown(*doc);
    now.undo = now.redo = now.selection = now.clipboard = true;
    if (CommandRegistry::Allowed(command.flags, now))
        command.run(doc);
}

void MainFrame::RefreshCommands()
{
    // An entry stays as it is while its page shows the preview: its menus go grey then, and the toolbar goes.
    CommandState entries = state_;
    entries.previewing = false;
    for (auto it = actions_.cbegin(); it != actions_.cend(); ++it)
        it.value()->setEnabled(CommandRegistry::Allowed(it.key()->flags, entries));
    for (auto it = menuFlags_.cbegin(); it != menuFlags_.cend(); ++it)
        it.key()->menuAction()->setEnabled(CommandRegistry::Allowed(it.value(), state_));
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
    ReturnToPlace(*form);
    return form;
}

PageWindow* MainFrame::OpenAt(const PageRequest& page)
{
    PageWindow* form = OpenPath(page.path);
    if (form && page.line > 0)
        form->pageEdit->ShowLine(page.line);
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

void MainFrame::OpenFolder()
{
    const PageWindow* doc = ActiveDocument();
    const QString folder = FileDialog(this, FileDialogMode::Folder, QStringLiteral("打开文件夹"), QString(), QString(),
                                      doc ? doc->folder : shared_.lastFolder, QString());
    if (folder.isEmpty())
        return;
    SiteDock()->ChooseFolder(folder);
    siteFiles_->show();
}

SiteFilesDock* MainFrame::SiteDock()
{
    if (siteFiles_)
        return siteFiles_;
    // Made when first wanted: until then no folder is read.
    siteFiles_ = new SiteFilesDock(this);
    addDockWidget(Qt::LeftDockWidgetArea, siteFiles_);
    siteFiles_->hide();
    connect(siteFiles_, &SiteFilesDock::OpenWanted, this, &MainFrame::OpenPath);
    connect(siteFiles_, &QDockWidget::visibilityChanged, this,
            [this] { Action(Command::ToggleSiteFiles)->setChecked(!siteFiles_->isHidden()); });
    if (const PageWindow* doc = ActiveDocument())
        siteFiles_->FollowPage(doc->folder);
    else
        siteFiles_->FollowPage(shared_.lastFolder);
    return siteFiles_;
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

void MainFrame::ReleaseSlot(int num)
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
        if (siteFiles_ && form == ActiveDocument())
            siteFiles_->FollowPage(form->folder);
    });
    connect(form, &PageWindow::RedoAvailable, this, &MainFrame::SetRedoEnabled);
    connect(form, &PageWindow::ModifiedChanged, this, [this, form] { RefreshCaption(form); });
    connect(form, &PageWindow::FilesDropped, this, &MainFrame::OpenFiles, Qt::QueuedConnection);
    connect(form, &PageWindow::FolderSearchWanted, this, &MainFrame::FindInFolder);
    connect(form, &PageWindow::SiteFilesDropped, this,
            [form](const QStringList& paths, int position) { SiteFileInsert::Drop(*form, paths, position); });
    connect(form, &PageWindow::EncodingMenuWanted, this, [this, form](const QPoint& globalPos) {
        // The menu's entries act on the active page: make it this one first.
        if (QMdiSubWindow* window = qobject_cast<QMdiSubWindow*>(form->parentWidget()))
            Area->setActiveSubWindow(window);
        menus_.value(QStringLiteral("ReopenMenu"))->popup(globalPos);
    });
}

void MainFrame::PageClosed(int num)
{
    if (num >= 0 && num < MaxDocuments && slots_[num])
        RememberPlace(*slots_[num]);
    openPageCount -= 1;
    if (openPageCount < 1)
        SetDocCommandsEnabled(false);
    ReleaseSlot(num);
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

QString MainFrame::ClipboardText()
{
    if (PageWindow* doc = ActiveDocument())
        doc->HideCompletion();
    return QApplication::clipboard()->text();
}

void MainFrame::SetDocCommandsEnabled(bool enabled)
{
    state_.page = enabled;
    toolbar->setVisible(true);
    if (!enabled) { // the last page went while it showed its preview
        state_.previewing = false;
        Action(Command::Preview)->setText(QStringLiteral("预览(&T)"));
    }
    RefreshCommands();
}

void MainFrame::SetUndoEnabled(bool enabled)
{
    state_.undo = enabled;
    RefreshCommands();
}

void MainFrame::SetSelectionCommandsEnabled(bool enabled)
{
    state_.selection = enabled;
    RefreshCommands();
}

void MainFrame::SetPasteEnabled(bool enabled)
{
    state_.clipboard = enabled;
    RefreshCommands();
}

void MainFrame::UpdatePreviewCommands(PageWindow* form)
{
    // While a page shows its preview there is nothing to edit: the editing menus and the toolbar go.
    state_.previewing = !form->previewBrowser->isHidden();
    toolbar->setVisible(!state_.previewing);
    Action(Command::Preview)->setText(state_.previewing ? QStringLiteral("关闭预览(&T)") : QStringLiteral("预览(&T)"));
    // The word-wrap and side preview check marks follow the active page.
    Action(Command::ToggleWordWrap)->setChecked(form->showLineNumbers);
    Action(Command::SidePreview)->setChecked(form->SidePreviewShown());
    RefreshCommands();
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
            problemsDock_->Follow(PageChecker::Of(form));
            if (siteFiles_)
                siteFiles_->FollowPage(form->folder);
            // The Window menu marks the active page.
            if (form->slotNumber >= 0 && form->slotNumber < MaxDocuments && slots_[form->slotNumber] == form)
                windowEntries_[form->slotNumber]->setChecked(true);
        }
    } else {
        problemsDock_->Follow(nullptr);
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
    CopyText();
    edit->textCursor().removeSelectedText();
}

void MainFrame::CopyText()
{
    // Built as UTF-8 a slice at a time: a big selection is never held twice.
    auto* mime = new QMimeData;
    mime->setData(QStringLiteral("text/plain"), ActiveDocument()->pageEdit->SelectionUtf8(u"\r\n"));
    QApplication::clipboard()->setMimeData(mime);
}

void MainFrame::DeleteText()
{
    ActiveDocument()->pageEdit->textCursor().removeSelectedText();
}

void MainFrame::PasteText()
{
    const QString text = ClipboardText();
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
        ActiveDocument()->InsertMarkup(QStringLiteral("<a name='") + AttributeValue(answer) + QStringLiteral("'></a>"));
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
    ActiveDocument()->InsertMarkup(tag + QStringLiteral(">") + CrLf);
}

void MainFrame::ToggleWordWrap()
{
    PageWindow* doc = ActiveDocument();
    QAction* check = Action(Command::ToggleWordWrap);
    // QAction has already flipped its own check; the page's state decides.
    const bool on = !doc->showLineNumbers;
    check->setChecked(on);
    doc->SetWordWrap(on);
}

void MainFrame::ToggleAutoComplete()
{
    // QAction has already flipped its check mark; the switch holds for every page.
    shared_.AutoComplete = Action(Command::ToggleCompletion)->isChecked();
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
    const QKeySequence preview = QKeySequence::mnemonic(Action(Command::Preview)->text());
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if (preview.isEmpty() || QKeyCombination(mods, Qt::Key(key->key())) != preview[0])
        return false;
    event->accept();
    if (event->type() == QEvent::KeyPress && !key->isAutoRepeat())
        RunCommand(Command::Preview);
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

void MainFrame::BuildRecentFiles()
{
    QMenu* file = menus_.value(QStringLiteral("FileMenu"));
    const QList<QAction*> entries = file->actions();
    QAction* before = entries.value(entries.indexOf(Action(Command::OpenFile)) + 1);
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

void MainFrame::RememberPlace(PageWindow& page)
{
    if (!page.hasFile || page.pageEdit->isReadOnly())
        return;
    const QTextCursor caret = page.pageEdit->textCursor();
    const int top = page.pageEdit->cursorForPosition(QPoint(0, 0)).blockNumber();
    places_.Remember(page.filePath, {caret.blockNumber(), caret.positionInBlock(), top});
    settings_.SetPagePlaces(places_.ToList());
}

void MainFrame::ReturnToPlace(PageWindow& page)
{
    const std::optional<PagePlaces::Place> kept = places_.Find(page.filePath);
    if (!kept || page.pageEdit->isReadOnly())
        return;
    const QTextDocument* text = page.pageEdit->document();
    const PagePlaces::Place place = PagePlaces::Fit(
        *kept, text->blockCount(), [text](int line) { return text->findBlockByNumber(line).length() - 1; });
    QTextCursor caret(text->findBlockByNumber(place.line));
    caret.setPosition(caret.position() + place.column);
    page.pageEdit->setTextCursor(caret);
    // The first line on screen once the window has its size, unless the page was sent to a line of its own
    // meanwhile (a line asked for on the command line wins).
    QPointer<PageWindow> shown(&page);
    QTimer::singleShot(0, this, [shown, place, at = caret.position()] {
        if (shown && shown->pageEdit->textCursor().position() == at)
            shown->pageEdit->verticalScrollBar()->setValue(
                shown->pageEdit->document()->findBlockByNumber(place.topLine).firstLineNumber());
    });
}

void MainFrame::RestoreSettings()
{
    recent_ = settings_.RecentFiles();
    places_ = PagePlaces::FromList(settings_.PagePlaces());
    pageFont_ = settings_.PageFont();
    lineNumbers_ = settings_.Switch(QStringLiteral("LineNumbers"), true);
    syntaxColouring_ = settings_.Switch(QStringLiteral("SyntaxColour"), false);
    const bool tabbed = settings_.Switch(QStringLiteral("Tabbed"), false);
    Action(Command::ToggleLineNumbers)->setChecked(lineNumbers_);
    Action(Command::ToggleSyntaxColouring)->setChecked(syntaxColouring_);
    Action(Command::ToggleCheckWhileTyping)->setChecked(settings_.Switch(QStringLiteral("CheckWhileTyping"), false));
    shared_.AutoCloseTags = settings_.Switch(QStringLiteral("AutoClose"), false);
    Action(Command::ToggleAutoClose)->setChecked(shared_.AutoCloseTags);
    // Each check mark applies itself as it is set.
    Action(Command::ToggleTabs)->setChecked(tabbed);
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
    PageChecker::Of(form)->SetWhileTyping(checkWhileTyping_);
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
    state_.redo = enabled;
    RefreshCommands();
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

void MainFrame::FindInFolder(const QString& folder, const SearchOptions& options)
{
    if (!findResults_) {
        findResults_ = new FindResultsDock(this);
        addDockWidget(Qt::BottomDockWidgetArea, findResults_);
        connect(findResults_, &FindResultsDock::OpenWanted, this, &MainFrame::OpenAtMatch);
    }
    findResults_->Start(folder, options);
}

void MainFrame::OpenAtMatch(const QString& path, int line, int column, int length)
{
    // A file gone since it was searched is not made a new page.
    if (!QFileInfo(path).isFile()) {
        Messages::Show(this, CannotOpen + path);
        return;
    }
    PageWindow* page = OpenPath(path);
    if (!page)
        return;
    // The page may have changed since: the place is kept within its line.
    PageEdit* text = page->pageEdit;
    const QTextBlock block = text->document()->findBlockByNumber(line - 1);
    if (!block.isValid())
        return;
    const int from = block.position() + qBound(0, column, block.length() - 1);
    const int to = qMin(from + length, block.position() + block.length() - 1);
    QTextCursor cursor = text->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    text->setTextCursor(cursor);
    text->ensureCursorVisible();
    text->setFocus();
}
