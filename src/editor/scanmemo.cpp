#include "editor/scanmemo.h"

const ScanMemo::Entry* ScanMemo::Find(const QString& key) const
{
    const auto found = entries_.constFind(key);
    return found == entries_.constEnd() ? nullptr : &found->entry;
}

void ScanMemo::Store(const QString& key, const Entry& entry, int longest)
{
    entries_.insert(key, Stored{entry, qMax(1, longest)});
}

void ScanMemo::TextChanged(int position)
{
    for (auto it = entries_.begin(); it != entries_.end();) {
        Entry& e = it->entry;
        if (position >= e.end) {
            ++it;
            continue;
        }
        // Only occurrences that lie wholly before the change are still known; one that ended near it may have
        // been cut, and a marker may now end inside the changed text.
        const int end = qMax(0, position);
        if (e.needle >= 0 && e.position + it->longest > end) {
            it = entries_.erase(it);
            continue;
        }
        e.end = end;
        ++it;
    }
}
