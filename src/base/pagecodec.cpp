#include "base/pagecodec.h"

#include "base/pagedecoder.h"

#include <QRegularExpression>
#include <QtEndian>

#include <algorithm>
#include <functional>
#include <utility>
#include <uchardet.h>

bool PageCodec::IsValidUtf8(const char* data, qsizetype size, bool* hasNonAscii)
{
    const auto* p = reinterpret_cast<const unsigned char*>(data);
    bool nonAscii = false;
    qsizetype i = 0;
    while (i < size) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        nonAscii = true;
        int len = 0;
        unsigned int cp = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + len > size)
            return false;
        for (int k = 1; k < len; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        if ((len == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
            (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)))
            return false;
        i += len;
    }
    if (hasNonAscii)
        *hasNonAscii = nonAscii;
    return true;
}

const QRegularExpression& PageCodec::CharsetDeclaration()
{
    static const QRegularExpression meta(QStringLiteral(R"(<meta\b[^>]*?charset\s*=\s*["']?\s*([A-Za-z0-9_.:-]+))"),
                                         QRegularExpression::CaseInsensitiveOption);
    return meta;
}

QByteArray PageCodec::DeclaredCharset(const QByteArray& bytes)
{
    // Look only at the head: up to "</head>" or the first 16 KB.
    QByteArray head = bytes.left(16 * 1024);
    const qsizetype end = head.toLower().indexOf("</head");
    if (end >= 0)
        head.truncate(end);
    const QRegularExpressionMatch m = CharsetDeclaration().match(QString::fromLatin1(head));
    return m.hasMatch() ? m.captured(1).toLatin1().toLower() : QByteArray();
}

PageEncoding::LineEnd PageCodec::DetectLineEnd(const QByteArray& bytes)
{
    const qsizetype nl = bytes.indexOf('\n');
    const qsizetype cr = bytes.indexOf('\r');
    if (nl < 0 && cr < 0)
        return PageEncoding::CrLf; // a page without any break gets the editor's default
    if (cr >= 0 && (nl < 0 || cr < nl))
        return cr + 1 == nl ? PageEncoding::CrLf : PageEncoding::Cr;
    return PageEncoding::Lf;
}

char PageCodec::BreakCode(PageEncoding::LineEnd lineEnd)
{
    return lineEnd == PageEncoding::CrLf ? 'c' : lineEnd == PageEncoding::Lf ? 'n' : 'r';
}

qsizetype PageCodec::FindBreaks(QStringView text, QByteArray& breaks)
{
    const QChar* p = text.data();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i].unicode();
        if (c == u'\r') {
            if (i + 1 < n && p[i + 1] == u'\n') {
                breaks.append('c');
                ++i;
            } else {
                breaks.append('r');
            }
        } else if (c == u'\n') {
            breaks.append('n');
        } else if (c == 0x2029) {
            breaks.append('p');
        } else if (c == 0xFDD0 || c == 0xFDD1) {
            return i;
        }
    }
    return -1;
}

bool PageCodec::EncodeWithBreaks(QStringView text, const PageEncoding& encoding, const QByteArray& breaks,
                                 const std::function<bool(const QByteArray& piece)>& sink)
{
    constexpr qsizetype PieceBytes = 1 << 20;
    PageEncoder encoder(encoding, PieceBytes + PieceBytes / 4);
    const QChar* p = text.data();
    const qsizetype n = text.size();
    qsizetype start = 0, line = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i].unicode();
        if (c != u'\n' && c != u'\r' && c != 0x2029)
            continue;
        encoder.Append(QStringView(p + start, i - start));
        encoder.AppendBreak(breaks.isEmpty() ? 0 : breaks.at(line));
        ++line;
        if (c == u'\r' && i + 1 < n && p[i + 1] == u'\n')
            ++i;
        start = i + 1;
        if (!encoder.Ok())
            return false;
        if (encoder.Pending() >= PieceBytes && !sink(encoder.Take()))
            return true;
    }
    encoder.Append(QStringView(p + start, n - start));
    if (!encoder.Ok())
        return false;
    sink(encoder.Take());
    return true;
}

namespace {

// The bytes `text` is written as with the given breaks, counted, or -1 when a character cannot be written.
qsizetype EncodedSize(QStringView text, const PageEncoding& encoding, const QByteArray& breaks)
{
    qsizetype size = 0;
    const bool encoded = PageCodec::EncodeWithBreaks(text, encoding, breaks, [&size](const QByteArray& piece) {
        size += piece.size();
        return true;
    });
    return encoded ? size : -1;
}

// Where writing `text` (breaks and all, as characters) first differs from `bytes`: the offset of the first byte that
// differs, or where one of them ends before the other; -1 when they are the same, -2 when a character cannot be
// written.
qsizetype FirstDifference(QStringView text, const PageEncoding& encoding, QByteArrayView bytes)
{
    constexpr qsizetype PieceUnits = 1 << 20;
    PageEncoder encoder(encoding);
    qsizetype at = 0;
    for (qsizetype from = 0; from < text.size();) {
        qsizetype to = std::min(text.size(), from + PieceUnits);
        if (to < text.size() && text[to - 1].isHighSurrogate())
            ++to;
        if (!encoder.Append(text.sliced(from, to - from)))
            return -2;
        from = to;
        const QByteArray piece = encoder.Take();
        const qsizetype common = std::min(piece.size(), bytes.size() - at);
        const auto [mine, theirs] = std::mismatch(piece.cbegin(), piece.cbegin() + common, bytes.cbegin() + at);
        if (mine != piece.cbegin() + common)
            return at + (mine - piece.cbegin());
        if (common < piece.size())
            return bytes.size();
        at += piece.size();
    }
    return at == bytes.size() ? -1 : at;
}

// Works out how each line ends and whether the page, saved unchanged, gives back its bytes (`skip`: the length of its
// byte-order mark). Only a page with a character that is written back as other bytes, or one at which the text
// control ends a line, is encoded again to find where.
void CheckRoundTrip(const QByteArray& bytes, qsizetype skip, const DecodedText& decoded, DecodedPage& page)
{
    const char usual = PageCodec::BreakCode(page.encoding.lineEnd);
    if (decoded.breaks.count(usual) != decoded.breaks.size())
        page.breaks = decoded.breaks;
    if (decoded.blockEnd >= 0) {
        if (decoded.badBytes == 0 && (decoded.unkept < 0 || decoded.unkept > decoded.blockEnd)) {
            page.firstUnkeptOffset = skip + decoded.blockEndByte;
        } else {
            const qsizetype size = EncodedSize(QStringView(decoded.text).left(decoded.blockEnd), page.encoding, decoded.breaks);
            page.firstUnkeptOffset = size >= 0 ? size : 0;
        }
        return;
    }
    if (decoded.badBytes > 0 || decoded.unkept < 0)
        return; // bad bytes are already reported as such; otherwise every byte comes back
    PageEncoding rest = page.encoding;
    rest.bom = false;
    const qsizetype from = skip + decoded.unkeptByte;
    const qsizetype differs =
        FirstDifference(QStringView(decoded.text).sliced(decoded.unkept), rest, QByteArrayView(bytes).sliced(from));
    if (differs != -1)
        page.firstUnkeptOffset = differs == -2 ? 0 : from + differs;
}

} // namespace

DecodedPage PageCodec::Decode(const QByteArray& bytes)
{
    return DecodeText(bytes, -1);
}

QByteArray PageCodec::EncodeAsRead(const DecodedPage& page)
{
    QByteArray bytes;
    const bool encoded = EncodeWithBreaks(page.text, page.encoding, page.breaks, [&](const QByteArray& piece) {
        bytes += piece;
        return true;
    });
    return encoded ? bytes : QByteArray();
}

DecodedPage PageCodec::DecodeAs(const QByteArray& bytes, PageEncoding::Codec codec)
{
    return DecodeText(bytes, codec);
}

int PageCodec::DeclaredCodec(const QByteArray& charset)
{
    const CodePage* page = CodePages::Declared(charset);
    return page ? int(page->id) : -1;
}

namespace {

// The detector's answer mapped onto the code pages the editor writes, or -1 (ASCII, a single-byte code page,
// no answer). The first 256 KB tell as much as the whole of a big page.
int Detected(const char* data, qsizetype size)
{
    uchardet_t detector = uchardet_new();
    if (!detector)
        return -1;
    int codec = -1;
    if (uchardet_handle_data(detector, data, size_t(std::min<qsizetype>(size, 256 * 1024))) == 0) {
        uchardet_data_end(detector);
        if (const CodePage* page = CodePages::Detected(uchardet_get_charset(detector)))
            codec = page->id;
    }
    uchardet_delete(detector);
    return codec;
}

bool IsAsciiLetter(unsigned char c)
{
    return (c | 0x20) >= 'a' && (c | 0x20) <= 'z';
}

// Valid UTF-8 that is more likely GB text: every non-ASCII character is a two-byte sequence that is also a GB2312
// character (both bytes A1-FE, which no Chinese character in UTF-8 is), there are at least two of them, none is a
// sign or letter of Western text (U+0080-U+00FF: "©", "é") and no other Latin letter sits in an ASCII word. So
// "café" and "© ®" stay UTF-8 while "小说" (D0 A1 CB B5) does not. Short texts like these are where the detector
// has too little to go on.
bool LooksLikeGb(const char* data, qsizetype size)
{
    const auto* p = reinterpret_cast<const unsigned char*>(data);
    qsizetype pairs = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (p[i] < 0x80)
            continue;
        if (p[i] < 0xC2 || p[i] > 0xDF || i + 1 >= size || p[i + 1] < 0xA1 || p[i + 1] > 0xBF)
            return false;
        const unsigned cp = ((p[i] & 0x1Fu) << 6) | (p[i + 1] & 0x3Fu);
        if (cp < 0x100)
            return false; // a sign or letter of Western text ("©", "é")
        const bool latin = cp <= 0x24F;
        if (latin && ((i > 0 && IsAsciiLetter(p[i - 1])) || (i + 2 < size && IsAsciiLetter(p[i + 2]))))
            return false;
        ++pairs;
        ++i;
    }
    return pairs >= 2;
}

} // namespace

PageEncoding::Codec PageCodec::Guess(const char* data, qsizetype size)
{
    bool nonAscii = false;
    const bool utf8 = IsValidUtf8(data, size, &nonAscii);
    if (utf8 && !nonAscii)
        return PageEncoding::Gb18030; // plain ASCII: what the editor writes for new pages
    const int detected = Detected(data, size);
    if (!utf8)
        return detected == PageEncoding::Big5 ? PageEncoding::Big5 : PageEncoding::Gb18030;
    // Valid UTF-8: the detector leans to UTF-8 for any such bytes, so it only overrides towards a code page.
    if (detected == PageEncoding::Gb18030 || detected == PageEncoding::Big5)
        return PageEncoding::Codec(detected);
    return LooksLikeGb(data, size) ? PageEncoding::Gb18030 : PageEncoding::Utf8;
}

PageEncoding PageCodec::Choose(const QByteArray& bytes, int forced, qsizetype* skip)
{
    PageEncoding encoding;
    encoding.lineEnd = DetectLineEnd(bytes);
    *skip = 0;
    if (bytes.startsWith("\xEF\xBB\xBF") && (forced < 0 || forced == PageEncoding::Utf8)) {
        encoding.codec = PageEncoding::Utf8;
        encoding.bom = true;
        *skip = 3;
    } else if (forced >= 0) {
        encoding.codec = PageEncoding::Codec(forced);
    } else {
        const int declared = DeclaredCodec(DeclaredCharset(bytes));
        encoding.codec = declared >= 0 ? PageEncoding::Codec(declared) : Guess(bytes.constData(), bytes.size());
    }
    return encoding;
}

QString PageCodec::DecodeBytes(const char* data, qsizetype size, PageEncoding::Codec codec, qsizetype* badBytes,
                               qsizetype* firstBad)
{
    DecodedText decoded = PageDecoder::Decode(data, size, codec);
    if (badBytes)
        *badBytes += decoded.badBytes;
    if (firstBad && *firstBad < 0)
        *firstBad = decoded.firstBad;
    return std::move(decoded.text);
}

DecodedPage PageCodec::DecodeText(const QByteArray& bytes, int forced)
{
    DecodedPage page;
    qsizetype skip = 0;
    page.encoding = Choose(bytes, forced, &skip);
    DecodedText decoded = PageDecoder::Decode(bytes.constData() + skip, bytes.size() - skip, page.encoding.codec);
    page.badBytes = decoded.badBytes;
    page.firstBadOffset = decoded.firstBad >= 0 ? decoded.firstBad + skip : -1;
    CheckRoundTrip(bytes, skip, decoded, page);
    page.text = std::move(decoded.text);
    return page;
}

bool PageCodec::Encode(const QString& text, const PageEncoding& encoding, QByteArray& out)
{
    PageEncoder encoder(encoding, text.size() + text.size() / 16 + 16);
    const QChar* p = text.constData();
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i].unicode();
        if (c != u'\n' && c != u'\r' && c != 0x2029)
            continue;
        encoder.Append(QStringView(p + start, i - start));
        encoder.AppendLineEnd();
        if (c == u'\r' && i + 1 < n && p[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    encoder.Append(QStringView(p + start, n - start));
    out = encoder.Take();
    return encoder.Ok();
}

QString PageCodec::FromGb18030(const QByteArray& bytes, qsizetype* badBytes)
{
    DecodedText decoded = PageDecoder::Decode(bytes.constData(), bytes.size(), PageEncoding::Gb18030);
    if (badBytes)
        *badBytes = decoded.badBytes;
    return std::move(decoded.text);
}

qsizetype PageCodec::FirstUnencodable(QStringView text, PageEncoding::Codec codec)
{
    return PageEncoder::FirstUnwritable(text, codec);
}

QByteArray PageCodec::ToGb18030(const QString& text)
{
    PageEncoder encoder{PageEncoding()};
    encoder.Append(text);
    return encoder.Take();
}
