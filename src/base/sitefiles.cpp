#include "base/sitefiles.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace {
bool OneOf(const QString& suffix, std::initializer_list<const char*> names)
{
    for (const char* name : names)
        if (suffix == QLatin1String(name))
            return true;
    return false;
}

// Characters that would end the attribute or change what the address means; the rest (spaces, Chinese) stay
// readable, as a hand-written address has them.
QString Escaped(const QString& path)
{
    QString out;
    out.reserve(path.size());
    for (const QChar c : path) {
        switch (c.unicode()) {
        case '%':
            out += QStringLiteral("%25");
            break;
        case '"':
            out += QStringLiteral("%22");
            break;
        case '#':
            out += QStringLiteral("%23");
            break;
        case '?':
            out += QStringLiteral("%3F");
            break;
        default:
            out += c;
        }
    }
    return out;
}
} // namespace

SiteFiles::Kind SiteFiles::KindOf(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (OneOf(suffix, {"html", "htm"}))
        return Kind::Page;
    if (suffix == QLatin1String("css"))
        return Kind::StyleSheet;
    if (suffix == QLatin1String("js"))
        return Kind::Script;
    if (OneOf(suffix, {"gif", "jpg", "jpeg", "png", "bmp", "ico", "svg", "webp"}))
        return Kind::Picture;
    return Kind::Other;
}

bool SiteFiles::IsEditorFile(const QString& fileName)
{
    static const QRegularExpression own(
        QStringLiteral("^(%1|%2)[0-9]*\\.html$").arg(QLatin1String(PreviewStem), QLatin1String(ScratchStem)));
    return own.match(fileName).hasMatch();
}

bool SiteFiles::Listed(const QString& fileName)
{
    return KindOf(fileName) != Kind::Other && !IsEditorFile(fileName);
}

QString SiteFiles::Address(const QString& pageFolder, bool pageSaved, const QString& target)
{
    if (!pageSaved || pageFolder.isEmpty())
        return QUrl::fromLocalFile(QDir::cleanPath(target)).toString();
    return Escaped(QDir(pageFolder).relativeFilePath(target));
}

QString SiteFiles::PictureTag(const QString& address, int width, int height)
{
    QString tag = QStringLiteral("<img src=\"") + address + QLatin1Char('"');
    if (width > 0 && height > 0)
        tag += QStringLiteral(" width=%1 height=%2").arg(width).arg(height);
    return tag + QLatin1Char('>');
}

QString SiteFiles::PageLink(const QString& address)
{
    return QStringLiteral("<a href=\"") + address + QStringLiteral("\"></a>");
}

QString SiteFiles::ScriptTag(const QString& address)
{
    return QStringLiteral("<script type=\"text/javascript\" src=\"") + address + QStringLiteral("\"></script>");
}
