#include "editor/headmarkup.h"

#include "base/helpers.h"
#include "tagdb/numbertext.h"

#include <cmath>
#include <limits>

namespace {
bool IsAsciiDigit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}
} // namespace

QString HeadMarkup::NumericText(const QString& text)
{
    bool negative = false;
    qsizetype i = NumberStart(text, negative);
    const qsizetype n = text.size();
    QString whole;
    while (i < n && IsAsciiDigit(text.at(i)))
        whole += text.at(i++);
    QString fraction;
    if (i < n && text.at(i) == QLatin1Char('.')) {
        ++i;
        while (i < n && IsAsciiDigit(text.at(i)))
            fraction += text.at(i++);
    }
    // Worked on as text, so a long number keeps every digit the user typed.
    qsizetype lead = 0;
    while (lead < whole.size() - 1 && whole.at(lead) == QLatin1Char('0'))
        ++lead;
    whole = whole.mid(lead);
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    if (whole.isEmpty())
        whole = QStringLiteral("0");
    QString out = fraction.isEmpty() ? whole : whole + QLatin1Char('.') + fraction;
    if (negative && out != QLatin1String("0"))
        out.prepend(QLatin1Char('-'));
    return out;
}

double HeadMarkup::NumericValue(const QString& text)
{
    return NumericText(text).toDouble();
}

bool HeadMarkup::IntervalSeconds(const QString& text, int& seconds)
{
    // nearbyint rounds to the nearest even number at halves under the default rounding mode.
    const double rounded = std::nearbyint(NumericValue(text));
    if (!(rounded >= 0) || rounded > double(std::numeric_limits<int>::max()))
        return false;
    seconds = int(rounded);
    return true;
}

QString HeadMarkup::RefreshLine(int seconds, const QString& url)
{
    QString line = QStringLiteral("<meta http-equiv='refresh' content='") + QString::number(seconds);
    if (!url.trimmed().isEmpty())
        line += QStringLiteral(";url=") + AttributeValue(url);
    return line + QStringLiteral("'>\r\n");
}

QString HeadMarkup::TransitionLine(const QString& duration, int transition)
{
    return QStringLiteral("<meta http-equiv='Page-Enter' content='revealTrans(Duration=") + duration +
           QStringLiteral(" ,Transition=") + QString::number(transition) + QStringLiteral(")'>\r\n");
}
