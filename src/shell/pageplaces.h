#pragma once
// Where each page was left when it closed: the caret's line and column and the first line on screen, for the last
// MaxPages pages closed, newest first. Kept with the recent files, so that a page opened again comes back there.

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class PagePlaces
{
public:
    static constexpr int MaxPages = 50;

    struct Place
    {
        int line = 0; // from 0
        int column = 0;
        int topLine = 0;
        bool operator==(const Place&) const = default;
    };

    void Remember(const QString& path, const Place& place);
    std::optional<Place> Find(const QString& path) const;
    int Count() const { return int(entries_.size()); }

    // One text per page, "line,column,top,path"; entries that do not read so are left out.
    QStringList ToList() const;
    static PagePlaces FromList(const QStringList& list);

    // The place moved into a page of `lineCount` lines whose line i is `lineLength(i)` long: a file that shrank
    // since never puts the caret past its end.
    static Place Fit(Place place, int lineCount, const std::function<int(int)>& lineLength);

private:
    QList<std::pair<QString, Place>> entries_;
};
