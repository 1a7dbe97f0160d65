#include "base/pagefile.h"

#include "base/helpers.h"
#include "base/inplacewriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

PageFile::Status PageFile::Read(const QString& path, DecodedPage& page, int codec, FileStamp* stamp)
{
    QByteArray bytes;
    const Status status = ReadBytes(path, bytes, stamp);
    if (status == Ok)
        page = codec < 0 ? PageCodec::Decode(bytes) : PageCodec::DecodeAs(bytes, PageEncoding::Codec(codec));
    return status;
}

PageFile::Status PageFile::ReadBytes(const QString& path, QByteArray& bytes, FileStamp* stamp)
{
    QFile file(path);
    const QFileInfo info(path);
    if (!info.exists())
        return NotFound;
    if (!info.isFile())
        return NotAFile;
    if (!file.open(QIODevice::ReadOnly))
        return Unreadable;
    // The file actually opened, whatever its name leads to by now.
    if (stamp)
        *stamp = FileStamp::OfOpen(file.handle());
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Unreadable;
    return Ok;
}

namespace {

// Gives the new file the page's owner and group where this process may (root saving another user's page); where
// it may not, the page was this user's to replace anyway.
void KeepOwner(int fd, const struct stat& st)
{
    if (fd >= 0)
        (void)::fchown(fd, st.st_uid, st.st_gid);
}

// Set once at start-up, before any page is saved.
QString& RewriteListFile()
{
    static QString file;
    return file;
}

} // namespace

void PageFile::SetRewriteList(const QString& file)
{
    RewriteListFile() = file;
}

QString PageFile::RewriteList()
{
    return RewriteListFile();
}

bool PageFile::WriteBytes(const QString& path, const QByteArray& bytes, QString* error)
{
    return WriteStream(
        path, [&bytes](const PieceSink& sink) { return sink(bytes); }, error);
}

bool PageFile::WriteStream(const QString& path, const std::function<bool(const PieceSink& sink)>& produce,
                           QString* error)
{
    QString target = path;
    const QFileInfo info(path);
    if (info.isSymLink()) {
        // Write through to what the link points at, so the link itself stays.
        target = info.symLinkTarget();
    }
    const QFileInfo targetInfo(target);
    if (targetInfo.isDir()) {
        if (error)
            *error = qt_error_string(EISDIR);
        return false;
    }
    const bool existed = targetInfo.exists();
    const QFileDevice::Permissions permissions = existed ? QFile::permissions(target) : QFileDevice::Permissions();
    struct stat st = {};
    const bool known = existed && ::stat(QFile::encodeName(target).constData(), &st) == 0;
    // A new file under the page's name would part it from its other names.
    if (known && S_ISREG(st.st_mode) && st.st_nlink > 1) {
        // Rewritten in place from a whole copy: the old bytes must be put back should the write fail.
        QByteArray bytes;
        if (!produce([&bytes](const QByteArray& piece) {
                bytes.append(piece);
                return true;
            }))
            return false;
        return InPlaceWriter(RewriteList()).Write(targetInfo.canonicalFilePath(), bytes, error);
    }

    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (known && (st.st_uid != ::geteuid() || st.st_gid != ::getegid()))
        KeepOwner(file.handle(), st);
    // The system's own reason (a full disk, a vanished folder) is what the user needs to read.
    errno = 0;
    bool written = true;
    const bool produced = produce([&file, &written](const QByteArray& piece) {
        written = file.write(piece) == piece.size();
        return written;
    });
    if (!written || (produced && !file.flush())) {
        if (error)
            *error = errno != 0 ? qt_error_string(errno) : file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!produced) {
        file.cancelWriting();
        return false;
    }
    errno = 0;
    if (!file.commit()) {
        if (error)
            *error = errno != 0 ? qt_error_string(errno) : file.errorString();
        return false;
    }
    if (existed)
        QFile::setPermissions(target, permissions);
    return true;
}

bool PageFile::WriteFresh(const QString& path, const QByteArray& bytes, QString* error, unsigned mode)
{
    if (path.isEmpty())
        return false;
    DeleteFileIfExists(path);
    // O_EXCL: an existing name, a symbolic link included, makes the open fail. The mode is set on the open
    // file, past the umask, so that a preview is readable by exactly those who may read the page.
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode_t(mode & 0600));
    if (fd < 0) {
        if (error)
            *error = qt_error_string(errno);
        return false;
    }
    ::fchmod(fd, mode_t(mode & 0777));
    QFile file;
    if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle) || file.write(bytes) != bytes.size() ||
        !file.flush()) {
        if (error)
            *error = file.errorString();
        file.close();
        ::unlink(name.constData());
        return false;
    }
    return true;
}

unsigned PageFile::ModeOf(const QString& path)
{
    struct stat st;
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return 0600;
    return unsigned(st.st_mode & 0777);
}

QString PageFile::LowerFileName(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return path.left(slash + 1) + path.mid(slash + 1).toLower();
}

bool PageFile::SameFile(const QString& a, const QString& b)
{
    struct stat sa, sb;
    if (::stat(QFile::encodeName(a).constData(), &sa) != 0 || ::stat(QFile::encodeName(b).constData(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}
