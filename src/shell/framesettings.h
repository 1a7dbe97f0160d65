#pragma once
// What the main frame remembers between runs: the recent files, its size and place, the page font and the
// view switches. Kept in an INI file; with no file named nothing is read or written (the tests and
// benchmarks never touch the user's own settings).

#include <QByteArray>
#include <QFont>
#include <QString>
#include <QStringList>

#include <optional>

class FrameSettings
{
public:
    static constexpr int MaxRecent = 10;

    explicit FrameSettings(const QString& file) : file_(file) {}

    QStringList RecentFiles() const;
    void SetRecentFiles(const QStringList& files);

    // Where the pages closed last were left (PagePlaces::ToList).
    QStringList PagePlaces() const;
    void SetPagePlaces(const QStringList& places);

    QByteArray Geometry() const;
    void SetGeometry(const QByteArray& geometry);

    std::optional<QFont> PageFont() const;
    void SetPageFont(const QFont& font);

    // A switch by name ("LineNumbers", "SyntaxColour", "Tabbed"), or `fallback` when none is kept.
    bool Switch(const QString& name, bool fallback) const;
    void SetSwitch(const QString& name, bool on);

private:
    QString file_;
};
