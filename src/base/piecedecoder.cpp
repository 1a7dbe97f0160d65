#include "base/piecedecoder.h"

#include <cstring>

namespace {

// Pieces waiting for the text control: enough to keep both threads busy, few enough to keep memory low.
constexpr size_t Ahead = 2;

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
    if (worker_.joinable())
        worker_.join();
}

qsizetype PieceDecoder::LineCount() const
{
    const qsizetype lf = bytes_.count('\n');
    return (lf > 0 ? lf : bytes_.count('\r')) + 1;
}

qsizetype PieceDecoder::PieceEnd(QByteArrayView bytes, qsizetype start, qsizetype size)
{
    const qsizetype from = start + std::max<qsizetype>(size, 1) - 1;
    if (from >= bytes.size())
        return bytes.size();
    const void* lf = std::memchr(bytes.data() + from, '\n', size_t(bytes.size() - from));
    return lf ? static_cast<const char*>(lf) - bytes.data() + 1 : bytes.size();
}

void PieceDecoder::Start(std::function<void(DecodedPiece&)> hook)
{
    hook_ = std::move(hook);
    worker_ = std::thread([this] { Run(); });
}

bool PieceDecoder::Next(DecodedPiece& piece)
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !ready_.empty() || done_; });
    if (ready_.empty())
        return false;
    piece = std::move(ready_.front());
    ready_.pop_front();
    lock.unlock();
    changed_.notify_all();
    return true;
}

void PieceDecoder::Run()
{
    qsizetype start = 0;
    do {
        const qsizetype end = PieceEnd(bytes_, start, pieceBytes_);
        const qsizetype from = start == 0 ? skip_ : start;
        DecodedPiece piece;
        qsizetype firstBad = -1;
        piece.text =
            PageCodec::DecodeBytes(bytes_.constData() + from, end - from, encoding_.codec, &page_.badBytes, &firstBad);
        if (firstBad >= 0 && page_.firstBadOffset < 0)
            page_.firstBadOffset = from + firstBad;
        Check(piece.text);
        if (hook_)
            hook_(piece);
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return ready_.size() < Ahead || stop_; });
        if (stop_)
            break;
        ready_.push_back(std::move(piece));
        lock.unlock();
        changed_.notify_all();
        start = end;
    } while (start < bytes_.size());
    {
        std::lock_guard lock(mutex_);
        done_ = true;
    }
    changed_.notify_all();
}

// The round-trip check of PageCodec::Decode, a piece at a time: the text encoded back, with each line's own
// break, is compared with the file's bytes as it comes.
void PieceDecoder::Check(QStringView text)
{
    if (blockEnd_)
        return;
    QByteArray breaks;
    const qsizetype blockEnd = PageCodec::FindBreaks(text, breaks);
    breaks_ += breaks;
    if (!encodeFailed_) {
        PageEncoding encoding = encoding_;
        encoding.bom = encoding_.bom && encoded_ == 0;
        const QStringView part = blockEnd >= 0 ? text.left(blockEnd) : text;
        const bool compare = blockEnd < 0;
        encodeFailed_ = !PageCodec::EncodeWithBreaks(part, encoding, breaks, [&](const QByteArray& piece) {
            if (compare && differs_ < 0) {
                const qsizetype common = qMin(piece.size(), bytes_.size() - encoded_);
                if (std::memcmp(piece.constData(), bytes_.constData() + encoded_, size_t(common)) != 0) {
                    qsizetype i = 0;
                    while (piece.at(i) == bytes_.at(encoded_ + i))
                        ++i;
                    differs_ = encoded_ + i;
                } else if (common < piece.size()) {
                    differs_ = bytes_.size();
                }
            }
            encoded_ += piece.size();
            return true;
        });
    }
    if (blockEnd >= 0) {
        blockEnd_ = true;
        blockEndSize_ = encodeFailed_ ? 0 : encoded_;
    }
}

DecodedPage PieceDecoder::Summary() const
{
    DecodedPage page = page_;
    const char usual = PageCodec::BreakCode(encoding_.lineEnd);
    if (breaks_.count(usual) != breaks_.size())
        page.breaks = breaks_;
    if (blockEnd_)
        page.firstUnkeptOffset = blockEndSize_;
    else if (page.badBytes > 0)
        page.firstUnkeptOffset = -1;
    else if (differs_ >= 0)
        page.firstUnkeptOffset = differs_;
    else if (encodeFailed_)
        page.firstUnkeptOffset = 0;
    else if (encoded_ != bytes_.size())
        page.firstUnkeptOffset = encoded_;
    return page;
}
