#include "editor/pagesearch.h"

#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

class TestPageSearch : public QObject
{
    Q_OBJECT

    static QString Text(const QTextDocument& doc)
    {
        QString text = doc.toRawText();
        text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        return text;
    }

private Q_SLOTS:
    void find_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<int>("found");
        QTest::newRow("first") << "abcabc"
                               << "abc" << 0 << false << 0;
        QTest::newRow("from inside the first") << "abcabc"
                                               << "abc" << 1 << false << 3;
        QTest::newRow("overlap") << "aaaa"
                                 << "aa" << 1 << false << 1;
        QTest::newRow("too late for the last") << "aaaa"
                                               << "aa" << 3 << false << -1;
        QTest::newRow("ignoring case") << "xxABC"
                                       << "abc" << 0 << false << 2;
        QTest::newRow("case matters") << "xxABC"
                                      << "abc" << 0 << true << -1;
        QTest::newRow("case matches") << "xxABCabc"
                                      << "abc" << 0 << true << 5;
        QTest::newRow("later line") << "one\ntwo\nthree"
                                    << "three" << 0 << false << 8;
        QTest::newRow("from the middle of a line") << "a</HEAD>\n</head>"
                                                   << "</head" << 2 << false << 9;
        QTest::newRow("never across a break") << "ab\ncd"
                                              << "bc" << 0 << false << -1;
        QTest::newRow("chinese") << "中文网页中文"
                                 << "中文" << 1 << false << 4;
        QTest::newRow("no-break space is not a blank") << QStringLiteral("a\u00A0b") << "a b" << 0 << false << -1;
        QTest::newRow("empty text at the start") << "abc"
                                                 << "" << 2 << false << 2;
        QTest::newRow("empty text at the end") << "abc"
                                               << "" << 3 << false << 3;
        QTest::newRow("empty text past the end") << "abc"
                                                 << "" << 4 << false << -1;
        QTest::newRow("empty document") << ""
                                        << "a" << 0 << false << -1;
    }
    void find()
    {
        QFETCH(QString, text);
        QFETCH(QString, what);
        QFETCH(int, from);
        QFETCH(bool, matchCase);
        QFETCH(int, found);
        QTextDocument doc;
        doc.setPlainText(text);
        QCOMPARE(PageSearch::Find(&doc, what, from, matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive), found);
    }

    void replaceAll_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("with");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("count");
        QTest::newRow("not rescanned") << "aa"
                                       << "a"
                                       << "aa" << false << "aaaa" << 2;
        QTest::newRow("no overlaps") << "aaa"
                                     << "aa"
                                     << "b" << false << "ba" << 1;
        QTest::newRow("ignoring case") << "Abc aBC abc"
                                       << "abc"
                                       << "x" << false << "x x x" << 3;
        QTest::newRow("case matters") << "Abc aBC abc"
                                      << "abc"
                                      << "x" << true << "Abc aBC x" << 1;
        QTest::newRow("every line") << "td\n<td>td</td>\n\ntd"
                                    << "td"
                                    << "th" << false << "th\n<th>th</th>\n\nth" << 5;
        QTest::newRow("shorter") << "<b>x</b><b>y</b>"
                                 << "<b>"
                                 << "" << false << "x</b>y</b>" << 2;
        QTest::newRow("longer, chinese") << "一二一"
                                         << "一"
                                         << "壹壹" << false << "壹壹二壹壹" << 2;
        QTest::newRow("breaks in the replacement") << "a;b;c\nd;e"
                                                   << ";"
                                                   << "\n"
                                                   << false << "a\nb\nc\nd\ne" << 3;
        QTest::newRow("breaks, not rescanned") << "x\nx"
                                               << "x"
                                               << "x\nx" << false << "x\nx\nx\nx" << 2;
        QTest::newRow("none") << "abc"
                              << "z"
                              << "y" << false << "abc" << 0;
        QTest::newRow("empty find text") << "abc"
                                         << ""
                                         << "y" << false << "abc" << 0;
    }
    void replaceAll()
    {
        QFETCH(QString, text);
        QFETCH(QString, what);
        QFETCH(QString, with);
        QFETCH(bool, matchCase);
        QFETCH(QString, result);
        QFETCH(int, count);
        QTextDocument doc;
        doc.setPlainText(text);
        doc.clearUndoRedoStacks();
        int changes = 0;
        connect(&doc, &QTextDocument::contentsChanged, this, [&changes] { ++changes; });
        QCOMPARE(PageSearch::ReplaceAll(&doc, what, with, matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive,
                                        QTextCharFormat()),
                 count);
        QCOMPARE(Text(doc), result);
        QCOMPARE(changes, count > 0 ? 1 : 0);
        QCOMPARE(doc.isUndoAvailable(), count > 0);
        // One undo step takes the whole replacement back.
        doc.undo();
        QCOMPARE(Text(doc), text);
        QVERIFY(!doc.isUndoAvailable());
    }
};

QTEST_MAIN(TestPageSearch)
#include "tst_pagesearch.moc"
