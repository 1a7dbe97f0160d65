#include "builders/styles/colorsetting.h"

#include "tagdb/tagdb.h"

QString ColorSetting::SwatchText(int index)
{
    static const char* const texts[SwatchCount] = {"#ff0000", "#0000ff", "#00ff00", "#000000",
                                                   "#ffff00", "#ffffff", ""};
    return index >= 0 && index < SwatchCount ? QString::fromLatin1(texts[index]) : QString();
}

QString ColorSetting::Resolve(const TagDb& db, const QString& text)
{
    QString color = text.toLower();
    const QDomElement names = db.Section(QStringLiteral("color"));
    for (QDomElement e = names.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (e.tagName().toLower() == color)
            color = e.text().trimmed().toLower();
    }
    return color;
}

QString ColorSetting::FromRgb(int red, int green, int blue)
{
    const auto hex = [](int v) { return QStringLiteral("%1").arg(v & 0xff, 2, 16, QLatin1Char('0')).toUpper(); };
    return QLatin1Char('#') + hex(red) + hex(green) + hex(blue);
}
