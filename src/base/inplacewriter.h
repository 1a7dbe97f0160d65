#pragma once
// Writes a page over its own file, so that its other hard links keep reaching it. A named copy of the old bytes,
// flushed to disk beside the page before its first byte is written and listed in the rewrite list, stands in
// until the new bytes are on disk: a failed write puts the old bytes back, and a run that ends in the middle
// leaves the copy for the next start to offer.

#include "base/rewritejournal.h"

#include <QByteArray>
#include <QString>

class InPlaceWriter
{
public:
    // `list`: the rewrite list ("" keeps none).
    explicit InPlaceWriter(const QString& list) : journal_(list) {}

    bool Write(const QString& page, const QByteArray& bytes, QString* error) const;

    // Writes `bytes` over the open file from its start, cuts it there and flushes it to disk.
    // KESTREL_TEST_KILL_REWRITE (tests) ends the process once the first piece is written.
    static bool Overwrite(int fd, const QByteArray& bytes);
    // Flushes the folder holding `path`, so that a name made or removed there is on disk.
    static void SyncFolderOf(const QString& path);

private:
    // Creates the copy of the page open as `fd` exclusively under the first free copy name, with the page's
    // owner and permissions, and flushes it. Returns its name, "" on failure (errno says why).
    static QString MakeCopy(const QString& page, int fd, const QByteArray& previous);

    RewriteJournal journal_;
};
