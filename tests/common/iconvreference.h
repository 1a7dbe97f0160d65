#pragma once
// The C library's converter used the plain way, a call per run of text: what the page decoder and encoder must give
// byte for byte. Bytes that do not decode become U+FFFD one at a time; a character the code page has no bytes for
// stops the encoding, or is written as "&#x...;" when asked (a lone surrogate always stops it).

#include "base/codepages.h"

#include <QByteArray>
#include <QString>

#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <map>
#include <string>
#include <utility>

namespace IconvReference {

struct Decoded
{
    QString text;
    qsizetype badBytes = 0;
    qsizetype firstBad = -1;
};

struct Encoded
{
    QByteArray bytes;
    qsizetype failedAt = -1; // the offset of the character that stopped it, or -1
};

inline const char* Utf16Name()
{
    return QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "UTF-16LE" : "UTF-16BE";
}

// A converter kept for the rest of the run, reset to its starting state.
inline iconv_t Converter(const char* to, const char* from)
{
    static std::map<std::pair<std::string, std::string>, iconv_t> open;
    iconv_t& cd = open[{to, from}];
    if (!cd)
        cd = iconv_open(to, from);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    return cd;
}

inline Decoded Decode(QByteArrayView bytes, CodePageId codec)
{
    Decoded result;
    iconv_t cd = Converter(Utf16Name(), CodePages::Of(codec).iconv);
    result.text.resize(bytes.size() + 1);
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = size_t(bytes.size());
    char* dst = reinterpret_cast<char*>(result.text.data());
    size_t dstLeft = size_t(result.text.size()) * 2;
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &dst, &dstLeft) != size_t(-1))
            break;
        if (result.firstBad < 0)
            result.firstBad = in - bytes.data();
        ++result.badBytes;
        const char16_t replacement = 0xFFFD;
        std::memcpy(dst, &replacement, 2);
        dst += 2;
        dstLeft -= 2;
        ++in;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    result.text.resize((dst - reinterpret_cast<char*>(result.text.data())) / 2);
    return result;
}

// Appends the encoding of text[from, to) to `result` (offsets in `text`); false when it stopped.
inline bool EncodeRun(QStringView text, qsizetype from, qsizetype to, CodePageId codec, bool references,
                      Encoded& result)
{
    iconv_t cd = Converter(CodePages::Of(codec).iconv, Utf16Name());
    char* const start = reinterpret_cast<char*>(const_cast<QChar*>(text.data()));
    char* in = start + from * 2;
    size_t inLeft = size_t(to - from) * 2;
    while (inLeft > 0) {
        const qsizetype at = result.bytes.size();
        const size_t room = inLeft * 2 + 16;
        result.bytes.resize(at + qsizetype(room));
        char* dst = result.bytes.data() + at;
        size_t dstLeft = room;
        const size_t r = iconv(cd, &in, &inLeft, &dst, &dstLeft);
        result.bytes.resize(at + qsizetype(room - dstLeft));
        if (r != size_t(-1) || errno == E2BIG)
            continue;
        const qsizetype bad = (in - start) / 2;
        const QChar unit = text[bad];
        const bool pair = unit.isHighSurrogate() && bad + 1 < to && text[bad + 1].isLowSurrogate();
        if (!references || (unit.isSurrogate() && !pair)) {
            result.bytes.clear();
            result.failedAt = bad;
            return false;
        }
        const char32_t c = pair ? QChar::surrogateToUcs4(unit, text[bad + 1]) : unit.unicode();
        result.bytes.append("&#x" + QByteArray::number(uint(c), 16).toUpper() + ';');
        in += pair ? 4 : 2;
        inLeft -= pair ? 4 : 2;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    return true;
}

// Where the converter has no bytes for a tag character (U+E0000-U+E007F) it drops it without a word; the editor
// never drops a character, so here such a character is one without bytes like any other.
inline bool IsDroppedTag(QStringView text, qsizetype at, CodePageId codec)
{
    if (at + 1 >= text.size() || text[at].unicode() != 0xDB40 || text[at + 1].unicode() > 0xDC7F ||
        !text[at + 1].isLowSurrogate())
        return false;
    Encoded alone;
    return EncodeRun(text, at, at + 2, codec, false, alone) && alone.bytes.isEmpty();
}

inline Encoded Encode(QStringView text, CodePageId codec, bool references)
{
    Encoded result;
    qsizetype from = 0;
    for (qsizetype at = 0; at <= text.size(); ++at) {
        const bool end = at == text.size();
        if (!end && !IsDroppedTag(text, at, codec))
            continue;
        if (!EncodeRun(text, from, at, codec, references, result))
            return result;
        if (end)
            break;
        if (!references) {
            result.bytes.clear();
            result.failedAt = at;
            return result;
        }
        result.bytes.append("&#x" + QByteArray::number(uint(QChar::surrogateToUcs4(text[at], text[at + 1])), 16).toUpper() + ';');
        from = ++at + 1;
    }
    return result;
}

} // namespace IconvReference
