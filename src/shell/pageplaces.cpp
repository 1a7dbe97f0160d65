#include "shell/pageplaces.h"

#include <algorithm>

void PagePlaces::Remember(const QString& path, const Place& place)
{
    entries_.removeIf([&path](const auto& entry) { return entry.first == path; });
    entries_.prepend({path, place});
    if (entries_.size() > MaxPages)
        entries_.resize(MaxPages);
}

std::optional<PagePlaces::Place> PagePlaces::Find(const QString& path) const
{
    for (const auto& [file, place] : entries_)
        if (file == path)
            return place;
    return std::nullopt;
}

QStringList PagePlaces::ToList() const
{
    QStringList list;
    for (const auto& [file, place] : entries_)
        list.append(QStringLiteral("%1,%2,%3,%4").arg(place.line).arg(place.column).arg(place.topLine).arg(file));
    return list;
}

PagePlaces PagePlaces::FromList(const QStringList& list)
{
    PagePlaces places;
    for (const QString& text : list) {
        // The path comes last and may hold commas itself.
        const QStringList parts = text.split(QLatin1Char(','));
        if (parts.size() < 4 || places.entries_.size() >= MaxPages)
            continue;
        bool ok[3] = {};
        const Place place{parts[0].toInt(&ok[0]), parts[1].toInt(&ok[1]), parts[2].toInt(&ok[2])};
        const QString path = parts.mid(3).join(QLatin1Char(','));
        if (!ok[0] || !ok[1] || !ok[2] || place.line < 0 || place.column < 0 || place.topLine < 0 || path.isEmpty() ||
            places.Find(path))
            continue;
        places.entries_.append({path, place});
    }
    return places;
}

PagePlaces::Place PagePlaces::Fit(Place place, int lineCount, const std::function<int(int)>& lineLength)
{
    const int last = std::max(lineCount - 1, 0);
    place.line = std::clamp(place.line, 0, last);
    place.topLine = std::clamp(place.topLine, 0, last);
    place.column = std::clamp(place.column, 0, lineCount > 0 ? std::max(lineLength(place.line), 0) : 0);
    return place;
}
