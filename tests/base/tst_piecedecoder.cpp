#include "base/piecedecoder.h"

#include <QtTest>

#include <algorithm>

Q_DECLARE_METATYPE(DecodedPage)

class TestPieceDecoder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A piece starts just after an LF byte, never before it: CR LF pairs and multi-byte characters stay whole.
    void pieceStarts_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("size");
        QTest::addColumn<QList<int>>("starts");
        QTest::newRow("every line") << QByteArray("a\nb\nc") << 1 << QList<int>{4, 2, 0};
        QTest::newRow("CR LF kept together") << QByteArray("a\r\nb\r\n") << 2 << QList<int>{3, 0};
        QTest::newRow("GB18030 four bytes after LF")
            << QByteArray("\xD6\xD0\n\x95\x32\x82\x36\n") << 2 << QList<int>{3, 0};
        QTest::newRow("line longer than a piece") << QByteArray("g\nabcdef\n") << 3 << QList<int>{2, 0};
        QTest::newRow("no LF: one piece") << QByteArray("a\rb\rc") << 1 << QList<int>{0};
        QTest::newRow("empty") << QByteArray() << 4 << QList<int>{0};
    }
    void pieceStarts()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, size);
        QFETCH(QList<int>, starts);
        QList<int> got;
        qsizetype end = bytes.size();
        do {
            end = PieceDecoder::PieceStart(bytes, end, size);
            got.append(int(end));
        } while (end > 0);
        QCOMPARE(got, starts);
    }

    // Read a piece at a time, at every piece size down to one line, a page gives what it gives read whole: the
    // same text, code page, breaks, undecodable bytes and bytes that would not save back.
    void piecesGiveTheWholePage_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("codec");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qsizetype>("badBytes");
        QTest::addColumn<qsizetype>("unkept");
        const QByteArray gb = "<meta charset=gb2312>\r\n";
        const QByteArray big5 = "<meta charset=big5>\n";
        const QByteArray utf8 = "<meta charset=utf-8>\n";
        QTest::newRow("GB18030 CR LF") << gb + "\xD6\xD0\r\n\xCE\xC4\r\nx" << -1
                                       << QString::fromUtf8(gb + "中\r\n文\r\nx") << qsizetype(0) << qsizetype(-1);
        QTest::newRow("GB18030 four-byte characters at the breaks")
            << gb + "\x95\x32\x82\x36\r\n\x95\x32\x82\x36\n"
            << -1 << QString::fromUtf8(gb + "\xF0\xA0\x80\x80\r\n\xF0\xA0\x80\x80\n") << qsizetype(0) << qsizetype(-1);
        QTest::newRow("GB18030 lead byte before LF")
            << gb + "a\x81\nb\r\n"
            << -1 << QString::fromUtf8(gb + "a\xEF\xBF\xBD\nb\r\n") << qsizetype(1) << qsizetype(-1);
        QTest::newRow("GB18030 cut four-byte sequence before CR LF") << gb + "\x95\x32\r\n\xD6\xD0\r\n"
                                                                     << -1
                                                                     << QString::fromUtf8(gb + "\xEF\xBF\xBD"
                                                                                               "2\r\n中\r\n")
                                                                     << qsizetype(1) << qsizetype(-1);
        QTest::newRow("Big5") << big5 + "\xA4\xA4\n\xA4\xE5\n"
                              << -1 << QString::fromUtf8(big5 + "中\n文\n") << qsizetype(0) << qsizetype(-1);
        QTest::newRow("Big5 lead byte before LF")
            << big5 + "\xA4\n\xA4\xA4" << -1 << QString::fromUtf8(big5 + "\xEF\xBF\xBD\n中") << qsizetype(1)
            << qsizetype(-1);
        QTest::newRow("UTF-8 with byte-order mark and mixed breaks")
            << QByteArray("\xEF\xBB\xBF\xE4\xB8\xAD\r\nb\nc\rd\r\n") << -1 << QStringLiteral("中\r\nb\nc\rd\r\n")
            << qsizetype(0) << qsizetype(-1);
        QTest::newRow("UTF-8 mark at the start of a later line")
            << QByteArray("\xEF\xBB\xBF"
                          "a\n\xEF\xBB\xBF"
                          "b\n")
            << -1 << QStringLiteral("a\n\uFEFFb\n") << qsizetype(0) << qsizetype(-1);
        QTest::newRow("bad UTF-8, then a line starting with a mark")
            << utf8 + "\xFF\n\xEF\xBB\xBFx\n"
            << -1 << QString::fromUtf8(utf8 + "\xEF\xBF\xBD\n\xEF\xBB\xBFx\n") << qsizetype(1) << qsizetype(-1);
        QTest::newRow("UTF-8 cut character before LF")
            << utf8 + "\xE4\xB8\n\xE4\xB8\xAD\n"
            << -1 << QString::fromUtf8(utf8 + "\xEF\xBF\xBD\xEF\xBF\xBD\n中\n") << qsizetype(2) << qsizetype(-1);
        QTest::newRow("U+FDD0 in a later line") << utf8 + "a\r\nb\n\xEF\xB7\x90"
                                                          "c\n"
                                                << -1
                                                << QString::fromUtf8(utf8 + "a\r\nb\n\xEF\xB7\x90"
                                                                            "c\n")
                                                << qsizetype(0) << qsizetype(utf8.size() + 5);
        QTest::newRow("read as Big5 when chosen") << QByteArray("\xA4\xA4\r\n") << int(PageEncoding::Big5)
                                                  << QStringLiteral("中\r\n") << qsizetype(0) << qsizetype(-1);
        QTest::newRow("byte-order mark only")
            << QByteArray("\xEF\xBB\xBF") << -1 << QString() << qsizetype(0) << qsizetype(-1);
        QTest::newRow("empty") << QByteArray() << -1 << QString() << qsizetype(0) << qsizetype(-1);
        QTest::newRow("bad byte in the first lines, mixed breaks after it")
            << gb + "\x80\r\na\nb\r\n"
            << -1 << QString::fromUtf8(gb + "\xEF\xBF\xBD\r\na\nb\r\n") << qsizetype(1) << qsizetype(-1);
        // Codes the code page reads but writes back as other bytes: the first byte that differs is named.
        QTest::newRow("Big5 code written back as another")
            << big5 + "a\n\xA2\xCC\nb\n" << -1 << QString::fromUtf8(big5 + "a\n\xE5\x8D\x81\nb\n") << qsizetype(0)
            << qsizetype(big5.size() + 2);
        QTest::newRow("GB18030 four-byte code of a character with two bytes")
            << gb + "x\r\n\x95\x32\x90\x31\r\n" << -1 << QString::fromUtf8(gb + "x\r\n\xF0\xA0\x82\x87\r\n")
            << qsizetype(0) << qsizetype(gb.size() + 3);
        QTest::newRow("GB18030 mixed breaks, all kept")
            << gb + "a\nb\rc\r\n\xD6\xD0\n"
            << -1 << QString::fromUtf8(gb + "a\nb\rc\r\n中\n") << qsizetype(0) << qsizetype(-1);
    }
    void piecesGiveTheWholePage()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, codec);
        QFETCH(QString, text);
        QFETCH(qsizetype, badBytes);
        QFETCH(qsizetype, unkept);
        const DecodedPage whole =
            codec < 0 ? PageCodec::Decode(bytes) : PageCodec::DecodeAs(bytes, PageEncoding::Codec(codec));
        QCOMPARE(whole.text, text);
        QCOMPARE(whole.badBytes, badBytes);
        QCOMPARE(whole.firstUnkeptOffset, unkept);
        for (const int size : {1, 2, 3, 5, 8, 1 << 20}) {
            PieceDecoder pieces(bytes, codec, size);
            QCOMPARE(pieces.Encoding(), whole.encoding);
            pieces.Start([](DecodedPiece& piece) { piece.markers = {int(piece.text.size())}; });
            QString read;
            DecodedPiece piece;
            int count = 0;
            while (pieces.Next(piece)) {
                QCOMPARE(piece.markers, std::vector<int>{int(piece.text.size())});
                read.prepend(piece.text);
                ++count;
            }
            QVERIFY(count >= 1);
            QVERIFY(pieces.Bytes().isNull());
            const DecodedPage page = pieces.Summary();
            QCOMPARE(read, whole.text);
            QVERIFY(page.text.isEmpty());
            QCOMPARE(page.encoding, whole.encoding);
            QCOMPARE(page.breaks, whole.breaks);
            QCOMPARE(page.badBytes, whole.badBytes);
            QCOMPARE(page.firstBadOffset, whole.firstBadOffset);
            QCOMPARE(page.firstUnkeptOffset, whole.firstUnkeptOffset);
        }
        PieceDecoder once(bytes, codec);
        const DecodedPage page = once.DecodeWhole();
        QCOMPARE(page.text, whole.text);
        QCOMPARE(once.Summary().breaks, whole.breaks);
        QCOMPARE(once.Summary().firstUnkeptOffset, whole.firstUnkeptOffset);
    }

    // No decoded line is longer than the longest run of bytes without an LF; the lines are counted on the way.
    void longestLine_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("longest");
        QTest::addColumn<int>("lines");
        QTest::newRow("empty") << QByteArray() << 0 << 1;
        QTest::newRow("no break") << QByteArray("abc") << 3 << 1;
        QTest::newRow("last line longest") << QByteArray("ab\nabcd") << 4 << 2;
        QTest::newRow("CR LF counts the CR") << QByteArray("abc\r\nx\n") << 4 << 3;
        QTest::newRow("CR alone does not end a run") << QByteArray("ab\rcd\ne") << 5 << 2;
        QTest::newRow("GB18030 bytes, not characters") << QByteArray("\xD6\xD0\xCE\xC4\n") << 4 << 2;
        QTest::newRow("empty lines") << QByteArray("\n\n\n") << 0 << 4;
    }
    void longestLine()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, longest);
        QFETCH(int, lines);
        qsizetype counted = -1;
        QCOMPARE(PieceDecoder::LongestLine(bytes, &counted), qsizetype(longest));
        QCOMPARE(counted, qsizetype(lines));
    }

    // A reader dropped before its pieces are taken stops its worker.
    void droppedBeforeTheEnd()
    {
        QByteArray bytes;
        for (int i = 0; i < 1000; ++i)
            bytes += "line\n";
        auto pieces = std::make_unique<PieceDecoder>(bytes, -1, 5);
        pieces->Start();
        DecodedPiece piece;
        QVERIFY(pieces->Next(piece));
        QCOMPARE(piece.text, QStringLiteral("line\n"));
        QVERIFY(pieces->Next(piece));
        pieces.reset();
    }
};

QTEST_GUILESS_MAIN(TestPieceDecoder)
#include "tst_piecedecoder.moc"
