#pragma once
// The list of what a find in a folder found: file, line and the line's text with the match marked. The files are
// read on a worker thread; the list fills as they are done. Double-click (or Enter) on a row asks for the file to be
// opened at the match.

#include "editor/foldersearch.h"

#include <QDockWidget>

#include <atomic>

class QLabel;
class QPushButton;
class QThread;
class QTreeWidget;
class QTreeWidgetItem;

class FindResultsDock : public QDockWidget
{
    Q_OBJECT

public:
    // Rows past this many are not listed (the search stops).
    static constexpr int MaxRows = 10000;

    explicit FindResultsDock(QWidget* parent = nullptr);
    ~FindResultsDock() override;

    // Stops a search still running and starts one over `folder`.
    void Start(const QString& folder, const SearchOptions& options);
    void Stop();
    bool Busy() const { return worker_ != nullptr; }

    QLabel* Status = nullptr;
    QTreeWidget* Results = nullptr;
    QPushButton* StopButton = nullptr;

Q_SIGNALS:
    void OpenWanted(const QString& path, int line, int column, int length);

private:
    void AddHits(const QList<FolderHit>& hits);
    void Finished(const FolderSearch::Summary& summary);
    void Activated(const QTreeWidgetItem* item);

    QThread* worker_ = nullptr;
    std::atomic_bool cancel_ = false;
    std::atomic_int rows_ = 0;
    int generation_ = 0; // results of an earlier search that arrive late are dropped
    QString folder_;
};
