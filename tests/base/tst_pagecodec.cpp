#include "base/charsetlabels.h"
#include "base/pagecodec.h"
#include "base/recoverystore.h"

#include <QtTest>

class TestPageCodec : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every two-byte GB18030 code reads and writes back to the same bytes: a page is never changed by
    // being opened and saved.
    void everyTwoByteCodeRoundTrips()
    {
        QByteArray all;
        all.reserve(126 * 190 * 2);
        for (int lead = 0x81; lead <= 0xFE; ++lead) {
            for (int trail = 0x40; trail <= 0xFE; ++trail) {
                if (trail == 0x7F)
                    continue;
                all.append(char(lead));
                all.append(char(trail));
            }
        }
        qsizetype bad = -1;
        const QString text = PageCodec::FromGb18030(all, &bad);
        QCOMPARE(bad, 0);
        // A few codes stand for characters beyond the BMP: count characters, not UTF-16 units.
        QCOMPARE(text.toUcs4().size(), 126 * 190);
        const QByteArray back = PageCodec::ToGb18030(text);
        QCOMPARE(back.size(), all.size());
        for (qsizetype i = 0; i < all.size(); i += 2) {
            if (back.mid(i, 2) != all.mid(i, 2))
                QFAIL(qPrintable(
                    QStringLiteral("code %1 came back as %2")
                        .arg(QString::fromLatin1(all.mid(i, 2).toHex()), QString::fromLatin1(back.mid(i, 2).toHex()))));
        }
    }

    void detection_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("codec");
        QTest::addColumn<bool>("bom");
        QTest::addColumn<QString>("text");
        const QByteArray gbk("\xD6\xD0\xCE\xC4");          // 中文 in GBK
        const QByteArray utf8("\xE4\xB8\xAD\xE6\x96\x87"); // 中文 in UTF-8
        QTest::newRow("plain GBK") << gbk << int(PageEncoding::Gb18030) << false << QStringLiteral("中文");
        QTest::newRow("plain UTF-8") << utf8 << int(PageEncoding::Utf8) << false << QStringLiteral("中文");
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF") + utf8 << int(PageEncoding::Utf8) << true
                                        << QStringLiteral("中文");
        QTest::newRow("ASCII only") << QByteArray("<p>hi</p>") << int(PageEncoding::Gb18030) << false
                                    << QStringLiteral("<p>hi</p>");
        // GBK bytes that happen to be valid UTF-8 are still read as GBK when the page says so.
        const QByteArray ambiguous("\xE4\xB8\xAD"); // also GBK: 涓 + lead byte... declared wins
        QTest::newRow("declared gbk beats UTF-8 look")
            << QByteArray("<meta charset=gbk>") + QByteArray("\xC3\xA9") << int(PageEncoding::Gb18030) << false
            << QStringLiteral("<meta charset=gbk>") + PageCodec::FromGb18030("\xC3\xA9");
        QTest::newRow("http-equiv utf-8")
            << QByteArray("<meta http-equiv='Content-Type' content='text/html; charset=UTF-8'>") + utf8
            << int(PageEncoding::Utf8) << false
            << QStringLiteral("<meta http-equiv='Content-Type' content='text/html; charset=UTF-8'>中文");
        QTest::newRow("declared gb2312") << QByteArray("<META CONTENT=\"text/html;charset=gb2312\">") + gbk
                                         << int(PageEncoding::Gb18030) << false
                                         << QStringLiteral("<META CONTENT=\"text/html;charset=gb2312\">中文");
        Q_UNUSED(ambiguous);

        // Neither marked nor declared: guessed from the bytes.
        const QByteArray novel("\xD0\xA1\xCB\xB5"); // 小说 in GBK, also valid UTF-8 ("С˵")
        const QByteArray big5Sentence("\xB3\x6F\xAC\x4F\xA4\x40\xAD\xD3\xC1\x63\xC5\xE9\xA4\xA4\xA4\xE5\xAA\xBA"
                                      "\xBA\xF4\xAD\xB6\xA1\x41\xA7\xDA\xAD\xCC\xA5\xCE\xA8\xD3\xB4\xFA\xB8\xD5"
                                      "\xBD\x73\xBD\x58\xB0\xBB\xB4\xFA\xA1\x43");
        const QString gbSentence = QStringLiteral("这是一个简体中文的网页，我们用来测试编码侦测。");
        QTest::newRow("GBK that is valid UTF-8")
            << novel << int(PageEncoding::Gb18030) << false << QStringLiteral("小说");
        QTest::newRow("GBK that is valid UTF-8, in markup")
            << QByteArray("<title>") + novel + QByteArray("</title>") << int(PageEncoding::Gb18030) << false
            << QStringLiteral("<title>小说</title>");
        QTest::newRow("GBK sentence") << PageCodec::ToGb18030(gbSentence) << int(PageEncoding::Gb18030) << false
                                      << gbSentence;
        QTest::newRow("Big5 sentence") << big5Sentence << int(PageEncoding::Big5) << false
                                       << QStringLiteral("這是一個繁體中文的網頁，我們用來測試編碼偵測。");
        QTest::newRow("UTF-8 sentence") << gbSentence.toUtf8() << int(PageEncoding::Utf8) << false << gbSentence;
        QTest::newRow("accented word stays UTF-8") << QByteArray("caf\xC3\xA9 na\xC3\xAFve") << int(PageEncoding::Utf8)
                                                   << false << QStringLiteral("café naïve");
        QTest::newRow("one accented letter stays UTF-8")
            << QByteArray("<p>\xC3\xA9</p>") << int(PageEncoding::Utf8) << false << QStringLiteral("<p>é</p>");
        QTest::newRow("Western signs stay UTF-8")
            << QByteArray("<p>\xC2\xA9 2026 Kestrel \xC2\xAE</p>") << int(PageEncoding::Utf8) << false
            << QStringLiteral("<p>© 2026 Kestrel ®</p>");
        QTest::newRow("Cyrillic stays UTF-8") << QByteArray("\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82")
                                              << int(PageEncoding::Utf8) << false << QStringLiteral("Привет");
        QTest::newRow("declared big5") << QByteArray("<meta charset=\"big5\">\xA4\xA4\xA4\xE5")
                                       << int(PageEncoding::Big5) << false
                                       << QStringLiteral("<meta charset=\"big5\">中文");
        QTest::newRow("unknown declaration is guessed")
            << QByteArray("<meta charset=iso-8859-1>") + novel << int(PageEncoding::Gb18030) << false
            << QStringLiteral("<meta charset=iso-8859-1>小说");
    }
    void detection()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, codec);
        QFETCH(bool, bom);
        QFETCH(QString, text);
        const DecodedPage page = PageCodec::Decode(bytes);
        QCOMPARE(int(page.encoding.codec), codec);
        QCOMPARE(page.encoding.bom, bom);
        QCOMPARE(page.text, text);
        QCOMPARE(page.badBytes, 0);
        // Saving the text back gives the same bytes.
        QByteArray out;
        QVERIFY(PageCodec::Encode(page.text, page.encoding, out));
        QCOMPARE(out, bytes);
    }

    // Reopening with another code page reads the same bytes anew; saving gives them back.
    void reopenAs_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("codec");
        QTest::addColumn<bool>("bom");
        QTest::addColumn<QString>("text");
        const QByteArray utf8("\xE4\xB8\xAD\xE6\x96\x87"); // 中文 in UTF-8
        QTest::newRow("UTF-8 bytes as GB18030")
            << utf8 << int(PageEncoding::Gb18030) << false << QStringLiteral("涓\uE15F枃");
        QTest::newRow("GBK bytes as Big5")
            << QByteArray("\xD6\xD0\xCE\xC4") << int(PageEncoding::Big5) << false << QStringLiteral("笢恅");
        QTest::newRow("Big5 bytes as Big5") << QByteArray("<p>\xA4\xA4\xA4\xE5</p>\r\n") << int(PageEncoding::Big5)
                                            << false << QStringLiteral("<p>中文</p>\r\n");
        QTest::newRow("GBK look-alike as UTF-8")
            << QByteArray("\xD0\xA1\xCB\xB5") << int(PageEncoding::Utf8) << false << QStringLiteral("С˵");
        QTest::newRow("byte-order mark kept as UTF-8")
            << QByteArray("\xEF\xBB\xBF") + utf8 << int(PageEncoding::Utf8) << true << QStringLiteral("中文");
    }
    void reopenAs()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, codec);
        QFETCH(bool, bom);
        QFETCH(QString, text);
        const DecodedPage page = PageCodec::DecodeAs(bytes, PageEncoding::Codec(codec));
        QCOMPARE(int(page.encoding.codec), codec);
        QCOMPARE(page.encoding.bom, bom);
        QCOMPARE(page.text, text);
        QCOMPARE(page.badBytes, 0);
        QCOMPARE(page.firstUnkeptOffset, -1);
        QByteArray out;
        QVERIFY(PageCodec::Encode(page.text, page.encoding, out));
        QCOMPARE(out, bytes);
    }

    void lineEnds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("lineEnd");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << int(PageEncoding::CrLf);
        QTest::newRow("LF") << QByteArray("a\nb\n") << int(PageEncoding::Lf);
        QTest::newRow("CR") << QByteArray("a\rb") << int(PageEncoding::Cr);
        QTest::newRow("none") << QByteArray("ab") << int(PageEncoding::CrLf);
    }
    void lineEnds()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, lineEnd);
        const DecodedPage page = PageCodec::Decode(bytes);
        QCOMPARE(int(page.encoding.lineEnd), lineEnd);
        // The editor hands back its text with "\n" or U+2029 breaks; the file's line end is written.
        QString editorText = page.text;
        editorText.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QChar(0x2029));
        QByteArray out;
        QVERIFY(PageCodec::Encode(editorText, page.encoding, out));
        QCOMPARE(out, bytes);
    }

    // Each line's own break is kept when they differ; what the editor cannot give back is found at opening.
    void breaksAndUnkeptBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("breaks");
        QTest::addColumn<int>("unkept");
        QTest::newRow("all CR LF") << QByteArray("a\r\nb\r\n") << QByteArray() << -1;
        QTest::newRow("mixed") << QByteArray("a\r\nb\nc\rd\r\n") << QByteArray("cnrc") << -1;
        QTest::newRow("U+2029 in UTF-8") << QByteArray("\xE4\xB8\xAD\xE2\x80\xA9x\ny") << QByteArray("pn") << -1;
        QTest::newRow("second byte-order mark") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx") << QByteArray() << -1;
        QTest::newRow("U+FDD1 ends a line in the editor")
            << QByteArray("\xEF\xBB\xBF") + QByteArray("ab\r\n\xEF\xB7\x91") << QByteArray() << 7;
    }
    void breaksAndUnkeptBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, breaks);
        QFETCH(int, unkept);
        const DecodedPage page = PageCodec::Decode(bytes);
        QCOMPARE(page.breaks, breaks);
        QCOMPARE(page.firstUnkeptOffset, qsizetype(unkept));
    }

    void badBytesAreCountedNotHidden()
    {
        // 0x80 and 0xFF are never valid in GB18030; a lead byte at the very end is truncated.
        const QByteArray bytes("ok\x80\xD6\xD0\xFF\xD6", 7);
        const DecodedPage page = PageCodec::Decode(bytes);
        QCOMPARE(int(page.encoding.codec), int(PageEncoding::Gb18030));
        QCOMPARE(page.badBytes, 3);
        QCOMPARE(page.firstBadOffset, 2);
        QCOMPARE(page.text, QStringLiteral("ok\uFFFD中\uFFFD\uFFFD"));
    }

    void invalidUtf8InDeclaredUtf8Page()
    {
        const QByteArray bytes = QByteArray("<meta charset=utf-8>") + QByteArray("\xE4\xB8", 2);
        const DecodedPage page = PageCodec::Decode(bytes);
        QCOMPARE(int(page.encoding.codec), int(PageEncoding::Utf8));
        QVERIFY(page.badBytes > 0);
    }

    void fourByteCodesAndNonBmp()
    {
        // U+20000 needs a surrogate pair and four GB18030 bytes; U+00E4 is a four-byte code as well.
        const QString text = QString::fromUcs4(U"\U00020000\u00E4x");
        const QByteArray bytes = PageCodec::ToGb18030(text);
        QCOMPARE(bytes.size(), 9);
        QCOMPARE(PageCodec::FromGb18030(bytes), text);
    }

    // What the encoder does with a character it has no bytes for: it names it (and where), or, asked to,
    // writes it as a character reference; a lone surrogate is no character and always fails.
    void charactersWithoutBytes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("references");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<uint>("failedChar");
        QTest::addColumn<int>("failedAt");
        QTest::addColumn<int>("firstUnencodable");
        const QString pua = QStringLiteral("\u4E2D") + QChar(0xE78D) + QStringLiteral("x") + QChar(0xE855);
        QTest::newRow("private use refused") << pua << false << QByteArray() << 0xE78Du << 1 << 1;
        QTest::newRow("private use as references")
            << pua << true << QByteArray("\xD6\xD0&#xE78D;x&#xE855;") << 0u << -1 << 1;
        QTest::newRow("encodable private use unchanged")
            << QString(QChar(0xE000)) << true << QByteArray("\xAA\xA1") << 0u << -1 << -1;
        QTest::newRow("lone surrogate not referenced")
            << (QStringLiteral("ab") + QChar(0xDC00)) << true << QByteArray() << 0xDC00u << 2 << 2;
    }
    void charactersWithoutBytes()
    {
        QFETCH(QString, text);
        QFETCH(bool, references);
        QFETCH(QByteArray, bytes);
        QFETCH(uint, failedChar);
        QFETCH(int, failedAt);
        QFETCH(int, firstUnencodable);
        PageEncoder encoder{PageEncoding()};
        encoder.WriteReferences(references);
        QCOMPARE(encoder.Append(text), failedAt < 0);
        QCOMPARE(encoder.Take(), bytes);
        QCOMPARE(uint(encoder.FailedChar()), failedChar);
        QCOMPARE(encoder.FailedAt(), qsizetype(failedAt));
        QCOMPARE(PageCodec::FirstUnencodable(text, PageEncoding::Gb18030), qsizetype(firstUnencodable));
    }

    // Every row of the code-page table, whatever rows it has, is read, written, declared and kept the same way.
    void everyCodePage_data()
    {
        QTest::addColumn<int>("id");
        for (const CodePage& page : CodePages::All())
            QTest::newRow(page.shown) << int(page.id);
    }
    void everyCodePage()
    {
        QFETCH(int, id);
        const PageEncoding::Codec codec = PageEncoding::Codec(id);
        const CodePage& page = CodePages::Of(codec);
        QCOMPARE(int(page.id), id);
        // Each name a page may declare, and what the program writes into a declaration, lead back to the row.
        for (const QByteArray& alias : page.aliases)
            QCOMPARE(PageCodec::DeclaredCodec(alias), id);
        QCOMPARE(PageCodec::DeclaredCodec(CharsetLabels::NameFor(codec).toLatin1()), id);
        for (const QByteArray& name : page.detected) {
            const CodePage* detected = CodePages::Detected(name.toLower());
            QVERIFY(detected);
            QCOMPARE(int(detected->id), id);
        }
        // Text written in it and read back as it comes out unchanged (iconv knows the row's name); its characters
        // are in every code page the editor writes.
        PageEncoding encoding;
        encoding.codec = codec;
        const QString text = QStringLiteral("<p>中文 abc</p>\n");
        QByteArray bytes;
        QVERIFY(PageCodec::Encode(text, encoding, bytes));
        QCOMPARE(PageCodec::DecodeAs(bytes, codec).text, QStringLiteral("<p>中文 abc</p>\r\n"));
        // A recovery file brings the page back in the same code page, with or without a byte-order mark.
        for (const bool bom : {false, true}) {
            RecoveryEntry entry{QString(),
                                QStringLiteral("/p.html"),
                                QStringLiteral("p.html"),
                                QDateTime::currentDateTimeUtc(),
                                encoding,
                                text,
                                true};
            entry.encoding.bom = bom;
            RecoveryEntry back;
            QVERIFY(RecoveryStore::Decode(RecoveryStore::Encode(entry), back));
            QCOMPARE(back.encoding, entry.encoding);
        }
        // The ids are the table's own.
        QCOMPARE(CodePages::Stored(page.stored), &page);
        QVERIFY(!CodePages::Stored(QByteArray(page.stored).toLower() + "x"));
    }

    void loneSurrogateRefused()
    {
        QByteArray out("stale");
        QVERIFY(!PageCodec::Encode(QString(QChar(0xD800)), PageEncoding(), out));
        QVERIFY(out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPageCodec)
#include "tst_pagecodec.moc"
