#pragma once
// The site tree's view of a folder: the folders and the web files in them (pages, style sheets, scripts,
// pictures), without the preview and scratch pages the editor writes beside the pages. A drag of its files carries
// their paths in a format of the editor's own besides their addresses.

#include <QSortFilterProxyModel>

class QFileSystemModel;

class SiteFileFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit SiteFileFilter(QFileSystemModel* files, QObject* parent = nullptr);

    QString FilePath(const QModelIndex& index) const;
    bool IsFolder(const QModelIndex& index) const;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    // Folders before files, each by name.
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    QFileSystemModel* files_;
};
