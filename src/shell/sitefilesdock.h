#pragma once
// "网站文件": a dock with the tree of the site's folder, the active page's own or one chosen with "打开文件夹".
// A double-click opens a page; a file dragged onto a page's text is referred to there (the page window inserts
// the markup). The folder's files are read only once the dock is first shown.

#include <QDockWidget>

class QFileSystemModel;
class QTreeView;
class SiteFileFilter;

class SiteFilesDock : public QDockWidget
{
    Q_OBJECT

public:
    explicit SiteFilesDock(QWidget* parent = nullptr);

    // The tree shows `folder` from now on, whatever page is active.
    void ChooseFolder(const QString& folder);
    // The active page's folder: shown unless a folder was chosen.
    void FollowPage(const QString& folder);
    QString Folder() const { return folder_; }

    QTreeView* Tree() const { return tree_; }
    SiteFileFilter* Filter() const { return filter_; }

Q_SIGNALS:
    // A file double-clicked, to be opened as the open command opens one.
    void OpenWanted(const QString& path);

private:
    void Show(const QString& folder);
    void Activated(const QModelIndex& index);

    QFileSystemModel* files_ = nullptr;
    SiteFileFilter* filter_ = nullptr;
    QTreeView* tree_ = nullptr;
    QString folder_;
    bool chosen_ = false;
};
