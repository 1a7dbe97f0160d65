#pragma once
// Hands pieces of text from one thread to another, holding a few at most: the sender waits while the receiver
// catches up, so a big page goes through in pieces and is never whole in memory.

#include <QString>

#include <condition_variable>
#include <deque>
#include <mutex>

class PieceChannel
{
public:
    explicit PieceChannel(size_t room = 4) : room_(room) {}

    // Waits while the channel is full.
    void Send(QString piece);
    // No more pieces.
    void Close();
    // Waits for the next piece; false once the channel is closed and empty.
    bool Receive(QString& piece);

private:
    const size_t room_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<QString> pieces_;
    bool closed_ = false;
};
