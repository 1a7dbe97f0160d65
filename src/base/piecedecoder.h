#pragma once
// Reads a page a piece at a time on a worker thread, so that the text control takes in one piece while the next
// is decoded. The pieces come from the end of the page to its start, so that the bytes already decoded can be
// let go by shortening them (the control takes each piece in front of what it holds). Each piece starts after a
// byte LF: no multi-byte character of UTF-8, GB18030 or Big5 has an LF among its bytes, so a cut never falls
// inside a character, nor inside a CR LF pair, and the decoder starts each piece as it would have gone on. The
// pieces together give exactly what PageCodec::Decode gives for the whole page (but see Summary).

#include "base/pagecodec.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

struct DecodedPiece
{
    QString text; // line breaks as they were in the file
    // Filled on the worker by the reader's hook (see Start).
    std::vector<int> markers;
};

class PieceDecoder
{
public:
    // `codec` as in PageFile::Read (-1: the page's own). The encoding is decided here, before any piece.
    explicit PieceDecoder(const QByteArray& bytes, int codec = -1, qsizetype pieceBytes = 1 << 20);
    ~PieceDecoder();
    PieceDecoder(const PieceDecoder&) = delete;
    PieceDecoder& operator=(const PieceDecoder&) = delete;

    const PageEncoding& Encoding() const { return encoding_; }
    // The page's bytes, until Start or DecodeWhole.
    const QByteArray& Bytes() const { return bytes_; }
    // The number of lines the page has (as the text control counts LF and CR LF breaks), for sizing ahead.
    qsizetype LineCount() const;

    // Starts the worker; `hook` runs there on each piece before it is handed over. The bytes are let go as they
    // are decoded, so that a big page's bytes are not kept beside its text.
    void Start(std::function<void(DecodedPiece&)> hook = {});
    // Waits for the piece before the last one given (the page's last piece first); false when there are no more.
    // A page gives at least one piece (maybe empty).
    bool Next(DecodedPiece& piece);
    // After the last piece: the page as Decode gives it, without its text. (Where the text saved back is longer
    // or shorter than the bytes it was read from, the first byte not kept is counted up to the end of the last
    // piece that did not come back as read.)
    DecodedPage Summary() const;
    // Instead of Start: the page decoded whole (Summary gives it too).
    DecodedPage DecodeWhole();
    // The length in bytes of the longest run without an LF: no line of the page, decoded, is longer.
    static qsizetype LongestLine(QByteArrayView bytes);

    // Where the piece that ends at `end` starts: just after the last LF before end - size, or at 0.
    static qsizetype PieceStart(QByteArrayView bytes, qsizetype end, qsizetype size);

private:
    void Run();
    // Whether the piece's text, saved with its own breaks, gives back its bytes: then nothing in it needs a word
    // at opening. Its breaks go to `breaks`.
    bool Kept(QStringView text, qsizetype start, qsizetype end, QByteArray& breaks);

    QByteArray bytes_;
    const int codec_;
    const qsizetype pieceBytes_;
    PageEncoding encoding_;
    qsizetype skip_ = 0;
    std::function<void(DecodedPiece&)> hook_;
    std::thread worker_;

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<DecodedPiece> ready_;
    bool done_ = false;
    bool stop_ = false;

    // Worker state, read by Summary once done.
    DecodedPage page_;
    QByteArray breaks_;
    bool allKept_ = true;
};
