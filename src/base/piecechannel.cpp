#include "base/piecechannel.h"

void PieceChannel::Send(QString piece)
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return pieces_.size() < room_; });
    pieces_.push_back(std::move(piece));
    changed_.notify_all();
}

void PieceChannel::Close()
{
    std::lock_guard lock(mutex_);
    closed_ = true;
    changed_.notify_all();
}

bool PieceChannel::Receive(QString& piece)
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !pieces_.empty() || closed_; });
    if (pieces_.empty())
        return false;
    piece = std::move(pieces_.front());
    pieces_.pop_front();
    changed_.notify_all();
    return true;
}
