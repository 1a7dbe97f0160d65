#include "shell/sitefilesdock.h"

#include "base/sitefiles.h"
#include "shell/sitefilefilter.h"

#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QTreeView>

SiteFilesDock::SiteFilesDock(QWidget* parent) : QDockWidget(QStringLiteral("网站文件"), parent)
{
    setObjectName(QStringLiteral("SiteFilesDock"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    files_ = new QFileSystemModel(this);
    // Names and kinds are enough: no file's contents or icon is read to show the tree.
    files_->setOption(QFileSystemModel::DontUseCustomDirectoryIcons);
    files_->setReadOnly(true);
    filter_ = new SiteFileFilter(files_, this);
    tree_ = new QTreeView(this);
    tree_->setObjectName(QStringLiteral("SiteTree"));
    tree_->setModel(filter_);
    tree_->setHeaderHidden(true);
    for (int column = 1; column < files_->columnCount(); ++column)
        tree_->hideColumn(column);
    tree_->setSortingEnabled(true);
    tree_->sortByColumn(0, Qt::AscendingOrder);
    tree_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tree_->setDragEnabled(true);
    tree_->setDragDropMode(QAbstractItemView::DragOnly);
    tree_->setDefaultDropAction(Qt::CopyAction);
    tree_->setExpandsOnDoubleClick(true);
    connect(tree_, &QTreeView::activated, this, &SiteFilesDock::Activated);
    setWidget(tree_);
}

void SiteFilesDock::ChooseFolder(const QString& folder)
{
    chosen_ = true;
    Show(folder);
}

void SiteFilesDock::FollowPage(const QString& folder)
{
    if (!chosen_ && !folder.isEmpty())
        Show(folder);
}

void SiteFilesDock::Show(const QString& folder)
{
    const QString clean = QDir::cleanPath(folder);
    if (clean == folder_)
        return;
    folder_ = clean;
    setWindowTitle(QStringLiteral("网站文件 - ") + QDir(clean).dirName());
    setToolTip(QDir::toNativeSeparators(clean));
    tree_->setRootIndex(filter_->mapFromSource(files_->setRootPath(clean)));
}

void SiteFilesDock::Activated(const QModelIndex& index)
{
    // Folders open in the tree; pictures are not pages.
    if (!index.isValid() || filter_->IsFolder(index))
        return;
    const QString path = filter_->FilePath(index);
    if (SiteFiles::KindOf(path) != SiteFiles::Kind::Picture)
        Q_EMIT OpenWanted(path);
}
