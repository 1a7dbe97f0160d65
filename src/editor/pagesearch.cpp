#include "editor/pagesearch.h"

#include <QList>
#include <QStringMatcher>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// Case-insensitive search over a long text: a cheap test on each character for the needle's first one, the
// full comparison only where that matches.
qsizetype IndexIgnoringCase(QStringView text, QStringView what, qsizetype from)
{
    const char16_t first = QChar(what.front()).toCaseFolded().unicode();
    const qsizetype last = text.size() - what.size();
    const QChar* data = text.data();
    for (qsizetype i = from; i <= last; ++i) {
        char16_t c = data[i].unicode();
        if (c < 0x80)
            c = (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
        else
            c = data[i].toCaseFolded().unicode();
        if (c == first && text.sliced(i, what.size()).compare(what, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

} // namespace

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
    // Nearby matches are found line by line. Far away, fetching lines one by one costs more than one copy of
    // the whole text (a find is a command, not a keystroke): its breaks are single U+2029 characters, so
    // positions in it are the document's.
    constexpr int LinesBeforeCopy = 2000;
    QTextBlock block = document->findBlock(from);
    int offset = from - block.position();
    for (int lines = 0; block.isValid() && lines < LinesBeforeCopy; block = block.next(), offset = 0, ++lines) {
        if (block.length() - 1 - offset < what.size())
            continue; // too short to hold it: its text is not even fetched
        const qsizetype at = matcher.indexIn(block.text(), offset);
        if (at >= 0)
            return block.position() + int(at);
    }
    if (!block.isValid())
        return -1;
    const QString text = document->toRawText();
    const qsizetype at = cs == Qt::CaseSensitive ? matcher.indexIn(text, block.position())
                                                 : IndexIgnoringCase(text, what, block.position());
    return at >= 0 && at < length ? int(at) : -1;
}

int PageSearch::FindBefore(const QTextDocument* document, const QString& what, int before, Qt::CaseSensitivity cs)
{
    const int length = document->characterCount() - 1;
    before = qMin(before, length);
    if (what.isEmpty() || before <= 0)
        return -1;
    // As Find(): nearby line by line, far away in one copy of the text.
    constexpr int LinesBeforeCopy = 2000;
    QTextBlock block = document->findBlock(before - 1);
    for (int lines = 0; block.isValid() && lines < LinesBeforeCopy; block = block.previous(), ++lines) {
        const int last = qMin(before - 1 - block.position(), block.length() - 1 - int(what.size()));
        if (last < 0)
            continue;
        const qsizetype at = block.text().lastIndexOf(what, last, cs);
        if (at >= 0)
            return block.position() + int(at);
    }
    if (!block.isValid())
        return -1;
    // From the end of the line reached: no match crosses a break, which `what` cannot hold.
    const int from = block.position() + block.length() - 1 - int(what.size());
    return from < 0 ? -1 : int(document->toRawText().lastIndexOf(what, from, cs));
}

int PageSearch::ReplaceAll(QTextDocument* document, const QString& what, const QString& with, Qt::CaseSensitivity cs,
                           const QTextCharFormat& format, const Progress& progress)
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
    int scanned = 0; // characters of the document as it was that the scan has passed
    constexpr int LinesBetweenReports = 4096;
    for (int line = 1; block.isValid(); ++line) {
        if (progress && line % LinesBetweenReports == 0 && !progress(scanned)) {
            if (count > 0) {
                cursor.endEditBlock();
                document->undo();
                document->clearUndoRedoStacks(QTextDocument::RedoStack);
            }
            return 0;
        }
        // Matches are taken from the line as it stood, then replaced front to back.
        const QString text = block.text();
        scanned += int(text.size()) + 1;
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
