// What the generic element, event and other-attribute dialogs compute without a window: the pick list and the
// element chosen from it, the element's markup, the events of a kind with their codes by position, ready-made
// calls joined to a code, and the other attributes' rows.

#include "builders/elements/eventsettings.h"
#include "builders/elements/genericelement.h"
#include "builders/elements/otherattributes.h"
#include "tagdb/tagdb.h"

#include <QtTest>

namespace {

// Two entries titled 段 (the first not offered), an element without closing tag, one missing qz; events of the
// kinds 0, 1 and 2; two ready-made calls.
const char* const Database = R"(<d><html>
<html1>
  <e><title>段</title><x>first</x><start>&lt;section</start><endd>&lt;/section&gt;</endd><id>1</id><lx>0</lx><qz>1</qz></e>
  <e><title>块</title><x/><start>&lt;div</start><endd>&lt;/div&gt;</endd><id>2</id><lx>0</lx><qz>0</qz></e>
  <e><title>段</title><x>second</x><start>&lt;p</start><endd>&lt;/p&gt;</endd><id>3</id><lx>0</lx><qz>0</qz></e>
  <e><title>换行点</title><x/><start>&lt;wbr</start><endd> </endd><id>4</id><lx>0</lx><qz> 0</qz></e>
  <e><title>输入</title><x/><start>&lt;input</start><endd/><id>5</id><lx>1</lx></e>
  <e><title>表单</title><x/><start>&lt;form</start><endd>&lt;/form&gt;</endd><id>6</id><lx>2</lx><qz>2</qz></e>
</html1>
<event>
  <ev><lx>0</lx><txt>单击 onclick</txt><name>onclick</name></ev>
  <ev><lx>1</lx><txt>改变 onchange</txt><name>onchange</name></ev>
  <ev><lx>0</lx><txt>双击 ondblclick</txt><name>ondblclick</name></ev>
  <ev><lx>2</lx><txt>提交 onsubmit</txt><name>onsubmit</name></ev>
  <ev><lx> 1</lx><txt>输入 oninput</txt><name>oninput</name></ev>
</event>
<javas>
  <js><title>后退</title><values>history.back()</values><add0/></js>
  <js><title>提示</title><values>alert('</values><add0>')</add0></js>
</javas>
</html></d>)";

} // namespace

class TestGenericMarkup : public QObject
{
    Q_OBJECT

    TagDb db_;

private Q_SLOTS:
    void initTestCase() { QCOMPARE(db_.LoadData(Database, QStringLiteral("test")), TagDb::Loaded); }

    // Only entries whose qz reads as 0 are listed; a missing qz reads as 0 too.
    void pickList() { QCOMPARE(GenericElement::PickList(db_), (QStringList{"块", "段", "换行点", "输入"})); }

    // A listed title chooses the first entry with that title, whatever its qz.
    void chosenEntry_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("hasContent");
        QTest::addColumn<int>("lx");

        QTest::newRow("block") << "块" << 1 << "<div" << true << 0;
        QTest::newRow("first of two titles, the one not listed") << "段" << 0 << "<section" << true << 0;
        QTest::newRow("blank closing tag: no content") << "换行点" << 3 << "<wbr" << false << 0;
        QTest::newRow("empty closing tag, kind 1") << "输入" << 4 << "<input" << false << 1;
        QTest::newRow("no such title") << "无" << -1 << "" << false << 0;
    }
    void chosenEntry()
    {
        QFETCH(QString, title);
        QFETCH(int, index);
        QCOMPARE(GenericElement::IndexOfTitle(db_, title), index);
        const GenericElement e = GenericElement::FromIndex(db_, index);
        QTEST(e.Start, "start");
        QTEST(e.HasContent(), "hasContent");
        QTEST(e.Lx, "lx");
    }

    // The element's markup: start, style, events with code, ">", content, then closing tag and CR LF.
    void markup_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("content");
        QTest::addColumn<bool>("html");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QStringList>("events"); // "position:name:code"
        QTest::addColumn<QString>("expected");

        QTest::newRow("div with style, onclick and escaped content")
            << 1 << "a<b" << false << "color:red" << QStringList{"0:onclick:f()"}
            << "<div style=\"color:red\" onclick=\"f()\">a&lt;b</div>\r\n";
        QTest::newRow("html format: content as typed")
            << 1 << "a<b" << true << "" << QStringList{} << "<div>a<b</div>\r\n";
        QTest::newRow("blank style gives no attribute")
            << 1 << "x" << false << "   " << QStringList{} << "<div>x</div>\r\n";
        QTest::newRow("blank closing tag: ends at >, no line break")
            << 3 << "" << false << "" << QStringList{"0:onclick:g()"} << "<wbr onclick=\"g()\">";
        QTest::newRow("events in position order, empty codes left out")
            << 1 << "" << false << "" << QStringList{"2:ondblclick:b()", "0:onclick:", "1:onmouseover:a()"}
            << "<div onmouseover=\"a()\" ondblclick=\"b()\"></div>\r\n";
        QTest::newRow("content lines become breaks")
            << 1 << "a\r\nb" << false << "" << QStringList{} << "<div>a<br>\r\nb</div>\r\n";
        QTest::newRow("a code with double quotes stays one attribute")
            << 1 << "" << false << "" << QStringList{"0:onclick:alert(\"x\")"}
            << "<div onclick='alert(\"x\")'></div>\r\n";
    }
    void markup()
    {
        QFETCH(int, index);
        GenericElement e = GenericElement::FromIndex(db_, index);
        QFETCH(QString, content);
        e.Content = content;
        QFETCH(bool, html);
        e.HtmlFormat = html;
        QFETCH(QString, style);
        e.StyleStr = style;
        QFETCH(QStringList, events);
        for (const QString& ev : std::as_const(events)) {
            const int k = ev.section(':', 0, 0).toInt();
            e.EventNames[k] = ev.section(':', 1, 1);
            e.EventCodes[k] = ev.section(':', 2);
        }
        QTEST(e.Markup(), "expected");
    }

    // The events of a kind: those of kind 0 and its own, numbered in database order.
    void eventRows_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QStringList>("names");

        QTest::newRow("kind 0") << 0 << QStringList{"onclick", "ondblclick"};
        QTest::newRow("kind 1, a blank before the number")
            << 1 << QStringList{"onclick", "onchange", "ondblclick", "oninput"};
        QTest::newRow("kind 2") << 2 << QStringList{"onclick", "ondblclick", "onsubmit"};
    }
    void eventRows()
    {
        QFETCH(int, id);
        QFETCH(QStringList, names);
        EventSettings events;
        events.Id = id;
        events.Fill(db_);
        QCOMPARE(events.Labels.size(), names.size());
        QCOMPARE(events.EventNames.mid(0, names.size()), names);
        QCOMPARE(events.EventNames.at(names.size()), QString());
        QCOMPARE(events.Calls, (QStringList{"后退", "提示"}));
    }

    // Codes handed back are handed in again at the next opening: each stays with its event.
    void codesKeptBetweenOpenings()
    {
        QStringList names(EventSettings::EventMax + 1), codes(EventSettings::EventMax + 1);
        EventSettings first;
        first.Id = 1;
        first.Fill(db_);
        first.SetValue(codes);
        first.EventCodes[1] = "check()";
        first.EventCodes[3] = "typed()";
        first.GetValue(names, codes);
        QCOMPARE(names.size(), EventSettings::EventMax + 1);
        QCOMPARE(names.mid(0, 4), (QStringList{"onclick", "onchange", "ondblclick", "oninput"}));

        EventSettings second;
        second.Id = 1;
        second.Fill(db_);
        second.SetValue(codes);
        QCOMPARE(second.EventCodes.at(1), QStringLiteral("check()"));
        QCOMPARE(second.EventCodes.at(3), QStringLiteral("typed()"));
        QCOMPARE(second.EventCodes.at(0), QString());
        QCOMPARE(second.Labels.at(3), QStringLiteral("输入 oninput"));
    }

    void joinCall_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("expected");

        QTest::newRow("into an empty code") << ""
                                            << "history.back()"
                                            << "history.back()";
        QTest::newRow("into a blank code") << "  "
                                           << "f()"
                                           << "f()";
        QTest::newRow("second call joined with ;") << "alert('a')"
                                                   << "history.back()"
                                                   << "alert('a');history.back()";
        QTest::newRow("a cancelled call changes nothing") << "alert('a')"
                                                          << ""
                                                          << "alert('a')";
    }
    void joinCall()
    {
        QFETCH(QString, code);
        QFETCH(QString, call);
        QTEST(EventSettings::JoinCall(code, call), "expected");
    }

    // The other attributes' rows from positions, edited, and written back into 31 positions.
    void otherRows_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QStringList>("steps"); // "add:name=value", "edit:row:name=value", "del:row"
        QTest::addColumn<QStringList>("rows");  // "name=value" after the steps

        QTest::newRow("blank names not shown, names trimmed")
            << QStringList{" lang ", "", "  ", "dir"} << QStringList{"zh", "x", "y", "ltr"} << QStringList{}
            << QStringList{"lang=zh", "dir=ltr"};
        QTest::newRow("added, trimmed") << QStringList{} << QStringList{} << QStringList{"add: data-a =1"}
                                        << QStringList{"data-a=1"};
        QTest::newRow("a listed name is ignored")
            << QStringList{"lang"} << QStringList{"zh"} << QStringList{"add:lang=en"} << QStringList{"lang=zh"};
        QTest::newRow("a blank name is ignored")
            << QStringList{} << QStringList{} << QStringList{"add:   =v"} << QStringList{};
        QTest::newRow("an empty value is kept")
            << QStringList{} << QStringList{} << QStringList{"add:hidden="} << QStringList{"hidden="};
        QTest::newRow("edit name and value")
            << QStringList{"lang", "dir"} << QStringList{"zh", "ltr"} << QStringList{"edit:1:translate=no"}
            << QStringList{"lang=zh", "translate=no"};
        QTest::newRow("edit to a blank name keeps the name")
            << QStringList{"lang"} << QStringList{"zh"} << QStringList{"edit:0: =en"} << QStringList{"lang=en"};
        QTest::newRow("edit to another row's name keeps the name")
            << QStringList{"lang", "dir"} << QStringList{"zh", "ltr"} << QStringList{"edit:1:lang=rtl"}
            << QStringList{"lang=zh", "dir=rtl"};
        QTest::newRow("delete one of three") << QStringList{"a", "b", "c"} << QStringList{"1", "2", "3"}
                                             << QStringList{"del:1"} << QStringList{"a=1", "c=3"};
    }
    void otherRows()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, values);
        QFETCH(QStringList, steps);
        OtherAttributes rows;
        rows.Load(values, names);
        for (const QString& step : std::as_const(steps)) {
            const QString kind = step.section(':', 0, 0);
            if (kind == "add") {
                const QString pair = step.section(':', 1);
                rows.Add(pair.section('=', 0, 0), pair.section('=', 1));
            } else if (kind == "edit") {
                const QString pair = step.section(':', 2);
                QVERIFY(rows.Edit(step.section(':', 1, 1).toInt(), pair.section('=', 0, 0), pair.section('=', 1)));
            } else {
                rows.Delete(step.section(':', 1).toInt());
            }
        }
        QStringList shown;
        for (int r = 0; r < rows.Names.size(); ++r)
            shown.append(rows.Names.at(r) + '=' + rows.Values.at(r));
        QTEST(shown, "rows");

        // Written back: row r into position r, the rest of the 31 positions empty.
        QStringList outNames(OtherAttributes::Positions, "old"), outValues(OtherAttributes::Positions, "old");
        rows.WriteBack(outValues, outNames);
        QCOMPARE(outNames.size(), OtherAttributes::Positions);
        for (int i = 0; i < OtherAttributes::Positions; ++i) {
            QCOMPARE(outNames.at(i), rows.Names.value(i));
            QCOMPARE(outValues.at(i), rows.Values.value(i));
        }
    }

    // The 29th row is the last that can be added; positions beyond 31 that an edited tag brought are kept.
    void otherLimits()
    {
        OtherAttributes rows;
        for (int i = 0; i < OtherAttributes::AddLimit; ++i)
            QCOMPARE(rows.Add(QStringLiteral("a%1").arg(i), QString()), OtherAttributes::Added::Yes);
        QVERIFY(!rows.CanAdd());
        QCOMPARE(rows.Add("late", "1"), OtherAttributes::Added::Full);
        QCOMPARE(rows.Names.size(), OtherAttributes::AddLimit);

        QStringList names, values;
        for (int i = 0; i < 33; ++i) {
            names.append(QStringLiteral("n%1").arg(i));
            values.append(QString::number(i));
        }
        rows.Load(values, names);
        QCOMPARE(rows.Names.size(), 33);
        rows.Delete(0);
        rows.WriteBack(values, names);
        QCOMPARE(names.size(), 33);
        QCOMPARE(names.at(31), QStringLiteral("n32"));
        QCOMPARE(names.at(32), QString());
    }
};

QTEST_GUILESS_MAIN(TestGenericMarkup)
#include "tst_genericmarkup.moc"
