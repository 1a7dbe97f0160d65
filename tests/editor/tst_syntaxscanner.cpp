#include "editor/syntaxscanner.h"

#include <QtTest>

// Scans the lines of `page` in order, each from the state the one before ended in, and writes every piece as
// kind:text (touching pieces of one kind are one piece); lines are separated by " | ".
static QString Pieces(const QString& page)
{
    static const char* const names[] = {"tag",  "attr",     "value",   "comment", "entity", "selector",
                                        "prop", "cssvalue", "keyword", "string",  "number"};
    QStringList lines;
    int state = SyntaxScanner::StartState;
    for (const QString& line : page.split(QLatin1Char('\n'))) {
        QList<SyntaxScanner::Span> spans;
        state = SyntaxScanner::ScanLine(line, state, &spans);
        QStringList parts;
        for (const SyntaxScanner::Span& s : std::as_const(spans))
            parts.append(QLatin1String(names[s.kind]) + QLatin1Char(':') + line.mid(s.start, s.length));
        lines.append(parts.join(QLatin1Char(' ')));
    }
    return lines.join(QStringLiteral(" | "));
}

class TestSyntaxScanner : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pieces_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain text") << "你好 a < b"
                                    << "";
        QTest::newRow("tag with values")
            << "<p class=\"a b\" id='x' width=3>hi</p>"
            << "tag:<p attr:class value:\"a b\" attr:id value:'x' attr:width value:3 tag:> tag:</p>";
        QTest::newRow("upper case and self-closing") << "<BR/><img src=a.gif />"
                                                     << "tag:<BR/><img attr:src value:a.gif tag:/>";
        QTest::newRow("entity") << "a&nbsp;b &amp c &#169;"
                                << "entity:&nbsp; entity:&#169;";
        QTest::newRow("comment over lines") << "a<!-- one\n<p> two -->b<i>"
                                            << "comment:<!-- one | comment:<p> two --> tag:<i>";
        QTest::newRow("value over lines") << "<a title=\"one\ntwo\" href=x>t"
                                          << "tag:<a attr:title value:\"one | value:two\" attr:href value:x tag:>";
        QTest::newRow("tag over lines") << "<table\nborder=1\n>x"
                                        << "tag:<table | attr:border value:1 | tag:>";
        QTest::newRow("doctype") << "<!DOCTYPE html>"
                                 << "tag:<!DOCTYPE attr:html tag:>";
        QTest::newRow("style block")
            << "<style type=text/css>\nbody, p.x { color : red; font-size:12px }\n</style><b>"
            << "tag:<style attr:type value:text/css tag:> | selector:body, selector:p.x prop:color cssvalue:red "
               "prop:font-size cssvalue:12px | tag:</style><b>";
        QTest::newRow("rule over lines with comment")
            << "<style>a {\n/* c\nd */ color:\nblue }\n</style>"
            << "tag:<style> selector:a | comment:/* c | comment:d */ prop:color | cssvalue:blue | "
               "tag:</style>";
        QTest::newRow("script") << "<script>var s = \"a<b\"; // note\nif (x == 10) { y = 'q' }</script>x"
                                << "tag:<script> keyword:var string:\"a<b\" comment:// note | keyword:if "
                                   "number:10 string:'q' tag:</script>";
        QTest::newRow("script block comment and end tag inside") << "<SCRIPT>/* a\n</script> b */<p>"
                                                                 << "tag:<SCRIPT> comment:/* a | tag:</script> tag:<p>";
        QTest::newRow("closing style tag opens no style sheet") << "</style>a:b{c}"
                                                                << "tag:</style>";
        QTest::newRow("unclosed tag before the next") << "<a href=x <b>"
                                                      << "tag:<a attr:href value:x tag:<b>";
    }
    void pieces()
    {
        QFETCH(QString, page);
        QFETCH(QString, expected);
        QCOMPARE(Pieces(page), expected);
    }

    // Scanning only for the end state (what the page does off screen) must end where the full scan ends.
    void endStateWithoutPieces_data()
    {
        QTest::addColumn<QString>("page");
        QTest::newRow("comment") << "x <!-- a\nb\n--> <p>";
        QTest::newRow("style") << "<style>\na { b: c;\n}\n</style>";
        QTest::newRow("script") << "<script>\n/* a\n*/ var x = '<';\n</script> t &amp;";
        QTest::newRow("values") << "<a b='1\n2' c=\"3\n4\">";
    }
    void endStateWithoutPieces()
    {
        QFETCH(QString, page);
        int full = SyntaxScanner::StartState;
        int bare = SyntaxScanner::StartState;
        for (const QString& line : page.split(QLatin1Char('\n'))) {
            QList<SyntaxScanner::Span> spans;
            full = SyntaxScanner::ScanLine(line, full, &spans);
            bare = SyntaxScanner::ScanLine(line, bare, nullptr);
            QCOMPARE(bare, full);
        }
    }
};

QTEST_APPLESS_MAIN(TestSyntaxScanner)
#include "tst_syntaxscanner.moc"
