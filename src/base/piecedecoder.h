#pragma once
// Reads a page a piece at a time on worker threads (one per core, up to three), so that the text control takes in
// one piece while the next ones are decoded. The pieces are handed over from the end of the page to its start (the
// control takes each piece in front of what it holds). Each piece starts after a
// byte LF: no multi-byte character of UTF-8, GB18030 or Big5 has an LF among its bytes, so a cut never falls
// inside a character, nor inside a CR LF pair, and the decoder starts each piece as it would have gone on. The
// pieces together give exactly what PageCodec::Decode gives for the whole page (but see Summary).

#include "base/pagecodec.h"

#include <condition_variable>
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

    // Starts the workers; `hook` runs there on each piece before it is handed over (on several pieces at once).
    // The bytes are let go once the last piece is decoded, before the text control builds its lines.
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
    // The length in bytes of the longest run without an LF: no line of the page, decoded, is longer. `lines`
    // gets the number of LF breaks + 1.
    static qsizetype LongestLine(QByteArrayView bytes, qsizetype* lines = nullptr);

    // Where the piece that ends at `end` starts: just after the last LF before end - size, or at 0.
    static qsizetype PieceStart(QByteArrayView bytes, qsizetype end, qsizetype size);

private:
    // A piece as a worker leaves it, until it is handed over.
    struct Slot
    {
        DecodedPiece piece;
        QByteArray breaks;
        bool kept = false;
        bool ready = false;
    };
    void Work();
    Slot DecodePiece(size_t index);
    // Once every piece is decoded: what Summary gives.
    void Summarise();

    QByteArray bytes_;
    const int codec_;
    const qsizetype pieceBytes_;
    PageEncoding encoding_;
    qsizetype skip_ = 0;
    std::function<void(DecodedPiece&)> hook_;
    std::vector<std::thread> workers_;
    // Each piece's [start, end) in the bytes, the page's last piece first.
    std::vector<std::pair<qsizetype, qsizetype>> cuts_;

    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Slot> slots_;
    size_t next_ = 0;   // the next piece a worker takes
    size_t handed_ = 0; // pieces handed over
    int working_ = 0;   // workers not finished
    bool done_ = false;
    bool stop_ = false;

    // Written by the last worker to finish, read by Summary once done.
    DecodedPage page_;
};
