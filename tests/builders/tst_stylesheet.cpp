// The style sheet's text without a window: selectors as the add button makes them, the selector list's limits,
// the rules and the style block, where the block goes in a page, and the link line.

#include "builders/styles/stylesheet.h"

#include <QtTest>

class TestStyleSheet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void selector_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("all");
        QTest::addColumn<QString>("sep");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("selector");
        QTest::newRow("bare element") << "<p" << false << "."
                                      << ""
                                      << "p";
        QTest::newRow("element with class") << "<p" << false << "."
                                            << "red"
                                            << "p.red";
        QTest::newRow("name trimmed") << "<p" << false << "."
                                      << "  red "
                                      << "p.red";
        QTest::newRow("link state") << "<a" << false << ":"
                                    << "hover"
                                    << "a:hover";
        QTest::newRow("all elements") << "<p" << true << ":"
                                      << "red"
                                      << ".red";
        QTest::newRow("all elements without name") << "<p" << true << "."
                                                   << ""
                                                   << "";
        QTest::newRow("all elements blank name") << "" << true << "."
                                                 << "   "
                                                 << "";
        QTest::newRow("no element chosen") << "" << false << "."
                                           << "red"
                                           << "";
    }
    void selector()
    {
        QFETCH(QString, start);
        QFETCH(bool, all);
        QFETCH(QString, sep);
        QFETCH(QString, name);
        QFETCH(QString, selector);
        QCOMPARE(StyleSheet::Selector(start, all, sep, name), selector);
    }

    void adding_data()
    {
        QTest::addColumn<QStringList>("adds");
        QTest::addColumn<QString>("answers"); // per add: n nothing, a added, d duplicate, t too many
        QTest::addColumn<QString>("indexes");
        QTest::addColumn<int>("count");
        QTest::newRow("two selectors") << QStringList{"p", "p.red"} << "aa"
                                       << "0 1" << 2;
        QTest::newRow("same twice selects the first") << QStringList{"p", ".red", "p"} << "aad"
                                                      << "0 1 0" << 2;
        QTest::newRow("empty adds nothing") << QStringList{""} << "n"
                                            << "-1" << 0;
        QStringList fifty;
        for (int i = 0; i < 50; ++i)
            fifty.append(QStringLiteral(".c%1").arg(i));
        QTest::newRow("51st refused") << (fifty + QStringList{".extra"}) << (QString(50, 'a') + 't') << "" << 50;
        QTest::newRow("full list still finds a duplicate")
            << (fifty + QStringList{".c7"}) << (QString(50, 'a') + 'd') << "" << 50;
    }
    void adding()
    {
        QFETCH(QStringList, adds);
        QFETCH(QString, answers);
        QFETCH(QString, indexes);
        QFETCH(int, count);
        StyleSheet sheet;
        QString got;
        QStringList gotIndexes;
        for (const QString& s : adds) {
            int index = -2;
            const StyleSheet::AddResult r = sheet.Add(s, index);
            got += QString("nadt").at(int(r));
            gotIndexes.append(QString::number(index));
        }
        QCOMPARE(got, answers);
        if (!indexes.isEmpty())
            QCOMPARE(gotIndexes.join(' '), indexes);
        QCOMPARE(sheet.Selectors.size(), count);
    }

    void rules_data()
    {
        QTest::addColumn<QStringList>("selectors");
        QTest::addColumn<QStringList>("styles"); // per selector; "-" never set
        QTest::addColumn<QString>("rules");
        QTest::newRow("one rule") << QStringList{"p.red"} << QStringList{"color:#ff0000;font-size:12pt"}
                                  << "p.red {color:#ff0000;font-size:12pt}\r\n";
        QTest::newRow("position order") << QStringList{"p", "a:hover"} << QStringList{"color:red", "color:blue"}
                                        << "p {color:red}\r\na:hover {color:blue}\r\n";
        QTest::newRow("unset selector left out")
            << QStringList{"p", ".red", "a"} << QStringList{"-", "color:red", ""} << ".red {color:red}\r\n";
        QTest::newRow("none set") << QStringList{"p"} << QStringList{"-"} << "";
    }
    void rules()
    {
        QFETCH(QStringList, selectors);
        QFETCH(QStringList, styles);
        QFETCH(QString, rules);
        StyleSheet sheet;
        for (int i = 0; i < selectors.size(); ++i) {
            int index = 0;
            sheet.Add(selectors.at(i), index);
            if (styles.at(i) != QLatin1String("-"))
                sheet.SetStyle(i, styles.at(i));
        }
        QCOMPARE(sheet.CssTxt(), rules);
    }

    void block_data()
    {
        QTest::addColumn<QString>("rules");
        QTest::addColumn<QString>("block");
        QTest::newRow("two rules") << "p {color:red}\r\n.red {color:red}\r\n"
                                   << "<style TYPE='text/css'>\r\n<! --\r\np {color:red}\r\n.red {color:red}\r\n"
                                      "-->\r\n</style>\r\n";
        QTest::newRow("no rules, no block") << ""
                                            << "";
    }
    void block()
    {
        QFETCH(QString, rules);
        QFETCH(QString, block);
        QCOMPARE(StyleSheet::Block(rules), block);
    }

    void blockOffset_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("offset");
        QTest::newRow("before body") << "<html><head></head><BODY bgcolor=red></body></html>" << 19;
        QTest::newRow("after html") << "<HTML>\r\n<p>x</p></html>" << 6;
        QTest::newRow("html with attributes is not it") << "<html lang=zh>\r\n<p>x" << 1;
        QTest::newRow("neither: after the first character") << "abc" << 1;
        QTest::newRow("empty page") << "" << 0;
    }
    void blockOffset()
    {
        QFETCH(QString, page);
        QFETCH(int, offset);
        QCOMPARE(StyleSheet::BlockOffset(page), offset);
    }

    void linkLine_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("line"); // "" when nothing is inserted
        QTest::newRow("path") << "css/site.css"
                              << "<LINK REL=StyleSheet HREF=\"css/site.css\" TYPE='text/css' MEDIA=screen>\r\n";
        QTest::newRow("cancelled") << ""
                                   << "";
        QTest::newRow("lone blank") << " "
                                    << "";
        QTest::newRow("tab sorts below a blank") << "\t"
                                                 << "";
        QTest::newRow("two blanks sort above one")
            << "  "
            << "<LINK REL=StyleSheet HREF=\"  \" TYPE='text/css' MEDIA=screen>\r\n";
    }
    void linkLine()
    {
        QFETCH(QString, answer);
        QFETCH(QString, line);
        QCOMPARE(StyleSheet::IsLinkPath(answer) ? StyleSheet::LinkLine(answer) : QString(), line);
    }
};

QTEST_MAIN(TestStyleSheet)
#include "tst_stylesheet.moc"
