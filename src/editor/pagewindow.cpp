#include "editor/pagewindow.h"

#include "base/userprompts.h"

#include "base/browserview.h"
#include "base/charsetlabels.h"
#include "base/editjournal.h"
#include "base/filedialog.h"
#include "base/helpers.h"
#include "base/messages.h"
#include "base/pagefile.h"
#include "base/pageidentity.h"
#include "base/piecedecoder.h"
#include "base/previewjournal.h"
#include "base/programstate.h"
#include "base/sitefiles.h"
#include "editor/completionlists.h"
#include "editor/contextchecks.h"
#include "editor/documentfiller.h"
#include "editor/editrecorder.h"
#include "editor/finddialog.h"
#include "editor/headinsert.h"
#include "editor/linechunks.h"
#include "editor/longlines.h"
#include "editor/pagedialogs.h"
#include "editor/pageedit.h"
#include "editor/pagepreview.h"
#include "editor/sidepreview.h"
#include "editor/tageditor.h"
#include "editor/typingassist.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

PageWindow::PageWindow(PageDialogs& dialogs, ProgramState& shared, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), shared_(shared)
{
    setObjectName(QStringLiteral("htmlform"));
    UserPrompts::Attach(this, shared.Prompts);
    setAttribute(Qt::WA_DeleteOnClose, false);

    pageEdit = new PageEdit(this);
    previewBrowser = new BrowserView(this);
    previewBrowser->setObjectName(QStringLiteral("Web1"));
    // While the page is previewed the keyboard is the view's (also when the engine could not start).
    previewBrowser->setFocusPolicy(Qt::StrongFocus);
    previewBrowser->hide();

    RowFrame = new QFrame(this);
    RowFrame->setObjectName(QStringLiteral("RowFrame"));
    auto* row = new QHBoxLayout(RowFrame);
    row->setContentsMargins(4, 1, 4, 1);
    RowLabel = new QLabel(QStringLiteral("1"), RowFrame);
    RowLabel->setObjectName(QStringLiteral("RowLabel"));
    ColLabel = new QLabel(QStringLiteral("1"), RowFrame);
    ColLabel->setObjectName(QStringLiteral("ColLabel"));
    RowLabel->setMinimumWidth(60);
    ColLabel->setMinimumWidth(60);
    row->addWidget(new QLabel(QStringLiteral("行号"), RowFrame));
    row->addWidget(RowLabel);
    row->addWidget(new QLabel(QStringLiteral("列号"), RowFrame));
    row->addWidget(ColLabel);
    Lists = new CompletionLists(this, pageEdit, shared_);
    row->addWidget(Lists->TxtText, 1);
    EncodingLabel = new QLabel(RowFrame);
    EncodingLabel->setObjectName(QStringLiteral("EncodingLabel"));
    LineEndLabel = new QLabel(RowFrame);
    LineEndLabel->setObjectName(QStringLiteral("LineEndLabel"));
    for (QLabel* label : {EncodingLabel, LineEndLabel}) {
        label->setFrameShape(QFrame::StyledPanel);
        label->setContentsMargins(6, 0, 6, 0);
        row->addWidget(label);
    }
    EncodingLabel->setCursor(Qt::PointingHandCursor);
    EncodingLabel->setToolTip(QStringLiteral("以其他编码重新打开"));
    EncodingLabel->installEventFilter(this);

    sourceSplitter = new QSplitter(Qt::Horizontal, this);
    sourceSplitter->setObjectName(QStringLiteral("SourceSplitter"));
    sourceSplitter->setChildrenCollapsible(false);
    sourceSplitter->addWidget(pageEdit);
    sidePreview = new SidePreview(*this, sourceSplitter);
    connect(sidePreview, &SidePreview::Toggled, this, &PageWindow::PreviewToggled);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(sourceSplitter, 1);
    layout->addWidget(previewBrowser, 1);
    layout->addWidget(RowFrame);

    setFocusProxy(pageEdit);
    assist_ = new TypingAssist(this, pageEdit, Lists);
    recorder_ = new EditRecorder(pageEdit->document(), this);
}

PageWindow::~PageWindow()
{
    pageEdit->disconnect(this);
}

QString PageWindow::NewPageTemplate()
{
    return QStringLiteral("<html>\r\n<head>\r\n<meta http-equiv='Content-Type' content='text/html;charset=gb2312'>\r\n"
                          "<title>超级网页</title>\r\n</head>\r\n<body>\r\n\r\n\r\n</body>\r\n</html>");
}

void PageWindow::InitDocument(DecodedPage* page, PieceDecoder* pieces)
{
    showLineNumbers = true;
    previewBrowser->NavigateBlank();
    changeCount_ = 0;

    if (pieces && !filePath.isEmpty()) {
        LoadPieces(*pieces);
    } else if (page && !filePath.isEmpty()) {
        LoadPage(*page);
    } else {
        // A page named but not there yet keeps its name, so that saving writes it there.
        if (!hasFile || filePath.isEmpty())
            filePath = QStringLiteral("无标题") + QString::number(slotNumber);
        encoding_ = PageEncoding();
        NewPage();
    }
    if (folder.isEmpty())
        folder = shared_.lastFolder;
    ChoosePreviewFile();
    ChooseScratchFile();
    setWindowTitle(filePath);
    Lists->FillFixedLists();

    connect(pageEdit, &QPlainTextEdit::textChanged, this, &PageWindow::TextChanged);
    connect(pageEdit, &QPlainTextEdit::cursorPositionChanged, this, &PageWindow::UpdateCaretPosition);
    connect(pageEdit, &QPlainTextEdit::selectionChanged, this, &PageWindow::UpdateSelectionCommands);
    connect(pageEdit, &PageEdit::ContextMenuRequested, this, &PageWindow::ContextMenuWanted);
    connect(pageEdit, &QPlainTextEdit::redoAvailable, this, &PageWindow::RedoAvailable);
    connect(pageEdit, &PageEdit::FilesDropped, this, &PageWindow::FilesDropped);
    connect(pageEdit, &PageEdit::SiteFilesDropped, this, &PageWindow::SiteFilesDropped);

    FollowChangeCount();
    ShowEncoding();

    recorder_->Restart();
    HideCompletion();
    SetUndoEnabled(false);
    UpdateSelectionCommands();
    UpdateCaretPosition();
    SayReadOnly();
}

void PageWindow::LoadPage(DecodedPage& page)
{
    encoding_ = page.encoding;
    longPage_.reset();
    pageEdit->setReadOnly(false);
    const bool tooLong = LongLines::Longest(page.text) > LongLines::Threshold;
    if (tooLong)
        longPage_ = page;
    QString shown = tooLong ? LongLines::Pieces(page.text) : std::move(page.text);
    // The whole page goes in as one block of work: no undo history, no change counted.
    pageEdit->SizeGutterFor(int(shown.count(QLatin1Char('\n'))) + 1);
    pageEdit->document()->setUndoRedoEnabled(false);
    LoadText(shown);
    Loaded(page, tooLong);
}

void PageWindow::Loaded(const DecodedPage& page, bool readOnly)
{
    if (!readOnly)
        pageEdit->SetLineBreaks(page.breaks, PageCodec::BreakCode(page.encoding.lineEnd));
    pageEdit->document()->setUndoRedoEnabled(true);
    // Putting the text in left the caret at its end; a page opens at its top.
    pageEdit->SetSelStart(0);
    pageEdit->setReadOnly(readOnly);
    pageEdit->SetTypingBlack();
    changeCount_ = 0;
}

void PageWindow::LoadPieces(PieceDecoder& pieces)
{
    // The identity a recovery journal stands on, hashed while the page is decoded.
    openedHash_ = PageIdentity::HashLater(pieces.Bytes());
    qsizetype lines = 0;
    if (PieceDecoder::LongestLine(pieces.Bytes(), &lines) > LongLines::Threshold) {
        // A line may be too long to edit: the page is read whole, to be shown as LoadPage shows it.
        DecodedPage page = pieces.DecodeWhole();
        LoadPage(page);
        return;
    }
    encoding_ = pieces.Encoding();
    longPage_.reset();
    pageEdit->setReadOnly(false);
    // The gutter is sized first: sizing it once the lines are in would lay them all out again.
    pageEdit->SizeGutterFor(int(lines));
    // The whole page goes in as one block of work: no undo history, no change counted.
    pageEdit->document()->setUndoRedoEnabled(false);
    pieces.Start([](DecodedPiece& piece) {
        piece.markers = ContextChecks::MarkersOfLines(piece.text);
        DocumentFiller::ToBlockText(piece.text);
    });
    InsertPieces([&pieces](QString& text, std::vector<int>& markers) {
        DecodedPiece piece;
        if (!pieces.Next(piece))
            return false;
        text = std::move(piece.text);
        markers = std::move(piece.markers);
        return true;
    });
    Loaded(pieces.Summary(), false);
}

QByteArray PageWindow::PageAsRead() const
{
    return longPage_ ? PageCodec::EncodeAsRead(*longPage_) : QByteArray();
}

void PageWindow::SayReadOnly()
{
    if (!longPage_)
        return;
    Messages::Show(this, QStringLiteral("这个网页有一行长达%1个字符, 编辑器不能流畅地编辑超过%2个字符的行。\n"
                                        "网页以只读方式打开, 过长的行分段显示; 保存时按原样写出网页的内容。")
                             .arg(LongLines::Longest(longPage_->text))
                             .arg(LongLines::Threshold));
}

void PageWindow::Reload(DecodedPage page, const FileStamp& stamp, int codec)
{
    readCodec_ = codec;
    KeepFileStamp(stamp);
    HideCompletion();
    recorder_->Pause();
    openedHash_ = {};
    LoadPage(page);
    recorder_->Restart();
    SayReadOnly();
    FollowChangeCount();
    ShowEncoding();
    SetUndoEnabled(false);
    emit RedoAvailable(false);
    UpdateSelectionCommands();
    UpdateCaretPosition();
}

bool PageWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == EncodingLabel && event->type() == QEvent::MouseButtonPress) {
        emit EncodingMenuWanted(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void PageWindow::LoadText(QString& text)
{
    // The text goes in a piece at a time from its end, and each piece's room in the decoded text is given back
    // at once: the decoded page and the control's copy of it are never both whole in memory.
    qsizetype end = text.size();
    bool first = true;
    InsertPieces([&](QString& piece, std::vector<int>& markers) {
        if (end == 0 && !first)
            return false;
        first = false;
        const qsizetype start = LineChunks::PieceStart(text, end, LoadPiece);
        piece = text.sliced(start, end - start);
        text.truncate(start);
        text.squeeze();
        markers = ContextChecks::MarkersOfLines(piece);
        DocumentFiller::ToBlockText(piece);
        end = start;
        return true;
    });
}

void PageWindow::InsertPieces(const std::function<bool(QString& text, std::vector<int>& markers)>& next)
{
    // Pieces come from the page's end to its start, each going in at the top; the markers of each piece's lines
    // are gathered on the way, for the typing checks.
    QTextCursor c(pageEdit->document());
    c.beginEditBlock();
    c.select(QTextCursor::Document);
    c.removeSelectedText();
    DocumentFiller filler(pageEdit->document(), c.charFormat(), c.blockFormat());
    std::vector<std::vector<int>> pieceMarkers;
    QString text;
    std::vector<int> markers;
    while (next(text, markers)) {
        if (!pieceMarkers.empty())
            markers.pop_back(); // the piece ends with a break: the line after it is the next piece's first
        pieceMarkers.push_back(std::move(markers));
        filler.Add(0, text);
        text = QString();
        markers = {};
    }
    filler.Finish();
    c.endEditBlock();
    std::vector<int> all;
    for (auto part = pieceMarkers.rbegin(); part != pieceMarkers.rend(); ++part)
        all.insert(all.end(), part->begin(), part->end());
    assist_->PageLoaded(all);
}

void PageWindow::NewPage()
{
    pageEdit->document()->setUndoRedoEnabled(false);
    pageEdit->document()->setPlainText(NewPageTemplate());
    pageEdit->document()->setUndoRedoEnabled(true);
    // The caret goes to the first empty line inside the body.
    const QTextBlock body = pageEdit->document()->findBlockByNumber(6);
    pageEdit->SetSelStart(body.position());
    pageEdit->SetTypingBlack();
    changeCount_ = 0;
    UpdateCaretPosition();
}

void PageWindow::RestoreText(const QString& text, const PageEncoding& encoding, bool ownBreaks)
{
    encoding_ = encoding;
    QByteArray breaks;
    PageCodec::FindBreaks(text, breaks);
    pageEdit->SizeGutterFor(int(breaks.size()) + 1);
    recorder_->Pause();
    pageEdit->document()->setUndoRedoEnabled(false);
    pageEdit->document()->setPlainText(text);
    if (ownBreaks)
        pageEdit->SetLineBreaks(breaks, PageCodec::BreakCode(encoding.lineEnd));
    pageEdit->document()->setUndoRedoEnabled(true);
    recorder_->Restart();
    Restored();
}

bool PageWindow::RestoreEdits(const QList<JournalRecord>& records, int readCodec)
{
    readCodec_ = readCodec;
    QTextDocument* doc = pageEdit->document();
    recorder_->Pause();
    doc->setUndoRedoEnabled(false);
    bool fits = true;
    for (const JournalRecord& record : records) {
        if (record.kind == JournalRecord::Codec) {
            encoding_.codec = record.codec;
            encoding_.bom = record.bom;
            continue;
        }
        const qint64 end = doc->characterCount() - 1;
        if (record.position + record.removed > end) {
            fits = false;
            break;
        }
        QTextCursor c(doc);
        c.setPosition(int(record.position));
        c.setPosition(int(record.position + record.removed), QTextCursor::KeepAnchor);
        c.insertText(record.inserted);
    }
    doc->setUndoRedoEnabled(true);
    recorder_->Restart();
    Restored();
    return fits;
}

void PageWindow::Restored()
{
    pageEdit->SetTypingBlack();
    pageEdit->SetSelStart(0);
    changeCount_ = std::max(changeCount_, 1);
    FollowChangeCount();
    ShowEncoding();
}

QString PageWindow::FreeName(const QString& stem, QString (*taken)(const PageWindow&)) const
{
    // A name is taken by a file on disk, or by another page window of this frame whose file is not written yet.
    const QList<PageWindow*> pages = window()->findChildren<PageWindow*>();
    auto inUse = [this, &pages, taken](const QString& path) {
        const QFileInfo info(path);
        if (info.exists() || info.isSymLink())
            return true;
        const QString wanted = QDir::cleanPath(path);
        return std::any_of(pages.cbegin(), pages.cend(), [this, &wanted, taken](const PageWindow* other) {
            return other != this && QDir::cleanPath(taken(*other)) == wanted;
        });
    };
    QString name = folder + stem + QStringLiteral(".html");
    for (int n = 1; n <= 4000 && inUse(name); ++n)
        name = folder + stem + QString::number(n) + QStringLiteral(".html");
    return name;
}

void PageWindow::ChoosePreviewFile()
{
    previewFile_ =
        FreeName(QLatin1String(SiteFiles::PreviewStem), [](const PageWindow& page) { return page.previewFile_; });
}

void PageWindow::ChooseScratchFile()
{
    scratchFile_ =
        FreeName(QLatin1String(SiteFiles::ScratchStem), [](const PageWindow& page) { return page.scratchFile_; });
}

BuilderContext PageWindow::Context() const
{
    BuilderContext context = shared_.Context();
    if (!scratchFile_.isEmpty())
        context.ScratchFile = scratchFile_;
    // Files chosen for a saved page are addressed from its folder.
    if (hasFile)
        context.PageFolder = folder;
    return context;
}

void PageWindow::TextChanged()
{
    UpdateCaretPosition();
    ++edits_;
    ++changeCount_;
    if (changeCount_ > 0)
        SetUndoEnabled(true);
    FollowChangeCount();
}

void PageWindow::FollowChangeCount()
{
    const bool modified = changeCount_ > 0;
    if (modified == modified_)
        return;
    modified_ = modified;
    emit ModifiedChanged(modified);
}

void PageWindow::SetCodec(PageEncoding::Codec codec)
{
    encoding_.codec = codec;
    encoding_.bom = false;
    recorder_->AddCodec(codec, false);
    ShowEncoding();
}

void PageWindow::ShowEncoding()
{
    EncodingLabel->setText(PageCodec::CodecName(encoding_.codec));
    switch (encoding_.lineEnd) {
    case PageEncoding::CrLf:
        LineEndLabel->setText(QStringLiteral("CR LF"));
        break;
    case PageEncoding::Lf:
        LineEndLabel->setText(QStringLiteral("LF"));
        break;
    case PageEncoding::Cr:
        LineEndLabel->setText(QStringLiteral("CR"));
        break;
    }
}

void PageWindow::UpdateCaretPosition()
{
    const QTextCursor c = pageEdit->textCursor();
    RowLabel->setText(QString::number(c.blockNumber() + 1));
    ColLabel->setText(QString::number(c.positionInBlock() + 1));
}

static QString CodePoint(char32_t ch)
{
    return QString::number(uint(ch), 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

static QString LoneSurrogateReason(int line, char32_t ch)
{
    return QStringLiteral("第%1行有一个不成对的代理码元 U+%2, 任何编码都不能写出它。").arg(line).arg(CodePoint(ch));
}

bool PageWindow::WriteTo(const QString& path)
{
    if (longPage_) {
        // What is shown is cut into pieces: the page goes out as it was read.
        const QByteArray bytes = PageAsRead();
        QString reason;
        if (bytes.isEmpty() && !longPage_->text.isEmpty())
            reason = QStringLiteral("网页中有 %1 编码不能写出的字符。").arg(PageCodec::CodecName(encoding_.codec));
        else if (PageFile::WriteBytes(path, bytes, &reason))
            return true;
        Messages::Show(this, QStringLiteral("文件不能保存!请检查是否有写保护!\n") + reason);
        return false;
    }
    // The page is encoded a piece at a time straight into the file that replaces it. A character the code page
    // cannot hold stops the write (nothing is replaced); the user chooses, and the page is written again.
    PageEncoding encoding = encoding_;
    bool references = false;
    QString reason;
    for (bool asked = false;;) {
        int badLine = 0;
        char32_t badChar = 0;
        const bool written = PageFile::WriteStream(
            path,
            [&](const PageFile::PieceSink& sink) {
                PageEncoder encoder(encoding, PageEdit::PieceBytes + PageEdit::PieceBytes / 4);
                encoder.WriteReferences(references);
                badLine = pageEdit->EncodeInto(encoder, sink);
                if (badLine > 0)
                    badChar = encoder.FailedChar();
                return badLine == 0;
            },
            &reason);
        if (written) {
            encoding_ = encoding;
            return true;
        }
        if (badLine <= 0)
            break; // the file could not be written: `reason` says why
        if (asked || QChar::isSurrogate(badChar) || encoding.codec == PageEncoding::Utf8) {
            reason = LoneSurrogateReason(badLine, badChar);
            break;
        }
        asked = true;
        const MsgAnswer answer = AskUnencodable(badLine, badChar);
        if (answer == MsgAnswer::Cancel)
            return false;
        if (answer == MsgAnswer::Yes) {
            DeclareCodec(PageEncoding::Utf8);
            encoding.codec = PageEncoding::Utf8;
            encoding.bom = false;
        } else {
            references = true;
        }
    }
    // The old text stays first; the second line says what really went wrong.
    if (!reason.isEmpty())
        Messages::Show(this, QStringLiteral("文件不能保存!请检查是否有写保护!\n") + reason);
    return false;
}

MsgAnswer PageWindow::AskUnencodable(int line, char32_t ch)
{
    const QString shown = QString::fromUcs4(&ch, 1);
    return Messages::Show(this,
                          QStringLiteral("第%1行的字符“%2”(U+%3)不能用这个网页的编码 %4 保存。\n\n"
                                         "是: 把网页存成 UTF-8 编码, 并把 charset 声明改成 utf-8\n"
                                         "否: 把这样的字符写成 HTML 字符引用 (&#x%3;)\n"
                                         "取消: 不保存")
                              .arg(line)
                              .arg(shown, CodePoint(ch), PageCodec::CodecName(encoding_.codec)),
                          Messages::ProgramTitle, MsgButtons::YesNoCancel);
}

void PageWindow::DeclareCodec(PageEncoding::Codec codec)
{
    // A page shown in pieces saves as it was read: nothing in it changes.
    if (LongLinePage())
        return;
    // Only the head is read, as opening a page reads the declaration: its lines joined by "\n" have the
    // document's positions.
    QTextDocument* doc = pageEdit->document();
    QString head;
    for (QTextBlock b = doc->firstBlock(); b.isValid() && head.size() < CharsetLabels::HeadLength; b = b.next())
        head += b.text() + QLatin1Char('\n');
    const QList<CharsetLabels::Span> spans = CharsetLabels::ToRename(head, codec);
    if (spans.isEmpty())
        return;
    QTextCursor c(doc);
    c.beginEditBlock();
    for (auto it = spans.crbegin(); it != spans.crend(); ++it) {
        c.setPosition(int(it->start));
        c.setPosition(int(it->start + it->length), QTextCursor::KeepAnchor);
        c.insertText(CharsetLabels::NameFor(codec));
    }
    c.endEditBlock();
}

QString PageWindow::AskSavePath(const QString& title, const QString& defaultName)
{
    QString name = defaultName;
    for (;;) {
        const QString typed =
            FileDialog(this, FileDialogMode::Save, title, name, shared_.HtmlFilter, folder, QStringLiteral("html"));
        if (typed.isEmpty())
            return QString();
        const QString path = PageFile::LowerFileName(typed);
        // The dialog asked about the name as typed; the lowered name may be another page, which is not replaced
        // without a question.
        const QFileInfo lowered(path);
        if (path == typed || !(lowered.exists() || lowered.isSymLink()) || PageFile::SameFile(path, typed))
            return path;
        if (Messages::Show(this, QStringLiteral("文件") + path + QStringLiteral("已经存在,是否替换?"),
                           QStringLiteral("提示"), MsgButtons::YesNo) == MsgAnswer::Yes)
            return path;
        name = typed;
    }
}

void PageWindow::AfterNewName(const QString& path)
{
    PreviewJournal::Program().Discard(previewFile_);
    PreviewJournal::Program().Discard(scratchFile_);
    shared_.lastFolder = ParentFolderOf(path);
    folder = shared_.lastFolder;
    ChoosePreviewFile();
    ChooseScratchFile();
}

void PageWindow::KeepFileStamp(const FileStamp& stamp)
{
    onDisk_ = stamp;
    reloadAsked_.reset();
}

void PageWindow::Written(const QString& path)
{
    // The file now holds the page in the page's code page: a code page chosen for reading it follows.
    if (readCodec_ >= 0)
        readCodec_ = encoding_.codec;
    KeepFileStamp(FileStamp::Of(path));
    // A new journal on the file just written.
    openedHash_ = {};
    recorder_->Restart();
}

bool PageWindow::ChangedOnDisk() const
{
    return hasFile && onDisk_ && onDisk_->ChangedTo(FileStamp::Of(filePath));
}

bool PageWindow::AskReload()
{
    if (changeCount_ > 0 || !ChangedOnDisk())
        return false;
    const FileStamp now = FileStamp::Of(filePath);
    if (reloadAsked_ == now)
        return false;
    reloadAsked_ = now;
    return Messages::Show(this, QStringLiteral("文件%1已被其他程序修改。是否重新载入?").arg(filePath),
                          QStringLiteral("提示"), MsgButtons::YesNo) == MsgAnswer::Yes;
}

bool PageWindow::MayOverwrite()
{
    return !ChangedOnDisk() || Messages::Show(this, QStringLiteral("文件%1已被其他程序修改。是否覆盖?").arg(filePath),
                                              QStringLiteral("提示"), MsgButtons::YesNo) == MsgAnswer::Yes;
}

bool PageWindow::Save()
{
    bool saved = false;
    if (hasFile) {
        if (MayOverwrite() && WriteTo(filePath)) {
            Written(filePath);
            changeCount_ = 0;
            saved = true;
        }
    } else {
        const QString path = AskSavePath(QStringLiteral("保存文件"), filePath);
        if (!path.isEmpty() && WriteTo(path)) {
            filePath = path;
            hasFile = true;
            Written(path);
            AfterNewName(path);
            changeCount_ = 0;
            saved = true;
        }
    }
    setWindowTitle(filePath);
    FollowChangeCount();
    return saved;
}

void PageWindow::SaveAs()
{
    const QString path = AskSavePath(QStringLiteral("另存为"), QString());
    if (path.isEmpty() || !WriteTo(path))
        return;
    filePath = path;
    Written(path);
    changeCount_ = 0;
    hasFile = true;
    setWindowTitle(filePath);
    AfterNewName(path);
    FollowChangeCount();
}

void PageWindow::InsertMarkup(const QString& text)
{
    const int s = pageEdit->SelStart();
    InsertTextAt(s, s, text);
    pageEdit->setFocus();
}

void PageWindow::AddColour()
{
    InsertMarkup(dialogs_.PickColour(this).value_or(QString()));
}

void PageWindow::InsertTextAt(int position, int caret, const QString& text)
{
    if (longPage_) // read-only: what is shown is not what is saved
        return;
    pageEdit->InsertTextAt(position, caret, text);
}

void PageWindow::ReplaceAtCaret(int length, const QString& text)
{
    if (longPage_)
        return;
    pageEdit->ReplaceAtCaret(length, text);
}

void PageWindow::Insert(const QString& opener)
{
    BodyScript effect;
    const std::optional<QString> markup = dialogs_.NewElement(this, opener, &effect);
    if (!markup || markup->isEmpty())
        return;
    InsertMarkup(*markup);
    AddElementEffect(effect);
}

void PageWindow::AddElementEffect(const BodyScript& effect)
{
    // An element with an effect brings its script and onload code; it adds no other body handlers.
    if (!effect.JavaTxt.isEmpty())
        MergeIntoBody(effect);
}

void PageWindow::AddPageEffect()
{
    if (const std::optional<BodyScript> script = dialogs_.AddScript(this))
        MergeIntoBody(*script);
}

void PageWindow::MergeIntoBody(const BodyScript& script)
{
    SavedCaret = pageEdit->SelStart();
    TagEditor editor(*this, shared_, TagEditor::Purpose::MergeScript);
    editor.Script = script;
    editor.EditBodyTag();
}

void PageWindow::EditTag()
{
    TagEditor editor(*this, shared_, TagEditor::Purpose::EditAtCaret);
    editor.FindTagAtCaret();
    AddElementEffect(editor.Effect);
}

void PageWindow::EditBody()
{
    SavedCaret = pageEdit->SelStart();
    TagEditor(*this, shared_, TagEditor::Purpose::EditBody).EditBodyTag();
}

void PageWindow::HideCompletion()
{
    Lists->HideCompletion();
}

void PageWindow::SetUndoEnabled(bool enabled)
{
    emit UndoAvailable(enabled);
}

void PageWindow::UpdateSelectionCommands()
{
    emit SelectionAvailable(pageEdit->textCursor().hasSelection());
}

void PageWindow::UpdatePasteCommands()
{
    // Whether the clipboard holds text is told by its formats: its text is not fetched (or converted) for it.
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    emit PasteAvailable(mime && mime->hasText());
}

void PageWindow::SetWordWrap(bool on)
{
    showLineNumbers = on;
    pageEdit->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void PageWindow::Activate()
{
    if (folder.isEmpty())
        return; // still being created; the frame activates it once its page is in
    emit PreviewToggled();
    SetUndoEnabled(changeCount_ > 0);
    emit RedoAvailable(pageEdit->document()->isRedoAvailable());
    UpdateSelectionCommands();
    UpdatePasteCommands();
}

bool PageWindow::AskSave()
{
    if (changeCount_ <= 0)
        return true;
    switch (
        Messages::Show(this, QStringLiteral("是否保存") + filePath, QStringLiteral("提示"), MsgButtons::YesNoCancel)) {
    case MsgAnswer::Cancel:
        return false;
    case MsgAnswer::Yes:
        // A page whose save was cancelled or failed stays open: closing it would throw the edits away.
        return Save();
    default:
        return true;
    }
}

void PageWindow::closeEvent(QCloseEvent* event)
{
    if (!AskSave()) {
        event->ignore();
        return;
    }
    PreviewJournal::Program().Discard(previewFile_);
    PreviewJournal::Program().Discard(scratchFile_);
    emit Closed(slotNumber);
    FindDialog::Unload();
    event->accept();
}

void PageWindow::TogglePreview()
{
    PagePreview::Toggle(*this);
}

void PageWindow::ToggleSidePreview()
{
    sidePreview->Toggle();
}

bool PageWindow::SidePreviewShown() const
{
    return sidePreview->IsShown();
}

void PageWindow::UpdatePreviewCommands()
{
    emit PreviewToggled();
    FindDialog::FollowPage();
}

void PageWindow::FindInFolder(const SearchOptions& options)
{
    Q_EMIT FolderSearchWanted(folder, options);
}

void PageWindow::FindReplace()
{
    FindDialog::Open(this);
}

void PageWindow::FindHeadInsertPoint(const QString& first, const QString& second, int& position)
{
    HeadInsert::FindHeadInsertPoint(*this, first, second, position);
}

void PageWindow::InsertRefresh()
{
    HeadInsert::InsertRefresh(*this);
}

void PageWindow::InsertTransition()
{
    HeadInsert::InsertTransition(*this);
}

void PageWindow::InsertPlainText()
{
    if (const QString text = dialogs_.ImportText(this); !text.isEmpty())
        InsertMarkup(text);
}

bool PageWindow::CompletionOn() const
{
    return shared_.AutoComplete;
}

bool PageWindow::AutoCloseOn() const
{
    return shared_.AutoCloseTags;
}
