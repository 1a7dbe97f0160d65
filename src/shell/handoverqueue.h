#pragma once
// Pages handed over by later starts, opened one at a time in the order they came. Opening a page may ask a
// question, and the question's own event loop serves the next start: that start's pages wait here instead of
// opening inside the question, so a burst of starts never stacks boxes. When the frame has no room, a burst gets
// one message and its pages are dropped.

#include "shell/pagerequest.h"

#include <QObject>

class MainFrame;

class HandOverQueue : public QObject
{
    Q_OBJECT

public:
    // Pages waiting beyond this are too many for any frame: they count as pages with no room.
    static constexpr qsizetype MostWaiting = 1024;

    explicit HandOverQueue(MainFrame& frame, QObject* parent = nullptr);

    // Brings the frame forward and opens the pages (at their lines), or queues them while an earlier hand-over is
    // being opened.
    void Add(const PageRequests& pages);

private:
    void BringForward();
    void Drain();

    MainFrame& frame_;
    PageRequests waiting_;
    bool draining_ = false;
    bool overflowed_ = false;
};
