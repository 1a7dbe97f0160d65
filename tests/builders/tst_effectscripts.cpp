// What the effects dialogs compute without a window: a page effect's script put together from its pieces and
// parameters, the body tag rebuilt around a script, and an element effect's placeholders filled in.

#include "builders/scripts/elementeffect.h"
#include "builders/scripts/pageeffect.h"
#include "editor/bodyscript.h"

#include <QtTest>

class TestEffectScripts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The script is v1 + parameter 1 + v3 + parameter 2 ... + value; a single-blank v1 means no parameters.
    void script_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<bool>("hasParameters");
        QTest::addColumn<QString>("script");

        QTest::newRow("two pieces and the tail")
            << "<tx><v1>P1</v1><v2>1*#FF0000</v2><v3>P3</v3><v4>3*hi</v4><value>T</value></tx>" << QStringList{"X", "Y"}
            << true << "P1XP3YT";
        QTest::newRow("single-blank v1: no parameters, even with v2")
            << "<tx><v1> </v1><v2>3*a</v2><v3>P3</v3><value>T</value></tx>" << QStringList{"X", "Y"} << false << "T";
        QTest::newRow("no v1 at all") << "<tx><v3>P3</v3><value>T</value></tx>" << QStringList{"X", "Y"} << false
                                      << "T";
        QTest::newRow("a missing piece drops its parameter")
            << "<tx><v1>A</v1><v5>C</v5><value>T</value></tx>" << QStringList{"1", "2", "3"} << true << "A1C3T";
        QTest::newRow("a single-blank later piece drops its parameter")
            << "<tx><v1>A</v1><v3> </v3><v5>C</v5><value>T</value></tx>" << QStringList{"1", "2", "3"} << true
            << "A1C3T";
        QTest::newRow("no value: no parameters, empty script")
            << "<tx><v1>A</v1><v2>3*x</v2></tx>" << QStringList{"1"} << false << "";
    }
    void script()
    {
        QFETCH(QString, entry);
        QFETCH(QStringList, values);
        QDomDocument doc;
        QVERIFY(doc.setContent(entry));
        const PageEffect effect = PageEffect::FromEntry(doc.documentElement());
        QTEST(effect.HasParameters(), "hasParameters");
        QTEST(effect.Script(values), "script");
    }

    // Each parameter's kind, starting text and list position.
    void parameters_data()
    {
        QTest::addColumn<QString>("definition");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("initial");
        QTest::addColumn<int>("listIndex");
        QTest::addColumn<QString>("listItem");

        QTest::newRow("colour") << "1*#336699" << int(PageEffect::Colour) << "#336699" << -1 << "";
        QTest::newRow("picture behind the picture folder")
            << "2*float.gif" << int(PageEffect::Picture) << "/opt/k/qzimg/float.gif" << -1 << "";
        QTest::newRow("text") << "3*欢迎光临" << int(PageEffect::Text) << "欢迎光临" << -1 << "";
        QTest::newRow("font size 12pt") << "4*12pt" << int(PageEffect::FontSize) << "12pt" << 11 << "12pt";
        QTest::newRow("font size 200pt, the last")
            << "4*200pt" << int(PageEffect::FontSize) << "200pt" << 199 << "200pt";
        QTest::newRow("font size 201pt, none") << "4*201pt" << int(PageEffect::FontSize) << "201pt" << -1 << "";
        QTest::newRow("number 10, the first") << "5*10" << int(PageEffect::Number) << "10" << 0 << "10";
        QTest::newRow("number 800, the last") << "5*800" << int(PageEffect::Number) << "800" << 790 << "800";
        QTest::newRow("number 9, none") << "5*9" << int(PageEffect::Number) << "9" << -1 << "";
        QTest::newRow("unknown marker: fixed") << "9*abc" << int(PageEffect::Fixed) << "abc" << -1 << "";
    }
    void parameters()
    {
        QFETCH(QString, definition);
        QFETCH(int, kind);
        QFETCH(int, listIndex);
        QDomDocument doc;
        QVERIFY(doc.setContent(
            QStringLiteral("<tx><v1>a</v1><v2>%1</v2><d1>cap</d1><value>t</value></tx>").arg(definition)));
        const PageEffect effect = PageEffect::FromEntry(doc.documentElement());
        QVERIFY(effect.Params[0].Defined);
        QCOMPARE(int(effect.Params[0].Type), kind);
        QCOMPARE(effect.Params[0].Caption, QStringLiteral("cap"));
        QTEST(effect.InitialValue(0, PageEffect::PictureDir(QStringLiteral("/opt/k"))), "initial");
        QCOMPARE(PageEffect::ListIndex(PageEffect::Kind(kind), effect.Params[0].Default), listIndex);
        const QStringList items = kind == PageEffect::FontSize ? PageEffect::FontSizes() : PageEffect::Numbers();
        QTEST(listIndex < 0 ? QString() : items.at(listIndex), "listItem");
    }

    // Event pairs count only when both halves are there; onload code is trimmed.
    void eventsAndOnload()
    {
        QDomDocument doc;
        QVERIFY(doc.setContent(QStringLiteral("<tx><b1>onclick</b1><a1>f()</a1><b2>onscroll</b2><a3>g()</a3>"
                                              "<b4>oncopy</b4><a4>h()</a4><start>  s() \r\n</start></tx>")));
        const PageEffect effect = PageEffect::FromEntry(doc.documentElement());
        QCOMPARE(effect.EventNames, QStringList({"onclick", "", "", "oncopy"}));
        QCOMPARE(effect.EventCodes, QStringList({"f()", "", "", "h()"}));
        QCOMPARE(effect.LoadTxt(), QStringLiteral("s()"));
    }

    // The body tag rebuilt around a script: handlers first (in front of an existing one), the tag's attributes in
    // order, the onload code in front of the old onload or at the end.
    void mergedBody_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QString>("load");
        QTest::addColumn<QString>("expected");

        QTest::newRow("bare body, onload only") << "<body>" << QStringList{} << QStringList{} << "a()"
                                                << "<body onload=\"a()\">\r\nSCRIPT\r\n";
        QTest::newRow("onload b() in front of the old a()")
            << "<BODY bgcolor=red onLoad='a()'>" << QStringList{} << QStringList{} << "b()"
            << "<body bgcolor=\"red\" onload=\"b();a()\">\r\nSCRIPT\r\n";
        QTest::newRow("new handler before the old attributes")
            << "<body text=blue>" << QStringList{"onclick"} << QStringList{"f()"} << ""
            << "<body onclick=\"f()\" text=\"blue\">\r\nSCRIPT\r\n";
        QTest::newRow("handler joins an existing one, effect's code first")
            << "<body onclick=\"x()\">" << QStringList{"onClick", "", "oncopy"} << QStringList{"f()", "g()", ""} << " "
            << "<body onclick=\"f();x()\">\r\nSCRIPT\r\n";
        QTest::newRow("single-blank onload code adds nothing")
            << "<body onload=\"a()\">" << QStringList{} << QStringList{} << " "
            << "<body onload=\"a()\">\r\nSCRIPT\r\n";
        QTest::newRow("flag attribute gets an empty value, values as typed")
            << "<body nowrap id=Top>" << QStringList{} << QStringList{} << ""
            << "<body nowrap=\"\" id=\"Top\">\r\nSCRIPT\r\n";
        QTest::newRow("code with double quotes stays one attribute")
            << "<body>" << QStringList{"onclick"} << QStringList{"alert(\"x\")"} << ""
            << "<body onclick='alert(\"x\")'>\r\nSCRIPT\r\n";
    }
    void mergedBody()
    {
        QFETCH(QString, tag);
        QFETCH(QStringList, names);
        QFETCH(QStringList, codes);
        QString name;
        int nameEnd = 0;
        QVERIFY(TagParser::ParseTagHead(tag, name, nameEnd));
        QStringList attrNames, attrValues;
        int count = 0;
        QCOMPARE(TagParser::ParseAttributes(tag, nameEnd, attrNames, attrValues, count), TagParser::Parsed);
        AttributeList attrs;
        for (int i = 1; i <= count; ++i)
            attrs.append({attrNames.at(i), attrValues.at(i)});
        BodyScript script;
        script.JavaTxt = QStringLiteral("SCRIPT");
        QFETCH(QString, load);
        script.LoadTxt = load;
        script.EventNames = names;
        script.EventCodes = codes;
        QTEST(script.Replacement(name, attrs), "expected");
    }

    // "qz**" is the id, "qz@@" the id followed by 1781, in either letter case; the preview page carries the onload.
    void placeholders_data()
    {
        QTest::addColumn<QString>("markup");
        QTest::addColumn<QString>("load");
        QTest::addColumn<QString>("txStr");
        QTest::addColumn<QString>("loadStr");
        QTest::addColumn<QString>("page");

        QTest::newRow("lower case, markup and onload")
            << "<b id=qz@@>qz**</b>"
            << "go('qz@@')"
            << "<b id=hello1781>hello</b>"
            << "go('hello1781')"
            << "<html><body onload=\"go('hello1781')\"><p id=\"hello\">x</p><b id=hello1781>hello</b></body></html>";
        QTest::newRow("upper case") << "QZ**-Qz@@-qZ**"
                                    << ""
                                    << "hello-hello1781-hello"
                                    << ""
                                    << "<html><body><p id=\"hello\">x</p>hello-hello1781-hello</body></html>";
        QTest::newRow("blank onload code: none") << "qz**"
                                                 << "  \r\n "
                                                 << "hello"
                                                 << ""
                                                 << "<html><body><p id=\"hello\">x</p>hello</body></html>";
    }
    void placeholders()
    {
        QFETCH(QString, markup);
        QFETCH(QString, load);
        QDomDocument doc;
        QDomElement tx = doc.createElement(QStringLiteral("tx"));
        const auto add = [&](const QString& n, const QString& text) {
            QDomElement e = doc.createElement(n);
            e.appendChild(doc.createTextNode(text));
            tx.appendChild(e);
        };
        add(QStringLiteral("txt"), QStringLiteral("闪烁"));
        add(QStringLiteral("name"), markup);
        add(QStringLiteral("load"), load);
        const ElementEffect effect = ElementEffect::FromEntry(tx);
        const QString id = QStringLiteral("hello");
        QTEST(effect.TxStr(id), "txStr");
        QTEST(effect.LoadStr(id), "loadStr");
        QTEST(ElementEffect::PreviewPage(QStringLiteral("<p id=\"hello\">x</p>"), effect.TxStr(id), effect.LoadStr(id)),
              "page");
    }
};

QTEST_MAIN(TestEffectScripts)
#include "tst_effectscripts.moc"
