#include "base/piecedecoder.h"

#include "base/pagedecoder.h"

#include <algorithm>
#include <cstring>

namespace {

int WorkerCount()
{
    return int(std::clamp(std::thread::hardware_concurrency(), 1u, 3u));
}

} // namespace

PieceDecoder::PieceDecoder(const QByteArray& bytes, int codec, qsizetype pieceBytes)
    : bytes_(bytes), codec_(codec), pieceBytes_(std::max<qsizetype>(pieceBytes, 1))
{
    encoding_ = PageCodec::Choose(bytes_, codec_, &skip_);
    page_.encoding = encoding_;
}

PieceDecoder::~PieceDecoder()
{
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    changed_.notify_all();
    for (std::thread& worker : workers_)
        worker.join();
}

qsizetype PieceDecoder::PieceStart(QByteArrayView bytes, qsizetype end, qsizetype size)
{
    const qsizetype before = end - std::max<qsizetype>(size, 1);
    if (before <= 0)
        return 0;
    const void* lf = memrchr(bytes.data(), '\n', size_t(before));
    return lf ? static_cast<const char*>(lf) - bytes.data() + 1 : 0;
}

void PieceDecoder::Start(std::function<void(DecodedPiece&)> hook)
{
    hook_ = std::move(hook);
    qsizetype end = bytes_.size();
    do {
        const qsizetype start = PieceStart(bytes_, end, pieceBytes_);
        cuts_.emplace_back(start, end);
        end = start;
    } while (end > 0);
    slots_.resize(cuts_.size());
    // The count is set before any worker starts: the first may be done before the last is started.
    const int workers = WorkerCount();
    working_ = workers;
    for (int i = 0; i < workers; ++i)
        workers_.emplace_back([this] { Work(); });
}

bool PieceDecoder::Next(DecodedPiece& piece)
{
    std::unique_lock lock(mutex_);
    if (handed_ == slots_.size()) {
        changed_.wait(lock, [this] { return done_; });
        return false;
    }
    changed_.wait(lock, [this] { return slots_[handed_].ready; });
    piece = std::move(slots_[handed_].piece);
    ++handed_;
    lock.unlock();
    changed_.notify_all();
    return true;
}

void PieceDecoder::Work()
{
    // Pieces waiting to be handed over: enough to keep every thread busy, few enough to keep memory low.
    const size_t ahead = size_t(WorkerCount()) + 1;
    for (;;) {
        size_t index = 0;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [&] { return stop_ || next_ == slots_.size() || next_ < handed_ + ahead; });
            if (stop_ || next_ == slots_.size())
                break;
            index = next_++;
        }
        Slot slot = DecodePiece(index);
        {
            std::lock_guard lock(mutex_);
            slots_[index] = std::move(slot);
        }
        changed_.notify_all();
    }
    {
        std::lock_guard lock(mutex_);
        if (--working_ > 0 || stop_)
            return;
    }
    Summarise();
    {
        std::lock_guard lock(mutex_);
        done_ = true;
    }
    changed_.notify_all();
}

PieceDecoder::Slot PieceDecoder::DecodePiece(size_t index)
{
    const auto [start, end] = cuts_[index];
    const qsizetype from = start == 0 ? skip_ : start;
    Slot slot;
    DecodedText decoded = PageDecoder::Decode(bytes_.constData() + from, end - from, encoding_.codec);
    slot.kept = decoded.Kept();
    slot.breaks = std::move(decoded.breaks);
    slot.piece.text = std::move(decoded.text);
    if (hook_)
        hook_(slot.piece);
    slot.ready = true;
    return slot;
}

void PieceDecoder::Summarise()
{
    // The piece nearest the page's end that does not come back as read, if any: the bytes up to its end are then
    // checked as a whole page is (rare); the breaks after it are the pieces' own. Every worker is done, and the
    // reader takes only the pieces' text, so the rest of each slot is read here without the lock.
    size_t unkept = 0;
    while (unkept < slots_.size() && slots_[unkept].kept)
        ++unkept;
    QByteArray after;
    for (size_t i = unkept; i-- > 0;)
        after += slots_[i].breaks;
    const char usual = PageCodec::BreakCode(encoding_.lineEnd);
    if (unkept < slots_.size()) {
        DecodedPage head = PageCodec::DecodeAs(QByteArray::fromRawData(bytes_.constData(), cuts_[unkept].second),
                                               encoding_.codec);
        QByteArray breaks;
        if (PageCodec::FindBreaks(head.text, breaks) < 0)
            breaks += after;
        head.text = QString();
        page_ = head;
        page_.breaks = breaks.count(usual) != breaks.size() ? breaks : QByteArray();
    } else if (after.count(usual) != after.size()) {
        page_.breaks = after;
    }
    bytes_ = QByteArray();
}

DecodedPage PieceDecoder::DecodeWhole()
{
    DecodedPage page =
        codec_ < 0 ? PageCodec::Decode(bytes_) : PageCodec::DecodeAs(bytes_, PageEncoding::Codec(codec_));
    page_ = page;
    page_.text = QString();
    bytes_ = QByteArray();
    return page;
}

qsizetype PieceDecoder::LongestLine(QByteArrayView bytes, qsizetype* lines)
{
    qsizetype longest = 0, start = 0, breaks = 0;
    while (start < bytes.size()) {
        const void* lf = std::memchr(bytes.data() + start, '\n', size_t(bytes.size() - start));
        const qsizetype end = lf ? static_cast<const char*>(lf) - bytes.data() : bytes.size();
        longest = std::max(longest, end - start);
        breaks += lf ? 1 : 0;
        start = end + 1;
    }
    if (lines)
        *lines = breaks + 1;
    return longest;
}

DecodedPage PieceDecoder::Summary() const
{
    return page_;
}
