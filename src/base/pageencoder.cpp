#include "base/pageencoder.h"

#include "base/codetables.h"

#include <QChar>

#include <algorithm>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Characters encoded between two checks of the room left: the buffer grows by at most this many times the longest
// code (a reference, 10 bytes for two units) at a time.
constexpr qsizetype RunUnits = 16384;
constexpr qsizetype MostBytesPerUnit = 8;

int Utf8(char32_t c, char* out)
{
    if (c < 0x800) {
        out[0] = char(0xC0 | (c >> 6));
        out[1] = char(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        out[0] = char(0xE0 | (c >> 12));
        out[1] = char(0x80 | ((c >> 6) & 0x3F));
        out[2] = char(0x80 | (c & 0x3F));
        return 3;
    }
    out[0] = char(0xF0 | (c >> 18));
    out[1] = char(0x80 | ((c >> 12) & 0x3F));
    out[2] = char(0x80 | ((c >> 6) & 0x3F));
    out[3] = char(0x80 | (c & 0x3F));
    return 4;
}

// The bytes of a character that is not ASCII: their number, 0 when the code page has none.
int Write(const CodeTables* tables, char32_t c, char* out)
{
    return tables ? tables->Encode(c, out) : Utf8(c, out);
}

// The character at s[k] (a surrogate pair as one), with its length in units; a lone surrogate comes as itself with
// length 0.
char32_t CharAt(const char16_t* s, qsizetype n, qsizetype k, int* units)
{
    const char16_t u = s[k];
    *units = 1;
    if (!QChar::isSurrogate(u))
        return u;
    if (QChar::isHighSurrogate(u) && k + 1 < n && QChar::isLowSurrogate(s[k + 1])) {
        *units = 2;
        return QChar::surrogateToUcs4(u, s[k + 1]);
    }
    *units = 0;
    return u;
}

// Copies the ASCII at s[k, n) to `out` up to the first other character; how many were copied.
qsizetype CopyAscii(const char16_t* s, qsizetype k, qsizetype n, char* out)
{
    qsizetype copied = 0;
#if defined(__SSE2__)
    const __m128i notAscii = _mm_set1_epi16(short(0xFF80));
    const __m128i zero = _mm_setzero_si128();
    while (k + copied + 16 <= n) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + k + copied));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + k + copied + 8));
        const __m128i high = _mm_and_si128(_mm_or_si128(a, b), notAscii);
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(high, zero)) != 0xFFFF)
            break;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + copied), _mm_packus_epi16(a, b));
        copied += 16;
    }
#endif
    while (k + copied < n && s[k + copied] < 0x80) {
        out[copied] = char(s[k + copied]);
        ++copied;
    }
    return copied;
}

} // namespace

PageEncoder::PageEncoder(const PageEncoding& encoding, qsizetype expectedBytes)
    : tables_(CodeTables::Of(encoding.codec))
{
    lineEnd_ = encoding.lineEnd == PageEncoding::CrLf ? QByteArrayLiteral("\r\n")
               : encoding.lineEnd == PageEncoding::Lf ? QByteArrayLiteral("\n")
                                                      : QByteArrayLiteral("\r");
    reserve_ = expectedBytes;
    out_.reserve(reserve_);
    if (encoding.codec == PageEncoding::Utf8 && encoding.bom)
        Put("\xEF\xBB\xBF", 3);
}

char* PageEncoder::Room(qsizetype bytes)
{
    if (out_.size() - used_ < bytes)
        out_.resize(std::max(used_ + bytes, std::max(out_.capacity(), out_.size() * 2)));
    return out_.data() + used_;
}

void PageEncoder::Put(const char* bytes, qsizetype size)
{
    std::copy(bytes, bytes + size, Room(size));
    used_ += size;
}

bool PageEncoder::Append(QStringView text)
{
    for (qsizetype from = 0; ok_ && from < text.size();) {
        qsizetype to = std::min(text.size(), from + RunUnits);
        if (to < text.size() && text[to - 1].isHighSurrogate())
            ++to; // a pair is never cut
        ok_ = AppendRun(text, from, to);
        from = to;
    }
    return ok_;
}

bool PageEncoder::AppendRun(QStringView text, qsizetype from, qsizetype to)
{
    const char16_t* s = text.utf16();
    char* const start = Room((to - from) * MostBytesPerUnit + 16);
    char* dst = start;
    for (qsizetype k = from; k < to;) {
        if (s[k] < 0x80) {
            const qsizetype ascii = CopyAscii(s, k, to, dst);
            dst += ascii;
            k += ascii;
            continue;
        }
        // A run of other characters (Chinese text) one look-up each, until ASCII comes again.
        do {
            int units = 0;
            const char32_t c = CharAt(s, to, k, &units);
            const int written = units ? Write(tables_, c, dst) : 0;
            if (written == 0) {
                if (!references_ || units == 0)
                    return Fail(k, c);
                // "&#x" + at most six digits + ";": within the room of the one or two units it replaces.
                const QByteArray reference = "&#x" + QByteArray::number(uint(c), 16).toUpper() + ';';
                dst = std::copy(reference.cbegin(), reference.cend(), dst);
            }
            dst += written;
            k += units;
        } while (k < to && s[k] >= 0x80);
    }
    used_ += dst - start;
    return true;
}

bool PageEncoder::Fail(qsizetype at, char32_t c)
{
    out_.clear();
    used_ = 0;
    failedAt_ = at;
    failedChar_ = c;
    return false;
}

qsizetype PageEncoder::FirstUnwritable(QStringView text, CodePageId codec)
{
    const CodeTables* tables = CodeTables::Of(codec);
    const char16_t* s = text.utf16();
    const qsizetype n = text.size();
    char bytes[8];
    for (qsizetype k = 0; k < n;) {
        if (s[k] < 0x80) {
            ++k;
            continue;
        }
        int units = 0;
        const char32_t c = CharAt(s, n, k, &units);
        if (units == 0 || Write(tables, c, bytes) == 0)
            return k;
        k += units;
    }
    return -1;
}

void PageEncoder::AppendLineEnd()
{
    if (ok_)
        Put(lineEnd_.constData(), lineEnd_.size());
}

void PageEncoder::AppendBreak(char kind)
{
    if (!ok_)
        return;
    switch (kind) {
    case 'c':
        Put("\r\n", 2);
        break;
    case 'n':
        Put("\n", 1);
        break;
    case 'r':
        Put("\r", 1);
        break;
    case 'p': {
        const char16_t separator = 0x2029;
        Append(QStringView(&separator, 1));
        break;
    }
    default:
        AppendLineEnd();
    }
}

QByteArray PageEncoder::Take()
{
    out_.truncate(used_);
    used_ = 0;
    QByteArray bytes = std::exchange(out_, QByteArray());
    if (!ok_)
        return QByteArray();
    // What follows gets the room the first piece had, rather than growing into it again.
    out_.reserve(std::min(reserve_, bytes.capacity()));
    return bytes;
}
