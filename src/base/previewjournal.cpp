#include "base/previewjournal.h"

#include "base/helpers.h"
#include "base/listfile.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kMagic = QByteArrayLiteral("KESTREL-PREVIEWS 1");

QString& ProgramList()
{
    static QString file;
    return file;
}

// What is at `path` itself (a link is not followed); false when it is not a regular file.
bool RegularFile(const QString& path, PreviewFileEntry& e)
{
    struct stat st = {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    e.path = path;
    e.device = st.st_dev;
    e.inode = st.st_ino;
    e.size = st.st_size;
    e.seconds = st.st_mtim.tv_sec;
    e.nanoseconds = st.st_mtim.tv_nsec;
    return true;
}

QByteArray Line(const PreviewFileEntry& e)
{
    QByteArray line = QUrl::toPercentEncoding(e.path, "/");
    for (const qint64 n : {qint64(e.device), qint64(e.inode), e.size, e.seconds, e.nanoseconds})
        line += ' ' + QByteArray::number(n);
    return line + '\n';
}

bool FromLine(const QByteArray& line, PreviewFileEntry& e)
{
    const QList<QByteArray> fields = line.split(' ');
    if (fields.size() != 6)
        return false;
    qint64 numbers[5] = {};
    for (int i = 0; i < 5; ++i) {
        bool ok = false;
        numbers[i] = fields.at(i + 1).toLongLong(&ok);
        if (!ok)
            return false;
    }
    e.path = QUrl::fromPercentEncoding(fields.at(0));
    e.device = quint64(numbers[0]);
    e.inode = quint64(numbers[1]);
    e.size = numbers[2];
    e.seconds = numbers[3];
    e.nanoseconds = numbers[4];
    return QFileInfo(e.path).isAbsolute();
}

} // namespace

QString PreviewJournal::Beside(const QString& recoveryFolder)
{
    return QFileInfo(recoveryFolder).absolutePath() + QStringLiteral("/previews.list");
}

void PreviewJournal::SetProgramList(const QString& file)
{
    ProgramList() = file;
}

PreviewJournal PreviewJournal::Program()
{
    return PreviewJournal(ProgramList());
}

QList<PreviewFileEntry> PreviewJournal::Load() const
{
    QList<PreviewFileEntry> entries;
    for (const QByteArray& line : ListFile::Read(file_, kMagic)) {
        PreviewFileEntry e;
        if (FromLine(line, e))
            entries.append(e);
    }
    return entries;
}

void PreviewJournal::Save(const QList<PreviewFileEntry>& entries) const
{
    if (file_.isEmpty())
        return;
    QByteArray lines;
    for (const PreviewFileEntry& e : entries)
        lines += Line(e);
    // Only the program's own end has to be outlived, not the machine's: no flush to the disk.
    ListFile::Write(file_, kMagic, lines, false);
}

void PreviewJournal::Add(const QString& path) const
{
    PreviewFileEntry written;
    if (file_.isEmpty() || !RegularFile(path, written))
        return;
    QList<PreviewFileEntry> entries = Load();
    entries.removeIf([&path](const PreviewFileEntry& e) { return e.path == path; });
    entries.append(written);
    Save(entries);
}

void PreviewJournal::Discard(const QString& path) const
{
    DeleteFileIfExists(path);
    if (file_.isEmpty())
        return;
    QList<PreviewFileEntry> entries = Load();
    if (entries.removeIf([&path](const PreviewFileEntry& e) { return e.path == path; }) > 0)
        Save(entries);
}

QList<PreviewFileEntry> PreviewJournal::List() const
{
    return Load();
}

QStringList PreviewJournal::Sweep() const
{
    QStringList removed;
    for (const PreviewFileEntry& e : Load()) {
        // Anything else at that name now is the user's: changed, replaced, a link or a folder.
        PreviewFileEntry now;
        if (RegularFile(e.path, now) && now == e && ::unlink(QFile::encodeName(e.path).constData()) == 0)
            removed.append(e.path);
    }
    Save({});
    return removed;
}
