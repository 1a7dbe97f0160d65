#include "builders/elements/mediavalues.h"

#include <QStringList>

namespace {

bool Number(const QString& text, double* value = nullptr)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (value)
        *value = v;
    return ok;
}

bool AboveZero(const QString& text)
{
    double v = 0;
    return Number(text, &v) && v > 0;
}

QString OrZero(const QString& text)
{
    return text.trimmed().isEmpty() ? QStringLiteral("0") : text;
}

} // namespace

QString MediaValues::PlayTime(const QString& minutes, const QString& seconds)
{
    if (!AboveZero(minutes) && !AboveZero(seconds))
        return QString();
    return OrZero(minutes) + QLatin1Char(':') + OrZero(seconds);
}

bool MediaValues::SplitPlayTime(const QString& value, QString& minutes, QString& seconds)
{
    const QStringList parts = value.split(QLatin1Char(':'));
    if (parts.size() != 2 || !Number(parts.at(0)) || !Number(parts.at(1)))
        return false;
    minutes = parts.at(0).trimmed();
    seconds = parts.at(1).trimmed();
    return true;
}

bool MediaValues::IsCount(const QString& value)
{
    return AboveZero(value);
}

bool MediaValues::IsEndless(const QString& value)
{
    const QString v = value.trimmed();
    if (v.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ||
        v.compare(QLatin1String("infinite"), Qt::CaseInsensitive) == 0)
        return true;
    double n = 0;
    return Number(v, &n) && n < 0;
}
