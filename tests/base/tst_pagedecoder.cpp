#include "base/pagecodec.h"
#include "base/pagedecoder.h"
#include "base/pageencoder.h"

#include "iconvreference.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

// Every code of `width` bytes whose n-th byte is one of ranges[n], each followed by an LF.
QByteArray Codes(const std::vector<std::pair<int, int>>& ranges)
{
    QByteArray all;
    std::vector<int> byte;
    for (const auto& range : ranges)
        byte.push_back(range.first);
    for (;;) {
        for (const int b : byte)
            all.append(char(b));
        all.append('\n');
        size_t k = byte.size();
        while (k > 0 && byte[k - 1] == ranges[k - 1].second) {
            byte[k - 1] = ranges[k - 1].first;
            --k;
        }
        if (k == 0)
            return all;
        ++byte[k - 1];
    }
}

QByteArray RandomBytes(quint32 seed, int size)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& b : bytes)
        b = char(random.bounded(256));
    return bytes;
}

// Every character from `first` to `last` in steps of `step` (no surrogate halves), each followed by an LF.
QString Characters(char32_t first, char32_t last, char32_t step = 1)
{
    QString text;
    for (char32_t c = first; c <= last; c += step) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        text += QString::fromUcs4(&c, 1);
        text += QLatin1Char('\n');
    }
    return text;
}

// Where the text written back first differs from the bytes it was read from, as a whole page is compared; at a
// character where the text control ends a line, the length of what comes before it.
qsizetype FirstUnkept(const QByteArray& bytes, const QString& text, CodePageId codec)
{
    QByteArray breaks;
    const qsizetype blockEnd = PageCodec::FindBreaks(text, breaks);
    if (blockEnd >= 0)
        return IconvReference::Encode(QStringView(text).left(blockEnd), codec, false).bytes.size();
    const QByteArray back = IconvReference::Encode(text, codec, false).bytes;
    const qsizetype common = std::min(back.size(), bytes.size());
    for (qsizetype i = 0; i < common; ++i) {
        if (back[i] != bytes[i])
            return i;
    }
    return back.size() == bytes.size() ? -1 : common;
}

} // namespace

class TestPageDecoder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Any bytes decode as the C library's converter decodes them: the same text, the same bytes that did not decode
    // and the first of them; the breaks and the first frame mark are those of the text.
    void decodesAsTheLibrary_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("codec");
        const int gb = CodePageIds::Gb18030, big5 = CodePageIds::Big5, utf8 = CodePageIds::Utf8;
        QTest::newRow("GB18030 one and two bytes") << Codes({{0, 255}}) + Codes({{0x80, 0xFF}, {0, 255}}) << gb;
        QTest::newRow("GB18030 four bytes")
            << Codes({{0x80, 0xFF}, {0x30, 0x39}, {0x81, 0xFE}, {0x30, 0x39}}) << gb;
        QTest::newRow("GB18030 four bytes, bad third or fourth")
            << Codes({{0x81, 0x84}, {0x30, 0x39}, {0x00, 0xFF}, {0x2F, 0x3A}}) << gb;
        QTest::newRow("GB18030 four-byte code cut at the end") << QByteArray("a\x81\x30\x81") << gb;
        QTest::newRow("GB18030 lead at the end") << QByteArray("a\r\n\x81") << gb;
        QTest::newRow("Big5 one and two bytes") << Codes({{0, 255}}) + Codes({{0x80, 0xFF}, {0, 255}}) << big5;
        QTest::newRow("Big5 lead at the end") << QByteArray("\xA4\xA4\r\xA4") << big5;
        QTest::newRow("UTF-8 two bytes") << Codes({{0x80, 0xFF}, {0, 255}}) << utf8;
        QTest::newRow("UTF-8 three bytes") << Codes({{0xE0, 0xEF}, {0x7F, 0xC0}, {0x7F, 0xC0}}) << utf8;
        QTest::newRow("UTF-8 four bytes")
            << Codes({{0xF0, 0xF7}, {0x7F, 0xC0}, {0x7F, 0x81}, {0xBF, 0xC0}}) << utf8;
        QTest::newRow("UTF-8 cut at the end") << QByteArray("\xE4\xB8\xAD\xE4\xB8") << utf8;
        QTest::newRow("UTF-8 breaks and frame marks")
            << QByteArray("a\r\nb\xE2\x80\xA9\rc\n\n\xEF\xB7\x91x\r\ny") << utf8;
        for (const int codec : {gb, big5, utf8}) {
            for (const quint32 seed : {1u, 2u, 3u}) {
                const QByteArray name = CodePages::Of(CodePageId(codec)).shown + QByteArray(" random ") +
                                        QByteArray::number(seed);
                QTest::newRow(name.constData()) << RandomBytes(seed, 1 << 16) << codec;
            }
        }
    }
    void decodesAsTheLibrary()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, codec);
        const IconvReference::Decoded expected = IconvReference::Decode(bytes, CodePageId(codec));
        const DecodedText decoded = PageDecoder::Decode(bytes.constData(), bytes.size(), CodePageId(codec));
        QCOMPARE(decoded.badBytes, expected.badBytes);
        QCOMPARE(decoded.firstBad, expected.firstBad);
        if (decoded.text != expected.text) {
            qsizetype i = 0;
            while (decoded.text[i] == expected.text[i])
                ++i;
            QFAIL(qPrintable(QStringLiteral("text differs at %1: U+%2, not U+%3")
                                 .arg(i)
                                 .arg(decoded.text[i].unicode(), 4, 16, QLatin1Char('0'))
                                 .arg(expected.text[i].unicode(), 4, 16, QLatin1Char('0'))));
        }
        QByteArray breaks;
        QCOMPARE(decoded.blockEnd, PageCodec::FindBreaks(expected.text, breaks));
        QCOMPARE(decoded.breaks, breaks);
    }

    // Each code, read and saved back alone, gives back its bytes exactly when the C library writes its character
    // as those bytes; where it does not, the first byte that differs is named.
    void savesBackAsTheLibrary_data()
    {
        QTest::addColumn<int>("codec");
        QTest::addColumn<QByteArray>("codes"); // LF after each
        const int gb = CodePageIds::Gb18030, big5 = CodePageIds::Big5;
        QTest::newRow("GB18030 two bytes") << gb << Codes({{0x81, 0xFE}, {0x40, 0xFE}});
        QTest::newRow("GB18030 four bytes, first plane") << gb << Codes({{0x81, 0x84}, {0x30, 0x39}, {0x81, 0xFE}, {0x30, 0x39}});
        QTest::newRow("GB18030 four bytes, other planes")
            << gb << Codes({{0x90, 0xE3}, {0x30, 0x39}, {0x81, 0xFE}, {0x30, 0x30}});
        QTest::newRow("GB18030 four bytes of characters with two-byte codes")
            << gb << Codes({{0x95, 0x96}, {0x30, 0x39}, {0x81, 0xFE}, {0x30, 0x39}});
        QTest::newRow("Big5 two bytes") << big5 << Codes({{0xA1, 0xF9}, {0x40, 0xFE}});
    }
    void savesBackAsTheLibrary()
    {
        QFETCH(int, codec);
        QFETCH(QByteArray, codes);
        int checked = 0;
        for (qsizetype at = 0; at < codes.size();) {
            const qsizetype end = codes.indexOf('\n', at);
            const QByteArray code = codes.mid(at, end - at);
            at = end + 1;
            const IconvReference::Decoded expected = IconvReference::Decode(code, CodePageId(codec));
            if (expected.badBytes > 0)
                continue;
            const DecodedPage page = PageCodec::DecodeAs(code, CodePageId(codec));
            if (page.firstUnkeptOffset != FirstUnkept(code, expected.text, CodePageId(codec)))
                QFAIL(qPrintable(QStringLiteral("code %1: first byte not kept %2")
                                     .arg(QString::fromLatin1(code.toHex()))
                                     .arg(page.firstUnkeptOffset)));
            ++checked;
        }
        QVERIFY(checked > 0);
    }

    // Text is written as the C library writes it: every character of the first plane, a sample of the others, and
    // what has no bytes (stopped, or written as a reference when asked; a lone surrogate always stops it).
    void encodesAsTheLibrary_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("codec");
        QTest::addColumn<bool>("references");
        const QString firstPlane = Characters(0, 0xFFFF);
        const QString otherPlanes = Characters(0x10000, 0x10FFFF, 97) + Characters(0x20087, 0x20089) +
                                    Characters(0x200CC, 0x200CC) + Characters(0x215D7, 0x215D7);
        for (const CodePage& page : CodePages::All()) {
            const int codec = page.id;
            const QByteArray name = page.shown;
            QTest::addRow("%s%s", name.constData(), " first plane") << firstPlane << codec << true;
            QTest::addRow("%s%s", name.constData(), " other planes") << otherPlanes << codec << true;
            QTest::addRow("%s%s", name.constData(), " first plane, stopping") << firstPlane << codec << false;
            QTest::addRow("%s%s", name.constData(), " lone high surrogate") << (QStringLiteral("ab") + QChar(0xD800) + u'c') << codec << true;
            QTest::addRow("%s%s", name.constData(), " lone low surrogate") << (QStringLiteral("ab") + QChar(0xDC00)) << codec << true;
            QTest::addRow("%s%s", name.constData(), " high surrogate at the end") << (QStringLiteral("中") + QChar(0xDBFF)) << codec << false;
            QTest::addRow("%s%s", name.constData(), " simplified and traditional") << QStringLiteral("这是中文, 這是中文\r\n") << codec << false;
            QTest::addRow("%s%s", name.constData(), " private use") << (QStringLiteral("a") + QChar(0xE78D) + QChar(0xE000)) << codec << false;
            // Big5 has no bytes for a tag character: it is refused, never dropped.
            QTest::addRow("%s%s", name.constData(), " tag character") << QStringLiteral("a\U000E0041b") << codec << false;
            QTest::addRow("%s%s", name.constData(), " long ASCII run, then Chinese")
                << (QString(100, u'x') + QStringLiteral("中") + QString(40, u'y')) << codec << false;
        }
    }
    void encodesAsTheLibrary()
    {
        QFETCH(QString, text);
        QFETCH(int, codec);
        QFETCH(bool, references);
        const IconvReference::Encoded expected = IconvReference::Encode(text, CodePageId(codec), references);
        PageEncoding encoding;
        encoding.codec = CodePageId(codec);
        PageEncoder encoder(encoding);
        encoder.WriteReferences(references);
        QCOMPARE(encoder.Append(text), expected.failedAt < 0);
        const QByteArray bytes = encoder.Take();
        if (bytes != expected.bytes) {
            qsizetype i = 0;
            while (i < bytes.size() && i < expected.bytes.size() && bytes[i] == expected.bytes[i])
                ++i;
            QFAIL(qPrintable(QStringLiteral("bytes differ at %1 of %2: %3, not %4")
                                 .arg(i)
                                 .arg(expected.bytes.size())
                                 .arg(QString::fromLatin1(bytes.mid(i, 8).toHex()),
                                      QString::fromLatin1(expected.bytes.mid(i, 8).toHex()))));
        }
        QCOMPARE(encoder.FailedAt(), expected.failedAt);
        if (!references)
            QCOMPARE(PageCodec::FirstUnencodable(text, CodePageId(codec)), expected.failedAt);
    }
};

QTEST_GUILESS_MAIN(TestPageDecoder)
#include "tst_pagedecoder.moc"
