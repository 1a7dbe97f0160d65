#include "editor/pageedit.h"

#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextDocument>

const QColor PageEdit::InsertColor(0x00, 0x00, 0xFF);
const QColor PageEdit::RewriteColor(0x78, 0x3C, 0xDF);
const QColor PageEdit::TypingColor(0x00, 0x00, 0x00);

PageEdit::PageEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("text1"));
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
    SetTypingBlack();
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

QByteArray PageEdit::EncodedText(const PageEncoding& encoding, bool* ok) const
{
    PageEncoder encoder(encoding, document()->characterCount() + document()->characterCount() / 8);
    EncodeInto(encoder);
    if (ok)
        *ok = encoder.Ok();
    return encoder.Take();
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

int PageEdit::EncodeInto(PageEncoder& encoder) const
{
    for (QTextBlock block = document()->firstBlock(); block.isValid(); block = block.next()) {
        if (block != document()->firstBlock()) {
            const auto* data = static_cast<const LineBreakData*>(block.previous().userData());
            encoder.AppendBreak(data ? data->Kind : 0);
        }
        if (!encoder.Append(block.text()))
            return block.blockNumber() + 1;
    }
    return 0;
}

void PageEdit::SetLineBreaks(const QByteArray& breaks, char usual)
{
    QTextBlock block = document()->firstBlock();
    for (qsizetype i = 0; i < breaks.size() && block.isValid(); ++i, block = block.next()) {
        if (breaks.at(i) != usual)
            block.setUserData(new LineBreakData(breaks.at(i)));
    }
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
