// What the script dialogs compute without a window: a ready-made call put together from its arguments, the
// pop-up window's feature list, and script blocks.

#include "builders/scripts/jsstatement.h"
#include "builders/scripts/scriptblock.h"
#include "builders/scripts/windowfeatures.h"
#include "tagdb/tagdb.h"

#include <QtTest>

class TestScriptMarkup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A call is values + argument 0 + add0 + ... ; missing pieces and arguments read as empty.
    void assemble_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("needsArguments");
        QTest::addColumn<QString>("rowsShown");

        QTest::newRow("one argument") << "<js><values>alert('</values><add0>')</add0><a0>提示文字</a0></js>"
                                      << QStringList{"hi"} << "alert('hi')" << true << "0";
        QTest::newRow("window.open, three arguments")
            << "<js><values>window.open('</values><add0>','</add0><add1>','</add1><add2>')</add2><child>2</child></js>"
            << QStringList{"a.html", "w", "width=3"} << "window.open('a.html','w','width=3')" << true << "012";
        QTest::newRow("no pieces: the call alone")
            << "<js><values>history.back()</values><add0/></js>" << QStringList{} << "history.back()" << false << "";
        QTest::newRow("a gap in the pieces: rows follow the pieces, arguments all go in")
            << "<js><values>f(</values><add0>,</add0><add3>)</add3></js>" << QStringList{"1", "x", "y", "4"}
            << "f(1,xy4)" << true << "03";
    }
    void assemble()
    {
        QFETCH(QString, entry);
        QFETCH(QStringList, args);
        QDomDocument doc;
        QVERIFY(doc.setContent(entry));
        const JsStatement call = JsStatement::FromEntry(doc.documentElement());
        QTEST(call.Assemble(args), "expected");
        QTEST(call.NeedsArguments(), "needsArguments");
        QString shown;
        for (int i = 0; i < JsStatement::ArgCount; ++i)
            if (call.RowShown(i))
                shown += QString::number(i);
        QTEST(shown, "rowsShown");
    }

    // The shipped database's window-opening call asks for its arguments in the window panel, with captions.
    void shippedWindowCall()
    {
        TagDb db;
        QCOMPARE(db.Load(QStringLiteral(KESTREL_BUILD_DIR "/data.xml")), TagDb::Loaded);
        const QDomElement javas = db.Section(QStringLiteral("javas"));
        const int i = db.FindChildIndex(javas, QStringLiteral("在新窗口中打开网页"), QStringLiteral("title"));
        QVERIFY(i >= 0);
        const JsStatement call = JsStatement::FromEntry(db.Entry(javas, i));
        QCOMPARE(call.Layout, int(JsStatement::WindowPanel));
        QCOMPARE(call.Captions.mid(0, 3), (QStringList{"网页地址", "窗口名称", "窗口外观"}));
        QCOMPARE(call.HasCaption.at(3), false);
    }

    // The panel's argument: the sizes given, then every feature Yes or No.
    void features_data()
    {
        QTest::addColumn<QList<int>>("ticked");
        QTest::addColumn<QStringList>("sizes");
        QTest::addColumn<QString>("expected");

        const QString allNo = "toolbar=No,location=No,directories=No,status=No,menubar=No,scrollbars=No,"
                              "resizable=No,fullscreen=No";
        QTest::newRow("as the panel opens: directories")
            << QList<int>{WindowFeatures::Directories} << QStringList{"", "", "", ""}
            << "toolbar=No,location=No,directories=Yes,status=No,menubar=No,scrollbars=No,resizable=No,"
               "fullscreen=No";
        QTest::newRow("width alone goes in front")
            << QList<int>{} << QStringList{"300", "", "", ""} << "width=300," + allNo;
        QTest::newRow("all four sizes, in box order")
            << QList<int>{} << QStringList{"300", "200", "10", "20"} << "width=300,height=200,left=10,top=20," + allNo;
        QTest::newRow("a blank size box is left out, others written as typed")
            << QList<int>{} << QStringList{"  ", " 200", "", ""} << "height= 200," + allNo;
        QTest::newRow("toolbar and resizable")
            << QList<int>{0, 6} << QStringList{"", "", "", ""}
            << "toolbar=Yes,location=No,directories=No,status=No,menubar=No,scrollbars=No,resizable=Yes,"
               "fullscreen=No";
        QTest::newRow("full screen empties the sizes")
            << QList<int>{WindowFeatures::FullScreen} << QStringList{"300", "200", "10", "20"}
            << "toolbar=No,location=No,directories=No,status=No,menubar=No,scrollbars=No,resizable=No,"
               "fullscreen=Yes";
    }
    void features()
    {
        QFETCH(QList<int>, ticked);
        QFETCH(QStringList, sizes);
        WindowFeatures window;
        for (int i = 0; i < WindowFeatures::SizeCount; ++i)
            window.SetSize(i, sizes.at(i));
        for (const int i : ticked)
            window.SetTicked(i, true);
        QTEST(window.Row(), "expected");
        QCOMPARE(window.SizesEnabled(), !ticked.contains(WindowFeatures::FullScreen));
    }

    // Untick full screen: the boxes take sizes again, and the emptied ones stay empty.
    void fullScreenUnticked()
    {
        WindowFeatures window;
        window.SetSize(0, "300");
        window.SetTicked(WindowFeatures::FullScreen, true);
        window.SetTicked(WindowFeatures::FullScreen, false);
        QVERIFY(window.SizesEnabled());
        QCOMPARE(window.SizePart(), QString());
        window.SetSize(1, "200");
        QCOMPARE(window.SizePart(), QStringLiteral("height=200,"));
    }

    void scriptBlock_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("typedName");
        QTest::addColumn<bool>("useSrc");
        QTest::addColumn<QString>("src");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("expected");

        QTest::newRow("nothing changed: JavaScript with an empty body line")
            << 0 << "" << false << ""
            << ""
            << "<script language=\"JavaScript\">\r\n\r\n</script>\r\n";
        QTest::newRow("code of two lines")
            << 0 << "" << false << ""
            << "var a=1;\r\nalert(a);"
            << "<script language=\"JavaScript\">\r\nvar a=1;\r\nalert(a);\r\n</script>\r\n";
        QTest::newRow("VBScript is written VbScript") << 1 << "" << false << ""
                                                      << "MsgBox 1"
                                                      << "<script language=\"VbScript\">\r\nMsgBox 1\r\n</script>\r\n";
        QTest::newRow("other language by name") << 2 << "PerlScript" << false << ""
                                                << "x"
                                                << "<script language=\"PerlScript\">\r\nx\r\n</script>\r\n";
        QTest::newRow("other language without a name") << 2 << "" << false << ""
                                                       << ""
                                                       << "<script language=\"\">\r\n\r\n</script>\r\n";
        QTest::newRow("src: an empty line between the tags")
            << 0 << "" << true << "js/a.js"
            << "ignored"
            << "<script language=\"JavaScript\" src=\"js/a.js\">\r\n\r\n</script>\r\n";
        QTest::newRow("empty src") << 1 << "" << true << ""
                                   << ""
                                   << "<script language=\"VbScript\" src=\"\">\r\n\r\n</script>\r\n";
        QTest::newRow("code not escaped") << 0 << "" << false << ""
                                          << "if(a<b&&c)\"x\""
                                          << "<script language=\"JavaScript\">\r\nif(a<b&&c)\"x\"\r\n</script>\r\n";
    }
    void scriptBlock()
    {
        QFETCH(int, language);
        QFETCH(QString, typedName);
        ScriptBlock block;
        block.ScriptLang = ScriptBlock::LanguageName(language, typedName);
        QFETCH(bool, useSrc);
        block.UseSrc = useSrc;
        QFETCH(QString, src);
        block.Src = src;
        QFETCH(QString, code);
        block.Code = code;
        QTEST(block.Text(), "expected");
    }
};

QTEST_GUILESS_MAIN(TestScriptMarkup)
#include "tst_scriptmarkup.moc"
