#pragma once
// Keeps a recovery file for every changed page of the frame: written every half minute (in a pause of the typing, a
// few seconds at most) and when the program loses the focus, only for pages changed since their last write, on a
// writer thread; removed when the page is saved or closed. At start-up it offers the pages a crashed run left.
// A page with a file on disk gets a journal of its edits since it was opened or saved, appended to at each write
// (what an edit costs, not what the page costs). An untitled page, one whose file changed on disk since, and one
// whose journal grew past the page's size get a copy of the whole text instead, taken from the text control a
// piece at a time.

#include "base/recoverystore.h"
#include "base/rewritejournal.h"

#include <QHash>
#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <atomic>
#include <memory>

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
        bool copy = false;   // the file holds copies of the text (else a journal, once started)
        quint64 journal = 0; // the page's journal (EditRecorder::Journal) the file holds; 0: none yet
        qint64 before = 0;   // the journal's bytes from the run that crashed (a page brought back)
        // Set by the writer when the journal could not be started or appended to: a copy follows.
        std::shared_ptr<std::atomic_bool> failed = std::make_shared<std::atomic_bool>(false);
    };
    void Due();
    void WriteInPause();
    QList<quint64> EditCounts() const;
    Kept& Follow(PageWindow* page);
    void Forget(const PageWindow* page);
    bool JournalFits(const PageWindow* page, const Kept& kept) const;
    void WriteJournal(PageWindow* page, Kept& kept);
    void WriteCopy(PageWindow* page, Kept& kept);
    static RecoveryEntry HeaderOf(const PageWindow* page);
    PageWindow* Restore(const RecoveryEntry& entry, QWidget* parent);
    PageWindow* RestoreJournal(const RecoveryEntry& entry, QWidget* parent);
    // The page's file is no longer the one its recovery file was made on (it is gone or was changed).
    static bool ChangedSince(const RecoveryEntry& entry);
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
