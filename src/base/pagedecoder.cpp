#include "base/pagedecoder.h"

#include "base/codetables.h"

#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// One pass over the bytes: each step reads one code and writes its character straight into the text.
class Pass
{
public:
    Pass(const char* data, qsizetype size, DecodedText& result)
        : p_(reinterpret_cast<const uchar*>(data)), n_(size), result_(result)
    {
        result_.text = QString(size, Qt::Uninitialized);
        start_ = reinterpret_cast<char16_t*>(result_.text.data());
        out_ = start_;
    }

    // Decodes it all, `step` reading each code that is not ASCII.
    template <class Step> void Run(Step step)
    {
        while (i_ < n_) {
            if (p_[i_] < 0x80)
                AsciiRun();
            else
                step();
        }
        result_.text.truncate(out_ - start_);
        // Room was made for one unit per byte: give back what a page of Chinese text did not use, before the text
        // control takes its own copy beside it.
        result_.text.squeeze();
    }

    void TableStep(const CodeTables& tables)
    {
        quint32 entry = tables.First(p_[i_]);
        qsizetype length = 1;
        if (entry & CodeTables::Lead) {
            entry = CodeTables::Bad;
            if (i_ + 1 < n_) {
                entry = tables.Pair(p_[i_], p_[i_ + 1]);
                length = 2;
            }
            if (entry & CodeTables::Four) {
                entry = i_ + 3 < n_ ? tables.Quad(p_ + i_) : CodeTables::Bad;
                length = 4;
            }
        }
        if (entry & CodeTables::Bad)
            BadByte();
        else
            Char(entry, length);
    }

    void Utf8Step()
    {
        const uchar lead = p_[i_];
        int length = 0;
        char32_t c = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            c = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            c = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            c = lead & 0x07;
        }
        if (length == 0 || i_ + length > n_)
            return BadByte();
        for (int k = 1; k < length; ++k) {
            const uchar next = p_[i_ + k];
            if ((next & 0xC0) != 0x80)
                return BadByte();
            c = (c << 6) | (next & 0x3F);
        }
        if ((length == 3 && (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))) ||
            (length == 4 && (c < 0x10000 || c > 0x10FFFF)))
            return BadByte();
        const bool special = c == 0x2029 || c == 0xFDD0 || c == 0xFDD1;
        Char(c | (special ? CodeTables::Special : 0), length);
    }

private:
    qsizetype TextOffset() const { return out_ - start_; }

    void Char(quint32 entry, qsizetype length)
    {
        const char32_t c = entry & CodeTables::CharMask;
        if (entry & (CodeTables::Special | CodeTables::NotKept))
            Note(entry);
        if (c < 0x10000) {
            *out_++ = char16_t(c);
        } else {
            *out_++ = QChar::highSurrogate(c);
            *out_++ = QChar::lowSurrogate(c);
        }
        i_ += length;
    }

    // A character that ends a line, or that is written back as other bytes.
    void Note(quint32 entry)
    {
        const char32_t c = entry & CodeTables::CharMask;
        if ((entry & CodeTables::NotKept) && result_.unkept < 0) {
            result_.unkept = TextOffset();
            result_.unkeptByte = i_;
        }
        if (!(entry & CodeTables::Special) || result_.blockEnd >= 0)
            return;
        if (c == 0x2029) {
            result_.breaks.append('p');
        } else {
            result_.blockEnd = TextOffset();
            result_.blockEndByte = i_;
        }
    }

    void BadByte()
    {
        if (result_.firstBad < 0)
            result_.firstBad = i_;
        ++result_.badBytes;
        *out_++ = 0xFFFD;
        ++i_;
    }

    // The CR or LF at byte `at`: a CR LF pair is one break, at its CR.
    void Break(qsizetype at)
    {
        if (result_.blockEnd >= 0)
            return;
        if (p_[at] == '\r')
            result_.breaks.append(at + 1 < n_ && p_[at + 1] == '\n' ? 'c' : 'r');
        else if (at == 0 || p_[at - 1] != '\r')
            result_.breaks.append('n');
    }

    // The breaks among 16 bytes from `from`, one bit each in `bits`.
    void Breaks(qsizetype from, unsigned bits)
    {
        for (; bits != 0; bits &= bits - 1)
            Break(from + std::countr_zero(bits));
    }

    // Copies the ASCII from here on, sixteen bytes at a time where it can.
    void AsciiRun()
    {
#if defined(__SSE2__)
        const __m128i zero = _mm_setzero_si128();
        const __m128i lf = _mm_set1_epi8('\n');
        const __m128i cr = _mm_set1_epi8('\r');
        while (i_ + 16 <= n_) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p_ + i_));
            const unsigned high = unsigned(_mm_movemask_epi8(v));
            unsigned breaks = unsigned(_mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, lf), _mm_cmpeq_epi8(v, cr))));
            // The text has room for a unit per byte, so all sixteen may be written even where fewer are ASCII.
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out_), _mm_unpacklo_epi8(v, zero));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out_ + 8), _mm_unpackhi_epi8(v, zero));
            const int ascii = high ? std::countr_zero(high) : 16;
            if (ascii < 16)
                breaks &= (1u << ascii) - 1;
            if (breaks)
                Breaks(i_, breaks);
            i_ += ascii;
            out_ += ascii;
            if (ascii < 16)
                return;
        }
#endif
        while (i_ < n_ && p_[i_] < 0x80) {
            *out_++ = p_[i_];
            if (p_[i_] == '\n' || p_[i_] == '\r')
                Break(i_);
            ++i_;
        }
    }

    const uchar* p_;
    const qsizetype n_;
    qsizetype i_ = 0;
    DecodedText& result_;
    char16_t* start_ = nullptr;
    char16_t* out_ = nullptr;
};

} // namespace

DecodedText PageDecoder::Decode(const char* data, qsizetype size, CodePageId codec)
{
    DecodedText result;
    if (size <= 0)
        return result;
    Pass pass(data, size, result);
    if (const CodeTables* tables = CodeTables::Of(codec))
        pass.Run([&] { pass.TableStep(*tables); });
    else
        pass.Run([&] { pass.Utf8Step(); });
    return result;
}
