#include "editor/contextchecks.h"
#include "editor/linechunks.h"

#include <QtTest>

// A page goes into the text control in pieces cut from its end. The pieces must give back the text exactly, every
// cut must fall where the control starts a line (never inside CR LF), and the markers read piece by piece must be
// those of the whole text.
class TestLineChunks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pieces_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("size");
        QTest::addColumn<QStringList>("pieces"); // first to last
        QTest::newRow("empty") << "" << 4 << QStringList{""};
        QTest::newRow("shorter than a piece") << "a\r\nb" << 10 << QStringList{"a\r\nb"};
        QTest::newRow("CR LF lines") << "ab\r\ncd\r\nef" << 3 << QStringList{"ab\r\n", "cd\r\n", "ef"};
        QTest::newRow("never between CR and LF") << "a\r\nb" << 2 << QStringList{"a\r\n", "b"};
        QTest::newRow("lone CR") << "a\rb\rc" << 2 << QStringList{"a\r", "b\r", "c"};
        QTest::newRow("LF then CR") << "a\n\rb" << 2 << QStringList{"a\n", "\rb"};
        QTest::newRow("paragraph separator")
            << QStringLiteral("<a\u2029b>") << 2 << QStringList{QStringLiteral("<a\u2029"), "b>"};
        QTest::newRow("line longer than a piece") << "x\nlong line\ny" << 3 << QStringList{"x\n", "long line\n", "y"};
        QTest::newRow("no break at all") << "abcdefgh" << 3 << QStringList{"abcdefgh"};
        QTest::newRow("ends with a break") << "a\nb\n" << 1 << QStringList{"a\n", "b\n"};
        QTest::newRow("surrogate pair stays whole")
            << QStringLiteral("\U0001F600\n\U0001F600") << 2
            << QStringList{QStringLiteral("\U0001F600\n"), QStringLiteral("\U0001F600")};
        QTest::newRow("script tag cut by no piece")
            << "<script>\r\n</script>\r\n<style>" << 9 << QStringList{"<script>\r\n", "</script>\r\n", "<style>"};
    }
    void pieces()
    {
        QFETCH(QString, text);
        QFETCH(int, size);
        QFETCH(QStringList, pieces);
        QStringList cut;
        std::vector<std::vector<int>> markers;
        qsizetype end = text.size();
        do {
            const qsizetype start = LineChunks::PieceStart(text, end, size);
            QVERIFY(start == 0 || LineChunks::LineStartsAt(text, start));
            QVERIFY(start < end || end == 0);
            const QString piece = text.sliced(start, end - start);
            cut.prepend(piece);
            std::vector<int> m = ContextChecks::MarkersOfLines(piece);
            if (!markers.empty())
                m.pop_back();
            markers.push_back(m);
            end = start;
        } while (end > 0);
        QCOMPARE(cut, pieces);
        QCOMPARE(cut.join(QString()), text);
        std::vector<int> joined;
        for (auto m = markers.rbegin(); m != markers.rend(); ++m)
            joined.insert(joined.end(), m->begin(), m->end());
        QCOMPARE(joined, ContextChecks::MarkersOfLines(text));
    }
};

QTEST_APPLESS_MAIN(TestLineChunks)
#include "tst_linechunks.moc"
