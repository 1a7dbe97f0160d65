// Page decoding and encoding: any bytes decode, guessed or in a chosen code page; a page that says it keeps its
// bytes gives them back.
#include "base/pagecodec.h"
#include "base/piecedecoder.h"

#include <cstdlib>

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
    // Read in any code page the user may choose, a page that reports nothing saves back as it was.
    for (const PageEncoding::Codec codec : {PageEncoding::Gb18030, PageEncoding::Utf8, PageEncoding::Big5}) {
        const DecodedPage as = PageCodec::DecodeAs(bytes, codec);
        if (as.badBytes == 0 && as.firstUnkeptOffset < 0 && PageCodec::EncodeAsRead(as) != bytes)
            abort();
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
