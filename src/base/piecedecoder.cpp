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
    qsizetype end = bytes_.size();
    do {
        const qsizetype start = PieceStart(bytes_, end, pieceBytes_);
        const qsizetype from = start == 0 ? skip_ : start;
        DecodedPiece piece;
        qsizetype bad = 0, firstBad = -1;
        piece.text = PageCodec::DecodeBytes(bytes_.constData() + from, end - from, encoding_.codec, &bad, &firstBad);
        QByteArray breaks;
        if (allKept_ && bad == 0 && Kept(piece.text, start, end, breaks)) {
            breaks_.prepend(breaks);
            // These bytes are not needed again: a big page's bytes shrink while its text goes into the control.
            bytes_.truncate(start);
            bytes_.squeeze();
        } else {
            allKept_ = false;
        }
        if (hook_)
            hook_(piece);
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return ready_.size() < Ahead || stop_; });
        if (stop_)
            return;
        ready_.push_back(std::move(piece));
        lock.unlock();
        changed_.notify_all();
        end = start;
    } while (end > 0);
    const char usual = PageCodec::BreakCode(encoding_.lineEnd);
    if (!allKept_) {
        // Something will not come back as it was. The bytes up to the end of the last such piece are checked as a
        // whole page is (rare, and the control is still taking in the text meanwhile); the ones after it came
        // back as read.
        DecodedPage head = PageCodec::DecodeAs(bytes_, encoding_.codec);
        QByteArray breaks;
        if (PageCodec::FindBreaks(head.text, breaks) < 0)
            breaks += breaks_;
        head.text = QString();
        page_ = head;
        page_.breaks = breaks.count(usual) != breaks.size() ? breaks : QByteArray();
    } else if (breaks_.count(usual) != breaks_.size()) {
        page_.breaks = breaks_;
    }
    bytes_ = QByteArray();
    {
        std::lock_guard lock(mutex_);
        done_ = true;
    }
    changed_.notify_all();
}

bool PieceDecoder::Kept(QStringView text, qsizetype start, qsizetype end, QByteArray& breaks)
{
    if (PageCodec::FindBreaks(text, breaks) >= 0)
        return false;
    PageEncoding encoding = encoding_;
    encoding.bom = encoding_.bom && start == 0;
    qsizetype at = start;
    bool same = true;
    const bool encoded = PageCodec::EncodeWithBreaks(text, encoding, breaks, [&](const QByteArray& piece) {
        same = piece.size() <= end - at &&
               std::memcmp(piece.constData(), bytes_.constData() + at, size_t(piece.size())) == 0;
        at += piece.size();
        return same;
    });
    return encoded && same && at == end;
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

qsizetype PieceDecoder::LongestLine(QByteArrayView bytes)
{
    qsizetype longest = 0, start = 0;
    while (start < bytes.size()) {
        const void* lf = std::memchr(bytes.data() + start, '\n', size_t(bytes.size() - start));
        const qsizetype end = lf ? static_cast<const char*>(lf) - bytes.data() : bytes.size();
        longest = std::max(longest, end - start);
        start = end + 1;
    }
    return longest;
}

DecodedPage PieceDecoder::Summary() const
{
    return page_;
}
