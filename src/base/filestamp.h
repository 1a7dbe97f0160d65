#pragma once
// What a page's file was when the editor last read or wrote it: the file its name led to (device and inode,
// through a symbolic link), its size and its modification time. Another program's change shows as a difference.

#include <QString>
#include <QtGlobal>

class FileStamp
{
public:
    // No file.
    static FileStamp Absent() { return FileStamp(); }
    // The file `path` leads to now; an absent one when nothing is there.
    static FileStamp Of(const QString& path);
    // The file open as `fd`.
    static FileStamp OfOpen(int fd);

    bool Exists() const { return exists_; }
    qint64 Size() const { return size_; }
    // The modification time in nanoseconds since the epoch.
    qint64 ModifiedNs() const { return seconds_ * 1000000000 + nanoseconds_; }
    // Whether `now` is another file, or this one written since. A file gone since is no change (saving simply
    // writes it again); one that appeared where there was none is.
    bool ChangedTo(const FileStamp& now) const { return now.exists_ && now != *this; }
    // Whether both are the one file, by whatever names (a symbolic link, a hard link, another spelling).
    bool SameFile(const FileStamp& other) const
    {
        return exists_ && other.exists_ && device_ == other.device_ && inode_ == other.inode_;
    }

    bool operator==(const FileStamp&) const = default;

private:
    FileStamp(quint64 device, quint64 inode, qint64 size, qint64 seconds, qint64 nanoseconds)
        : exists_(true), device_(device), inode_(inode), size_(size), seconds_(seconds), nanoseconds_(nanoseconds)
    {
    }
    FileStamp() = default;

    bool exists_ = false;
    quint64 device_ = 0;
    quint64 inode_ = 0;
    qint64 size_ = 0;
    qint64 seconds_ = 0;
    qint64 nanoseconds_ = 0;
};
