#include "shell/sitefilefilter.h"

#include "base/sitefiles.h"

#include <QFileSystemModel>
#include <QMimeData>

SiteFileFilter::SiteFileFilter(QFileSystemModel* files, QObject* parent) : QSortFilterProxyModel(parent), files_(files)
{
    setSourceModel(files);
    setSortCaseSensitivity(Qt::CaseInsensitive);
    setRecursiveFilteringEnabled(false);
}

QString SiteFileFilter::FilePath(const QModelIndex& index) const
{
    return files_->filePath(mapToSource(index));
}

bool SiteFileFilter::IsFolder(const QModelIndex& index) const
{
    return files_->isDir(mapToSource(index));
}

bool SiteFileFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    const QModelIndex index = files_->index(sourceRow, 0, sourceParent);
    return files_->isDir(index) || SiteFiles::Listed(files_->fileName(index));
}

bool SiteFileFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    const bool leftFolder = files_->isDir(left), rightFolder = files_->isDir(right);
    if (leftFolder != rightFolder)
        return leftFolder;
    return QString::compare(files_->fileName(left), files_->fileName(right), Qt::CaseInsensitive) < 0;
}

QMimeData* SiteFileFilter::mimeData(const QModelIndexList& indexes) const
{
    QMimeData* mime = QSortFilterProxyModel::mimeData(indexes);
    if (!mime)
        return nullptr;
    QStringList paths;
    for (const QModelIndex& index : indexes) {
        if (index.column() == 0 && !IsFolder(index))
            paths.append(FilePath(index));
    }
    if (!paths.isEmpty())
        mime->setData(QString::fromLatin1(SiteFiles::DragFormat), paths.join(QLatin1Char('\n')).toUtf8());
    return mime;
}
