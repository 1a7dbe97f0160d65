#include "base/pageaddress.h"

#include <QDir>
#include <QUrl>

namespace {
// Characters that would end or change the address where they stand.
QString Escaped(QString path)
{
    path.replace(QLatin1Char('%'), QLatin1String("%25"));
    path.replace(QLatin1Char('#'), QLatin1String("%23"));
    path.replace(QLatin1Char('?'), QLatin1String("%3F"));
    path.replace(QLatin1Char('"'), QLatin1String("%22"));
    return path;
}
} // namespace

QString PageAddress::For(const QString& file, const QString& pageFolder)
{
    if (pageFolder.isEmpty())
        return QUrl::fromLocalFile(file).toString();
    return Escaped(QDir(pageFolder).relativeFilePath(QDir::cleanPath(file)));
}

QString PageAddress::ForPreview(const QString& html)
{
    QString shown = html;
    shown.replace(QLatin1String("file:///"), QLatin1String("/"), Qt::CaseInsensitive);
    return shown;
}
