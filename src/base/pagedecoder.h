#pragma once
// Turns a page's bytes into text in one pass, learning on the way all that opening it needs to know: the bytes that
// did not decode, the break that ends each line, where the text control would end a line the file does not, and
// the first character that saving the page unchanged would write as other bytes. A run of ASCII, or of codes that
// the code page writes back as they were read, is never encoded again to find that out.

#include "base/codepages.h"

#include <QByteArray>
#include <QString>

struct DecodedText
{
    QString text;
    qsizetype badBytes = 0; // bytes that did not decode (each one U+FFFD)
    qsizetype firstBad = -1;
    // The break that ends each line ('c' CR LF, 'n' LF, 'r' CR, 'p' U+2029), up to `blockEnd`.
    QByteArray breaks;
    // The first U+FDD0 or U+FDD1 (the text control ends a line at them): its offset in the text and in the bytes.
    qsizetype blockEnd = -1;
    qsizetype blockEndByte = -1;
    // The first character that is written back as other bytes than it was read from: its offset in the text and
    // in the bytes.
    qsizetype unkept = -1;
    qsizetype unkeptByte = -1;

    // Whether saving the text (its breaks as they are) gives back exactly the bytes it was read from.
    bool Kept() const { return badBytes == 0 && blockEnd < 0 && unkept < 0; }
};

class PageDecoder
{
public:
    // Decodes bytes without a byte-order mark; bytes that do not decode become U+FFFD one at a time (the next code
    // is looked for from the byte after), as the C library's converter has them.
    static DecodedText Decode(const char* data, qsizetype size, CodePageId codec);
};
