#pragma once
// The preview files the editor writes beside the pages (qz78.html and the like, the dialogs' scratch page), listed
// in a small file in the editor's data folder with what each was when written. A run that ends without removing
// them (a crash, a kill) leaves them in the user's site; the next start removes those still exactly as written,
// and nothing else.

#include <QList>
#include <QString>

struct PreviewFileEntry
{
    QString path;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 seconds = 0; // modification time
    qint64 nanoseconds = 0;

    bool operator==(const PreviewFileEntry&) const = default;
};

class PreviewJournal
{
public:
    // An empty name keeps no list.
    explicit PreviewJournal(const QString& file) : file_(file) {}
    // The list beside the recovery folder.
    static QString Beside(const QString& recoveryFolder);
    // The list of this run ("" until start-up names one: tests and benchmarks keep none).
    static void SetProgramList(const QString& file);
    static PreviewJournal Program();

    // Records the file just written at `path` as it is now, in place of an earlier entry for that name.
    void Add(const QString& path) const;
    // Removes the file at `path` (a link is removed, not followed; a folder stays) and its entry.
    void Discard(const QString& path) const;
    QList<PreviewFileEntry> List() const;
    // Removes each listed file that is still a regular file with the device, inode, size and modification time
    // recorded, and forgets the whole list. Returns the files removed.
    QStringList Sweep() const;

private:
    QList<PreviewFileEntry> Load() const;
    void Save(const QList<PreviewFileEntry>& entries) const;

    QString file_;
};
