#pragma once
// Remembers, per set of markers, the last marker found before a position, so that the next search from further
// down only reads the lines in between. An edit forgets what lies after it.

#include <QHash>
#include <QString>

class ScanMemo
{
public:
    struct Entry
    {
        int end = 0;       // the last occurrence lying wholly before `end`...
        int needle = -1;   // ...is this marker (-1: there is none)
        int position = -1; // ...starting here
    };

    const Entry* Find(const QString& key) const;
    // `longest`: the longest marker of the key's set.
    void Store(const QString& key, const Entry& entry, int longest);
    // The text changed from `position` on: what was known before it still holds.
    void TextChanged(int position);
    void Clear() { entries_.clear(); }

private:
    struct Stored
    {
        Entry entry;
        int longest = 1;
    };
    QHash<QString, Stored> entries_;
};
