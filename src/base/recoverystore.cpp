#include "base/recoverystore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUrl>
#include <QUuid>

#include <algorithm>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kMagic = QByteArrayLiteral("KESTREL-RECOVERY 1");
// A journal: edits to the page's file, in frames after the header.
const QByteArray kJournalMagic = QByteArrayLiteral("KESTREL-RECOVERY 2");
// A header longer than this is no header of ours.
constexpr qsizetype kMaxHeader = 64 * 1024;

QByteArray Field(const char* key, const QString& value)
{
    return QByteArray(key) + ' ' + QUrl::toPercentEncoding(value, "/") + '\n';
}

QByteArray CodecName(const PageEncoding& e)
{
    QByteArray name = CodePages::Of(e.codec).stored;
    if (e.bom)
        name += "+BOM";
    return name;
}

QByteArray LineEndName(PageEncoding::LineEnd end)
{
    switch (end) {
    case PageEncoding::Lf:
        return "LF";
    case PageEncoding::Cr:
        return "CR";
    case PageEncoding::CrLf:
        break;
    }
    return "CRLF";
}

} // namespace

QByteArray RecoveryStore::Encode(const RecoveryEntry& entry)
{
    QByteArray out = (entry.journal ? kJournalMagic : kMagic) + '\n';
    out += Field("path", entry.path);
    out += Field("name", entry.name);
    out += "time " + entry.time.toUTC().toString(Qt::ISODateWithMs).toLatin1() + '\n';
    out += "encoding " + CodecName(entry.encoding) + '\n';
    out += "lineend " + LineEndName(entry.encoding.lineEnd) + '\n';
    if (entry.ownBreaks)
        out += "breaks own\n";
    if (entry.identity) {
        out += "size " + QByteArray::number(entry.identity->size) + '\n';
        out += "mtime " + QByteArray::number(entry.identity->modifiedNs) + '\n';
        if (!entry.identity->hash.isEmpty())
            out += "hash " + entry.identity->hash + '\n';
    }
    if (entry.journal)
        out +=
            "readcodec " +
            (entry.readCodec < 0 ? QByteArray("auto") : QByteArray(CodePages::Of(CodePageId(entry.readCodec)).stored)) +
            '\n';
    out += '\n';
    if (!entry.journal)
        out += entry.text.toUtf8();
    return out;
}

bool RecoveryStore::Decode(const QByteArray& bytes, RecoveryEntry& entry, bool withText)
{
    const qsizetype end = bytes.indexOf("\n\n");
    if (end < 0 || end > kMaxHeader)
        return false;
    const QList<QByteArray> lines = bytes.left(end).split('\n');
    if (lines.value(0) != kMagic && lines.value(0) != kJournalMagic)
        return false;
    RecoveryEntry e;
    e.journal = lines.value(0) == kJournalMagic;
    bool havePath = false, haveName = false, haveTime = false, haveCodec = false, haveEnd = false;
    bool haveSize = false, haveTimeNs = false;
    PageIdentity identity;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray& line = lines.at(i);
        const qsizetype space = line.indexOf(' ');
        const QByteArray key = space < 0 ? line : line.left(space);
        const QByteArray value = space < 0 ? QByteArray() : line.mid(space + 1);
        if (key == "path") {
            e.path = QUrl::fromPercentEncoding(value);
            havePath = true;
        } else if (key == "name") {
            e.name = QUrl::fromPercentEncoding(value);
            haveName = true;
        } else if (key == "time") {
            e.time = QDateTime::fromString(QString::fromLatin1(value), Qt::ISODateWithMs);
            haveTime = e.time.isValid();
        } else if (key == "encoding") {
            const bool bom = value.endsWith("+BOM");
            const QByteArray codec = bom ? value.chopped(4) : value;
            const CodePage* page = CodePages::Stored(codec);
            if (!page)
                return false;
            e.encoding.codec = page->id;
            e.encoding.bom = bom;
            haveCodec = true;
        } else if (key == "lineend") {
            if (value == "CRLF")
                e.encoding.lineEnd = PageEncoding::CrLf;
            else if (value == "LF")
                e.encoding.lineEnd = PageEncoding::Lf;
            else if (value == "CR")
                e.encoding.lineEnd = PageEncoding::Cr;
            else
                return false;
            haveEnd = true;
        } else if (key == "breaks") {
            e.ownBreaks = value == "own";
        } else if (key == "size") {
            identity.size = value.toLongLong(&haveSize);
        } else if (key == "mtime") {
            identity.modifiedNs = value.toLongLong(&haveTimeNs);
        } else if (key == "hash") {
            identity.hash = value;
        } else if (key == "readcodec") {
            const CodePage* page = CodePages::Stored(value);
            if (!page && value != "auto")
                return false;
            e.readCodec = page ? int(page->id) : -1;
        }
        // Fields a later version adds are passed over.
    }
    if (!(havePath && haveName && haveTime && haveCodec && haveEnd))
        return false;
    if (haveSize && haveTimeNs)
        e.identity = identity;
    // A journal stands on the page's file: without the file's identity it stands on nothing.
    if (e.journal && (!e.identity || e.identity->hash.isEmpty() || e.path.isEmpty()))
        return false;
    if (withText && e.journal)
        e.wholeBytes = EditJournal::ReadFrames(bytes, end + 2, e.records);
    else if (withText)
        e.text = QString::fromUtf8(bytes.constData() + end + 2, bytes.size() - end - 2);
    entry = std::move(e);
    return true;
}

void RecoveryStore::PutBreaks(QString& text, const QByteArray& kinds, PageEncoding::LineEnd usual)
{
    const auto breakOf = [](char kind) {
        return kind == 'c' ? QStringLiteral("\r\n") : kind == 'n' ? QStringLiteral("\n") : QStringLiteral("\r");
    };
    const QString usualBreak = breakOf(PageCodec::BreakCode(usual));
    if (kinds.isEmpty() && usualBreak.size() == 1) {
        text.replace(QChar::ParagraphSeparator, usualBreak.front()); // in place: no second copy of a big page
        return;
    }
    QString out;
    out.reserve(text.size() + (usual == PageEncoding::CrLf ? text.count(QChar::ParagraphSeparator) : 0));
    qsizetype start = 0, line = 0;
    for (qsizetype end; (end = text.indexOf(QChar::ParagraphSeparator, start)) >= 0; start = end + 1, ++line) {
        out.append(QStringView(text).sliced(start, end - start));
        const char kind = line < kinds.size() ? kinds.at(line) : char(0);
        out.append(kind ? breakOf(kind) : usualBreak);
    }
    out.append(QStringView(text).sliced(start));
    text = std::move(out);
}

bool RecoveryStore::Offerable(const RecoveryEntry& entry)
{
    if (entry.path.isEmpty())
        return true;
    // Not QDir::isAbsolutePath: it takes ":/name" (a resource) for absolute.
    if (!entry.path.startsWith(QLatin1Char('/')) || entry.path.contains(QChar(0)))
        return false;
    const QByteArray name = QFile::encodeName(entry.path);
    struct stat info;
    if (::stat(name.constData(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR; // gone: its folder may be gone too
    return S_ISREG(info.st_mode) && ::access(name.constData(), R_OK) == 0;
}

QString RecoveryStore::NewFileName()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces) + QLatin1String(Suffix);
}

QList<RecoveryEntry> RecoveryStore::List() const
{
    QList<RecoveryEntry> entries;
    const QDir dir(folder_);
    const QStringList files =
        dir.entryList({QStringLiteral("*") + QLatin1String(Suffix)}, QDir::Files | QDir::NoSymLinks, QDir::Name);
    for (const QString& file : files) {
        QFile f(dir.filePath(file));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        RecoveryEntry entry;
        if (!Decode(f.read(kMaxHeader + 2), entry, false))
            continue;
        entry.file = file;
        // A journal grows at each write: the time it was last written is its file's.
        if (entry.journal)
            entry.time = QFileInfo(f).lastModified().toUTC();
        entries.append(entry);
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const RecoveryEntry& a, const RecoveryEntry& b) { return a.time < b.time; });
    return entries;
}

bool RecoveryStore::Load(const QString& file, RecoveryEntry& entry) const
{
    QFile f(QDir(folder_).filePath(file));
    if (!f.open(QIODevice::ReadOnly) || !Decode(f.readAll(), entry))
        return false;
    entry.file = file;
    if (entry.journal)
        entry.time = QFileInfo(f).lastModified().toUTC();
    return true;
}

bool RecoveryStore::MakeFolder() const
{
    // The pages' texts are the user's own: the folder is the user's alone.
    if (QFileInfo(folder_).isDir())
        return true;
    if (!QDir().mkpath(folder_))
        return false;
    QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return true;
}

bool RecoveryStore::Write(const QString& file, const RecoveryEntry& entry, QByteArrayView frames) const
{
    return WriteInPieces(file, entry, [](QString&) { return false; }) && (frames.isEmpty() || Append(file, frames));
}

bool RecoveryStore::WriteInPieces(const QString& file, const RecoveryEntry& entry,
                                  const std::function<bool(QString& piece)>& next) const
{
    if (!MakeFolder())
        return false;
    QSaveFile out(QDir(folder_).filePath(file));
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    out.write(Encode(entry));
    for (QString piece; next(piece); piece = QString())
        out.write(piece.toUtf8());
    return out.commit();
}

bool RecoveryStore::Append(const QString& file, QByteArrayView frame) const
{
    QFile out(QDir(folder_).filePath(file));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const bool written = out.write(frame.data(), frame.size()) == frame.size() && out.flush();
    // Through to the disk: what was typed before the write is safe from a power cut too.
    return ::fdatasync(out.handle()) == 0 && written;
}

bool RecoveryStore::Cut(const QString& file, qsizetype length) const
{
    return QFile::resize(QDir(folder_).filePath(file), length);
}

void RecoveryStore::Remove(const QString& file) const
{
    QFile::remove(QDir(folder_).filePath(file));
}
