#pragma once
// The checking of one page: runs the page checker over the page's current text on a worker thread, keeps what it
// found, marks those lines beside the text and walks the caret from problem to problem. A check of a text that
// changed while it ran is dropped. Lives as long as its page (a child of the page window).

#include "check/pageproblem.h"

#include <QFutureWatcher>
#include <QList>
#include <QObject>
#include <QTimer>

class PageWindow;

class PageChecker : public QObject
{
    Q_OBJECT

public:
    // How long typing has to pause before a check while typing runs.
    static constexpr int TypingPause = 500;

    // The page's checker, made the first time it is asked for.
    static PageChecker* Of(PageWindow* page);

    // Checks the text as it is now; while a check runs, another follows it.
    void Check();
    bool Running() const { return watcher_.isRunning(); }
    // Whether a check's result is there (it may be of an older text).
    bool HasResult() const { return hasResult_; }
    const QList<PageProblem>& Problems() const { return problems_; }
    // With `on`, every change of the text is checked once the typing pauses.
    void SetWhileTyping(bool on);

    // Moves the caret to a problem and returns the keyboard to the text.
    void GoTo(int index);
    // The next (or previous) problem from the caret, round the end; nothing when there are none.
    void GoToNext(bool forward);

Q_SIGNALS:
    void Started();
    // A check's result is in (Problems()), or the page's problems were dropped.
    void Finished();
    // The caret went to this problem.
    void WentTo(int index);

private:
    explicit PageChecker(PageWindow* page);
    void Start();
    void Done();
    void TextChanged();
    int NextIndex(bool forward) const;
    void MarkLines();

    PageWindow* page_;
    QFutureWatcher<QList<PageProblem>> watcher_;
    QTimer pause_;
    QList<PageProblem> problems_;
    quint64 checkedEdit_ = 0; // the page's edit count when the running check took its text
    bool hasResult_ = false;
    bool whileTyping_ = false;
    bool again_ = false; // a check was asked for while one ran
    int current_ = -1;   // the problem the caret was last taken to
};
