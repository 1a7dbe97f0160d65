#include "builders/scripts/windowfeatures.h"

const QStringList WindowFeatures::FeatureNames{QStringLiteral("toolbar"),     QStringLiteral("location"),
                                               QStringLiteral("directories"), QStringLiteral("status"),
                                               QStringLiteral("menubar"),     QStringLiteral("scrollbars"),
                                               QStringLiteral("resizable"),   QStringLiteral("fullscreen")};
const QStringList WindowFeatures::SizeNames{QStringLiteral("width"), QStringLiteral("height"), QStringLiteral("left"),
                                            QStringLiteral("top")};

void WindowFeatures::SetTicked(int i, bool on)
{
    if (i < 0 || i >= FeatureCount)
        return;
    Ticked[i] = on;
    if (i == FullScreen && on)
        for (QString& size : Sizes)
            size.clear();
}

void WindowFeatures::SetSize(int i, const QString& text)
{
    if (i >= 0 && i < SizeCount)
        Sizes[i] = text;
}

QString WindowFeatures::FeatureList() const
{
    QStringList parts;
    for (int i = 0; i < FeatureCount; ++i)
        parts.append(FeatureNames.at(i) + QLatin1Char('=') +
                     (Ticked[i] ? QStringLiteral("Yes") : QStringLiteral("No")));
    return parts.join(QLatin1Char(','));
}

QString WindowFeatures::SizePart() const
{
    QString part;
    for (int i = 0; i < SizeCount; ++i)
        if (!Sizes[i].trimmed().isEmpty())
            part += SizeNames.at(i) + QLatin1Char('=') + Sizes[i] + QLatin1Char(',');
    return part;
}
