#include "base/filestamp.h"

#include <QFile>

#include <sys/stat.h>

FileStamp FileStamp::Of(const QString& path)
{
    struct stat st = {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0)
        return Absent();
    return FileStamp(st.st_dev, st.st_ino, st.st_size, st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
}

FileStamp FileStamp::OfOpen(int fd)
{
    struct stat st = {};
    if (fd < 0 || ::fstat(fd, &st) != 0)
        return Absent();
    return FileStamp(st.st_dev, st.st_ino, st.st_size, st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
}
