#pragma once
// Bytes of a page file <-> the text shown in a document window.
//
// A UTF-8 byte-order mark decides first, then the charset a page declares in its head; a page with neither is
// guessed from its bytes (GB18030, UTF-8 or Big5, GB18030 when nothing tells). The file's line ending is
// remembered so that saving writes it back; the text handed to the editor may keep its CR LF pairs (the editor
// stores one break).

#include "base/codepages.h"
#include "base/pageencoding.h"
#include "base/pageencoder.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QString>

#include <functional>

struct DecodedPage
{
    QString text; // line breaks as they were in the file
    PageEncoding encoding;
    qsizetype badBytes = 0; // bytes that did not decode (shown as U+FFFD)
    qsizetype firstBadOffset = -1;
    // The break that ends each line, in order ('c' CR LF, 'n' LF, 'r' CR, 'p' U+2029), when they are not all
    // the page's line end; empty when they are.
    QByteArray breaks;
    // Offset of the first byte that saving the page unchanged would not give back, or -1 when it gives back
    // every byte.
    qsizetype firstUnkeptOffset = -1;
};

class PageCodec
{
public:
    // Decides the encoding (byte-order mark, declared charset, UTF-8 validity, else GB18030) and decodes.
    // Also finds each line's break and whether saving the page unchanged gives back its bytes.
    static DecodedPage Decode(const QByteArray& bytes);
    // The same with the code page the user chose (a UTF-8 byte-order mark is then still the page's own).
    static DecodedPage DecodeAs(const QByteArray& bytes, PageEncoding::Codec codec);

    // The code page of a page that neither marks nor declares one, guessed from its bytes.
    static PageEncoding::Codec Guess(const char* data, qsizetype size);
    // The code page a declared charset names (lower case), or -1 for a name the editor does not read.
    static int DeclaredCodec(const QByteArray& charset);
    // The name shown for a code page ("GB18030", "UTF-8", "Big5").
    static QString CodecName(PageEncoding::Codec codec) { return QString::fromLatin1(CodePages::Of(codec).shown); }

    // Encodes text whose line breaks are "\n", "\r\n" or U+2029 (the editor's block separator) with the
    // given encoding, writing every break as the encoding's line end. Returns false only when a character
    // cannot be represented (a lone surrogate); `out` then holds nothing.
    static bool Encode(const QString& text, const PageEncoding& encoding, QByteArray& out);

    // The bytes of a page as it was read: its text with each line's own break. Empty when a character cannot be
    // written.
    static QByteArray EncodeAsRead(const DecodedPage& page);

    // The offset of the first character that `codec` cannot write (a lone surrogate, or for GB18030 one of
    // the private-use characters the C library has no bytes for), or -1.
    static qsizetype FirstUnencodable(QStringView text, PageEncoding::Codec codec);

    // Plain conversions used by other parts of the program (no line-end handling, no BOM).
    static QString FromGb18030(const QByteArray& bytes, qsizetype* badBytes = nullptr);
    static QByteArray ToGb18030(const QString& text);

    // The charset a page declares in its head (lower case), or "" when none is found.
    static QByteArray DeclaredCharset(const QByteArray& bytes);
    // A <meta ... charset=NAME> tag; the name is the first capture.
    static const QRegularExpression& CharsetDeclaration();
    static bool IsValidUtf8(const char* data, qsizetype size, bool* hasNonAscii);
    static PageEncoding::LineEnd DetectLineEnd(const QByteArray& bytes);

    // The encoding Decode (forced < 0) or DecodeAs (forced a code page) reads the page in; `skip` is the length of
    // the byte-order mark the text starts after.
    static PageEncoding Choose(const QByteArray& bytes, int forced, qsizetype* skip);
    // Decodes bytes without a byte-order mark; bytes that do not decode become U+FFFD one at a time, counted in
    // `badBytes`, the first one's offset in `firstBad` (left as it is when it is not negative).
    static QString DecodeBytes(const char* data, qsizetype size, PageEncoding::Codec codec, qsizetype* badBytes,
                               qsizetype* firstBad);
    // Splits the text into lines as the document control does (CR LF, LF, CR, U+2029 end a line) and appends the
    // breaks found to `breaks`. Returns the offset of a character at which the control would break a line where
    // the file has no break (U+FDD0 and U+FDD1 end a block too), or -1.
    static qsizetype FindBreaks(QStringView text, QByteArray& breaks);
    // The bytes that saving the text, split into lines as the control does, with its own breaks, writes, handed
    // to `sink` a piece at a time (so that a big page is not encoded whole beside its bytes) until it returns
    // false. False when a character cannot be encoded.
    static bool EncodeWithBreaks(QStringView text, const PageEncoding& encoding, const QByteArray& breaks,
                                 const std::function<bool(const QByteArray& piece)>& sink);
    static char BreakCode(PageEncoding::LineEnd lineEnd);

private:
    static DecodedPage DecodeText(const QByteArray& bytes, int forced);
};
