#include "editor/autoclose.h"

#include "editor/contextchecks.h"

#include <QList>

namespace {

bool NameChar(QChar ch)
{
    return ch.isLetterOrNumber() || ch == QLatin1Char('-') || ch == QLatin1Char(':') || ch == QLatin1Char('_') ||
           ch == QLatin1Char('.');
}

// The tag name starting at `at` (just after "<" or "</").
QString NameAt(QStringView text, qsizetype at)
{
    qsizetype end = at;
    while (end < text.size() && NameChar(text.at(end)))
        ++end;
    return text.sliced(at, end - at).toString();
}

// From inside a tag at `at`: the offset of the ">" that ends it (quoted values may hold one), or -1.
qsizetype TagEnd(QStringView text, qsizetype at)
{
    QChar quote;
    for (qsizetype i = at; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (!quote.isNull()) {
            if (ch == quote)
                quote = QChar();
        } else if (ch == QLatin1Char('"') || ch == QLatin1Char('\'')) {
            quote = ch;
        } else if (ch == QLatin1Char('>')) {
            return i;
        }
    }
    return -1;
}

// Whether `tag` ("<div class=x", without its ">") leaves its last quoted value open.
bool InQuotedValue(QStringView tag)
{
    const QString closed = tag.toString() + QLatin1Char('>');
    return TagEnd(closed, 0) < 0;
}

bool IsRawText(const QString& lower)
{
    return lower == QLatin1String("script") || lower == QLatin1String("style");
}

// Walks the text from its start, keeping the elements open so far (innermost last).
class OpenElements
{
public:
    // False when the text ends inside a tag, a comment or a script: nothing more can be said.
    bool Walk(QStringView text)
    {
        for (qsizetype i = text.indexOf(QLatin1Char('<')); i >= 0 && i + 1 < text.size();
             i = text.indexOf(QLatin1Char('<'), i)) {
            if (text.sliced(i).startsWith(QLatin1String("<!--"))) {
                const qsizetype end = text.indexOf(QLatin1String("-->"), i + 4);
                if (end < 0)
                    return false;
                i = end + 3;
                continue;
            }
            const bool closing = text.at(i + 1) == QLatin1Char('/');
            const QString name = NameAt(text, i + (closing ? 2 : 1));
            const qsizetype end = TagEnd(text, i + 1);
            if (name.isEmpty() || !name.at(0).isLetter()) {
                const QChar next = text.at(i + 1);
                if (next != QLatin1Char('!') && next != QLatin1Char('?')) {
                    ++i; // a "<" that starts no tag
                    continue;
                }
                if (end < 0)
                    return false; // inside a declaration
                i = end + 1;
                continue;
            }
            if (end < 0)
                return false;
            i = end + 1;
            if (closing) {
                Close(name);
                continue;
            }
            if (text.at(end - 1) == QLatin1Char('/') || AutoClose::IsVoid(name))
                continue;
            open_.append(name);
            const QString lower = name.toLower();
            if (IsRawText(lower)) {
                // Its text is no markup: up to its own end tag.
                const QString endTag = QStringLiteral("</") + lower;
                const qsizetype close = text.indexOf(endTag, i, Qt::CaseInsensitive);
                if (close < 0)
                    return true;
                i = close;
            }
        }
        return true;
    }
    std::optional<QString> Innermost() const
    {
        return open_.isEmpty() ? std::nullopt : std::optional<QString>(open_.last());
    }

private:
    // An end tag closes its element and whatever was left open inside it; one with no element open is ignored.
    void Close(const QString& name)
    {
        for (qsizetype k = open_.size() - 1; k >= 0; --k) {
            if (open_.at(k).compare(name, Qt::CaseInsensitive) == 0) {
                open_.resize(k);
                return;
            }
        }
    }

    QStringList open_;
};

} // namespace

bool AutoClose::IsVoid(const QString& name)
{
    static const QStringList voids = {
        QStringLiteral("area"),  QStringLiteral("base"),    QStringLiteral("basefont"), QStringLiteral("bgsound"),
        QStringLiteral("br"),    QStringLiteral("col"),     QStringLiteral("embed"),    QStringLiteral("frame"),
        QStringLiteral("hr"),    QStringLiteral("img"),     QStringLiteral("input"),    QStringLiteral("isindex"),
        QStringLiteral("keygen"), QStringLiteral("link"),   QStringLiteral("meta"),     QStringLiteral("param"),
        QStringLiteral("source"), QStringLiteral("spacer"), QStringLiteral("track"),    QStringLiteral("wbr"),
    };
    return voids.contains(name, Qt::CaseInsensitive);
}

std::optional<QString> AutoClose::EndTagFor(const LineSource& text, int caret)
{
    const QStringList marks = {QStringLiteral("<"), QStringLiteral(">")};
    const ContextChecks::Hit hit = ContextChecks::LastOf(text, caret, marks);
    // A start tag that long is no one's typing.
    constexpr int LongestTag = 8000;
    if (hit.needle != 0 || caret - hit.position > LongestTag)
        return std::nullopt;
    const QString tag = ContextChecks::Text(text, hit.position, caret);
    const QString name = NameAt(tag, 1);
    if (name.isEmpty() || !name.at(0).isLetter() || IsVoid(name))
        return std::nullopt;
    const QChar after = tag.size() > name.size() + 1 ? tag.at(name.size() + 1) : QChar(u' ');
    if (!after.isSpace() && after != QLatin1Char('/'))
        return std::nullopt;
    if (InQuotedValue(tag) || tag.trimmed().endsWith(QLatin1Char('/')))
        return std::nullopt;
    // Where a ">" ends no tag.
    const int at = hit.position;
    if (ContextChecks::InScript(text, at) || ContextChecks::InStyleBlock(text, at) ||
        ContextChecks::Inside(text, at, QStringLiteral("<!--"), QStringLiteral("-->")))
        return std::nullopt;
    const QString endTag = QStringLiteral("</") + name + QLatin1Char('>');
    const int line = text.LineOf(caret);
    const QString rest = text.LineText(line).mid(caret - text.LineStart(line));
    if (rest.startsWith(endTag, Qt::CaseInsensitive))
        return std::nullopt;
    return endTag;
}

std::optional<QString> AutoClose::InnermostOpen(const LineSource& text, int before, int lines)
{
    const int last = text.LineOf(before);
    const int first = qMax(0, last - lines);
    OpenElements open;
    if (!open.Walk(ContextChecks::Text(text, text.LineStart(first), before)))
        return std::nullopt;
    return open.Innermost();
}
