#pragma once
// The pages being rewritten in place (a page with several hard links is written over, not replaced), each with the
// copy of its old bytes that stands beside it meanwhile. The list is a small file in the editor's data folder, so
// that the next start finds what a run ended in the middle of a rewrite left, without searching any disk.

#include <QList>
#include <QString>

struct PageCopy
{
    QString page; // the file rewritten
    QString copy; // its old bytes, beside it
    // The page's file: another file put at its name since is not written over.
    quint64 device = 0;
    quint64 inode = 0;

    bool operator==(const PageCopy&) const = default;
};

class RewriteJournal
{
public:
    // An empty name keeps no list.
    explicit RewriteJournal(const QString& file) : file_(file) {}
    // The list beside the recovery folder.
    static QString Beside(const QString& recoveryFolder);
    // The copy of "/pages/index.html": "/pages/.index.html.kestrel-backup", or with n > 0 "/pages/.index.html.n…"
    // for the next names tried while one is taken.
    static QString CopyName(const QString& page, int n = 0);
    static constexpr const char* Suffix = ".kestrel-backup";

    // Both reach the disk before they return.
    bool Add(const PageCopy& entry) const;
    void Remove(const PageCopy& entry) const;
    // The rewrites a run did not finish whose copy is still there.
    QList<PageCopy> List() const;

    // Puts the copy's bytes back over the page, in place so that every name of the page sees them, then drops
    // the copy. A page gone since gets the copy as its file.
    bool Restore(const PageCopy& entry, QString* error = nullptr) const;
    // Removes the copy and its entry.
    void Discard(const PageCopy& entry) const;

private:
    QList<PageCopy> Load() const;
    bool Save(const QList<PageCopy>& entries) const;

    QString file_;
};
