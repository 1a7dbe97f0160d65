#pragma once
// The main frame: up to eight page windows, the menus, the toolbar and the command dispatch.

#include "shell/builderdialogs.h"
#include "shell/commandregistry.h"
#include "shell/framesettings.h"
#include "shell/pageplaces.h"
#include "shell/pagerequest.h"

#include <QHash>
#include <QMainWindow>

#include <optional>
#include <span>

struct MenuRow;
struct SearchOptions;
class FindResultsDock;
class PieceDecoder;
class QAction;
class QActionGroup;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class SiteFilesDock;
class ProgramState;
class ProblemsDock;
class PageWindow;
struct DecodedPage;
class FileStamp;

class MainFrame : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int MaxDocuments = 8;
    // What a page that finds no room is told.
    static const QString TooManyPages;

    // With `start` false the frame is built without its first page; Start() opens it once the tag database
    // is there (start-up builds the frame while the database is still being read).
    explicit MainFrame(ProgramState& shared, QWidget* parent = nullptr, bool start = true);
    void Start();
    // The pages the program starts with: the files named on its command line, or one new page when none is named.
    void StartWith(const PageRequests& files);
    ~MainFrame() override;

    int openPageCount = 0;

    void ReleaseSlot(int num);
    QString ClipboardText();

    // Opens a page window; `page` is the file already read (open; its text is taken), null for a new page.
    // The page is `page` (read whole) or what `pieces` decodes; neither: a new page.
    PageWindow* OpenDocument(bool hasFile, const QString& filename, const QString& folder, DecodedPage* page = nullptr,
                             PieceDecoder* pieces = nullptr);
    void OpenFile();
    // "打开文件夹": the site tree shows the folder chosen.
    void OpenFolder();
    // The "网站文件" dock, made the first time it is wanted (hidden then).
    SiteFilesDock* SiteDock();
    // Opens a file named on the command line or chosen in the open dialog.
    PageWindow* OpenPath(const QString& path);
    // Opens it so, with the caret at the start of the line asked for (the last line for one past the end).
    PageWindow* OpenAt(const PageRequest& page);
    // The page open on the file `path` leads to (by whatever name), or null.
    PageWindow* PageOpenOn(const QString& path) const;
    // Reads the page's file again in the code page chosen (a PageEncoding::Codec), after asking when the page has
    // changes that would be lost.
    void ReopenWith(PageWindow* doc, int codec);
    // Each page without edits whose file another program changed offers to read it again (the program has the
    // focus back).
    void OfferReloads();

    PageWindow* ActiveDocument() const;
    PageWindow* Document(int slot) const { return slots_[slot]; }
    // The action of a command's entry (for ReopenAs and InsertElement, of the entry with that argument).
    QAction* Action(Command id, int argument = CommandRegistry::NoArgument) const;
    // The toolbar's button for a command: its action, or a button of its own for a command on the menu bar itself.
    QAction* ToolButton(Command id, int argument = CommandRegistry::NoArgument) const;
    const CommandRegistry& Commands() const { return registry_; }
    QMenu* MenuNamed(const QString& name) const;
    ProblemsDock* Problems() const { return problemsDock_; }
    QToolBar* toolbar = nullptr;
    QMdiArea* Area = nullptr;

    // State shared with the page windows.
    void SetDocCommandsEnabled(bool enabled);
    void SetUndoEnabled(bool enabled);
    void SetSelectionCommandsEnabled(bool enabled);
    void SetPasteEnabled(bool enabled);
    void UpdatePreviewCommands(PageWindow* form);
    void PopupContextMenu(const QPoint& globalPos);

    // Runs a command as its menu entry or button would.
    void RunCommand(Command id, int argument = CommandRegistry::NoArgument);
    void RunCommand(const CommandEntry& command);

    // The files of the recent-files menu, newest first.
    QStringList RecentFiles() const { return recent_; }
    // Opens files as the open command does, stopping at the limit of pages (dropped files).
    void OpenFiles(const QStringList& paths);
    // Lists the matches in the web files of `folder` and below in the find results (made when first wanted).
    void FindInFolder(const QString& folder, const SearchOptions& options);
    FindResultsDock* FindResults() const { return findResults_; }
    // Opens a page as the open command does and selects `length` characters at the line and column (one-based line).
    void OpenAtMatch(const QString& path, int line, int column, int length);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // A page that saving unchanged would alter: says from which byte, and asks whether to open it all the same.
    bool AskOpenUnkept(const QString& path, qsizetype offset);
    // Bytes that did not decode, or bytes that saving would alter: asks whether to open the page all the same.
    bool AskOpenFaulty(const QString& path, const DecodedPage& page);
    void ReloadFromDisk(PageWindow* doc);
    // Reads the page's file again in `codec`; false, after saying so, when it cannot.
    bool ReadAgain(PageWindow* doc, int codec, DecodedPage& page, FileStamp& stamp);
    CommandRegistry::Handler HandlerOf(Command id, int argument);
    CommandRegistry::Handler FileHandler(Command id, int argument);
    CommandRegistry::Handler EditHandler(Command id);
    CommandRegistry::Handler PageHandler(Command id, int argument);
    CommandRegistry::Handler FrameHandler(Command id);
    void BuildActions();
    void BuildMenus();
    void BuildWindowEntries();
    void BuildReopenMarks();
    void BuildContextMenu();
    void BuildToolbar();
    void BuildSwitches();
    void BuildProblemsDock();
    // Checks the page and shows the problems list; the switch checks every page while typing.
    void CheckPage(PageWindow* doc);
    void SetCheckWhileTyping(bool on);
    // The actions of a menu row: the entries of its command, or the one entry it names.
    QList<QAction*> ActionsOf(const MenuRow& row) const;
    // A menu entry under its own caption for the command's action.
    QAction* CaptionedAction(QAction* action, const char* caption);
    void FillMenu(QMenu* menu, std::span<const MenuRow> rows);
    QAction* ButtonAction(const CommandEntry& command);
    void CloseActive();
    // The enabled states of every action and menu, from their flags and the state of the frame.
    void RefreshCommands();
    void SubWindowActivated(QMdiSubWindow* window);
    void UpdateTitle();

    // Small commands of the frame itself.
    void CutText();
    void CopyText();
    void DeleteText();
    void PasteText();
    void UndoEdit();
    void SelectAllText();
    void ShowHelp();
    void ShowAbout();
    void ChooseFont();
    void InsertAnchor();
    void InsertHiddenField();
    void InsertTable(PageWindow* doc);
    void InsertScript(PageWindow* doc);
    void InsertOtherElement(PageWindow* doc);
    void ToggleWordWrap();
    void ToggleAutoComplete();
    void ActivateSlot(int i);
    // Connects the frame to a new page window's signals.
    void Follow(PageWindow* form);
    void PageClosed(int num);

    // Recent files and what is remembered between runs.
    void BuildRecentFiles();
    void FillRecentMenu();
    void OpenRecent(const QString& path);
    void AddRecent(const QString& path);
    // A page's place (caret, first line on screen) is kept when it closes and taken up again when it opens.
    void RememberPlace(PageWindow& page);
    void ReturnToPlace(PageWindow& page);
    void RestoreSettings();
    void FitIntoScreen();
    void ApplyPageSettings(PageWindow* form);
    void SetLineNumbers(bool on);
    void SetSyntaxColouring(bool on);
    void SetTabbed(bool on);
    void SetRedoEnabled(bool enabled);
    // The page's caption, tab, Window entry and the frame's title, with "*" while it has unsaved changes.
    void RefreshCaption(PageWindow* form);
    static QString Caption(const PageWindow* form);
    QMdiSubWindow* SubWindowOf(const PageWindow* form) const;

    ProgramState& shared_;
    BuilderDialogs dialogs_{shared_};
    PageWindow* slots_[MaxDocuments] = {};
    CommandRegistry registry_{[this](Command id, int argument) { return HandlerOf(id, argument); }};
    QHash<const CommandEntry*, QAction*> actions_; // one action per entry of the registry
    QHash<const CommandEntry*, QAction*> buttons_; // the toolbar's buttons by the entry they run
    QHash<QString, QMenu*> menus_;
    QHash<QMenu*, CommandEntry::Flags> menuFlags_; // when each menu is open, as for a command
    CommandState state_;                           // what the entries are offered for
    QMenu* systemMenu_ = nullptr;
    ProblemsDock* problemsDock_ = nullptr;
    QAction* windowEntries_[MaxDocuments] = {};

    FrameSettings settings_;
    QStringList recent_;
    PagePlaces places_;
    QMenu* recentMenu_ = nullptr;
    QActionGroup* windowGroup_ = nullptr;
    QString winCaption_[MaxDocuments]; // each Window entry's caption: the page's name when it was opened
    std::optional<QFont> pageFont_;    // chosen with the font command, for every page
    bool lineNumbers_ = true;
    bool syntaxColouring_ = false;
    bool offeringReloads_ = false;
    bool checkWhileTyping_ = false;
    FindResultsDock* findResults_ = nullptr;
    SiteFilesDock* siteFiles_ = nullptr;
};
