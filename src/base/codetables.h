#pragma once
// The codes of a two-byte code page (GB18030, Big5) and the characters they stand for, both ways, exactly as the C
// library's converter reads and writes them: built once, the first time the code page is needed, by asking the
// converter about every code. Reading and writing a page then look each code up instead of passing every character
// through the converter's general machinery (which costs it tens of instructions a byte).

#include "base/codepages.h"

#include <QtGlobal>

#include <vector>

class CodeTables
{
public:
    // What a look-up gives: a character and what to know about it, or one of the marks below instead.
    static constexpr quint32 CharMask = 0x1FFFFF;
    static constexpr quint32 NotKept = 1u << 24; // written back, the character gives other bytes
    static constexpr quint32 Special = 1u << 25; // U+2029, U+FDD0 or U+FDD1: the text control ends a line at it
    static constexpr quint32 Lead = 1u << 26;    // (a first byte) the code goes on: look the pair up
    static constexpr quint32 Four = 1u << 27;    // (a pair) the code goes on for two more bytes: look the four up
    static constexpr quint32 Bad = 1u << 28;     // no character has this code

    // The tables of GB18030 or Big5 (null for a code page without them: UTF-8).
    static const CodeTables* Of(CodePageId id);

    // The entry of a code's first byte.
    quint32 First(uchar byte) const { return first_[byte]; }
    // The entry of a two-byte code whose first byte is a Lead.
    quint32 Pair(uchar lead, uchar trail) const { return pairs_[size_t(lead - firstLead_) * 256 + trail]; }
    // The entry of a four-byte code (p[0], p[1] a pair marked Four).
    quint32 Quad(const uchar* p) const;

    // Writes the bytes for `c` to `out` and gives their number (1, 2 or 4), or 0 when the code page has none.
    int Encode(char32_t c, char* out) const
    {
        // Two bytes, the code of nearly every Chinese character, without a call.
        const quint32 code = c < 0x10000 ? codes_[c] : 0;
        if ((code >> 16) == 2) {
            out[0] = char(code >> 8);
            out[1] = char(code);
            return 2;
        }
        return EncodeOther(c, out);
    }

private:
    explicit CodeTables(const char* iconvName, bool fourByteCodes);
    void ReadCodes(const char* iconvName);
    void WriteCodes(const char* iconvName);
    void MarkKept();
    int EncodeOther(char32_t c, char* out) const;

    // A four-byte code's place among them all: ((b0 - 0x81) * 10 + b1 - 0x30) * 1260 + (b2 - 0x81) * 10 + b3 - 0x30.
    static quint32 QuadIndex(const uchar* p);

    const bool fourByteCodes_;
    quint32 first_[256] = {};
    int firstLead_ = 0x100;
    std::vector<quint32> pairs_;
    // The four-byte codes that stand for characters of the first plane (first byte 0x81-0x84); those of the other
    // planes follow the planes' order from 0x90 30 81 30 (U+10000) on.
    std::vector<quint32> quads_;
    // A character's bytes: (length << 16) | the code, or for a four-byte code (4 << 16) | its index in quads_; 0
    // where there are none.
    std::vector<quint32> codes_;
    // Characters beyond the first plane that have two-byte codes, with them, in order.
    std::vector<std::pair<char32_t, quint16>> widePairs_;
};
