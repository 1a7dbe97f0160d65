// Writes the conversion tables compiled into the editor:
//   big5-to-gb2312.bin  94 x 191 entries (Big5 lead 0xA1..0xFE, trail 0x40..0xFE), 35,908 bytes
//   gb2312-to-big5.bin  88 x 94 entries (GB2312 lead 0xA1..0xA9 and 0xB0..0xFE, trail 0xA1..0xFE), 16,544 bytes
//   gbk-to-big5.bin     126 x 191 entries (GBK lead 0x81..0xFE, trail 0x40..0xFE), 48,132 bytes; used for the
//                       GBK characters outside GB2312, which would otherwise reach a Big5 page as foreign bytes
// Each entry is the two bytes of the target code, lead byte first.
//
// Run by hand (see make-tables.sh); needs glibc iconv and Debian's libopencc-dev / libopencc-data.
//
// Big5 -> GB: the Big5 code (Windows code page 950) gives a character; OpenCC's traditional-to-simplified
// character table gives its simplified candidates. The first candidate with a GB2312 code wins, then the
// character itself; failing that, the first of them with a two-byte GB18030 (GBK) code, since our pages are
// GB18030 and browsers read a gb2312 page that way. Only then the full-width space 0xA1 0xA1.
// GB -> Big5: the GB2312 code (or, where GB2312 has no character there, the GBK character at that position)
// gives a character; OpenCC's simplified-to-traditional candidates, then the character itself, are tried in
// code page 950; else the Big5 full-width space 0xA1 0x40.
// Private-use characters (user-defined areas) never count as a match.

#include <opencc/Lexicon.hpp>
#include <opencc/MarisaDict.hpp>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iconv.h>
#include <map>
#include <string>
#include <vector>

namespace {

class Converter
{
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from))
    {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            std::fprintf(stderr, "iconv cannot convert %s to %s\n", from, to);
            std::exit(1);
        }
    }
    ~Converter() { iconv_close(cd_); }

    // Converts `in` completely; false on any invalid or incomplete input.
    bool Run(const std::string& in, std::string& out)
    {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char buffer[64];
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        char* dst = buffer;
        size_t dstLeft = sizeof buffer;
        if (iconv(cd_, &src, &srcLeft, &dst, &dstLeft) == size_t(-1) || srcLeft != 0)
            return false;
        if (iconv(cd_, nullptr, nullptr, &dst, &dstLeft) == size_t(-1))
            return false;
        out.assign(buffer, dst);
        return true;
    }

private:
    iconv_t cd_;
};

bool IsPrivateUse(char32_t c)
{
    return (c >= 0xE000 && c <= 0xF8FF) || c >= 0xF0000;
}

// One code point from UTF-32; 0 when the bytes are not exactly one.
char32_t SingleCodePoint(const std::string& utf32)
{
    if (utf32.size() != 4)
        return 0;
    char32_t c;
    std::memcpy(&c, utf32.data(), 4);
    return c;
}

std::string Utf32(char32_t c)
{
    return std::string(reinterpret_cast<const char*>(&c), 4);
}

// OpenCC character table: key character -> candidate characters, in the table's order.
std::map<char32_t, std::vector<char32_t>> LoadOpenccTable(const std::string& path)
{
    FILE* fp = std::fopen(path.c_str(), "rb");
    if (!fp) {
        std::fprintf(stderr, "cannot read %s (install libopencc-data)\n", path.c_str());
        std::exit(1);
    }
    const opencc::MarisaDictPtr dict = opencc::MarisaDict::NewFromFile(fp);
    std::fclose(fp);
    Converter fromUtf8("UTF-32LE", "UTF-8");
    std::map<char32_t, std::vector<char32_t>> table;
    for (const auto& entry : *dict->GetLexicon()) {
        std::string key32;
        if (!fromUtf8.Run(entry->Key(), key32))
            continue;
        const char32_t key = SingleCodePoint(key32);
        if (!key)
            continue;
        std::vector<char32_t>& list = table[key];
        for (const std::string& value : entry->Values()) {
            std::string v32;
            if (fromUtf8.Run(value, v32))
                if (const char32_t v = SingleCodePoint(v32))
                    list.push_back(v);
        }
    }
    return table;
}

struct Codec
{
    explicit Codec(const char* name) : decode("UTF-32LE", name), encode(name, "UTF-32LE") {}
    Converter decode;
    Converter encode;

    // The character of a two-byte code, 0 when there is none.
    char32_t Decode(unsigned lead, unsigned trail)
    {
        std::string in{char(lead), char(trail)}, out;
        return decode.Run(in, out) ? SingleCodePoint(out) : 0;
    }
    // The two-byte code of a character, 0 when there is none (or it takes another length).
    uint16_t Encode(char32_t c)
    {
        std::string out;
        if (!encode.Run(Utf32(c), out) || out.size() != 2)
            return 0;
        return uint16_t((uint8_t(out[0]) << 8) | uint8_t(out[1]));
    }
};

void Put(std::vector<uint8_t>& table, size_t index, uint16_t code)
{
    table[index * 2] = uint8_t(code >> 8);
    table[index * 2 + 1] = uint8_t(code & 0xFF);
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    FILE* fp = std::fopen(path.c_str(), "wb");
    if (!fp)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), fp) == bytes.size();
    return std::fclose(fp) == 0 && ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <opencc data folder> <output folder>\n", argv[0]);
        return 2;
    }
    const std::string openccDir = argv[1];
    const std::string outDir = argv[2];
    const auto toSimplified = LoadOpenccTable(openccDir + "/TSCharacters.ocd2");
    const auto toTraditional = LoadOpenccTable(openccDir + "/STCharacters.ocd2");

    Codec big5("CP950");
    Codec gb2312("GB2312");
    Codec gb18030("GB18030");

    auto candidates = [](const std::map<char32_t, std::vector<char32_t>>& table, char32_t c) {
        std::vector<char32_t> list;
        if (auto it = table.find(c); it != table.end())
            list = it->second;
        list.push_back(c);
        return list;
    };

    // Big5 -> GB
    constexpr uint16_t GbSpace = 0xA1A1, Big5Space = 0xA140;
    std::vector<uint8_t> bigToGb(94 * 191 * 2);
    int codePositions = 0, viaGb2312 = 0, viaGbk = 0, bigFallback = 0, gb2312OnlyFallback = 0;
    int bigUnassigned = 0, bigUserDefined = 0;
    for (unsigned lead = 0xA1; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            const size_t index = (lead - 0xA1) * 191 + (trail - 0x40);
            if (trail >= 0x7F && trail <= 0xA0) {
                Put(bigToGb, index, uint16_t((lead << 8) | trail));
                continue;
            }
            ++codePositions;
            const char32_t c = big5.Decode(lead, trail);
            uint16_t code = 0;
            if (!c)
                ++bigUnassigned;
            else if (IsPrivateUse(c))
                ++bigUserDefined;
            else {
                const std::vector<char32_t> list = candidates(toSimplified, c);
                for (char32_t s : list)
                    if ((code = gb2312.Encode(s)))
                        break;
                if (code) {
                    ++viaGb2312;
                } else {
                    for (char32_t s : list)
                        if (!IsPrivateUse(s) && (code = gb18030.Encode(s)))
                            break;
                    if (code)
                        ++viaGbk;
                }
            }
            if (!code) {
                code = GbSpace;
                ++bigFallback;
            }
            Put(bigToGb, index, code);
        }
    }
    gb2312OnlyFallback = codePositions - viaGb2312;

    // GB -> Big5
    std::vector<uint8_t> gbToBig(88 * 94 * 2);
    int gbPositions = 0, gbkSources = 0, gbFallback = 0, gbEmpty = 0;
    for (unsigned lead = 0xA1; lead <= 0xFE; ++lead) {
        if (lead >= 0xAA && lead <= 0xAF)
            continue;
        const unsigned row = lead <= 0xAF ? lead - 0xA1 : lead - 0xA7;
        for (unsigned trail = 0xA1; trail <= 0xFE; ++trail) {
            ++gbPositions;
            char32_t c = gb2312.Decode(lead, trail);
            if (!c) {
                c = gb18030.Decode(lead, trail);
                if (c && !IsPrivateUse(c))
                    ++gbkSources;
            }
            uint16_t code = 0;
            if (!c || IsPrivateUse(c))
                ++gbEmpty;
            else
                for (char32_t t : candidates(toTraditional, c))
                    if (!IsPrivateUse(t) && (code = big5.Encode(t)))
                        break;
            if (!code) {
                code = Big5Space;
                ++gbFallback;
            }
            Put(gbToBig, row * 94 + (trail - 0xA1), code);
        }
    }

    // GBK -> Big5, for the two-byte GB18030 codes that the GB2312 table does not cover (GBK/3, GBK/4 and the
    // user-defined areas): same rule, read through GB18030. Laid out like the Big5 table, lead 0x81..0xFE
    // (126 rows) x trail 0x40..0xFE.
    std::vector<uint8_t> gbkToBig(126 * 191 * 2);
    int gbkPositions = 0, gbkMatched = 0;
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            const size_t index = (lead - 0x81) * 191 + (trail - 0x40);
            const bool gb2312Area = lead >= 0xA1 && trail >= 0xA1 && (lead < 0xAA || lead > 0xAF);
            uint16_t code = 0;
            const char32_t c = trail == 0x7F ? 0 : gb18030.Decode(lead, trail);
            if (c && !IsPrivateUse(c))
                for (char32_t t : candidates(toTraditional, c))
                    if (!IsPrivateUse(t) && (code = big5.Encode(t)))
                        break;
            if (!gb2312Area && trail != 0x7F) {
                ++gbkPositions;
                gbkMatched += code != 0;
            }
            Put(gbkToBig, index, code ? code : Big5Space);
        }
    }

    // Every code the tables produce must come back unchanged from a GB18030 decode and encode, because the
    // editor holds the converted bytes as GB18030 text until they are saved.
    int unstable = 0;
    for (const std::vector<uint8_t>* table : {&bigToGb, &gbToBig, &gbkToBig}) {
        for (size_t i = 0; i < table->size(); i += 2) {
            const unsigned lead = (*table)[i], trail = (*table)[i + 1];
            if (trail == 0x7F)
                continue; // identity entries that no GB18030 text contains
            const char32_t c = gb18030.Decode(lead, trail);
            if (!c || gb18030.Encode(c) != ((lead << 8) | trail))
                ++unstable;
        }
    }

    const std::string bigPath = outDir + "/big5-to-gb2312.bin", gbPath = outDir + "/gb2312-to-big5.bin",
                      gbkPath = outDir + "/gbk-to-big5.bin";
    if (!WriteFile(bigPath, bigToGb) || !WriteFile(gbPath, gbToBig) || !WriteFile(gbkPath, gbkToBig)) {
        std::fprintf(stderr, "cannot write the tables into %s\n", outDir.c_str());
        return 1;
    }
    std::printf("%s: %zu bytes; %d code positions: %d to GB2312, %d to GBK, %d to the full-width space "
                "(%d unassigned, %d user-defined; %d with GB2312 alone)\n",
                bigPath.c_str(), bigToGb.size(), codePositions, viaGb2312, viaGbk, bigFallback, bigUnassigned,
                bigUserDefined, gb2312OnlyFallback);
    std::printf("%s: %zu bytes; %d positions (%d read as GBK), %d to the full-width space (%d of them empty or "
                "user-defined)\n",
                gbPath.c_str(), gbToBig.size(), gbPositions, gbkSources, gbFallback, gbEmpty);
    std::printf("%s: %zu bytes; %d GBK codes outside GB2312, %d with a Big5 code\n", gbkPath.c_str(), gbkToBig.size(),
                gbkPositions, gbkMatched);
    std::printf("codes that do not survive a GB18030 round trip: %d\n", unstable);
    return unstable == 0 ? 0 : 1;
}
