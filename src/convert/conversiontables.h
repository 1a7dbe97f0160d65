#pragma once
// Big5 <-> GB2312 conversion of a whole text, byte by byte over its GB18030 bytes.
//
// The tables are compiled in (:/tables/big5-to-gb2312.bin, :/tables/gb2312-to-big5.bin and, for the GBK
// characters outside GB2312, :/tables/gbk-to-big5.bin; written by tools/convtables) and read on the first
// conversion. A text that came from a Big5 file holds the Big5 bytes as GB18030 characters, so BigToGb of
// it gives readable GB text; GbToBig gives text whose GB18030 bytes, as saved, are Big5.

#include <QByteArray>
#include <QString>

#include <cstdint>

enum class ConversionDirection
{
    BigToGb,
    GbToBig
};

class ConversionTables
{
public:
    static constexpr qsizetype BigToGbSize = 94 * 191 * 2;   // Big5 lead 0xA1..0xFE x trail 0x40..0xFE
    static constexpr qsizetype GbToBigSize = 88 * 94 * 2;    // GB lead 0xA1..0xA9, 0xB0..0xFE x trail 0xA1..0xFE
    static constexpr qsizetype GbkToBigSize = 126 * 191 * 2; // GBK lead 0x81..0xFE x trail 0x40..0xFE
    static constexpr uint16_t GbSpace = 0xA1A1;              // full-width space, the stand-in of a missing code
    static constexpr uint16_t Big5Space = 0xA140;

    // Takes the tables from their resource bytes; false (and nothing kept) when a size is wrong.
    bool Load(const QByteArray& bigToGb, const QByteArray& gbToBig, const QByteArray& gbkToBig);
    bool IsLoaded() const { return loaded_; }

    // The entries, as (lead << 8) | trail; the arguments must lie inside the tables (for GbEntry, a lead
    // outside the unstored rows 0xAA..0xAF).
    uint16_t BigEntry(unsigned lead, unsigned trail) const { return big_[(lead - 0xA1) * 191 + (trail - 0x40)]; }
    uint16_t GbEntry(unsigned lead, unsigned trail) const
    {
        return gb_[(lead <= 0xAF ? lead - 0xA1 : lead - 0xA7) * 94 + (trail - 0xA1)];
    }
    uint16_t GbkEntry(unsigned lead, unsigned trail) const { return gbk_[(lead - 0x81) * 191 + (trail - 0x40)]; }

    // The scans: `out` has room for `size` bytes (both directions keep every length). Two-byte codes that
    // the tables cover are replaced, GbToBig also turning the GBK characters outside GB2312 into their Big5
    // codes, and BigToGb the user-defined Big5 codes below lead 0xA1 into the full-width space. All other
    // bytes are copied; a multi-byte character (a GB18030 four-byte sequence, a GBK code that is no Big5
    // code) is copied as a whole, so its trail bytes are never taken for the start of a code. Returns how
    // many codes had no counterpart and became the full-width space.
    qsizetype BigToGbBytes(const char* in, qsizetype size, char* out) const;
    qsizetype GbToBigBytes(const char* in, qsizetype size, char* out) const;

    // The tables of the program, read from the resources on first use; null when they cannot be read.
    static const ConversionTables* Program();

private:
    bool loaded_ = false;
    uint16_t big_[94 * 191] = {};
    uint16_t gb_[88 * 94] = {};
    uint16_t gbk_[126 * 191] = {};
};

struct ConversionResult
{
    QString text;
    qsizetype unmatched = 0; // characters that had no counterpart and became the full-width space
    bool ok = true;          // false when the tables could not be read or the result would lose bytes;
                             // `text` is then the input
};

// Fills the tables from the resources (once; later calls only report). The conversions call it themselves.
bool LoadConversionTables();

ConversionResult ConvertText(const QString& text, ConversionDirection direction);
QString BigToGb(const QString& text);
QString GbToBig(const QString& text);
