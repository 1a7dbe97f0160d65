#include "shell/framesettings.h"

#include <QSettings>

QStringList FrameSettings::RecentFiles() const
{
    if (file_.isEmpty())
        return {};
    return QSettings(file_, QSettings::IniFormat).value(QStringLiteral("RecentFiles")).toStringList().mid(0, MaxRecent);
}

void FrameSettings::SetRecentFiles(const QStringList& files)
{
    if (!file_.isEmpty())
        QSettings(file_, QSettings::IniFormat).setValue(QStringLiteral("RecentFiles"), files.mid(0, MaxRecent));
}

QStringList FrameSettings::PagePlaces() const
{
    if (file_.isEmpty())
        return {};
    return QSettings(file_, QSettings::IniFormat).value(QStringLiteral("PagePlaces")).toStringList();
}

void FrameSettings::SetPagePlaces(const QStringList& places)
{
    if (!file_.isEmpty())
        QSettings(file_, QSettings::IniFormat).setValue(QStringLiteral("PagePlaces"), places);
}

QByteArray FrameSettings::Geometry() const
{
    if (file_.isEmpty())
        return {};
    return QSettings(file_, QSettings::IniFormat).value(QStringLiteral("Window/Geometry")).toByteArray();
}

void FrameSettings::SetGeometry(const QByteArray& geometry)
{
    if (!file_.isEmpty())
        QSettings(file_, QSettings::IniFormat).setValue(QStringLiteral("Window/Geometry"), geometry);
}

std::optional<QFont> FrameSettings::PageFont() const
{
    if (file_.isEmpty())
        return std::nullopt;
    const QString text = QSettings(file_, QSettings::IniFormat).value(QStringLiteral("Page/Font")).toString();
    QFont font;
    if (text.isEmpty() || !font.fromString(text))
        return std::nullopt;
    return font;
}

void FrameSettings::SetPageFont(const QFont& font)
{
    if (!file_.isEmpty())
        QSettings(file_, QSettings::IniFormat).setValue(QStringLiteral("Page/Font"), font.toString());
}

bool FrameSettings::Switch(const QString& name, bool fallback) const
{
    if (file_.isEmpty())
        return fallback;
    return QSettings(file_, QSettings::IniFormat).value(QStringLiteral("Switches/") + name, fallback).toBool();
}

void FrameSettings::SetSwitch(const QString& name, bool on)
{
    if (!file_.isEmpty())
        QSettings(file_, QSettings::IniFormat).setValue(QStringLiteral("Switches/") + name, on);
}
