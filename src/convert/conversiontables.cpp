#include "convert/conversiontables.h"

#include <optional>

#include "base/pagecodec.h"

#include <QFile>

#include <cstring>
#include <memory>

namespace {

// Bytes of a GB18030 multi-byte character that starts at in[i] with a lead byte 0x81..0xFE and that the
// tables do not cover: 4 for a four-byte sequence, 2 for a two-byte code, 1 when the next byte belongs to
// neither (only in bytes that did not come from the encoder).
inline qsizetype UnitLength(const unsigned char* in, qsizetype i, qsizetype size)
{
    const unsigned char next = in[i + 1];
    if (next >= 0x30 && next <= 0x39)
        return qMin<qsizetype>(4, size - i);
    if (next >= 0x40 && next <= 0xFE && next != 0x7F)
        return 2;
    return 1;
}

// Copies the run of ASCII bytes from in[i]; returns the index of the first byte that is not ASCII.
inline qsizetype CopyAscii(const unsigned char* in, qsizetype i, qsizetype size, unsigned char* out)
{
    // Eight bytes at a time while none has its high bit set.
    while (i + 8 <= size) {
        uint64_t word;
        memcpy(&word, in + i, 8);
        if (word & 0x8080808080808080ull)
            break;
        memcpy(out + i, &word, 8);
        i += 8;
    }
    while (i < size && in[i] < 0x80) {
        out[i] = in[i];
        ++i;
    }
    return i;
}

inline void Put(unsigned char* out, qsizetype i, uint16_t code)
{
    out[i] = static_cast<unsigned char>(code >> 8);
    out[i + 1] = static_cast<unsigned char>(code);
}

// A lone surrogate has no GB18030 code; it becomes "?" as an unrepresentable character does in a code page.
QString WithoutLoneSurrogates(const QString& text)
{
    QString s = text;
    QChar* p = s.data();
    const qsizetype n = s.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i].isHighSurrogate() && i + 1 < n && p[i + 1].isLowSurrogate())
            ++i;
        else if (p[i].isSurrogate())
            p[i] = QLatin1Char('?');
    }
    return s;
}

} // namespace

bool ConversionTables::Load(const QByteArray& bigToGb, const QByteArray& gbToBig, const QByteArray& gbkToBig)
{
    loaded_ = false;
    if (bigToGb.size() != BigToGbSize || gbToBig.size() != GbToBigSize || gbkToBig.size() != GbkToBigSize)
        return false;
    auto fill = [](uint16_t* table, const QByteArray& bytes) {
        const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
        for (qsizetype k = 0; k < bytes.size() / 2; ++k)
            table[k] = uint16_t((p[2 * k] << 8) | p[2 * k + 1]);
    };
    fill(big_, bigToGb);
    fill(gb_, gbToBig);
    fill(gbk_, gbkToBig);
    loaded_ = true;
    return true;
}

namespace {

// Both scans: ASCII and bytes that start nothing are copied, a two-byte code goes through `pairCode` (which
// returns nothing for a pair it does not convert and sets `lost` for a character without a counterpart), any
// other multi-byte character is copied whole.
template <typename PairCode> qsizetype ScanPairs(const char* input, qsizetype size, char* output, PairCode pairCode)
{
    const auto* in = reinterpret_cast<const unsigned char*>(input);
    auto* out = reinterpret_cast<unsigned char*>(output);
    qsizetype unmatched = 0;
    qsizetype i = 0;
    while (i < size) {
        i = CopyAscii(in, i, size, out);
        if (i >= size)
            break;
        const unsigned char lead = in[i];
        if (i + 1 == size || lead < 0x81 || lead == 0xFF) {
            out[i] = lead; // the odd last byte, or a byte that starts nothing
            ++i;
            continue;
        }
        bool lost = false;
        if (const std::optional<uint16_t> code = pairCode(lead, in[i + 1], lost)) {
            Put(out, i, *code);
            unmatched += lost ? 1 : 0;
            i += 2;
            continue;
        }
        const qsizetype n = UnitLength(in, i, size);
        memcpy(out + i, in + i, size_t(n));
        i += n;
    }
    return unmatched;
}

} // namespace

qsizetype ConversionTables::BigToGbBytes(const char* input, qsizetype size, char* output) const
{
    return ScanPairs(input, size, output, [this](unsigned lead, unsigned trail, bool& lost) -> std::optional<uint16_t> {
        if (lead >= 0xA1 && trail >= 0x40 && trail <= 0xFE) {
            const uint16_t code = BigEntry(lead, trail);
            lost = code == GbSpace && (lead != 0xA1 || trail != 0x40);
            return code;
        }
        if ((trail >= 0x40 && trail <= 0x7E) || (trail >= 0xA1 && trail <= 0xFE)) {
            // Leads 0x81..0xA0 hold the code page's user-defined Big5 characters, which have no counterpart.
            lost = true;
            return GbSpace;
        }
        return std::nullopt;
    });
}

qsizetype ConversionTables::GbToBigBytes(const char* input, qsizetype size, char* output) const
{
    return ScanPairs(input, size, output, [this](unsigned lead, unsigned trail, bool& lost) -> std::optional<uint16_t> {
        if (trail < 0x40 || trail > 0xFE || trail == 0x7F)
            return std::nullopt;
        // GB2312 codes go through its table; the other GBK codes (rows 0xAA..0xAF, which the GB2312 table
        // does not store, included) through the GBK one.
        const bool gb2312 = lead >= 0xA1 && trail >= 0xA1 && (lead < 0xAA || lead > 0xAF);
        const uint16_t code = gb2312 ? GbEntry(lead, trail) : GbkEntry(lead, trail);
        lost = code == Big5Space && (lead != 0xA1 || trail != 0xA1);
        return code;
    });
}

const ConversionTables* ConversionTables::Program()
{
    // Read on the first conversion, not at start-up; a failed read is tried again next time.
    static std::unique_ptr<ConversionTables> tables;
    if (tables)
        return tables.get();
    QFile big(QStringLiteral(":/tables/big5-to-gb2312.bin"));
    QFile gb(QStringLiteral(":/tables/gb2312-to-big5.bin"));
    QFile gbk(QStringLiteral(":/tables/gbk-to-big5.bin"));
    if (!big.open(QIODevice::ReadOnly) || !gb.open(QIODevice::ReadOnly) || !gbk.open(QIODevice::ReadOnly))
        return nullptr;
    auto loaded = std::make_unique<ConversionTables>();
    if (!loaded->Load(big.readAll(), gb.readAll(), gbk.readAll()))
        return nullptr;
    tables = std::move(loaded);
    return tables.get();
}

bool LoadConversionTables()
{
    return ConversionTables::Program() != nullptr;
}

namespace {

// Converts a run of text that has GB18030 bytes throughout; false when the result would lose bytes.
bool ConvertRun(const ConversionTables& tables, QStringView run, ConversionDirection direction, QString& out,
                qsizetype& unmatched)
{
    if (run.isEmpty())
        return true;
    QByteArray bytes = PageCodec::ToGb18030(run.toString());
    if (bytes.isEmpty())
        return false;
    QByteArray converted(bytes.size(), Qt::Uninitialized);
    unmatched += direction == ConversionDirection::BigToGb
                     ? tables.BigToGbBytes(bytes.constData(), bytes.size(), converted.data())
                     : tables.GbToBigBytes(bytes.constData(), bytes.size(), converted.data());
    bytes.clear();
    qsizetype bad = 0;
    QString piece = PageCodec::FromGb18030(converted, &bad);
    // Every code of the tables is a GB18030 character; anything else would be lost on the way back.
    if (bad > 0)
        return false;
    out += piece;
    return true;
}

} // namespace

ConversionResult ConvertText(const QString& text, ConversionDirection direction)
{
    ConversionResult result;
    result.text = text;
    if (text.isEmpty())
        return result;
    const ConversionTables* tables = ConversionTables::Program();
    if (!tables) {
        result.ok = false;
        return result;
    }
    const QString source =
        PageCodec::FirstUnencodable(text, PageEncoding::Gb18030) < 0 ? text : WithoutLoneSurrogates(text);
    // A character the code page has no bytes for (some private-use ones) is no code of either table: it stays
    // as it is, and the text around it is converted.
    QString out;
    qsizetype unmatched = 0;
    qsizetype start = 0;
    for (;;) {
        const qsizetype bad = PageCodec::FirstUnencodable(QStringView(source).mid(start), PageEncoding::Gb18030);
        const qsizetype end = bad < 0 ? source.size() : start + bad;
        if (!ConvertRun(*tables, QStringView(source).mid(start, end - start), direction, out, unmatched)) {
            result.ok = false;
            return result;
        }
        if (bad < 0)
            break;
        const qsizetype units = source.at(end).isHighSurrogate() && end + 1 < source.size() ? 2 : 1;
        out += QStringView(source).mid(end, units);
        start = end + units;
    }
    result.unmatched = unmatched;
    result.text = std::move(out);
    return result;
}

QString BigToGb(const QString& text)
{
    return ConvertText(text, ConversionDirection::BigToGb).text;
}

QString GbToBig(const QString& text)
{
    return ConvertText(text, ConversionDirection::GbToBig).text;
}
