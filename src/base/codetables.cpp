#include "base/codetables.h"

#include <QSysInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace {

constexpr quint32 QuadsInFirstPlane = 4 * 12600; // first bytes 0x81-0x84
constexpr quint32 FirstWideQuad = 15 * 12600;    // 0x90 30 81 30, U+10000

// Characters as the converter holds them inside (UCS-4 in the machine's order): converting to or from them is a
// single step, so a refused code costs no more than the code itself.
const char* Utf32Name()
{
#if defined(__STDC_ISO_10646__)
    static_assert(sizeof(wchar_t) == sizeof(char32_t));
    return "WCHAR_T";
#else
    return QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "UTF-32LE" : "UTF-32BE";
#endif
}

// Writes the four-byte code with the given index (see CodeTables::QuadIndex).
int WriteQuad(quint32 index, char* out)
{
    out[0] = char(0x81 + index / 12600);
    out[1] = char(0x30 + index / 1260 % 10);
    out[2] = char(0x81 + index / 10 % 126);
    out[3] = char(0x30 + index % 10);
    return 4;
}

bool IsSpecial(char32_t c)
{
    return c == 0x2029 || c == 0xFDD0 || c == 0xFDD1;
}

class Converter
{
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (Ok())
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool Ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts all of `in` at once; the number of bytes written to `out`, -1 where the input ends inside a code
    // and -2 where it holds no code at all.
    int Convert(const void* in, size_t size, void* out, size_t room)
    {
        if (!Ok())
            return -2;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = static_cast<char*>(const_cast<void*>(in));
        char* dst = static_cast<char*>(out);
        size_t left = size, dstLeft = room;
        const size_t converted = iconv(cd_, &src, &left, &dst, &dstLeft);
        consumed_ = qsizetype(size - left);
        produced_ = qsizetype(room - dstLeft);
        if (converted == size_t(-1))
            return errno == EINVAL ? -1 : -2;
        return int(produced_);
    }
    // What the last Convert read and wrote before it stopped.
    qsizetype Consumed() const { return consumed_; }
    qsizetype Produced() const { return produced_; }

private:
    iconv_t cd_;
    qsizetype consumed_ = 0;
    qsizetype produced_ = 0;
};

// The entry for what a code converted to: one character, or Bad.
quint32 Entry(const char* out, int size)
{
    char32_t c = 0;
    if (size != int(sizeof c))
        return CodeTables::Bad;
    std::memcpy(&c, out, sizeof c);
    return c > 0x10FFFF ? CodeTables::Bad : c | (IsSpecial(c) ? CodeTables::Special : 0);
}

// The entry for the one character `size` bytes stand for, Lead where they end inside a code, Bad where they are no
// code or more than one character.
quint32 ReadCode(Converter& cv, const uchar* bytes, size_t size)
{
    char32_t out[4];
    const int written = cv.Convert(bytes, size, out, sizeof out);
    if (written == -1)
        return CodeTables::Lead;
    if (written != int(sizeof(char32_t)) || out[0] > 0x10FFFF)
        return CodeTables::Bad;
    return out[0] | (IsSpecial(out[0]) ? CodeTables::Special : 0);
}

// Converts `count` inputs of `step` bytes each, laid one after the other in `in` and each ending with an LF, in as
// few calls as the converter allows (one, and one more after each input it refuses): `take(index, out, size)` gets
// what each input converts to, without the LF (`lfSize` bytes in the output), or size -1 for one refused.
template <class Take> void ConvertEach(Converter& cv, const QByteArray& in, int step, int lfSize, Take take)
{
    // A converter of several steps converts the input again up to a refused code: asking a few hundred at a time
    // keeps that short.
    constexpr qsizetype Batch = 256;
    const qsizetype count = in.size() / step;
    std::vector<char> out(size_t(Batch * step) * 4 + 64);
    qsizetype k = 0;
    while (k < count) {
        const char* from = in.constData() + k * step;
        const qsizetype asked = std::min(Batch, count - k);
        const int written = cv.Convert(from, size_t(asked * step), out.data(), out.size());
        const qsizetype done = written >= 0 ? asked : cv.Consumed() / step;
        const char* piece = out.data();
        const char* const end = out.data() + (written >= 0 ? written : cv.Produced());
        for (qsizetype j = 0; j < done; ++j) {
            const char* lf = piece;
            while (lf < end && !(lf[0] == '\n' && std::all_of(lf + 1, lf + lfSize, [](char c) { return c == 0; })))
                lf += lfSize;
            take(k + j, piece, lf < end ? int(lf - piece) : -1);
            piece = lf + lfSize;
        }
        k += done;
        if (written < 0)
            take(k++, nullptr, -1);
    }
}

} // namespace

const CodeTables* CodeTables::Of(CodePageId id)
{
    switch (id) {
    case CodePageIds::Gb18030: {
        static const CodeTables gb(CodePages::Of(id).iconv, true);
        return &gb;
    }
    case CodePageIds::Big5: {
        static const CodeTables big5(CodePages::Of(id).iconv, false);
        return &big5;
    }
    default:
        return nullptr;
    }
}

CodeTables::CodeTables(const char* iconvName, bool fourByteCodes) : fourByteCodes_(fourByteCodes)
{
    ReadCodes(iconvName);
    WriteCodes(iconvName);
    MarkKept();
}

void CodeTables::ReadCodes(const char* iconvName)
{
    Converter cv(Utf32Name(), iconvName);
    for (int b = 0; b < 256; ++b) {
        const uchar byte = uchar(b);
        first_[b] = ReadCode(cv, &byte, 1);
        if (first_[b] == Lead)
            firstLead_ = std::min(firstLead_, b);
    }
    pairs_.assign(size_t(256 - std::min(firstLead_, 256)) * 256, Bad);
    // Only the leads' pairs are asked about: no such pair stands for an LF, which ends each one's answer.
    std::vector<int> leads;
    QByteArray pairs;
    for (int lead = firstLead_; lead < 256; ++lead) {
        if (first_[lead] != Lead)
            continue;
        leads.push_back(lead);
        for (int trail = 0; trail < 256; ++trail)
            pairs.append(char(lead)).append(char(trail)).append('\n');
    }
    ConvertEach(cv, pairs, 3, sizeof(char32_t), [&](qsizetype i, const char* out, int size) {
        const uchar pair[2] = {uchar(leads[size_t(i / 256)]), uchar(i % 256)};
        quint32 entry = Entry(out, size);
        if (size < 0) // refused with an LF after it: is it the start of a longer code?
            entry = ReadCode(cv, pair, 2) == Lead && fourByteCodes_ ? Four : Bad;
        pairs_[size_t(pair[0] - firstLead_) * 256 + pair[1]] = entry;
    });
    if (!fourByteCodes_)
        return;
    quads_.assign(QuadsInFirstPlane, Bad);
    QByteArray quads(QuadsInFirstPlane * 5, '\n');
    for (quint32 index = 0; index < QuadsInFirstPlane; ++index)
        WriteQuad(index, quads.data() + index * 5);
    ConvertEach(cv, quads, 5, sizeof(char32_t),
                [&](qsizetype i, const char* out, int size) { quads_[size_t(i)] = size < 0 ? Bad : Entry(out, size); });
}

void CodeTables::WriteCodes(const char* iconvName)
{
    Converter cv(iconvName, Utf32Name());
    codes_.assign(0x10000, 0);
    uchar bytes[8];
    // ASCII alone (an LF ends each answer of the rest, asked all at once).
    for (char32_t c = 0; c < 0x80; ++c) {
        if (cv.Convert(&c, sizeof c, bytes, sizeof bytes) == 1)
            codes_[c] = 1u << 16 | bytes[0];
    }
    std::vector<char32_t> characters;
    for (char32_t c = 0x80; c < 0x10000; ++c) {
        if (c < 0xD800 || c > 0xDFFF) {
            characters.push_back(c);
            characters.push_back(U'\n');
        }
    }
    const QByteArray all(reinterpret_cast<const char*>(characters.data()), qsizetype(characters.size() * 4));
    ConvertEach(cv, all, 8, 1, [&](qsizetype i, const char* out, int size) {
        const char32_t c = characters[size_t(i) * 2];
        const auto* code = reinterpret_cast<const uchar*>(out);
        if (size == 1 || size == 2)
            codes_[c] = quint32(size) << 16 | (size == 1 ? code[0] : quint32(code[0]) << 8 | code[1]);
        else if (size == 4 && fourByteCodes_ && QuadIndex(code) < QuadsInFirstPlane)
            codes_[c] = 4u << 16 | QuadIndex(code);
    });
    // The few characters beyond the first plane with two-byte codes are written with them.
    for (size_t i = 0; i < pairs_.size(); ++i) {
        const char32_t c = pairs_[i] & CharMask;
        if ((pairs_[i] & (Bad | Four)) || c < 0x10000)
            continue;
        const quint16 code = quint16((firstLead_ + i / 256) << 8 | i % 256);
        if (cv.Convert(&c, sizeof c, bytes, sizeof bytes) == 2 && (bytes[0] << 8 | bytes[1]) == code)
            widePairs_.emplace_back(c, code);
    }
    std::sort(widePairs_.begin(), widePairs_.end());
}

void CodeTables::MarkKept()
{
    char back[4];
    // Whether the character of `entry` is written back as the `size` bytes at `code`.
    auto mark = [&](quint32& entry, const uchar* code, int size) {
        if (entry & (Bad | Lead | Four))
            return;
        if (Encode(entry & CharMask, back) != size || std::memcmp(back, code, size_t(size)) != 0)
            entry |= NotKept;
    };
    for (int b = 0; b < 256; ++b) {
        const uchar byte = uchar(b);
        mark(first_[b], &byte, 1);
    }
    for (size_t i = 0; i < pairs_.size(); ++i) {
        const uchar pair[2] = {uchar(firstLead_ + i / 256), uchar(i % 256)};
        mark(pairs_[i], pair, 2);
    }
    char quad[4];
    for (quint32 index = 0; index < quads_.size(); ++index) {
        WriteQuad(index, quad);
        mark(quads_[index], reinterpret_cast<const uchar*>(quad), 4);
    }
}

quint32 CodeTables::QuadIndex(const uchar* p)
{
    return ((quint32(p[0] - 0x81) * 10 + quint32(p[1] - 0x30)) * 126 + quint32(p[2] - 0x81)) * 10 + quint32(p[3] - 0x30);
}

quint32 CodeTables::Quad(const uchar* p) const
{
    if (p[2] < 0x81 || p[2] > 0xFE || p[3] < 0x30 || p[3] > 0x39)
        return Bad;
    const quint32 index = QuadIndex(p);
    if (index < quads_.size())
        return quads_[index];
    if (index < FirstWideQuad || index - FirstWideQuad > 0x10FFFF - 0x10000)
        return Bad;
    const char32_t c = index - FirstWideQuad + 0x10000;
    const auto wide = std::lower_bound(widePairs_.begin(), widePairs_.end(), std::pair<char32_t, quint16>(c, 0));
    return c | (wide != widePairs_.end() && wide->first == c ? NotKept : 0);
}

int CodeTables::EncodeOther(char32_t c, char* out) const
{
    if (c >= 0x10000) {
        const auto wide = std::lower_bound(widePairs_.begin(), widePairs_.end(), std::pair<char32_t, quint16>(c, 0));
        if (wide != widePairs_.end() && wide->first == c) {
            out[0] = char(wide->second >> 8);
            out[1] = char(wide->second);
            return 2;
        }
        return fourByteCodes_ && c <= 0x10FFFF ? WriteQuad(c - 0x10000 + FirstWideQuad, out) : 0;
    }
    const quint32 code = codes_[c];
    switch (code >> 16) {
    case 1:
        out[0] = char(code);
        return 1;
    case 2:
        out[0] = char(code >> 8);
        out[1] = char(code);
        return 2;
    case 4:
        return WriteQuad(code & 0xFFFF, out);
    default:
        return 0;
    }
}
