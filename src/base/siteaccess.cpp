#include "base/siteaccess.h"

#include <QDir>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString Canonical(const QString& path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(path) : canonical;
}

// The components of `path` below `ancestor`, or none when it is not below it.
QStringList Below(const QString& ancestor, const QString& path)
{
    const QString prefix = ancestor == QLatin1String("/") ? ancestor : ancestor + QLatin1Char('/');
    if (!path.startsWith(prefix))
        return {};
    return path.mid(prefix.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

bool IsHome(const QString& folder, const QString& home)
{
    return folder == home || folder == QLatin1String("/root") || Below(QStringLiteral("/home"), folder).size() == 1;
}

// The nearest home folder that holds `folder` (or is it), or "".
QString HomeOf(const QString& folder, const QString& home)
{
    for (QString at = folder; at.size() > 1; at = QFileInfo(at).path()) {
        if (IsHome(at, home))
            return at;
    }
    return QString();
}

bool Hidden(const QStringList& parts)
{
    for (const QString& part : parts) {
        if (part.startsWith(QLatin1Char('.')))
            return true;
    }
    return false;
}
} // namespace

SiteAccess::Site SiteAccess::SiteOf(const QString& folder, const QString& home)
{
    const QString at = Canonical(folder);
    const QString homeFolder = HomeOf(at, Canonical(home));
    if (at == QLatin1String("/") || at == homeFolder)
        return {at, true};
    const QString top = homeFolder.isEmpty() ? QStringLiteral("/") : homeFolder;
    const QStringList parts = Below(top, at);
    // A page kept in a hidden folder reaches no higher than its own folder.
    if (Hidden(parts))
        return {at, false};
    const int keep = homeFolder.isEmpty() ? 2 : 1;
    QString root = top == QLatin1String("/") ? QString() : top;
    for (int i = 0; i < parts.size() && i < keep; ++i)
        root += QLatin1Char('/') + parts[i];
    return {root, false};
}

QString SiteAccess::RelativePath(const Site& site, const QString& pagePath)
{
    const QString path = Canonical(pagePath);
    return QLatin1Char('/') + Below(site.root, path).join(QLatin1Char('/'));
}

QString SiteAccess::Within(const QString& root, const QString& relative, bool flat)
{
    // The address as asked: no step above the root, nothing hidden on the way.
    const QStringList asked = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (asked.isEmpty() || asked.contains(QLatin1String("..")) || Hidden(asked) || relative.contains(QChar(0)))
        return QString();
    // And where it leads once links are followed.
    const QString file = QFileInfo(root + QLatin1Char('/') + asked.join(QLatin1Char('/'))).canonicalFilePath();
    const QStringList reached = Below(root, file);
    if (file.isEmpty() || reached.isEmpty() || Hidden(reached) || (flat && reached.size() != 1))
        return QString();
    return QFileInfo(file).isFile() ? file : QString();
}

QString SiteAccess::Resolve(const Site& site, const QString& urlPath, const QStringList& shared)
{
    if (site.root.isEmpty())
        return QString();
    const QString inSite = Within(site.root, urlPath, site.flat);
    if (!inSite.isEmpty())
        return inSite;
    const QString asked = QDir::cleanPath(urlPath);
    for (const QString& folder : shared) {
        const QString root = Canonical(folder);
        // A single file shared is served by its own path and no other.
        if (QFileInfo(root).isFile()) {
            if (asked == root && !urlPath.contains(QChar(0)))
                return root;
            continue;
        }
        const QStringList below = Below(root, QDir::cleanPath(urlPath));
        if (!below.isEmpty() && !urlPath.split(QLatin1Char('/')).contains(QLatin1String("..")))
            return Within(root, below.join(QLatin1Char('/')), false);
    }
    return QString();
}

int SiteAccess::OpenRegular(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return -1;
    struct stat st = {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    // Reads of a regular file never block; the flag was only there for the open.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}
