#include "base/pagecodec.h"
#include "convert/conversiontables.h"

#include <QFile>
#include <QtTest>

namespace {

const ConversionTables& Tables()
{
    const ConversionTables* tables = ConversionTables::Program();
    if (!tables)
        qFatal("the conversion tables are not compiled in");
    return *tables;
}

QByteArray Scan(ConversionDirection direction, const QByteArray& in, qsizetype* unmatched = nullptr)
{
    QByteArray out(in.size(), '\0');
    const qsizetype n = direction == ConversionDirection::BigToGb
                            ? Tables().BigToGbBytes(in.constData(), in.size(), out.data())
                            : Tables().GbToBigBytes(in.constData(), in.size(), out.data());
    if (unmatched)
        *unmatched = n;
    return out;
}

QByteArray ReadResource(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestConversionTables : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tableFiles()
    {
        const QByteArray big = ReadResource(":/tables/big5-to-gb2312.bin");
        const QByteArray gb = ReadResource(":/tables/gb2312-to-big5.bin");
        QCOMPARE(big.size(), 35908);
        QCOMPARE(gb.size(), 16544);
        const QByteArray gbk = ReadResource(":/tables/gbk-to-big5.bin");
        QCOMPARE(gbk.size(), 48132);
        QVERIFY(LoadConversionTables());
        auto tables = std::make_unique<ConversionTables>();
        QVERIFY(!tables->Load(big.left(big.size() - 2), gb, gbk));
        QVERIFY(!tables->Load(big, gb + "xx", gbk));
        QVERIFY(!tables->Load(big, gb, gbk.left(100)));
        QVERIFY(!tables->IsLoaded());
        QVERIFY(tables->Load(big, gb, gbk));
        // Entries are read lead byte first, at the offsets of the file layout.
        QCOMPARE(tables->BigEntry(0xC5, 0xE9), uint16_t(0xCCE5));
        QCOMPARE(tables->GbEntry(0xB9, 0xFA), uint16_t(0xB0EA));
        QCOMPARE(tables->GbkEntry(0x82, 0x83), uint16_t(0xADCC)); // 們
    }

    void trailBytes7FtoA0AreIdentity()
    {
        int wrong = 0;
        for (unsigned lead = 0xA1; lead <= 0xFE; ++lead)
            for (unsigned trail = 0x7F; trail <= 0xA0; ++trail)
                wrong += Tables().BigEntry(lead, trail) != ((lead << 8) | trail);
        QCOMPARE(wrong, 0);
    }

    // Big5 characters outside GB2312 keep their GBK codes: only unassigned and user-defined codes (and a
    // handful of symbols that GBK lacks) fall back, against some 7,700 with GB2312 alone.
    void fewBig5CodesFallBack()
    {
        int blanks = 0;
        for (unsigned lead = 0xA1; lead <= 0xFE; ++lead)
            for (unsigned trail = 0x40; trail <= 0xFE; ++trail)
                blanks += Tables().BigEntry(lead, trail) == ConversionTables::GbSpace;
        QVERIFY2(blanks < 1300, qPrintable(QString::number(blanks)));
    }

    // Every code the tables give must survive the GB18030 text that holds it until the page is saved.
    void everyEntrySurvivesGb18030()
    {
        QStringList lost;
        auto check = [&lost](uint16_t code) {
            QByteArray bytes;
            bytes.append(char(code >> 8)).append(char(code & 0xFF));
            qsizetype bad = 0;
            const QString text = PageCodec::FromGb18030(bytes, &bad);
            if (bad != 0 || text.toUcs4().size() != 1 || PageCodec::ToGb18030(text) != bytes)
                lost.append(QString::number(code, 16));
        };
        for (unsigned lead = 0xA1; lead <= 0xFE; ++lead)
            for (unsigned trail = 0x40; trail <= 0xFE; ++trail)
                if (trail != 0x7F)
                    check(Tables().BigEntry(lead, trail));
        for (unsigned lead = 0xA1; lead <= 0xFE; ++lead)
            if (lead < 0xAA || lead > 0xAF)
                for (unsigned trail = 0xA1; trail <= 0xFE; ++trail)
                    check(Tables().GbEntry(lead, trail));
        for (unsigned lead = 0x81; lead <= 0xFE; ++lead)
            for (unsigned trail = 0x40; trail <= 0xFE; ++trail)
                if (trail != 0x7F)
                    check(Tables().GbkEntry(lead, trail));
        QVERIFY2(lost.isEmpty(), qPrintable(lost.join(' ')));
    }

    void scan_data()
    {
        QTest::addColumn<bool>("bigToGb");
        QTest::addColumn<QByteArray>("in");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<int>("unmatched");
        const bool B = true, G = false;
        // The telling entries.
        QTest::newRow("中") << B << QByteArray("\xA4\xA4") << QByteArray("\xD6\xD0") << 0;
        QTest::newRow("體 to 体") << B << QByteArray("\xC5\xE9") << QByteArray("\xCC\xE5") << 0;
        QTest::newRow("門 to 门") << B << QByteArray("\xAA\xF9") << QByteArray("\xC3\xC5") << 0;
        QTest::newRow("big5 space") << B << QByteArray("\xA1\x40") << QByteArray("\xA1\xA1") << 0;
        QTest::newRow("国 to 國") << G << QByteArray("\xB9\xFA") << QByteArray("\xB0\xEA") << 0;
        QTest::newRow("门 to 門") << G << QByteArray("\xC3\xC5") << QByteArray("\xAA\xF9") << 0;
        QTest::newRow("full-width comma") << G << QByteArray("\xA3\xAC") << QByteArray("\xA1\x41") << 0;
        QTest::newRow("gb space") << G << QByteArray("\xA1\xA1") << QByteArray("\xA1\x40") << 0;
        // A Big5 character outside GB2312 keeps its GBK code rather than becoming blanks.
        QTest::newRow("妳 keeps its GBK code") << B << QByteArray("\xA9\x70") << QByteArray("\x8A\x85") << 0;
        // Codes without a counterpart.
        QTest::newRow("big5 user-defined")
            << B << QByteArray("\xFA\x40\xA4\xA4") << QByteArray("\xA1\xA1\xD6\xD0") << 1;
        QTest::newRow("gb empty row") << G << QByteArray("\xF8\xA1\xB9\xFA") << QByteArray("\xA1\x40\xB0\xEA") << 1;
        QTest::newRow("gb user-defined row")
            << G << QByteArray("\xAA\xA1\xAF\xFE") << QByteArray("\xA1\x40\xA1\x40") << 2;
        QTest::newRow("GBK euro sign") << G << QByteArray("\xA2\xE3") << QByteArray("\xA3\xE1") << 0;
        QTest::newRow("kana has no big5 code") << G << QByteArray("\xA4\xA2") << QByteArray("\xA1\x40") << 1;
        // Bytes that pass unchanged.
        const QByteArray ascii("<p class=\"x\">Hello, world! 0123456789</p>\r\n\t~");
        QTest::newRow("ascii big") << B << ascii << ascii << 0;
        QTest::newRow("ascii gb") << G << ascii << ascii << 0;
        QTest::newRow("pair with trail 7F") << B << QByteArray("\xA4\x7F") << QByteArray("\xA4\x7F") << 0;
        QTest::newRow("odd tail big") << B << QByteArray("ab\xA4\xA4\xA4") << QByteArray("ab\xD6\xD0\xA4") << 0;
        QTest::newRow("odd tail gb") << G << QByteArray("\xB9\xFA\xB9") << QByteArray("\xB0\xEA\xB9") << 0;
        QTest::newRow("lead FF big") << B << QByteArray("\xFF\xA4\xA4") << QByteArray("\xFF\xD6\xD0") << 0;
        QTest::newRow("trail FF big") << B << QByteArray("\xA4\xFF") << QByteArray("\xA4\xFF") << 0;
        QTest::newRow("trail FF gb") << G << QByteArray("\xB9\xFF") << QByteArray("\xB9\xFF") << 0;
        // GBK characters outside GB2312 get their Big5 codes too, and the next character is still read from
        // its own lead byte.
        QTest::newRow("GBK 國 then 中") << G << QByteArray("\x87\xF8\xD6\xD0") << QByteArray("\xB0\xEA\xA4\xA4") << 0;
        QTest::newRow("GBK 這 then 国") << G << QByteArray("\xDF\x40\xB9\xFA") << QByteArray("\xB3\x6F\xB0\xEA") << 0;
        QTest::newRow("GBK without big5 code")
            << G << QByteArray("\xD8\x40\x82\x83") << QByteArray("\xA1\x40\xAD\xCC") << 1;
        QTest::newRow("big5 user-defined below A1")
            << B << QByteArray("\x8E\xA1\xA4\xA4\x81\x40") << QByteArray("\xA1\xA1\xD6\xD0\xA1\xA1") << 2;
        QTest::newRow("GBK code that is no big5 code")
            << B << QByteArray("\x81\x80\xA4\xA4") << QByteArray("\x81\x80\xD6\xD0") << 0;
        // GB18030 four-byte sequences, with a lead below and above 0xA1, before and between codes.
        const QByteArray emoji = PageCodec::ToGb18030(QString::fromUcs4(U"\U0001F600"));
        const QByteArray tag = PageCodec::ToGb18030(QString::fromUcs4(U"\U000E0041"));
        const QByteArray bmp = PageCodec::ToGb18030(QStringLiteral("\u00C0\u3400"));
        QTest::newRow("four-byte big") << B << QByteArray(emoji + tag + "\xA4\xA4" + tag)
                                       << QByteArray(emoji + tag + "\xD6\xD0" + tag) << 0;
        QTest::newRow("four-byte gb") << G << QByteArray(tag + "\xB9\xFA" + emoji + bmp)
                                      << QByteArray(tag + "\xB0\xEA" + emoji + bmp) << 0;
        QTest::newRow("cut four-byte") << B << QByteArray(tag.left(3)) << QByteArray(tag.left(3)) << 0;
    }

    void scan()
    {
        QFETCH(bool, bigToGb);
        QFETCH(QByteArray, in);
        QFETCH(QByteArray, out);
        QFETCH(int, unmatched);
        qsizetype count = -1;
        QCOMPARE(Scan(bigToGb ? ConversionDirection::BigToGb : ConversionDirection::GbToBig, in, &count).toHex(' '),
                 out.toHex(' '));
        QCOMPARE(count, qsizetype(unmatched));
    }

    void text_data()
    {
        QTest::addColumn<bool>("bigToGb");
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::addColumn<int>("unmatched");
        // The Big5 bytes of "體" as an opened Big5 page shows them ("砰").
        QTest::newRow("體 read as GBK") << true << PageCodec::FromGb18030("\xC5\xE9") << QStringLiteral("体") << 0;
        QTest::newRow("empty") << true << QString() << QString() << 0;
        QTest::newRow("国") << false << QStringLiteral("国") << PageCodec::FromGb18030("\xB0\xEA") << 0;
        QTest::newRow("unmatched counted")
            << false << QStringLiteral("あい国") << PageCodec::FromGb18030("\xA1\x40\xA1\x40\xB0\xEA") << 2;
        // A lone surrogate cannot be encoded; it becomes "?" and the rest is still converted.
        QTest::newRow("lone surrogate") << false << (QStringLiteral("a") + QChar(0xD800) + QStringLiteral("国"))
                                        << QStringLiteral("a?") + PageCodec::FromGb18030("\xB0\xEA") << 0;
        // A private-use character the code page has no bytes for stays, and the text around it is converted.
        QTest::newRow("character without GB18030 bytes")
            << true << PageCodec::FromGb18030("\xC5\xE9") + QChar(0xE78D) + PageCodec::FromGb18030("\xA4\xA4")
            << QStringLiteral("体") + QChar(0xE78D) + QStringLiteral("中") << 0;
    }

    void text()
    {
        QFETCH(bool, bigToGb);
        QFETCH(QString, in);
        QFETCH(QString, out);
        QFETCH(int, unmatched);
        const ConversionResult r =
            ConvertText(in, bigToGb ? ConversionDirection::BigToGb : ConversionDirection::GbToBig);
        QVERIFY(r.ok);
        QCOMPARE(r.text, out);
        QCOMPARE(r.unmatched, qsizetype(unmatched));
        QCOMPARE(bigToGb ? BigToGb(in) : GbToBig(in), out);
    }
};

QTEST_GUILESS_MAIN(TestConversionTables)
#include "tst_conversiontables.moc"
