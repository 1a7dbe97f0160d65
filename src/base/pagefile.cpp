#include "base/pagefile.h"

#include "base/helpers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/stat.h>

PageFile::Status PageFile::Read(const QString& path, DecodedPage& page)
{
    QFile file(path);
    const QFileInfo info(path);
    if (!info.exists())
        return NotFound;
    if (!info.isFile())
        return NotAFile;
    if (!file.open(QIODevice::ReadOnly))
        return Unreadable;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Unreadable;
    page = PageCodec::Decode(bytes);
    return Ok;
}

bool PageFile::WriteBytes(const QString& path, const QByteArray& bytes, QString* error)
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
            *error = QStringLiteral("is a folder");
        return false;
    }
    const bool existed = targetInfo.exists();
    const QFileDevice::Permissions permissions = existed ? QFile::permissions(target) : QFileDevice::Permissions();

    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (existed)
        QFile::setPermissions(target, permissions);
    return true;
}

bool PageFile::WriteFresh(const QString& path, const QByteArray& bytes, QString* error)
{
    if (path.isEmpty())
        return false;
    DeleteFileIfExists(path);
    QFile file(path);
    // NewOnly creates with O_EXCL: an existing name, a symbolic link included, makes the open fail.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        if (error)
            *error = file.errorString();
        file.close();
        QFile::remove(path);
        return false;
    }
    return true;
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
