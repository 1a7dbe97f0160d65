#pragma once
// A document window: one page's source in a text control, its file, its unsaved-change count and its status row.

#include "base/buildercontext.h"
#include "base/filestamp.h"
#include "base/messages.h"
#include "base/pagecodec.h"
#include "editor/textmatcher.h"

#include <QWidget>

#include <functional>
#include <future>
#include <vector>

class BodyScript;
#include <optional>

class BrowserView;
class CompletionLists;
class EditRecorder;
struct JournalRecord;
class PageDialogs;
class PageEdit;
class PieceDecoder;
class QLabel;
class QFrame;
class QSplitter;
class SidePreview;
class ProgramState;
class TypingAssist;

class PageWindow : public QWidget
{
    Q_OBJECT

public:
    // `dialogs` opens the builders for this page; it outlives the window.
    PageWindow(PageDialogs& dialogs, ProgramState& shared, QWidget* parent = nullptr);
    ~PageWindow() override;

    // Set by the main frame before InitDocument.
    QString filePath;
    QString folder; // ends in "/"
    bool hasFile = false;
    int slotNumber = 0;
    bool showLineNumbers = true;

    // Creation: the given page (when hasFile and a page was read; its text is taken, leaving it empty), the page
    // `pieces` decodes, or the new-page template.
    void InitDocument(DecodedPage* page = nullptr, PieceDecoder* pieces = nullptr);

    bool Save();
    void SaveAs();
    // The page read anew (another code page chosen, or its file changed): its text, code page and line ends replace
    // what is shown, with no changes left to save and no undo history. `codec` is how it was read (a
    // PageEncoding::Codec; -1: as opening decides) and is kept for reading it again; `stamp` is the file read.
    void Reload(DecodedPage page, const FileStamp& stamp, int codec);

    // The page's file as it was read or written here. A page with none (new, or brought back after a crash)
    // overwrites its file without a question.
    void KeepFileStamp(const FileStamp& stamp);
    // Whether another program changed the page's file since.
    bool ChangedOnDisk() const;
    // A page with no edits whose file another program changed asks whether to read it again, once a change.
    bool AskReload();
    int ReadCodec() const { return readCodec_; }

    // Insertion (blue markup at the caret), used by every builder.
    void InsertMarkup(const QString& text);
    void InsertTextAt(int position, int caret, const QString& text);
    void ReplaceAtCaret(int length, const QString& text);

    // The element dialog for a new element of that kind ("<img"); its markup goes in at the caret.
    void Insert(const QString& opener);
    // Rebuilds the tag at the caret in the dialog that built it.
    void EditTag();
    // The body tag rebuilt in the body dialog, the caret kept on its character.
    void EditBody();
    // The effects dialog; its script goes in after the body tag, its handlers into that tag.
    void AddPageEffect();
    // The caret the body dialog puts back.
    int SavedCaret = 0;

    // Hides the completion lists and clears their state.
    void HideCompletion();
    // Asks for a colour and inserts its text at the caret (nothing after Cancel).
    void AddColour();

    void SetUndoEnabled(bool enabled);
    void UpdateSelectionCommands();
    void UpdatePasteCommands();
    void UpdateCaretPosition();
    void SetWordWrap(bool on);

    // Runs when the window becomes the active page.
    void Activate();

    // Preview on and off, and the frame's commands brought in line with it.
    void TogglePreview();
    // The page shown beside its source, refreshed as it is typed.
    void ToggleSidePreview();
    bool SidePreviewShown() const;
    void UpdatePreviewCommands();
    // The find and replace dialog on this page.
    void FindReplace();
    // Asks the frame to list the matches in the page's folder and below.
    void FindInFolder(const SearchOptions& options);
    // Refresh and transition lines in the head; FindHeadInsertPoint gives the one-based place of `first`, else of
    // `second` (ignoring case), or -2 after telling the user that neither is there.
    void InsertRefresh();
    void InsertTransition();
    void FindHeadInsertPoint(const QString& first, const QString& second, int& position);
    // Plain text imported as HTML at the caret.
    void InsertPlainText();

    int ChangeCount() const { return changeCount_; }
    // Whether the page has changes not saved. Kept apart from QWidget's modified flag: the MDI area copies that
    // flag onto the frame, whose title marks the page itself.
    bool IsModified() const { return modified_; }
    // Counts every change to the text, saved or not, from the window's creation: what the recovery files follow.
    quint64 EditCount() const { return edits_; }
    // The text of a recovery file in place of the page's, as changes not saved yet (no undo step). With
    // `ownBreaks`, each line keeps the break it has in `text` when saved.
    void RestoreText(const QString& text, const PageEncoding& encoding, bool ownBreaks = false);
    // A recovery journal's edits made again on the page as read from its file (in `readCodec`, as for Reload), as
    // changes not saved yet (no undo step); false, and the page as far as it got, at an edit that does not fit.
    bool RestoreEdits(const QList<JournalRecord>& records, int readCodec = -1);
    // The edits since the page was opened, saved or read again, for the recovery journal.
    EditRecorder& Recorder() const { return *recorder_; }
    // The hash of the bytes the page was opened from, worked out while it was decoded; none once the page was
    // saved or read again (then the file is hashed when a journal needs it).
    std::shared_future<QByteArray> OpenedHash() const { return openedHash_; }
    // The page's file as it was last read or written here (absent when there is none).
    FileStamp KeptStamp() const { return onDisk_.value_or(FileStamp::Absent()); }
    // A page with a line too long to edit: shown read-only in pieces, saved as it was read.
    bool LongLinePage() const { return longPage_.has_value(); }
    // Such a page's bytes as it was read (empty for other pages, or when a character cannot be written).
    QByteArray PageAsRead() const;
    PageDialogs& Dialogs() const { return dialogs_; }
    ProgramState& SharedState() const { return shared_; }
    // The "自动完成(&O)" switch of the System menu, one for the whole program.
    bool CompletionOn() const;
    // The "自动闭合标记" switch of the System menu, one for the whole program.
    bool AutoCloseOn() const;
    QString PreviewFile() const { return previewFile_; }
    // What the builder dialogs opened on this page are made with: the program's context with this page's own
    // scratch file, beside the page so that its relative pictures show in their previews.
    BuilderContext Context() const;
    QString ScratchFile() const { return scratchFile_; }
    const PageEncoding& Encoding() const { return encoding_; }
    // The code page the page saves in from now on (shown in the status row).
    void SetCodec(PageEncoding::Codec codec);
    // Makes the charset the page's head declares name `codec` (one undo step); a page declaring none gets none.
    void DeclareCodec(PageEncoding::Codec codec);

    PageEdit* pageEdit = nullptr;
    BrowserView* previewBrowser = nullptr;
    // The text control, and the side preview's view beside it once it has been shown.
    QSplitter* sourceSplitter = nullptr;
    SidePreview* sidePreview = nullptr;
    QFrame* RowFrame = nullptr;
    QLabel* RowLabel = nullptr;
    QLabel* ColLabel = nullptr;
    // The page's encoding ("GB18030", "UTF-8") and line ending ("CR LF", "LF", "CR") in the status row.
    QLabel* EncodingLabel = nullptr;
    QLabel* LineEndLabel = nullptr;
    // The completion lists and their description box; the typing assistance drives them.
    CompletionLists* Lists = nullptr;

    // The new-page template, CR LF line breaks, no break at the end.
    static QString NewPageTemplate();
    // A big page goes into the text control in pieces of about this many characters.
    static constexpr qsizetype LoadPiece = 1 << 20;

Q_SIGNALS:
    // The frame follows the page through these: its commands' states, its context menu, its table of windows.
    void UndoAvailable(bool available);
    void RedoAvailable(bool available);
    // The page has changes not saved (its caption shows "*"), or no longer has.
    void ModifiedChanged(bool modified);
    // Files dropped on the text, to be opened as pages.
    void FilesDropped(const QStringList& paths);
    // Files dragged from the site's file tree and dropped on the text at `position`: they are referred to.
    void SiteFilesDropped(const QStringList& paths, int position);
    void SelectionAvailable(bool available);
    void PasteAvailable(bool available);
    void PreviewToggled();
    void ContextMenuWanted(const QPoint& globalPos);
    // A click on the code page in the status row: the frame offers to reopen the page in another one.
    void EncodingMenuWanted(const QPoint& globalPos);
    // Matches wanted in the web files of `folder` and below.
    void FolderSearchWanted(const QString& folder, const SearchOptions& options);
    // The window was asked and goes (its slot is free from now on).
    void Closed(int formNum);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void NewPage();
    void LoadText(QString& text);
    // Puts the pieces `next` gives (the page's last first) into the control and hands their markers on.
    void InsertPieces(const std::function<bool(QString& text, std::vector<int>& markers)>& next);
    // Takes the page's text (it is used up on the way into the control).
    void LoadPage(DecodedPage& page);
    // Puts each piece in as the worker hands it over, while it decodes the next.
    void LoadPieces(PieceDecoder& pieces);
    // What every way of loading a page ends with.
    void Loaded(const DecodedPage& page, bool readOnly);
    void SayReadOnly();
    void ChoosePreviewFile();
    void ChooseScratchFile();
    // A name beside the page, `stem` + ".html" or numbered, that no file and no other page of the frame has
    // (`taken` gives another page's name of that kind).
    QString FreeName(const QString& stem, QString (*taken)(const PageWindow&)) const;
    bool WriteTo(const QString& path);
    // Asks what to do with a character the page's code page cannot hold (Yes: UTF-8, No: references).
    MsgAnswer AskUnencodable(int line, char32_t ch);
    // Save dialog for "保存文件" / "另存为"; returns the chosen path with its file name lowered, or "".
    QString AskSavePath(const QString& title, const QString& defaultName);
    void AfterNewName(const QString& path);
    // Puts the script after the body tag and its handlers into the tag (a message when the page has no body).
    void MergeIntoBody(const BodyScript& script);
    // The effect the element dialog chose for an element, new or rebuilt (none: nothing happens).
    void AddElementEffect(const BodyScript& effect);
    bool AskSave();
    // Asks before a save replaces what another program wrote to the page's file.
    bool MayOverwrite();
    // What follows a write of the page to `path`.
    void Written(const QString& path);
    void TextChanged();
    // What follows a text brought back from a recovery file.
    void Restored();
    void FollowChangeCount();
    void ShowEncoding();

    PageDialogs& dialogs_;
    ProgramState& shared_;
    int changeCount_ = 0;
    bool modified_ = false;
    quint64 edits_ = 0;
    QString previewFile_;
    QString scratchFile_;
    PageEncoding encoding_;
    std::optional<DecodedPage> longPage_;
    TypingAssist* assist_ = nullptr;
    EditRecorder* recorder_ = nullptr;
    std::shared_future<QByteArray> openedHash_;
    std::optional<FileStamp> onDisk_;
    std::optional<FileStamp> reloadAsked_; // the change a reload was offered for
    int readCodec_ = -1;
};
