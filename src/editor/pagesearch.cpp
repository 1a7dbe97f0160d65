#include "editor/pagesearch.h"

#include <QList>
#include <QStringMatcher>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

int PageSearch::Find(const QTextDocument* document, const QString& what, int from, Qt::CaseSensitivity cs)
{
    const int length = document->characterCount() - 1; // without the document's closing paragraph mark
    if (from < 0)
        from = 0;
    if (what.isEmpty())
        return from <= length ? from : -1;
    if (from >= length)
        return -1;
    const QStringMatcher matcher(what, cs);
    QTextBlock block = document->findBlock(from);
    // A block's position is a tree walk: taken only where it is needed.
    for (int offset = from - block.position(); block.isValid(); block = block.next(), offset = 0) {
        if (block.length() - 1 - offset < what.size())
            continue; // too short to hold it: its text is not even fetched
        const qsizetype at = matcher.indexIn(block.text(), offset);
        if (at >= 0)
            return block.position() + int(at);
    }
    return -1;
}

int PageSearch::ReplaceAll(QTextDocument* document, const QString& what, const QString& with, Qt::CaseSensitivity cs,
                           const QTextCharFormat& format)
{
    if (what.isEmpty())
        return 0;
    const QStringMatcher matcher(what, cs);
    const int delta = int(with.size() - what.size());
    // A replacement with line breaks splits blocks; the scan then goes on after the text that was there.
    const bool splits = with.contains(QLatin1Char('\n')) || with.contains(QLatin1Char('\r')) ||
                        with.contains(QChar::ParagraphSeparator);
    QTextCursor cursor(document);
    int count = 0;
    QList<int> hits;
    QTextBlock block = document->begin();
    while (block.isValid()) {
        // Matches are taken from the line as it stood, then replaced front to back.
        const QString text = block.text();
        hits.clear();
        for (qsizetype at = matcher.indexIn(text, 0); at >= 0; at = matcher.indexIn(text, at + what.size()))
            hits.append(int(at));
        if (hits.isEmpty()) {
            block = block.next();
            continue;
        }
        if (count == 0)
            cursor.beginEditBlock();
        const int start = block.position();
        int shift = start;
        for (const int at : std::as_const(hits)) {
            cursor.setPosition(shift + at);
            cursor.setPosition(shift + at + int(what.size()), QTextCursor::KeepAnchor);
            cursor.insertText(with, format);
            shift += delta;
            ++count;
        }
        if (splits) {
            // The line break that ended the line now stands at its old place moved by what was added.
            const int next = shift + int(text.size()) + 1;
            block = next < document->characterCount() ? document->findBlock(next) : QTextBlock();
        } else {
            block = block.next();
        }
    }
    if (count > 0)
        cursor.endEditBlock();
    return count;
}
