#pragma once
// The editor's small lists in its data folder (pages being rewritten, preview files written): a first line naming
// the list's kind and version, then one entry a line. The folder and the file are the user's alone, since they
// name the user's pages.

#include <QByteArray>
#include <QList>
#include <QString>

class ListFile
{
public:
    // The entry lines, or none when the file is missing or of another kind.
    static QList<QByteArray> Read(const QString& path, const QByteArray& kind);
    // Replaces the list with `entries` (each ending in a line break); no entries remove the file. `durable`: on
    // the disk before it returns, not only written out. False when it could not be written.
    static bool Write(const QString& path, const QByteArray& kind, const QByteArray& entries, bool durable);
};
