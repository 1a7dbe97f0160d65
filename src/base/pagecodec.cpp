#include "base/pagecodec.h"

#include <QRegularExpression>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <iconv.h>
#include <utility>
#include <uchardet.h>

namespace {

const char* IconvName(PageEncoding::Codec codec)
{
    return CodePages::Of(codec).iconv;
}

const char* Utf16Name()
{
    return QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "UTF-16LE" : "UTF-16BE";
}

class Iconv
{
public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Iconv()
    {
        if (ok())
            iconv_close(cd_);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

// Decodes `size` bytes into UTF-16; undecodable bytes become U+FFFD one byte at a time.
QString DecodeWith(const char* codec, const char* data, qsizetype size, qsizetype* badBytes, qsizetype* firstBad)
{
    QString out;
    if (size == 0)
        return out;
    Iconv cv(Utf16Name(), codec);
    if (!cv.ok())
        return QString::fromLatin1(data, size);
    out.resize(size + 1); // never more UTF-16 units than bytes (+1 for a replacement at the very end)
    char* in = const_cast<char*>(data);
    size_t inLeft = size_t(size);
    char* dst = reinterpret_cast<char*>(out.data());
    size_t dstLeft = size_t(out.size()) * 2;
    while (inLeft > 0) {
        if (iconv(cv.get(), &in, &inLeft, &dst, &dstLeft) != size_t(-1))
            break;
        if (errno == E2BIG) // cannot happen with the size above, but stay safe
            break;
        // EILSEQ or EINVAL (truncated at the end): replace one byte and go on.
        if (firstBad && *firstBad < 0)
            *firstBad = in - data;
        if (badBytes)
            ++*badBytes;
        const char16_t replacement = 0xFFFD;
        memcpy(dst, &replacement, 2);
        dst += 2;
        dstLeft -= 2;
        ++in;
        --inLeft;
        iconv(cv.get(), nullptr, nullptr, nullptr, nullptr);
    }
    out.resize((dst - reinterpret_cast<char*>(out.data())) / 2);
    // Room was made for one unit per byte: give back what a page of Chinese text did not use, before the text
    // control takes its own copy beside it.
    out.squeeze();
    return out;
}

// The character that starts at text[i] (a surrogate pair as one), with its length in UTF-16 units.
char32_t CharAt(const QChar* text, qsizetype count, qsizetype i, qsizetype* units)
{
    if (text[i].isHighSurrogate() && i + 1 < count && text[i + 1].isLowSurrogate()) {
        *units = 2;
        return QChar::surrogateToUcs4(text[i], text[i + 1]);
    }
    *units = 1;
    return text[i].unicode();
}

// Appends the encoding of text[0, count) to `out` through `cv`; false on a character that cannot be encoded,
// whose offset then goes to `failedAt`. With `references`, such a character is written as "&#x...;" instead
// (a lone surrogate still fails: it is no character at all).
bool AppendEncoded(iconv_t cv, const QChar* text, qsizetype count, QByteArray& out, qsizetype* failedAt = nullptr,
                   bool references = false)
{
    if (count == 0)
        return true;
    // ASCII needs no converter.
    qsizetype i = 0;
    while (i < count && text[i].unicode() < 0x80)
        ++i;
    if (i == count) {
        const qsizetype at = out.size();
        out.resize(at + count);
        char* p = out.data() + at;
        for (qsizetype k = 0; k < count; ++k)
            p[k] = char(text[k].unicode());
        return true;
    }
    char* in = reinterpret_cast<char*>(const_cast<QChar*>(text));
    size_t inLeft = size_t(count) * 2;
    while (inLeft > 0) {
        const qsizetype at = out.size();
        const size_t room = inLeft * 2 + 16; // at most 4 bytes per UTF-16 unit pair
        out.resize(at + qsizetype(room));
        char* dst = out.data() + at;
        size_t dstLeft = room;
        const size_t r = iconv(cv, &in, &inLeft, &dst, &dstLeft);
        out.resize(at + qsizetype(room - dstLeft));
        if (r != size_t(-1) || errno == E2BIG)
            continue;
        const qsizetype bad = (in - reinterpret_cast<char*>(const_cast<QChar*>(text))) / 2;
        qsizetype units = 1;
        const char32_t ch = CharAt(text, count, bad, &units);
        if (!references || QChar::isSurrogate(ch)) {
            if (failedAt)
                *failedAt = bad;
            return false;
        }
        out.append("&#x" + QByteArray::number(uint(ch), 16).toUpper() + ';');
        in += units * 2;
        inLeft -= size_t(units) * 2;
        iconv(cv, nullptr, nullptr, nullptr, nullptr);
    }
    return true;
}

} // namespace

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

// Works out how each line ends and whether the page, saved unchanged, gives back its bytes.
void CheckRoundTrip(const QByteArray& bytes, DecodedPage& page)
{
    QByteArray breaks;
    const qsizetype blockEnd = PageCodec::FindBreaks(page.text, breaks);
    const char usual = PageCodec::BreakCode(page.encoding.lineEnd);
    if (breaks.count(usual) != breaks.size())
        page.breaks = breaks;
    if (blockEnd >= 0) {
        qsizetype size = 0;
        const bool encoded = PageCodec::EncodeWithBreaks(QStringView(page.text).left(blockEnd), page.encoding, breaks,
                                              [&size](const QByteArray& piece) {
                                                  size += piece.size();
                                                  return true;
                                              });
        page.firstUnkeptOffset = encoded ? size : 0;
        return;
    }
    if (page.badBytes > 0)
        return; // already reported as such
    // Compared a piece at a time; the first byte that differs (or where one of them ends first) is not kept.
    qsizetype at = 0;
    qsizetype differs = -1;
    const bool encoded = PageCodec::EncodeWithBreaks(page.text, page.encoding, page.breaks, [&](const QByteArray& piece) {
        const qsizetype common = qMin(piece.size(), bytes.size() - at);
        for (qsizetype i = 0; i < common; ++i) {
            if (piece.at(i) != bytes.at(at + i)) {
                differs = at + i;
                return false;
            }
        }
        at += piece.size();
        if (common < piece.size()) {
            differs = bytes.size();
            return false;
        }
        return true;
    });
    if (!encoded)
        page.firstUnkeptOffset = 0;
    else if (differs >= 0)
        page.firstUnkeptOffset = differs;
    else if (at != bytes.size())
        page.firstUnkeptOffset = at;
}

} // namespace

DecodedPage PageCodec::Decode(const QByteArray& bytes)
{
    DecodedPage page = DecodeText(bytes, -1);
    CheckRoundTrip(bytes, page);
    return page;
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
    DecodedPage page = DecodeText(bytes, codec);
    CheckRoundTrip(bytes, page);
    return page;
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
    if (codec == PageEncoding::Utf8) {
        bool nonAscii = false;
        if (IsValidUtf8(data, size, &nonAscii)) {
            // fromUtf8 drops a byte-order mark at the start: one after the page's own is part of the text.
            qsizetype marks = 0;
            while (QByteArrayView(data + marks * 3, size - marks * 3).startsWith("\xEF\xBB\xBF"))
                ++marks;
            return QString(marks, QChar(0xFEFF)) + QString::fromUtf8(data + marks * 3, size - marks * 3);
        }
    }
    return DecodeWith(IconvName(codec), data, size, badBytes, firstBad);
}

DecodedPage PageCodec::DecodeText(const QByteArray& bytes, int forced)
{
    DecodedPage page;
    qsizetype skip = 0;
    page.encoding = Choose(bytes, forced, &skip);
    page.text = DecodeBytes(bytes.constData() + skip, bytes.size() - skip, page.encoding.codec, &page.badBytes,
                            &page.firstBadOffset);
    if (page.firstBadOffset >= 0)
        page.firstBadOffset += skip;
    return page;
}

PageEncoder::PageEncoder(const PageEncoding& encoding, qsizetype expectedBytes)
    : cd_(iconv_open(IconvName(encoding.codec), Utf16Name()))
{
    lineEnd_ = encoding.lineEnd == PageEncoding::CrLf ? QByteArrayLiteral("\r\n")
               : encoding.lineEnd == PageEncoding::Lf ? QByteArrayLiteral("\n")
                                                      : QByteArrayLiteral("\r");
    ok_ = cd_ != reinterpret_cast<void*>(-1);
    out_.reserve(expectedBytes);
    if (encoding.codec == PageEncoding::Utf8 && encoding.bom)
        out_.append("\xEF\xBB\xBF");
}

PageEncoder::~PageEncoder()
{
    if (cd_ != reinterpret_cast<void*>(-1))
        iconv_close(static_cast<iconv_t>(cd_));
}

bool PageEncoder::Append(QStringView text)
{
    if (!ok_)
        return false;
    qsizetype bad = -1;
    ok_ = AppendEncoded(static_cast<iconv_t>(cd_), text.data(), text.size(), out_, &bad, references_);
    if (!ok_) {
        out_.clear();
        if (bad >= 0) {
            failedAt_ = bad;
            qsizetype units = 1;
            failedChar_ = CharAt(text.data(), text.size(), bad, &units);
        }
    }
    return ok_;
}

void PageEncoder::AppendLineEnd()
{
    if (ok_)
        out_.append(lineEnd_);
}

void PageEncoder::AppendBreak(char kind)
{
    if (!ok_)
        return;
    switch (kind) {
    case 'c':
        out_.append("\r\n");
        break;
    case 'n':
        out_.append('\n');
        break;
    case 'r':
        out_.append('\r');
        break;
    case 'p': {
        const char16_t separator = 0x2029;
        Append(QStringView(&separator, 1));
        break;
    }
    default:
        out_.append(lineEnd_);
    }
}

QByteArray PageEncoder::Take()
{
    QByteArray bytes = std::exchange(out_, QByteArray());
    return ok_ ? bytes : QByteArray();
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
    qsizetype bad = 0, first = -1;
    QString s = DecodeWith("GB18030", bytes.constData(), bytes.size(), &bad, &first);
    if (badBytes)
        *badBytes = bad;
    return s;
}

qsizetype PageCodec::FirstUnencodable(QStringView text, PageEncoding::Codec codec)
{
    QByteArray out;
    qsizetype bad = -1;
    Iconv cv(IconvName(codec), Utf16Name());
    if (!cv.ok() || AppendEncoded(cv.get(), text.data(), text.size(), out, &bad))
        return -1;
    return bad;
}

QByteArray PageCodec::ToGb18030(const QString& text)
{
    QByteArray out;
    Iconv cv("GB18030", Utf16Name());
    if (!cv.ok() || !AppendEncoded(cv.get(), text.constData(), text.size(), out))
        return QByteArray();
    return out;
}
