#include "editor/contextchecks.h"

#include "editor/scanmemo.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

const char* const Markers[] = {"{", "}", "'", "\"", "<", ">", "<script", "</script", "<style", "</style"};

} // namespace

int ContextChecks::MarkerBit(const QString& needle)
{
    for (int i = 0; i < int(std::size(Markers)); ++i) {
        if (needle.compare(QLatin1String(Markers[i]), Qt::CaseInsensitive) == 0)
            return 1 << i;
    }
    return 0;
}

namespace {

// What an ASCII character means to the markers: a marker's bit, a line end (-1), or nothing (0).
constexpr std::array<int, 128> AsciiMarks = [] {
    std::array<int, 128> marks{};
    marks['{'] = 1;
    marks['}'] = 2;
    marks['\''] = 4;
    marks['"'] = 8;
    marks['<'] = 16;
    marks['>'] = 32;
    marks['\n'] = -1;
    marks['\r'] = -1;
    return marks;
}();

// Whether text[at, ...) starts with `lower` (lower-case ASCII letters), in any case.
bool StartsWithLetters(QStringView text, qsizetype at, const char* lower)
{
    for (; *lower; ++lower, ++at) {
        if (at >= text.size() || (text[at].unicode() | 0x20) != char16_t(*lower))
            return false;
    }
    return true;
}

// The script and style markers a "<" at `at` starts.
int TagMarkers(QStringView text, qsizetype at)
{
    // Only "s" or "/s" can start the rest of a script or style tag: most tags are passed at one or two looks. No
    // marker holds a line end, so looking past the line's end finds nothing it would not.
    qsizetype next = at + 1;
    const bool closing = next < text.size() && text[next] == u'/';
    next += closing ? 1 : 0;
    if (next >= text.size() || (text[next].unicode() | 0x20) != u's')
        return 0;
    // The markers' bits: "<script" 6, "</script" 7, "<style" 8, "</style" 9.
    if (StartsWithLetters(text, next + 1, "cript"))
        return 1 << (closing ? 7 : 6);
    if (StartsWithLetters(text, next + 1, "tyle"))
        return 1 << (closing ? 9 : 8);
    return 0;
}

// Calls lineDone(bits) at the end of each line of `text` (the text control's breaks: CR LF, LF, CR, U+2029 and
// its frame marks), and once more for the last line.
template <class LineDone>
void ScanMarkers(QStringView text, LineDone lineDone)
{
    int bits = 0;
    const char16_t* p = text.utf16();
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t ch = p[i];
        int mark = 0;
        if (ch < 128)
            mark = AsciiMarks[ch];
        else if (ch == 0x2029 || ch == 0xFDD0 || ch == 0xFDD1)
            mark = -1;
        if (mark == 0)
            continue;
        if (mark > 0) {
            bits |= mark;
            if (ch == u'<')
                bits |= TagMarkers(text, i);
            continue;
        }
        lineDone(bits);
        bits = 0;
        if (ch == u'\r' && i + 1 < size && p[i + 1] == u'\n')
            ++i;
    }
    lineDone(bits);
}

} // namespace

int ContextChecks::MarkersIn(QStringView line)
{
    int bits = 0;
    ScanMarkers(line, [&bits](int lineBits) { bits |= lineBits; });
    return bits;
}

std::vector<int> ContextChecks::MarkersOfLines(QStringView text)
{
    std::vector<int> lines;
    ScanMarkers(text, [&lines](int bits) { lines.push_back(bits); });
    return lines;
}

ContextChecks::Hit ContextChecks::LastOf(const LineSource& text, int before, const QStringList& needles,
                                         Qt::CaseSensitivity cs)
{
    Hit hit;
    if (before <= 0 || text.LineCount() == 0)
        return hit;
    // Case only matters for letters; the exact search is much the faster one.
    QList<Qt::CaseSensitivity> sensitivity;
    int longest = 1;
    for (const QString& needle : needles) {
        const bool letters = std::any_of(needle.cbegin(), needle.cend(), [](QChar ch) { return ch.isLetter(); });
        sensitivity.append(letters ? cs : Qt::CaseSensitive);
        longest = qMax(longest, int(needle.size()));
    }

    // What an earlier search from higher up found: only the lines below it need reading.
    ScanMemo* memo = text.Memo();
    const QString key = needles.join(QChar(1)) + (cs == Qt::CaseSensitive ? QLatin1Char('s') : QLatin1Char('i'));
    int floor = 0;
    Hit known;
    if (const ScanMemo::Entry* entry = memo ? memo->Find(key) : nullptr) {
        if (before >= entry->end) {
            floor = qMax(0, entry->end - longest + 1);
            known = {entry->needle, entry->position};
        } else if (entry->needle < 0) {
            return {}; // none before the end, so none before an earlier position either
        } else if (entry->position + needles.at(entry->needle).size() <= before) {
            return {entry->needle, entry->position};
        }
    }

    // Lines known to hold none of the markers are passed over without reading them.
    int mask = 0;
    for (const QString& needle : needles) {
        const int bit = MarkerBit(needle);
        mask = bit == 0 || mask == -1 ? -1 : mask | bit;
    }
    const int floorLine = floor > 0 ? text.LineOf(floor) : 0;
    for (int line = text.LineOf(before); line >= floorLine; --line) {
        if ((text.LineMarkers(line) & mask) == 0)
            continue;
        const QString lineText = text.LineText(line);
        const int start = text.LineStart(line);
        QStringView view(lineText);
        view = view.left(qBound(0, before - start, int(view.size())));
        for (int n = 0; n < needles.size(); ++n) {
            const QString& needle = needles.at(n);
            if (needle.isEmpty() || view.size() < needle.size())
                continue;
            const qsizetype at = view.lastIndexOf(needle, view.size() - needle.size(), sensitivity.at(n));
            if (at >= 0 && start + int(at) >= floor && start + int(at) > hit.position) {
                hit.needle = n;
                hit.position = start + int(at);
            }
        }
        // Markers never span a line, so the nearest line that holds one decides.
        if (hit.needle >= 0)
            break;
    }
    if (hit.needle < 0)
        hit = known;
    if (memo)
        memo->Store(key, {before, hit.needle, hit.position}, longest);
    return hit;
}

QString ContextChecks::Text(const LineSource& text, int from, int to)
{
    QString result;
    if (to <= from || text.LineCount() == 0)
        return result;
    const int last = text.LineOf(to);
    for (int line = text.LineOf(from); line <= last; ++line) {
        const int start = text.LineStart(line);
        const QString lineText = text.LineText(line);
        const int a = qMax(from, start) - start;
        const int b = qMin(to, start + int(lineText.size())) - start;
        if (b > a)
            result += QStringView(lineText).mid(a, b - a);
        // The break after the line, when it lies inside the range.
        if (line < last && start + lineText.size() < to)
            result += QLatin1Char('\n');
    }
    return result;
}

bool ContextChecks::Inside(const LineSource& text, int caret, const QString& open, const QString& close)
{
    return LastOf(text, caret, {open, close}).needle == 0;
}

bool ContextChecks::InScript(const LineSource& text, int caret)
{
    return Inside(text, caret, QStringLiteral("<script"), QStringLiteral("</script"));
}

bool ContextChecks::InStyleBlock(const LineSource& text, int caret)
{
    return Inside(text, caret, QStringLiteral("<style"), QStringLiteral("</style"));
}

bool ContextChecks::InStyleValue(const LineSource& text, int caret, QChar quote)
{
    // The last "style=" + quote ends at the last quote exactly when "style=" stands right before that quote.
    const Hit hit = LastOf(text, caret, {QString(quote)});
    if (hit.needle < 0)
        return false;
    const int line = text.LineOf(hit.position);
    const int offset = hit.position - text.LineStart(line);
    static const QString attribute = QStringLiteral("style=");
    if (offset < attribute.size())
        return false;
    return QStringView(text.LineText(line))
               .mid(offset - attribute.size(), attribute.size())
               .compare(attribute, Qt::CaseInsensitive) == 0;
}

bool ContextChecks::SemicolonOpensStyles(const LineSource& text, int caret)
{
    // Double quote first; then an open brace in a style block; then the single quote.
    if (InStyleValue(text, caret, QLatin1Char('"')))
        return true;
    if (Inside(text, caret, QStringLiteral("{"), QStringLiteral("}")) && InStyleBlock(text, caret))
        return true;
    return InStyleValue(text, caret, QLatin1Char('\''));
}

bool ContextChecks::BraceOpensStyles(const LineSource& text, int caret)
{
    return InStyleBlock(text, caret);
}

std::optional<QString> ContextChecks::ScriptPath(const LineSource& text, int caret)
{
    const int n = qMin(caret, 100);
    const QString before = Text(text, caret - n, caret);
    static const QString delimiters = QStringLiteral("\n\r (*+,-/;<=>{");
    for (qsizetype i = before.size() - 1; i >= 0; --i) {
        const QChar ch = before.at(i);
        if (ch.isLetter() || (ch.unicode() >= 65 && ch.unicode() <= 122) || ch == QLatin1Char('.'))
            continue;
        if (delimiters.contains(ch))
            return before.mid(i + 1);
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<QString> ContextChecks::TagBeforeBlank(const LineSource& text, int caret)
{
    const Hit hit = LastOf(text, caret, {QStringLiteral("<"), QStringLiteral(">")});
    if (hit.needle != 0)
        return std::nullopt;
    // The blank just typed is left out.
    const QString tag = Text(text, hit.position, caret - 1).toLower();
    if (tag.count(QLatin1Char('"')) % 2 != 0)
        return std::nullopt;
    const qsizetype blank = tag.indexOf(QLatin1Char(' '));
    const QString name = (blank < 0 ? tag : tag.left(blank)).trimmed();
    if (name.contains(QLatin1Char('"')) || name.contains(QLatin1Char('\'')))
        return std::nullopt;
    return name;
}
