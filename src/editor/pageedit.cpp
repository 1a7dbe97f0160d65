#include "editor/pageedit.h"

#include <QContextMenuEvent>
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
    for (QTextBlock block = document()->firstBlock(); block.isValid(); block = block.next()) {
        if (block != document()->firstBlock())
            encoder.AppendLineEnd();
        if (!encoder.Append(block.text()))
            break;
    }
    if (ok)
        *ok = encoder.Ok();
    return encoder.Take();
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
