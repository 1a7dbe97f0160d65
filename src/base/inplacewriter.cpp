#include "base/inplacewriter.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The piece written at a time: a big page is never written in one go the kernel may cut anywhere.
constexpr qsizetype kPiece = 64 * 1024;

// Closes a descriptor on every way out.
struct Descriptor
{
    int fd = -1;
    explicit Descriptor(int f) : fd(f) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

bool ReadAll(int fd, QByteArray& bytes)
{
    struct stat st = {};
    if (::fstat(fd, &st) != 0)
        return false;
    bytes.clear();
    bytes.reserve(qsizetype(st.st_size));
    char buffer[kPiece];
    for (off_t at = 0;;) {
        const ssize_t n = ::pread(fd, buffer, sizeof buffer, at);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        bytes.append(buffer, n);
        at += n;
    }
}

bool WriteAt(int fd, const char* data, qsizetype size, off_t at)
{
    while (size > 0) {
        const ssize_t n = ::pwrite(fd, data, size_t(size), at);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= n;
        at += n;
    }
    return true;
}

bool KilledAfterFirstPiece()
{
    static const bool kill = qEnvironmentVariableIsSet("KESTREL_TEST_KILL_REWRITE");
    return kill;
}

QString Reason()
{
    return qt_error_string(errno);
}

} // namespace

bool InPlaceWriter::Overwrite(int fd, const QByteArray& bytes)
{
    for (qsizetype at = 0; at < bytes.size(); at += kPiece) {
        if (!WriteAt(fd, bytes.constData() + at, std::min(kPiece, bytes.size() - at), off_t(at)))
            return false;
        if (at == 0 && KilledAfterFirstPiece())
            ::raise(SIGKILL);
    }
    return ::ftruncate(fd, off_t(bytes.size())) == 0 && ::fsync(fd) == 0;
}

void InPlaceWriter::SyncFolderOf(const QString& path)
{
    const Descriptor folder(
        ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.fd >= 0)
        ::fsync(folder.fd);
}

QString InPlaceWriter::MakeCopy(const QString& page, int fd, const QByteArray& previous)
{
    struct stat st = {};
    if (::fstat(fd, &st) != 0)
        return QString();
    for (int n = 0; n < 100; ++n) {
        const QString name = RewriteJournal::CopyName(page, n);
        const QByteArray encoded = QFile::encodeName(name);
        // Never through a name someone put there: a copy left by an unfinished rewrite included.
        const Descriptor copy(::open(encoded.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (copy.fd < 0 && errno == EEXIST)
            continue;
        if (copy.fd < 0)
            return QString();
        // The copy is readable by exactly those who may read the page. Another user's page (root saving it)
        // keeps its owner; where that is not allowed the page is this user's anyway.
        const bool mine = st.st_uid == ::geteuid() && st.st_gid == ::getegid();
        if (!mine && ::fchown(copy.fd, st.st_uid, st.st_gid) != 0)
            errno = 0;
        if (::fchmod(copy.fd, st.st_mode & 0777) == 0 && WriteAt(copy.fd, previous.constData(), previous.size(), 0) &&
            ::fsync(copy.fd) == 0) {
            SyncFolderOf(name);
            return name;
        }
        const int reason = errno;
        ::unlink(encoded.constData());
        errno = reason;
        return QString();
    }
    errno = EEXIST;
    return QString();
}

bool InPlaceWriter::Write(const QString& page, const QByteArray& bytes, QString* error) const
{
    const auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    const Descriptor file(::open(QFile::encodeName(page).constData(), O_RDWR | O_NOFOLLOW | O_CLOEXEC));
    struct stat st = {};
    QByteArray previous;
    if (file.fd < 0 || ::fstat(file.fd, &st) != 0 || !ReadAll(file.fd, previous))
        return fail(Reason());
    const QString copy = MakeCopy(page, file.fd, previous);
    if (copy.isEmpty())
        return fail(Reason());
    const PageCopy entry{page, copy, quint64(st.st_dev), quint64(st.st_ino)};
    // Without the list the copy is still there under its name; the save goes on.
    journal_.Add(entry);
    if (Overwrite(file.fd, bytes)) {
        journal_.Discard(entry);
        return true;
    }
    const QString reason = Reason();
    if (Overwrite(file.fd, previous)) {
        journal_.Discard(entry);
        return fail(reason);
    }
    return fail(reason + QStringLiteral("\n原来的内容保存在 ") + entry.copy);
}
