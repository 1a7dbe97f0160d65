#pragma once
// Keeps a recovery file for every changed page of the frame: written every half minute and when the program loses
// the focus, only for pages changed since their last write, on a writer thread from one copy of the text; removed
// when the page is saved or closed. At start-up it offers the pages a crashed run left behind.
// Copying a big page's text takes a moment (some 50 ms for 20 MB), so the half-minute write waits for a pause in
// the typing, a few seconds at most.

#include "base/recoverystore.h"
#include "base/rewritejournal.h"

#include <QHash>
#include <QObject>
#include <QThreadPool>
#include <QTimer>

class MainFrame;
class QWidget;
class PageWindow;

class RecoveryKeeper : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultInterval = 30000; // ms
    static constexpr int PauseWanted = 750;       // ms without a change before the timed write
    static constexpr int MostPauses = 8;          // waited for at most, then it writes all the same

    // The user's recovery folder: <app data>/recovery.
    static QString DefaultFolder();

    RecoveryKeeper(MainFrame& frame, const QString& folder, int intervalMs = DefaultInterval,
                   QObject* parent = nullptr);
    ~RecoveryKeeper() override;

    // Queues a write for each changed page whose text changed since its last write; returns how many.
    int WriteChanged();
    // Waits until every queued write and removal has reached the disk.
    void Flush();
    // Files a crashed run left: asks which pages to bring back, opens those as changed pages and drops the rest.
    // Copies of pages whose save it cut off (the rewrite list beside the folder) are offered with them, to be put
    // back over their pages. Cancel keeps them all for the next start.
    void Offer(QWidget* parent);
    // The recovery file of a page ("" when it has none).
    QString FileOf(const PageWindow* page) const { return kept_.value(page).file; }
    const RecoveryStore& Store() const { return store_; }

private:
    struct Kept
    {
        QString file;
        quint64 written = 0; // the page's EditCount when last written
    };
    void Due();
    void WriteInPause();
    QList<quint64> EditCounts() const;
    Kept& Follow(PageWindow* page);
    void Forget(const PageWindow* page);
    PageWindow* Restore(const RecoveryEntry& entry);
    // Puts the chosen copies back over their pages and drops the others.
    void PutBack(const RewriteJournal& rewrites, const QList<PageCopy>& copies, const QList<PageCopy>& chosen,
                 QWidget* parent);

    MainFrame& frame_;
    RecoveryStore store_;
    QHash<const PageWindow*, Kept> kept_;
    QThreadPool writer_; // one thread: writes and removals happen in the order asked
    QTimer timer_;
    QTimer pause_; // single shot: the pages unchanged since it started means a pause
    QList<quint64> countsBefore_;
    int pausesWaited_ = 0;
};
