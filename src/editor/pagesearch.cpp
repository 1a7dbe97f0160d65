#include "editor/pagesearch.h"

#include <QList>
#include <QStringMatcher>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// Nearby matches are found line by line. Far away, fetching lines one by one costs more than one copy of the whole
// text (a find is a command, not a keystroke): its breaks are single U+2029 characters, so positions in it are the
// document's.
constexpr int LinesBeforeCopy = 2000;

TextMatcher PlainMatcher(const QString& what, Qt::CaseSensitivity cs)
{
    return TextMatcher(SearchOptions{what, cs == Qt::CaseSensitive});
}

// The first match at or after `from` in the copy of the text, a line at a time for a regular expression.
TextMatcher::Match FindInCopy(const QString& text, const TextMatcher& matcher, qsizetype from)
{
    if (!matcher.NeedsLines())
        return matcher.IndexIn(text, from);
    const QStringView all(text);
    qsizetype start = text.lastIndexOf(QChar::ParagraphSeparator, from - 1) + 1;
    for (qsizetype offset = from - start; start <= text.size(); offset = 0) {
        qsizetype end = text.indexOf(QChar::ParagraphSeparator, start);
        if (end < 0)
            end = text.size();
        const TextMatcher::Match m = matcher.IndexIn(all.sliced(start, end - start), offset);
        if (m.Found())
            return {start + m.start, m.length};
        start = end + 1;
    }
    return {};
}

// The last match starting at or before `lastStart` in the copy, which holds no break after it.
TextMatcher::Match FindLastInCopy(const QString& text, const TextMatcher& matcher, qsizetype lastStart)
{
    if (!matcher.NeedsLines())
        return matcher.LastIndexIn(text, lastStart);
    const QStringView all(text);
    for (qsizetype end = qMin(lastStart, text.size()); end >= 0;) {
        const qsizetype start = end > 0 ? text.lastIndexOf(QChar::ParagraphSeparator, end - 1) + 1 : 0;
        const TextMatcher::Match m = matcher.LastIndexIn(all.sliced(start, end - start), end - start);
        if (m.Found())
            return {start + m.start, m.length};
        end = start - 1;
    }
    return {};
}

} // namespace

int PageSearch::Find(const QTextDocument* document, const QString& what, int from, Qt::CaseSensitivity cs)
{
    return Find(document, PlainMatcher(what, cs), from).position;
}

int PageSearch::FindBefore(const QTextDocument* document, const QString& what, int before, Qt::CaseSensitivity cs)
{
    return FindBefore(document, PlainMatcher(what, cs), before).position;
}

int PageSearch::ReplaceAll(QTextDocument* document, const QString& what, const QString& with, Qt::CaseSensitivity cs,
                           const QTextCharFormat& format, const Progress& progress)
{
    return ReplaceAll(document, PlainMatcher(what, cs), with, format, progress);
}

PageSearch::Hit PageSearch::Find(const QTextDocument* document, const TextMatcher& matcher, int from)
{
    const int length = document->characterCount() - 1; // without the document's closing paragraph mark
    const SearchOptions& options = matcher.Options();
    if (from < 0)
        from = 0;
    if (!matcher.IsValid() || from > length)
        return {};
    if (!options.regex && options.text.isEmpty())
        return {from, 0};
    // Lines too short to hold plain text are passed without fetching their text.
    const int least = options.regex ? 0 : int(options.text.size());
    QTextBlock block = document->findBlock(from);
    int offset = from - block.position();
    for (int lines = 0; block.isValid() && lines < LinesBeforeCopy; block = block.next(), offset = 0, ++lines) {
        if (block.length() - 1 - offset < least)
            continue;
        const TextMatcher::Match m = matcher.IndexIn(block.text(), offset);
        if (m.Found())
            return {block.position() + int(m.start), int(m.length)};
    }
    if (!block.isValid())
        return {};
    const TextMatcher::Match m = FindInCopy(document->toRawText(), matcher, block.position());
    return m.Found() && m.start <= length - least ? Hit{int(m.start), int(m.length)} : Hit{};
}

PageSearch::Hit PageSearch::FindBefore(const QTextDocument* document, const TextMatcher& matcher, int before)
{
    const int length = document->characterCount() - 1;
    before = qMin(before, length);
    const SearchOptions& options = matcher.Options();
    if (!matcher.IsValid() || before <= 0 || (!options.regex && options.text.isEmpty()))
        return {};
    const int least = options.regex ? 0 : int(options.text.size());
    // As Find(): nearby line by line, far away in one copy of the text.
    QTextBlock block = document->findBlock(before - 1);
    for (int lines = 0; block.isValid() && lines < LinesBeforeCopy; block = block.previous(), ++lines) {
        const int lastStart = qMin(before - 1 - block.position(), block.length() - 1 - least);
        if (lastStart < 0)
            continue;
        const TextMatcher::Match m = matcher.LastIndexIn(block.text(), lastStart);
        if (m.Found())
            return {block.position() + int(m.start), int(m.length)};
    }
    if (!block.isValid())
        return {};
    // From the end of the line reached: no match crosses a break.
    const TextMatcher::Match m =
        FindLastInCopy(document->toRawText(), matcher, block.position() + block.length() - 1);
    return m.Found() ? Hit{int(m.start), int(m.length)} : Hit{};
}

int PageSearch::ReplaceAll(QTextDocument* document, const TextMatcher& matcher, const QString& with,
                           const QTextCharFormat& format, const Progress& progress)
{
    const SearchOptions& options = matcher.Options();
    if (!matcher.IsValid() || (!options.regex && options.text.isEmpty()))
        return 0;
    // A replacement with line breaks splits blocks; the scan then goes on after the text that was there.
    const bool splits = with.contains(QLatin1Char('\n')) || with.contains(QLatin1Char('\r')) ||
                        with.contains(QChar::ParagraphSeparator);
    QTextCursor cursor(document);
    int count = 0;
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
        const QList<TextMatcher::Match> hits =
            options.regex || text.size() >= options.text.size() ? matcher.AllIn(text) : QList<TextMatcher::Match>();
        if (hits.isEmpty()) {
            block = block.next();
            continue;
        }
        if (count == 0)
            cursor.beginEditBlock();
        int shift = block.position();
        for (const TextMatcher::Match& hit : hits) {
            const QString replacement = matcher.Replacement(text, hit, with);
            cursor.setPosition(shift + int(hit.start));
            cursor.setPosition(shift + int(hit.start + hit.length), QTextCursor::KeepAnchor);
            cursor.insertText(replacement, format);
            shift += int(replacement.size() - hit.length);
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
