#include "editor/tagparser.h"

#include "base/helpers.h"

namespace {

bool IsSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char('\t');
}

} // namespace

bool TagParser::ParseTagHead(const QString& tag, QString& name, int& nameEnd)
{
    if (tag.size() < 3)
        return false;
    const int last = int(tag.size()) - 1;
    int q = 0;
    while (q < last && !IsSpace(tag.at(q)))
        ++q;
    name = tag.left(q).toLower();
    nameEnd = q;
    return true;
}

TagParser::Status TagParser::ParseAttributes(const QString& tag, int from, QStringList& names, QStringList& values,
                                             int& count, const std::function<void()>& afterEntry)
{
    const int n = int(tag.size());
    QStringList outNames{QString()};
    QStringList outValues{QString()};
    int q = qMax(0, from);
    int k = 0;
    for (;;) {
        while (q < n && (IsSpace(tag.at(q)) || tag.at(q) == QLatin1Char('"')))
            ++q;
        ++k;
        if (k > MaxEntries)
            return TooManyEntries;
        const int start = q;
        while (q < n && !IsSpace(tag.at(q)) && tag.at(q) != QLatin1Char('>') && tag.at(q) != QLatin1Char('='))
            ++q;
        outNames.append(tag.mid(start, q - start).trimmed().toLower());
        outValues.append(QString());
        if (q == start)
            break; // the entry started on ">" or "=" (or at the end): the tag is done
        while (q < n && IsSpace(tag.at(q)))
            ++q;
        bool last = q >= n;
        if (!last && tag.at(q) == QLatin1Char('=')) {
            ++q;
            while (q < n && IsSpace(tag.at(q)))
                ++q;
            int valueStart = q;
            if (q < n && (tag.at(q) == QLatin1Char('"') || tag.at(q) == QLatin1Char('\''))) {
                const QChar quote = tag.at(q);
                valueStart = ++q;
                while (q < n && tag.at(q) != quote && tag.at(q) != QLatin1Char('>'))
                    ++q;
                outValues.last() = tag.mid(valueStart, q - valueStart).trimmed();
                if (q < n && tag.at(q) == quote) {
                    ++q; // past the closing quote, whichever it is
                    last = q >= n || tag.at(q) == QLatin1Char('>');
                }
            } else {
                while (q < n && !IsSpace(tag.at(q)) && tag.at(q) != QLatin1Char('>'))
                    ++q;
                outValues.last() = tag.mid(valueStart, q - valueStart).trimmed();
                last = q >= n || tag.at(q) == QLatin1Char('>');
            }
        }
        if (afterEntry)
            afterEntry();
        if (last)
            break;
    }
    names = outNames;
    values = outValues;
    count = k;
    return Parsed;
}

QString TagParser::Quoted(const QString& text)
{
    const QString value = AttributeValue(text);
    const QChar q(u'"');
    if (!value.contains(q))
        return q + value + q;
    if (!value.contains(QLatin1Char('\'')))
        return QLatin1Char('\'') + value + QLatin1Char('\'');
    QString v = value;
    v.replace(q, QLatin1String("&quot;"));
    return q + v + q;
}
