#include "builders/styles/sizesetting.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace {

// The leading decimal number of a text (blanks skipped, optional sign and fraction); 0 when there is none.
double LeadingValue(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
        ++i;
    bool digits = false;
    while (i < text.size() && text.at(i).isDigit() && text.at(i).unicode() < 128) {
        ++i;
        digits = true;
    }
    if (i < text.size() && text.at(i) == QLatin1Char('.')) {
        ++i;
        while (i < text.size() && text.at(i).isDigit() && text.at(i).unicode() < 128) {
            ++i;
            digits = true;
        }
    }
    if (!digits)
        return 0;
    bool ok = false;
    const double v = text.mid(start, i - start).toDouble(&ok);
    return ok ? v : 0;
}

int Rounded(double v)
{
    // Positions are whole numbers; keep far-off texts inside int.
    if (v > 1e9)
        return 1000000000;
    if (v < -1e9)
        return -1000000000;
    return int(std::lround(v));
}

} // namespace

QString SizeSetting::UnitText(Unit unit)
{
    switch (unit) {
    case Pt:
        return QStringLiteral("pt");
    case Px:
        return QStringLiteral("px");
    case Em:
        return QStringLiteral("em");
    case Percent:
        return QStringLiteral("%");
    default:
        return QString();
    }
}

bool SizeSetting::KindRange(Kind dtype, int& minimum, int& maximum)
{
    switch (dtype) {
    case FontSizeLength:
        minimum = 1, maximum = 200;
        return true;
    case SpacingLength:
        minimum = -50, maximum = 100;
        return true;
    case PlacementLength:
        minimum = -200, maximum = 400;
        return true;
    case SpareLength:
        minimum = -100, maximum = 200;
        return true;
    case ExtentLength:
        minimum = 0, maximum = 600;
        return true;
    case BoxLength:
        minimum = 0, maximum = 200;
        return true;
    default:
        return false;
    }
}

SizeSetting::Range SizeSetting::ScrollRange(Kind dtype, Unit unit)
{
    Range r;
    int minimum = 0, maximum = 100;
    KindRange(dtype, minimum, maximum);
    switch (unit) {
    case Pt:
        r = {minimum, maximum, 1, 20};
        break;
    case Em:
        r = {minimum, 2 * maximum, 1, 10};
        break;
    case Percent:
        r = {10, 1000, 10, 100};
        break;
    default:
        r = {minimum, 2 * maximum, 1, 20};
        break;
    }
    return r;
}

SizeSetting::Parsed SizeSetting::Parse(const QString& text)
{
    const QString t = text.trimmed().toLower();
    if (t.isEmpty())
        return {Default, 0};
    if (t.endsWith(QLatin1Char('%')))
        return {Percent, Rounded(LeadingValue(t.chopped(1)))};
    if (t.endsWith(QLatin1String("pt")))
        return {Pt, Rounded(LeadingValue(t.chopped(2)))};
    if (t.endsWith(QLatin1String("px")))
        return {Px, Rounded(LeadingValue(t.chopped(2)))};
    if (t.endsWith(QLatin1String("em")))
        return {Em, Rounded(10 * LeadingValue(t.chopped(2)))};
    return {NoUnit, Rounded(LeadingValue(t))};
}

double SizeSetting::NumberAt(int position, Unit unit)
{
    return unit == Em ? position / 10.0 : double(position);
}

QString SizeSetting::NumberText(double number)
{
    return QString::number(number, 'f', QLocale::FloatingPointShortest);
}

QString SizeSetting::Text(int position, Unit unit)
{
    if (unit == Default)
        return QString();
    return NumberText(NumberAt(position, unit)) + UnitText(unit);
}

std::optional<int> SizeSetting::PositionOf(const QString& typed, Unit unit, const Range& r)
{
    static const QRegularExpression whole(QStringLiteral("^-?\\d{1,5}$"));
    static const QRegularExpression tenths(QStringLiteral("^-?\\d{0,5}(\\.\\d)?$"));
    const QString text = typed.trimmed();
    if (unit == Default || !(unit == Em ? tenths : whole).match(text).hasMatch() || text == QLatin1String("-"))
        return std::nullopt;
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    const int position = unit == Em ? int(std::lround(number * 10)) : int(number);
    if (position < r.Minimum || position > r.Maximum)
        return std::nullopt;
    return position;
}
