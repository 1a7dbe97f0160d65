#include "base/pagecodec.h"

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

    void loneSurrogateRefused()
    {
        QByteArray out("stale");
        QVERIFY(!PageCodec::Encode(QString(QChar(0xD800)), PageEncoding(), out));
        QVERIFY(out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPageCodec)
#include "tst_pagecodec.moc"
