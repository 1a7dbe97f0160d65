#include "tagdb/numbertext.h"

#include <climits>

qsizetype NumberStart(const QString& text, bool& negative)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text.at(i) == QLatin1Char(' ') || text.at(i) == QLatin1Char('\t')))
        ++i;
    negative = false;
    if (i < n && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    return i;
}

int LeadingNumber(const QString& text)
{
    bool negative = false;
    qsizetype i = NumberStart(text, negative);
    const qsizetype n = text.size();
    qint64 value = 0;
    bool any = false;
    while (i < n && text.at(i).isDigit() && text.at(i).unicode() < 128) {
        value = value * 10 + (text.at(i).unicode() - '0');
        if (value > INT_MAX)
            value = INT_MAX;
        any = true;
        ++i;
    }
    if (!any)
        return 0;
    return int(negative ? -value : value);
}
