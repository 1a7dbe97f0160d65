#include "shell/handoverqueue.h"

#include "base/messages.h"
#include "shell/mainframe.h"

#include <QFileInfo>

#include <utility>

HandOverQueue::HandOverQueue(MainFrame& frame, QObject* parent) : QObject(parent), frame_(frame) {}

void HandOverQueue::Add(const PageRequests& pages)
{
    for (const PageRequest& page : pages) {
        if (waiting_.size() < MostWaiting)
            waiting_.append(page);
        else
            overflowed_ = true;
    }
    BringForward();
    if (!draining_)
        Drain();
}

void HandOverQueue::BringForward()
{
    frame_.setWindowState(frame_.windowState() & ~Qt::WindowMinimized);
    frame_.show();
    frame_.raise();
    frame_.activateWindow();
}

void HandOverQueue::Drain()
{
    draining_ = true;
    bool told = false;
    const auto tellOnce = [this, &told] {
        if (std::exchange(told, true))
            return;
        Messages::Show(&frame_, MainFrame::TooManyPages);
    };
    // Pages added while a box is up wait for it; with no room they go without another message.
    while (!waiting_.isEmpty() || overflowed_) {
        if (waiting_.isEmpty()) {
            overflowed_ = false;
            tellOnce();
            continue;
        }
        const PageRequest page = waiting_.takeFirst();
        // A page already open only comes forward (to the line asked for): it needs no room.
        if (frame_.openPageCount >= MainFrame::MaxDocuments && !frame_.PageOpenOn(page.path))
            tellOnce();
        else
            frame_.OpenAt(PageRequest(QFileInfo(page.path).absoluteFilePath(), page.line));
    }
    draining_ = false;
}
