#include "base/listfile.h"

#include "base/inplacewriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <unistd.h>

QList<QByteArray> ListFile::Read(const QString& path, const QByteArray& kind)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> lines = file.readAll().split('\n');
    if (lines.value(0) != kind)
        return {};
    lines.removeFirst();
    return lines;
}

bool ListFile::Write(const QString& path, const QByteArray& kind, const QByteArray& entries, bool durable)
{
    if (entries.isEmpty()) {
        QFile::remove(path);
        if (durable)
            InPlaceWriter::SyncFolderOf(path);
        return true;
    }
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir()) {
        if (!QDir().mkpath(folder))
            return false;
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    const QByteArray bytes = kind + '\n' + entries;
    if (out.write(bytes) != bytes.size() || (durable && (!out.flush() || ::fsync(out.handle()) != 0))) {
        out.cancelWriting();
        return false;
    }
    if (!out.commit())
        return false;
    if (durable)
        InPlaceWriter::SyncFolderOf(path);
    return true;
}
