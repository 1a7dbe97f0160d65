#include "editor/caretelement.h"

#include <QtTest>

class TestCaretElement : public QObject
{
    Q_OBJECT

    static CaretElement::Found Scan(const QString& text, bool byLine)
    {
        CaretElement scan;
        if (!byLine) {
            scan.Feed(text);
            return scan.Result();
        }
        // As the side preview feeds it: a line at a time, then its break.
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            scan.Feed(lines.at(i));
            if (i + 1 < lines.size())
                scan.Feed(u"\n");
        }
        return scan.Result();
    }

private Q_SLOTS:
    void holder_data()
    {
        QTest::addColumn<QString>("before"); // the page up to the caret
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::newRow("first paragraph") << "<html><body><p>a"
                                         << "p" << 0;
        QTest::newRow("second paragraph") << "<body><p>x</p>\n<p>y"
                                          << "p" << 1;
        QTest::newRow("after an ended paragraph") << "<body><div><p>x</p>te"
                                                  << "div" << 0;
        QTest::newRow("upper-case tags") << "<BODY><DIV><P>x</P><P>y"
                                         << "p" << 1;
        QTest::newRow("list items without end tags") << "<ul><li>a\n<li>b"
                                                     << "li" << 1;
        QTest::newRow("cells without end tags") << "<table><tr><td>a<td>b<tr><td>c"
                                                << "td" << 2;
        QTest::newRow("a row ends the cell before it") << "<table><tr><td>a<tr><td>b</tr>c"
                                                       << "table" << 0;
        QTest::newRow("a paragraph ended by a block") << "<div><p>a<ul><li>b</ul>c"
                                                      << "div" << 0;
        QTest::newRow("empty elements hold nothing") << "<div><img src=a.png><br>x"
                                                     << "div" << 0;
        QTest::newRow("self-closed element") << "<div><span/>x"
                                             << "div" << 0;
        QTest::newRow("tags in a comment") << "<!-- <p> <div> -->\n<p>x"
                                           << "p" << 0;
        QTest::newRow("a comment with > inside") << "<div><!-- a > b <p> -->x"
                                                 << "div" << 0;
        QTest::newRow("doctype") << "<!DOCTYPE html><div>x"
                                 << "div" << 0;
        QTest::newRow("tags in a script's text") << "<div><script>var s='<p>';</script><p>"
                                                 << "p" << 0;
        QTest::newRow("caret in a script") << "<div><script>var s='<p>"
                                           << "div" << 0;
        QTest::newRow("a quoted > in an attribute") << "<p title=\"a>b\"><span>x"
                                                    << "span" << 0;
        QTest::newRow("caret in a start tag") << "<div><p class=\"a"
                                              << "p" << 0;
        QTest::newRow("caret in a later start tag") << "<p>1</p><p>2</p><p cl"
                                                    << "p" << 2;
        QTest::newRow("stray end tag") << "<div></span>x"
                                       << "div" << 0;
        QTest::newRow("end tag closes what it holds") << "<div><span><b>x</div>y"
                                                      << "" << 0;
        QTest::newRow("caret in the head") << "<html><head><title>x"
                                           << "" << 0;
        QTest::newRow("caret in a style block") << "<head><style>p { color: red"
                                                << "" << 0;
        QTest::newRow("caret in the body itself") << "<html><body>text"
                                                  << "" << 0;
        QTest::newRow("empty page") << ""
                                    << "" << 0;
        QTest::newRow("counted across the page") << "<div id=a></div>\n<div id=b><p>x</p>"
                                                 << "div" << 1;
        QTest::newRow("textarea text is no markup") << "<form><textarea><div></textarea><div>"
                                                    << "div" << 0;
    }
    void holder()
    {
        QFETCH(QString, before);
        QFETCH(QString, name);
        QFETCH(int, index);
        const CaretElement::Found expected{name, name.isEmpty() ? 0 : index};
        QCOMPARE(Scan(before, false), expected);
        QCOMPARE(Scan(before, true), expected);
    }

    void scrollScript()
    {
        QCOMPARE(CaretElement::ScrollScript({}), QString());
        const QString script = CaretElement::ScrollScript({QStringLiteral("td"), 7});
        QVERIFY2(script.contains(QLatin1String("document.getElementsByTagName('td')[7]")), qPrintable(script));
    }
};

QTEST_APPLESS_MAIN(TestCaretElement)
#include "tst_caretelement.moc"
