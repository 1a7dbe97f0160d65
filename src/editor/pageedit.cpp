#include "editor/pageedit.h"

#include "base/sitefiles.h"
#include "editor/documentruns.h"
#include "editor/linenumbergutter.h"
#include "editor/pagelayout.h"
#include "editor/syntaxcolouring.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QTextBlock>
#include <QTextDocument>

const QColor PageEdit::InsertColor(0x00, 0x00, 0xFF);
const QColor PageEdit::RewriteColor(0x78, 0x3C, 0xDF);
const QColor PageEdit::TypingColor(0x00, 0x00, 0x00);

namespace {
const QColor CurrentLineColor(0xFF, 0xF8, 0xD6);
const QColor GutterColor(0xF0, 0xF0, 0xF0);
const QColor NumberColor(0x99, 0x99, 0x99);
const QColor CurrentNumberColor(0x33, 0x33, 0x33);
} // namespace

QStringList PageEdit::DroppedFiles(const QMimeData* mime)
{
    QStringList files;
    if (!mime || !mime->hasUrls())
        return files;
    for (const QUrl& url : mime->urls()) {
        if (!url.isLocalFile())
            return {};
        files.append(url.toLocalFile());
    }
    return files;
}

QStringList PageEdit::DraggedSiteFiles(const QMimeData* mime)
{
    const QString format = QString::fromLatin1(SiteFiles::DragFormat);
    if (!mime || !mime->hasFormat(format))
        return {};
    return QString::fromUtf8(mime->data(format)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

PageEdit::PageEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("text1"));
    auto* page = new QTextDocument(this);
    page->setDocumentLayout(new PageLayout(page));
    setDocument(page);
    setTabChangesFocus(false);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // A scroll bar that comes and goes changes the text width, and every width change re-lays each line of the
    // page: on a big page that costs as much as loading it.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QFont f = font();
    f.setFamilies({QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("Monospace")});
    f.setStyleHint(QFont::Monospace);
    setFont(f);
    pageFont_ = f;
    SetTypingBlack();
    KeepSelectionShown();

    gutter_ = new LineNumberGutter(this);
    gutter_->hide();
    connect(this, &QPlainTextEdit::blockCountChanged, this, &PageEdit::UpdateGutterWidth);
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
        if (!lineNumbers_)
            return;
        if (dy)
            gutter_->scroll(0, dy);
        else
            gutter_->update(0, rect.y(), gutter_->width(), rect.height());
    });
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &PageEdit::CaretMoved);
    SetLineNumbersShown(true);
}

PageEdit::~PageEdit()
{
    // The colouring works on the document, which goes before this object's children do.
    delete colouring_;
    colouring_ = nullptr;
}

static QTextCharFormat ColorFormat(const QColor& color)
{
    QTextCharFormat format;
    format.setForeground(color);
    return format;
}

void PageEdit::SetTypingBlack()
{
    QTextCursor c = textCursor();
    c.setCharFormat(ColorFormat(TypingColor));
    setTextCursor(c);
    setCurrentCharFormat(ColorFormat(TypingColor));
}

void PageEdit::SetSelStart(int position)
{
    QTextCursor c = textCursor();
    c.setPosition(qBound(0, position, document()->characterCount() - 1));
    setTextCursor(c);
}

void PageEdit::ShowLine(int line)
{
    const QTextBlock block = document()->findBlockByNumber(qBound(1, line, document()->blockCount()) - 1);
    setTextCursor(QTextCursor(block));
    centerCursor();
}

void PageEdit::InsertTextAt(int position, int caret, const QString& text)
{
    QTextCursor c(document());
    c.setPosition(qBound(0, position, document()->characterCount() - 1));
    c.insertText(text, ColorFormat(InsertColor));
    // Positions are the control's: a CR LF pair became one line break, so measure what was inserted.
    const int inserted = c.position() - position;
    SetSelStart(caret >= position ? caret + inserted : caret);
    SetTypingBlack();
}

void PageEdit::ReplaceAtCaret(int length, const QString& text)
{
    QTextCursor c = textCursor();
    const int start = c.selectionStart();
    c.setPosition(start);
    c.setPosition(qMin(start + length, document()->characterCount() - 1), QTextCursor::KeepAnchor);
    c.insertText(text, ColorFormat(RewriteColor));
    SetSelStart(c.position());
    SetTypingBlack();
}

QString PageEdit::RawText() const
{
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

namespace {

// The break after a line that does not end as the page's lines usually do (kept from the file).
class LineBreakData : public QTextBlockUserData
{
public:
    explicit LineBreakData(char kind) : Kind(kind) {}
    const char Kind;
};

} // namespace

int PageEdit::EncodeInto(PageEncoder& encoder, const std::function<bool(const QByteArray& piece)>& flush) const
{
    // The lines are read as runs of the document's own text, not copied one by one; the blocks are followed only
    // for the breaks kept from the file.
    QTextBlock block = document()->firstBlock();
    int line = 1;
    int result = 0;
    DocumentRuns::Read(document(), [&](QStringView text, bool lineEnd) {
        if (!lineEnd) {
            if (encoder.Append(text))
                return true;
            result = line;
            return false;
        }
        if (flush && encoder.Pending() >= PieceBytes && !flush(encoder.Take())) {
            result = -1;
            return false;
        }
        const auto* data = unusualBreaks_ ? static_cast<const LineBreakData*>(block.userData()) : nullptr;
        encoder.AppendBreak(data ? data->Kind : 0);
        if (unusualBreaks_)
            block = block.next();
        ++line;
        return true;
    });
    if (result == 0 && flush && !flush(encoder.Take()))
        return -1;
    return result;
}

void PageEdit::SetLineBreaks(const QByteArray& breaks, char usual)
{
    unusualBreaks_ = false;
    QTextBlock block = document()->firstBlock();
    for (qsizetype i = 0; i < breaks.size() && block.isValid(); ++i, block = block.next()) {
        if (breaks.at(i) != usual) {
            block.setUserData(new LineBreakData(breaks.at(i)));
            unusualBreaks_ = true;
        }
    }
}

QByteArray PageEdit::LineBreakKinds() const
{
    QByteArray kinds;
    if (!unusualBreaks_)
        return kinds;
    kinds.reserve(blockCount());
    for (QTextBlock block = document()->firstBlock(); block.next().isValid(); block = block.next()) {
        const auto* data = static_cast<const LineBreakData*>(block.userData());
        kinds.append(data ? data->Kind : char(0));
    }
    return kinds;
}

void PageEdit::ReplaceAllText(const QString& text)
{
    QTextCursor c(document());
    c.beginEditBlock();
    c.select(QTextCursor::Document);
    c.insertText(text, ColorFormat(TypingColor));
    c.endEditBlock();
}

void PageEdit::contextMenuEvent(QContextMenuEvent* event)
{
    Q_EMIT ContextMenuRequested(event->globalPos());
}

void PageEdit::InsertTyped(const QString& text)
{
    QTextCursor c = textCursor();
    c.insertText(text, ColorFormat(TypingColor));
    setTextCursor(c);
    ensureCursorVisible();
}

void PageEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut)) {
        copying_ = true;
        QPlainTextEdit::keyPressEvent(event);
        copying_ = false;
        return;
    }
    if (!textCursor().hasSelection()) {
        // Only the caret's own format changes; the text does not.
        setCurrentCharFormat(ColorFormat(TypingColor));
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    // Over a selection the typed text would take the colour of the character before the caret.
    const QString text = event->text();
    const Qt::KeyboardModifiers mods = event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    const bool types = !text.isEmpty() && (text.at(0).isPrint() || text.at(0) == QLatin1Char('\t')) &&
                       (mods == Qt::NoModifier || mods == (Qt::ControlModifier | Qt::AltModifier));
    if (!types || isReadOnly()) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    InsertTyped(text);
    event->accept();
}

void PageEdit::mouseMoveEvent(QMouseEvent* event)
{
    // A move inside the page takes the text away before it puts it down again.
    copying_ = true;
    QPlainTextEdit::mouseMoveEvent(event);
    copying_ = false;
}

void PageEdit::inputMethodEvent(QInputMethodEvent* event)
{
    const QString commit = event->commitString();
    QPlainTextEdit::inputMethodEvent(event);
    if (commit.isEmpty())
        return;
    // The control writes the committed text in the colour around it; it becomes black in the same undo step.
    const int end = textCursor().position();
    const int start = qMax(0, end - int(commit.size()));
    QTextCursor c(document());
    bool black = true;
    for (int i = start + 1; i <= end && black; ++i) {
        c.setPosition(i);
        black = c.charFormat().foreground().color() == TypingColor;
    }
    if (black)
        return;
    c.joinPreviousEditBlock();
    c.setPosition(start);
    c.setPosition(end, QTextCursor::KeepAnchor);
    c.mergeCharFormat(ColorFormat(TypingColor));
    c.endEditBlock();
    setCurrentCharFormat(ColorFormat(TypingColor));
}

void PageEdit::insertFromMimeData(const QMimeData* source)
{
    if (source && source->hasText() && !isReadOnly())
        InsertTyped(source->text());
}

namespace {

// The selection as the window system's selection (the one a middle click pastes): changed with every move of a
// selecting key, it is read only when another program asks for it, and holds nothing once the page has changed.
class LazySelection : public QMimeData
{
public:
    explicit LazySelection(const PageEdit* edit) : edit_(edit), revision_(edit->document()->revision()) {}
    QStringList formats() const override { return {QStringLiteral("text/plain")}; }
    bool hasFormat(const QString& mime) const override { return formats().contains(mime); }

protected:
    QVariant retrieveData(const QString& mime, QMetaType) const override
    {
        if (mime != QLatin1String("text/plain") || !edit_ || edit_->document()->revision() != revision_)
            return {};
        if (bytes_.isNull())
            bytes_ = edit_->SelectionUtf8();
        return bytes_;
    }

private:
    QPointer<const PageEdit> edit_;
    int revision_;
    mutable QByteArray bytes_;
};

} // namespace

QMimeData* PageEdit::createMimeDataFromSelection() const
{
    // The control's own copy would build a rich copy of the selection first, a second document of every line it
    // spans, which a whole big page makes slow and heavy. A page is plain text, so plain text is what goes, as
    // UTF-8 (the form other programs take it in, and the smallest).
    if (!copying_)
        return new LazySelection(this);
    auto* mime = new QMimeData;
    mime->setData(QStringLiteral("text/plain"), SelectionUtf8());
    return mime;
}

QByteArray PageEdit::SelectionUtf8(QStringView lineBreak) const
{
    // Converted a slice at a time into room for the worst case, of which only what is written is ever touched,
    // so a big selection is held once.
    constexpr int Slice = 1 << 16;
    const QTextCursor selection = textCursor();
    const int end = selection.selectionEnd();
    QByteArray bytes;
    bytes.reserve(qsizetype(end - selection.selectionStart()) * 3);
    QTextCursor slice(document());
    const QString parting = lineBreak.toString();
    for (int from = selection.selectionStart(); from < end;) {
        slice.setPosition(from);
        slice.setPosition(qMin(from + Slice, end), QTextCursor::KeepAnchor);
        QString text = slice.selectedText();
        if (text.size() > 1 && text.back().isHighSurrogate() && slice.position() < end)
            text.chop(1); // its other half starts the next slice
        text.replace(QChar::ParagraphSeparator, parting);
        bytes += text.toUtf8();
        from += int(text.size());
    }
    bytes.squeeze();
    return bytes;
}

void PageEdit::SetLineNumbersShown(bool on)
{
    lineNumbers_ = on;
    gutter_->setVisible(on);
    gutterDigits_ = 0;
    UpdateGutterWidth();
    viewport()->update();
}

int PageEdit::GutterWidth() const
{
    return lineNumbers_ ? 10 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * qMax(3, gutterDigits_) : 0;
}

static int DigitsOf(int n)
{
    int digits = 1;
    for (; n >= 10; n /= 10)
        ++digits;
    return digits;
}

void PageEdit::UpdateGutterWidth()
{
    // Only more digits move the text: counting lines is cheap, laying out the page again for a narrower margin
    // is not.
    const int digits = DigitsOf(blockCount());
    if (lineNumbers_ ? digits <= gutterDigits_ : gutterDigits_ != 0)
        return;
    SetGutterDigits(digits);
}

void PageEdit::SizeGutterFor(int lines)
{
    if (DigitsOf(lines) > gutterDigits_)
        SetGutterDigits(DigitsOf(lines));
}

void PageEdit::SetGutterDigits(int digits)
{
    gutterDigits_ = digits;
    setViewportMargins(GutterWidth(), 0, 0, 0);
    const QRect r = contentsRect();
    gutter_->setGeometry(r.left(), r.top(), GutterWidth(), r.height());
}

void PageEdit::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    const QRect r = contentsRect();
    gutter_->setGeometry(r.left(), r.top(), GutterWidth(), r.height());
}

void PageEdit::changeEvent(QEvent* event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange && gutter_) {
        gutter_->setFont(font());
        gutterDigits_ = 0;
        UpdateGutterWidth();
    }
    if (event->type() == QEvent::PaletteChange)
        KeepSelectionShown(); // a new theme's colours
}

void PageEdit::KeepSelectionShown()
{
    QPalette pal = palette();
    bool changed = false;
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
        const QBrush active = pal.brush(QPalette::Active, role);
        if (pal.brush(QPalette::Inactive, role) != active) {
            pal.setBrush(QPalette::Inactive, role, active);
            changed = true;
        }
    }
    if (changed) // setting it again would come back here
        setPalette(pal);
}

void PageEdit::ForEachVisibleBlock(const std::function<bool(const QTextBlock&, qreal, qreal)>& visit) const
{
    QTextBlock block = firstVisibleBlock();
    qreal top = blockBoundingGeometry(block).translated(contentOffset()).top();
    const qreal bottom = viewport()->height();
    while (block.isValid() && top <= bottom) {
        const qreal height = blockBoundingRect(block).height();
        if (block.isVisible() && !visit(block, top, height))
            return;
        top += height;
        block = block.next();
    }
}

void PageEdit::PaintGutter(QPaintEvent* event)
{
    QPainter p(gutter_);
    p.fillRect(event->rect(), GutterColor);
    const int current = textCursor().blockNumber();
    const int lineHeight = fontMetrics().height();
    const int right = gutter_->width() - 6;
    int number = -1;
    ForEachVisibleBlock([&](const QTextBlock& block, qreal top, qreal height) {
        if (top > event->rect().bottom())
            return false;
        number = number < 0 ? block.blockNumber() : number + 1;
        if (top + height >= event->rect().top()) {
            if (const auto mark = lineMarks_.constFind(number); mark != lineMarks_.cend())
                p.fillRect(QRectF(0, top, 3, height), *mark);
            p.setPen(number == current ? CurrentNumberColor : NumberColor);
            p.drawText(QRectF(0, top, right, lineHeight), Qt::AlignRight | Qt::AlignTop, QString::number(number + 1));
        }
        return true;
    });
}

void PageEdit::paintEvent(QPaintEvent* event)
{
    if (lineNumbers_) {
        // The caret's line gets a background of its own, painted under the text.
        const QTextBlock current = textCursor().block();
        ForEachVisibleBlock([&](const QTextBlock& block, qreal top, qreal height) {
            if (block != current)
                return true;
            QPainter p(viewport());
            p.fillRect(QRectF(0, top, viewport()->width(), height), CurrentLineColor);
            return false;
        });
    }
    QPlainTextEdit::paintEvent(event);
    if (!lineNumbers_ && !lineMarks_.isEmpty())
        PaintLineMarks();
}

void PageEdit::SetLineMarks(QHash<int, QColor> marks)
{
    lineMarks_ = std::move(marks);
    gutter_->update();
    viewport()->update();
}

void PageEdit::PaintLineMarks()
{
    QPainter p(viewport());
    ForEachVisibleBlock([&](const QTextBlock& block, qreal top, qreal height) {
        if (const auto mark = lineMarks_.constFind(block.blockNumber()); mark != lineMarks_.cend())
            p.fillRect(QRectF(0, top, 3, height), *mark);
        return true;
    });
}

void PageEdit::CaretMoved()
{
    if (!lineNumbers_)
        return;
    const int block = textCursor().blockNumber();
    if (block == caretBlock_)
        return;
    // The old and the new line change their background, and their numbers their colour.
    caretBlock_ = block;
    viewport()->update();
    gutter_->update();
}

void PageEdit::SetSyntaxColouring(bool on)
{
    if (on == (colouring_ != nullptr))
        return;
    if (colouring_) {
        colouring_->ClearAll();
        delete colouring_;
        colouring_ = nullptr;
    } else {
        colouring_ = new SyntaxColouring(this);
    }
}

void PageEdit::SetPageFont(const QFont& font)
{
    pageFont_ = font;
    ApplyFont();
}

void PageEdit::ZoomBy(int points)
{
    const qreal base = pageFont_.pointSizeF() > 0 ? pageFont_.pointSizeF() : 10;
    zoom_ = qBound(int(4 - base), zoom_ + points, int(72 - base));
    ApplyFont();
}

void PageEdit::ResetZoom()
{
    zoom_ = 0;
    ApplyFont();
}

void PageEdit::ApplyFont()
{
    QFont f = pageFont_;
    if (zoom_ != 0 && f.pointSizeF() > 0)
        f.setPointSizeF(f.pointSizeF() + zoom_);
    setFont(f);
}

void PageEdit::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedFiles(event->mimeData()).isEmpty() || !DraggedSiteFiles(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
        return;
    }
    QPlainTextEdit::dragEnterEvent(event);
}

void PageEdit::dragMoveEvent(QDragMoveEvent* event)
{
    if (!DroppedFiles(event->mimeData()).isEmpty() || !DraggedSiteFiles(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
        return;
    }
    QPlainTextEdit::dragMoveEvent(event);
}

void PageEdit::dropEvent(QDropEvent* event)
{
    // Files from the site tree carry their addresses too: told apart, they are referred to where they fall.
    if (const QStringList site = DraggedSiteFiles(event->mimeData()); !site.isEmpty()) {
        event->acceptProposedAction();
        if (!isReadOnly())
            Q_EMIT SiteFilesDropped(site, cursorForPosition(event->position().toPoint()).position());
        return;
    }
    const QStringList files = DroppedFiles(event->mimeData());
    if (files.isEmpty()) {
        QPlainTextEdit::dropEvent(event);
        return;
    }
    event->acceptProposedAction();
    Q_EMIT FilesDropped(files);
}
