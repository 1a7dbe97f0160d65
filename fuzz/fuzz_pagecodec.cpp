// Page decoding and encoding: any bytes decode, guessed or in a chosen code page; a page that says it keeps its
// bytes gives them back. The one-pass decoder and the table encoder give, byte for byte, what the C library's
// converter gives (tests/common/iconvreference.h): the same text, bad bytes and first bad offset, the same bytes
// written or the same character refused, and the same first byte not kept.
#include "base/pagecodec.h"
#include "base/pagedecoder.h"
#include "base/piecedecoder.h"

#include "iconvreference.h"

#include <cstdlib>

namespace {

const PageEncoding::Codec Codecs[] = {PageEncoding::Gb18030, PageEncoding::Utf8, PageEncoding::Big5};

void SameAsTheLibrary(QByteArrayView bytes, PageEncoding::Codec codec)
{
    const IconvReference::Decoded expected = IconvReference::Decode(bytes, codec);
    const DecodedText decoded = PageDecoder::Decode(bytes.data(), bytes.size(), codec);
    if (decoded.text != expected.text || decoded.badBytes != expected.badBytes || decoded.firstBad != expected.firstBad)
        abort();
    QByteArray breaks;
    if (PageCodec::FindBreaks(expected.text, breaks) != decoded.blockEnd || breaks != decoded.breaks)
        abort();
}

void WrittenAsTheLibrary(QStringView text, PageEncoding::Codec codec)
{
    for (const bool references : {false, true}) {
        const IconvReference::Encoded expected = IconvReference::Encode(text, codec, references);
        PageEncoding encoding;
        encoding.codec = codec;
        PageEncoder encoder(encoding);
        encoder.WriteReferences(references);
        if (encoder.Append(text) != (expected.failedAt < 0) || encoder.Take() != expected.bytes ||
            encoder.FailedAt() != expected.failedAt)
            abort();
        if (!references && PageCodec::FirstUnencodable(text, codec) != expected.failedAt)
            abort();
    }
}

// The first byte not kept, worked out the long way: the page written back whole and compared with its bytes.
qsizetype FirstUnkept(const QByteArray& bytes, const DecodedPage& page)
{
    const QByteArray bom = page.encoding.bom ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    QByteArray breaks;
    const qsizetype blockEnd = PageCodec::FindBreaks(page.text, breaks);
    if (blockEnd < 0 && page.badBytes > 0)
        return -1;
    const QStringView text = blockEnd >= 0 ? QStringView(page.text).left(blockEnd) : QStringView(page.text);
    const IconvReference::Encoded back = IconvReference::Encode(text, page.encoding.codec, false);
    if (back.failedAt >= 0)
        return 0;
    const QByteArray written = bom + back.bytes;
    if (blockEnd >= 0)
        return written.size();
    const qsizetype common = std::min(written.size(), bytes.size());
    for (qsizetype i = 0; i < common; ++i) {
        if (written[i] != bytes[i])
            return i;
    }
    return written.size() == bytes.size() ? -1 : common;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const DecodedPage page = PageCodec::Decode(bytes);
    QByteArray out;
    PageCodec::Encode(page.text, page.encoding, out);
    PageEncoder references(page.encoding);
    references.WriteReferences(true);
    references.Append(page.text);
    PageCodec::FirstUnencodable(page.text, PageEncoding::Gb18030);
    // Without breaks of its own and nothing reported, the page encodes back to exactly its bytes.
    if (page.badBytes == 0 && page.firstUnkeptOffset < 0 && page.breaks.isEmpty() &&
        !page.text.contains(QChar(0x2029)) && !page.text.contains(QLatin1Char('\r')) &&
        !page.text.contains(QLatin1Char('\n')) && out != bytes)
        abort();
    // Read in any code page the user may choose, a page that reports nothing saves back as it was, and the first
    // byte it does not keep is the one writing it back whole finds.
    // The same bytes as UTF-16 are any text at all, lone surrogates included.
    const QStringView units(reinterpret_cast<const char16_t*>(data), qsizetype(size / 2));
    for (const PageEncoding::Codec codec : Codecs) {
        const DecodedPage as = PageCodec::DecodeAs(bytes, codec);
        if (as.badBytes == 0 && as.firstUnkeptOffset < 0 && PageCodec::EncodeAsRead(as) != bytes)
            abort();
        if (as.firstUnkeptOffset != FirstUnkept(bytes, as))
            abort();
        SameAsTheLibrary(bytes, codec);
        WrittenAsTheLibrary(as.text, codec);
        WrittenAsTheLibrary(units, codec);
    }
    // Read in small pieces on the worker, as big pages are opened, the page is the one read whole.
    PieceDecoder reader(bytes, -1, 1 + (size > 0 ? data[0] % 16 : 0));
    reader.Start();
    QString text;
    for (DecodedPiece piece; reader.Next(piece);)
        text.prepend(piece.text);
    const DecodedPage summary = reader.Summary();
    if (text != page.text || !(summary.encoding == page.encoding) || summary.badBytes != page.badBytes ||
        summary.breaks != page.breaks)
        abort();
    return 0;
}
