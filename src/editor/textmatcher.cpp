#include "editor/textmatcher.h"

#include <QStringMatcher>

namespace {

bool IsWordChar(QChar ch)
{
    return ch.isLetterOrNumber() || ch == QLatin1Char('_') || ch.category() == QChar::Mark_NonSpacing;
}

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

TextMatcher::TextMatcher(const SearchOptions& options) : options_(options)
{
    if (!options_.regex)
        return;
    QRegularExpression::PatternOptions flags = QRegularExpression::UseUnicodePropertiesOption;
    if (!options_.matchCase)
        flags |= QRegularExpression::CaseInsensitiveOption;
    // The user's pattern alone first, so that an error's position is one in what the user typed.
    const QRegularExpression own(options_.text, flags);
    if (!own.isValid()) {
        error_ = QStringLiteral("正则表达式有错误,第 %1 个字符处: %2")
                     .arg(own.patternErrorOffset() + 1)
                     .arg(own.errorString());
        return;
    }
    regex_ = options_.wholeWord
                 ? QRegularExpression(QStringLiteral("(?<![\\w])(?:%1)(?![\\w])").arg(options_.text), flags)
                 : own;
    if (!regex_.isValid()) // a pattern that breaks out of the group around it
        error_ = QStringLiteral("正则表达式有错误: %1").arg(regex_.errorString());
}

bool TextMatcher::IsValid() const
{
    return error_.isEmpty();
}

QString TextMatcher::ErrorMessage() const
{
    return error_;
}

bool TextMatcher::WholeWordAt(QStringView text, qsizetype at, qsizetype length) const
{
    if (!options_.wholeWord)
        return true;
    return (at == 0 || !IsWordChar(text.at(at - 1))) &&
           (at + length >= text.size() || !IsWordChar(text.at(at + length)));
}

qsizetype TextMatcher::PlainIndex(QStringView text, qsizetype from) const
{
    const QString& what = options_.text;
    if (from > text.size() - what.size())
        return -1;
    if (options_.matchCase)
        return QStringMatcher(what, Qt::CaseSensitive).indexIn(text, from);
    return IndexIgnoringCase(text, what, from);
}

QRegularExpressionMatch TextMatcher::RegexMatch(QStringView text, qsizetype from) const
{
    return regex_.match(text, from);
}

TextMatcher::Match TextMatcher::IndexIn(QStringView text, qsizetype from) const
{
    if (from < 0)
        from = 0;
    if (from > text.size() || !IsValid())
        return {};
    if (options_.regex) {
        const QRegularExpressionMatch m = RegexMatch(text, from);
        return m.hasMatch() ? Match{m.capturedStart(), m.capturedLength()} : Match{};
    }
    const qsizetype length = options_.text.size();
    if (length == 0)
        return {from, 0};
    for (qsizetype at = PlainIndex(text, from); at >= 0; at = PlainIndex(text, at + 1)) {
        if (WholeWordAt(text, at, length))
            return {at, length};
    }
    return {};
}

TextMatcher::Match TextMatcher::LastIndexIn(QStringView text, qsizetype lastStart) const
{
    if (lastStart < 0 || !IsValid())
        return {};
    if (options_.regex) {
        Match last;
        for (Match m = IndexIn(text, 0); m.Found() && m.start <= lastStart; m = IndexIn(text, m.start + 1))
            last = m;
        return last;
    }
    const QString& what = options_.text;
    if (what.isEmpty())
        return {};
    const Qt::CaseSensitivity cs = options_.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (qsizetype at = text.lastIndexOf(what, qMin(lastStart, text.size() - what.size()), cs); at >= 0;
         at = at > 0 ? text.lastIndexOf(what, at - 1, cs) : -1) {
        if (WholeWordAt(text, at, what.size()))
            return {at, what.size()};
    }
    return {};
}

QList<TextMatcher::Match> TextMatcher::AllIn(QStringView line) const
{
    QList<Match> all;
    if (!IsValid())
        return all;
    if (options_.regex) {
        QRegularExpressionMatchIterator it = regex_.globalMatch(line);
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            all.append({m.capturedStart(), m.capturedLength()});
        }
        return all;
    }
    if (options_.text.isEmpty())
        return all;
    for (Match m = IndexIn(line, 0); m.Found(); m = IndexIn(line, m.start + m.length))
        all.append(m);
    return all;
}

QString TextMatcher::Replacement(QStringView line, const Match& match, const QString& with) const
{
    if (!options_.regex || !with.contains(QLatin1Char('\\')))
        return with;
    const QRegularExpressionMatch m =
        regex_.match(line, match.start, QRegularExpression::NormalMatch,
                     QRegularExpression::AnchorAtOffsetMatchOption);
    if (!m.hasMatch())
        return with;
    // \N and \NN, as QString::replace() reads them: the longest number that names a group of the expression.
    const int groups = regex_.captureCount();
    QString out;
    const qsizetype n = with.size();
    for (qsizetype i = 0; i < n; ++i) {
        const int first = i + 1 < n && with.at(i) == QLatin1Char('\\') ? with.at(i + 1).digitValue() : -1;
        if (first <= 0 || first > groups) {
            out += with.at(i);
            continue;
        }
        int group = first;
        qsizetype used = 2;
        const int second = i + 2 < n ? with.at(i + 2).digitValue() : -1;
        if (second >= 0 && first * 10 + second <= groups) {
            group = first * 10 + second;
            used = 3;
        }
        out += m.capturedView(group);
        i += used - 1;
    }
    return out;
}

bool TextMatcher::MatchesAt(QStringView line, qsizetype at, qsizetype length) const
{
    if (!IsValid() || at < 0 || at > line.size())
        return false;
    if (!options_.regex) {
        const QString& what = options_.text;
        return length == what.size() && at + length <= line.size() &&
               line.sliced(at, length).compare(what, options_.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive) ==
                   0 &&
               WholeWordAt(line, at, length);
    }
    const QRegularExpressionMatch m =
        regex_.match(line, at, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
    return m.hasMatch() && m.capturedLength() == length;
}
