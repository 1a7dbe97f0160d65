#include "base/rewritejournal.h"

#include "base/inplacewriter.h"
#include "base/listfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kMagic = QByteArrayLiteral("KESTREL-REWRITES 1");

bool IsFile(const QString& path)
{
    struct stat st = {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

QByteArray Line(const PageCopy& e)
{
    return QUrl::toPercentEncoding(e.page, "/") + ' ' + QUrl::toPercentEncoding(e.copy, "/") + ' ' +
           QByteArray::number(e.device) + ' ' + QByteArray::number(e.inode) + '\n';
}

// Only what a rewrite could have listed: an absolute page and a hidden copy of it beside it. A list written by
// anyone else names no other file to write over or remove.
bool SoundPair(const QString& page, const QString& copy)
{
    const QFileInfo p(page), c(copy);
    return p.isAbsolute() && QDir::cleanPath(page) == page && c.isAbsolute() && QDir::cleanPath(copy) == copy &&
           c.path() == p.path() && c.fileName().startsWith(QLatin1Char('.') + p.fileName() + QLatin1Char('.')) &&
           copy.endsWith(QLatin1String(RewriteJournal::Suffix));
}

bool FromLine(const QByteArray& line, PageCopy& e)
{
    const QList<QByteArray> fields = line.split(' ');
    bool deviceOk = false, inodeOk = false;
    if (fields.size() != 4)
        return false;
    e.page = QUrl::fromPercentEncoding(fields.at(0));
    e.copy = QUrl::fromPercentEncoding(fields.at(1));
    e.device = fields.at(2).toULongLong(&deviceOk);
    e.inode = fields.at(3).toULongLong(&inodeOk);
    return deviceOk && inodeOk && SoundPair(e.page, e.copy);
}

} // namespace

QString RewriteJournal::Beside(const QString& recoveryFolder)
{
    return QFileInfo(recoveryFolder).absolutePath() + QStringLiteral("/rewrites.list");
}

QString RewriteJournal::CopyName(const QString& page, int n)
{
    const QFileInfo info(page);
    const QString number = n > 0 ? QLatin1Char('.') + QString::number(n) : QString();
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + number + QLatin1String(Suffix);
}

QList<PageCopy> RewriteJournal::Load() const
{
    QList<PageCopy> entries;
    for (const QByteArray& line : ListFile::Read(file_, kMagic)) {
        PageCopy e;
        // An entry whose copy is gone has nothing left to offer.
        if (FromLine(line, e) && IsFile(e.copy))
            entries.append(e);
    }
    return entries;
}

bool RewriteJournal::Save(const QList<PageCopy>& entries) const
{
    QByteArray lines;
    for (const PageCopy& e : entries)
        lines += Line(e);
    return ListFile::Write(file_, kMagic, lines, true);
}

bool RewriteJournal::Add(const PageCopy& entry) const
{
    if (file_.isEmpty())
        return true;
    QList<PageCopy> entries = Load();
    entries.append(entry);
    return Save(entries);
}

void RewriteJournal::Remove(const PageCopy& entry) const
{
    if (file_.isEmpty())
        return;
    QList<PageCopy> entries = Load();
    entries.removeAll(entry);
    Save(entries);
}

QList<PageCopy> RewriteJournal::List() const
{
    return Load();
}

void RewriteJournal::Discard(const PageCopy& entry) const
{
    // The copy first: an entry without its copy is passed over, a copy without its entry would be forgotten.
    ::unlink(QFile::encodeName(entry.copy).constData());
    InPlaceWriter::SyncFolderOf(entry.copy);
    Remove(entry);
}

bool RewriteJournal::Restore(const PageCopy& entry, QString* error) const
{
    const auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    QByteArray bytes;
    {
        QFile copy(entry.copy);
        if (!IsFile(entry.copy) || !copy.open(QIODevice::ReadOnly))
            return fail(copy.errorString());
        bytes = copy.readAll();
    }
    const QByteArray page = QFile::encodeName(entry.page);
    const int fd = ::open(page.constData(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) {
        if (::rename(QFile::encodeName(entry.copy).constData(), page.constData()) != 0)
            return fail(qt_error_string(errno));
        InPlaceWriter::SyncFolderOf(entry.page);
        Remove(entry);
        return true;
    }
    if (fd < 0)
        return fail(qt_error_string(errno));
    struct stat st = {};
    const bool same = ::fstat(fd, &st) == 0 && quint64(st.st_dev) == entry.device && quint64(st.st_ino) == entry.inode;
    const bool written = same && InPlaceWriter::Overwrite(fd, bytes);
    const QString reason = written ? QString() : qt_error_string(errno);
    ::close(fd);
    if (!same)
        return fail(QStringLiteral("%1 已经不是保存时的那个文件。").arg(entry.page));
    if (!written)
        return fail(reason);
    Discard(entry);
    return true;
}
