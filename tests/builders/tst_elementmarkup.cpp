// The element dialog's markup without a window: slots to attributes, content, preview wrapping, edit-mode
// attributes, list lines and the kinds' set-up from the shipped database.

#include "base/helpers.h"
#include "base/programstate.h"
#include "builders/elements/elementkind.h"
#include "builders/elements/elementmarkup.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// A markup object for `kind` with the given slot values (index -> value).
ElementMarkup Kind(const QString& htmlN, const QString& endTag, const QStringList& names, const QStringList& values)
{
    ElementMarkup m;
    m.HtmlN = htmlN;
    m.EndTag = endTag;
    m.SetSlotCount(int(names.size()) - 1);
    m.SlotName = names;
    for (int i = 0; i < values.size(); ++i)
        m.SlotValue[i] = values.at(i);
    return m;
}

} // namespace

class TestElementMarkup : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<ProgramState> shared_;

private Q_SLOTS:
    void initTestCase()
    {
        shared_ = std::make_unique<ProgramState>(dir_.path());
        QCOMPARE(shared_->Db.Load(QStringLiteral(KESTREL_BUILD_DIR "/data.xml")), TagDb::Loaded);
    }

    void markup_data()
    {
        QTest::addColumn<QString>("htmlN");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QStringList>("common");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("content");
        QTest::addColumn<bool>("html");
        QTest::addColumn<int>("editTag");
        QTest::addColumn<QString>("expected");

        const QStringList link{"href", "target"};
        const QStringList none{"", "", ""};
        QTest::newRow("link with target")
            << "<a" << link << QStringList{"a.html", "_blank"} << none << ""
            << "首页" << false << 0 << "<a href=\"a.html\" target=\"_blank\">首页</a>\r\n";
        QTest::newRow("edit mode writes the start tag only")
            << "<a" << link << QStringList{"a.html", "_blank"} << none << ""
            << "首页" << false << 1 << "<a href=\"a.html\" target=\"_blank\">";
        QTest::newRow("plain content is escaped") << "<a" << link << QStringList{} << none << ""
                                                  << "a<b" << false << 0 << "<a>a&lt;b</a>\r\n";
        QTest::newRow("html content as typed") << "<a" << link << QStringList{} << none << ""
                                               << "a<b" << true << 0 << "<a>a<b</a>\r\n";
        QTest::newRow("content of blanks is no content") << "<a" << link << QStringList{} << none << ""
                                                         << "   " << false << 0 << "<a></a>\r\n";
        QTest::newRow("flag slot set") << "<input type=checkbox" << QStringList{"name", "value", "0"}
                                       << QStringList{"c", "", "checked"} << none << ""
                                       << "" << false << 0 << "<input type=checkbox name=\"c\" checked>\r\n";
        QTest::newRow("flag slot empty") << "<input type=checkbox" << QStringList{"name", "value", "0"}
                                         << QStringList{"c", "", ""} << none << ""
                                         << "" << false << 0 << "<input type=checkbox name=\"c\">\r\n";
        QTest::newRow("id written untrimmed")
            << "<p" << QStringList{"dir", "align", "name"} << QStringList{} << QStringList{"  x ", "", ""} << ""
            << "" << false << 0 << "<p id=\"  x \"></p>\r\n";
        QTest::newRow("common attributes in order")
            << "<p" << QStringList{"dir", "align", "name"} << QStringList{"rtl", "justify", ""}
            << QStringList{"i", "t", "c"} << ""
            << "" << false << 0 << "<p dir=\"rtl\" align=\"justify\" id=\"i\" title=\"t\" class=\"c\"></p>\r\n";
        QTest::newRow("one-blank style gives none")
            << "<p" << QStringList{"dir", "align", "name"} << QStringList{} << QStringList{"i", "", ""} << " "
            << "" << false << 0 << "<p id=\"i\"></p>\r\n";
        QTest::newRow("style after the common attributes")
            << "<p" << QStringList{"dir", "align", "name"} << QStringList{} << QStringList{"i", "", ""} << "color:red"
            << "" << false << 0 << "<p id=\"i\" style=\"color:red\"></p>\r\n";
        QTest::newRow("value with a double quote keeps one attribute")
            << "<p" << QStringList{"dir", "align", "name"} << QStringList{} << QStringList{"", "say \"hi\"", ""} << ""
            << "" << false << 0 << "<p title='say \"hi\"'></p>\r\n";
        QTest::newRow("value with both quotes")
            << "<p" << QStringList{"dir", "align", "name"} << QStringList{} << QStringList{"", "it's \"x\"", ""} << ""
            << "" << false << 0 << "<p title=\"it's &quot;x&quot;\"></p>\r\n";
        QTest::newRow("rule width units and noshade")
            << "<hr" << QStringList{"", "", "", "size", "color", "width", "0"}
            << QStringList{"", "", "", "2", "#FF0000", ElementMarkup::RuleWidth("50", true), "noshade"} << none << ""
            << "" << false << 0 << "<hr size=\"2\" color=\"#FF0000\" width=\"50%\" noshade>\r\n";
    }
    void markup()
    {
        QFETCH(QString, htmlN);
        QFETCH(QStringList, names);
        QFETCH(QStringList, values);
        QFETCH(QStringList, common);
        QFETCH(QString, style);
        QFETCH(QString, content);
        QFETCH(bool, html);
        QFETCH(int, editTag);
        QFETCH(QString, expected);
        const QString endTag = htmlN == QLatin1String("<a")   ? QStringLiteral("</a>")
                               : htmlN == QLatin1String("<p") ? QStringLiteral("</p>")
                                                              : QString();
        ElementMarkup m = Kind(htmlN, endTag, names, values);
        m.CommonValue = common;
        m.StyleStr = style;
        m.Content = content;
        m.HtmlFormat = html;
        m.EditTag = editTag;
        QCOMPARE(m.OkMarkup(), expected);
    }

    void previewWrap_data()
    {
        QTest::addColumn<int>("wrap");
        QTest::addColumn<QString>("expected");
        QTest::newRow("none") << 0 << "<caption>T</caption>";
        QTest::newRow("caption") << 1
                                 << "<table border=1><caption>T</caption>" + ElementMarkup::SampleCells + "</table>";
        QTest::newRow("table") << 2 << "<caption>T</caption>" + ElementMarkup::SampleCells + "</table>";
    }
    void previewWrap()
    {
        QFETCH(int, wrap);
        QFETCH(QString, expected);
        ElementMarkup m = Kind("<caption", "</caption>", {""}, {});
        m.PreviewWrap = Wrapping(wrap);
        m.Content = "T";
        m.EditTag = 1; // the preview shows content and closing text in edit mode too, never a line break
        QCOMPARE(m.PreviewMarkup(), expected);
    }

    void setupKind_data()
    {
        QTest::addColumn<QString>("htmlN");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("endTag");
        QTest::addColumn<int>("tagType");
        QTest::addColumn<int>("wrap");
        QTest::addColumn<int>("slotMax");
        QTest::addColumn<QString>("writtenAs");
        QTest::newRow("link") << "<a"
                              << "添加超链接"
                              << "</a>" << 0 << 0 << 1 << "<a";
        QTest::newRow("image") << "<img"
                               << "添加图像"
                               << "" << 3 << 0 << 8 << "<img";
        QTest::newRow("rule") << "<hr"
                              << "添加水平线"
                              << "" << 0 << 0 << 6 << "<hr";
        QTest::newRow("radio group") << "<input type=radio"
                                     << "添加单选框"
                                     << "</p>" << 1 << 0 << 0 << "<p";
        QTest::newRow("caption") << "<caption"
                                 << "添加表格标题"
                                 << "</caption>" << 0 << 1 << 4 << "<caption";
        QTest::newRow("table") << "<table"
                               << "     表格设置"
                               << "" << 0 << 2 << 10 << "<table";
    }
    void setupKind()
    {
        QFETCH(QString, htmlN);
        ElementMarkup m;
        m.HtmlN = htmlN;
        QVERIFY(m.SetupKind(shared_->Db));
        QTEST(m.Title, "title");
        QTEST(m.EndTag, "endTag");
        QTEST(m.TagType, "tagType");
        QTEST(int(m.PreviewWrap), "wrap");
        QTEST(m.SlotMax, "slotMax");
        QTEST(m.HtmlN, "writtenAs");
        QCOMPARE(m.SlotName.size(), m.SlotMax + 1);
    }

    void genericAttributes_data()
    {
        QTest::addColumn<QString>("htmlN");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("eventAt"); // -1: not an event
        QTest::addColumn<bool>("other");
        QTest::newRow("click is the first event of any element") << "<a"
                                                                 << "onclick" << 0 << false;
        QTest::newRow("image load counts after the common events") << "<img"
                                                                   << "onload" << 12 << false;
        QTest::newRow("a form event is no link event") << "<a"
                                                       << "onsubmit" << -1 << true;
        QTest::newRow("unknown on-name") << "<p"
                                         << "onfoo" << -1 << true;
        QTest::newRow("id") << "<p"
                            << "id" << -1 << false;
        QTest::newRow("style") << "<p"
                               << "style" << -1 << false;
        QTest::newRow("free attribute") << "<p"
                                        << "lang" << -1 << true;
    }
    void genericAttributes()
    {
        QFETCH(QString, htmlN);
        QFETCH(QString, name);
        QFETCH(int, eventAt);
        QFETCH(bool, other);
        ElementMarkup m;
        m.HtmlN = htmlN;
        m.SetupKind(shared_->Db);
        m.ApplyGenericAttr(name, "V()", shared_->Db);
        QCOMPARE(m.OtherCount, other ? 1 : 0);
        if (other)
            QCOMPARE(m.OtherName.at(0), name);
        if (eventAt >= 0) {
            QCOMPARE(m.EventName.at(eventAt), name);
            QCOMPARE(m.EventValue.at(eventAt), QStringLiteral("V()"));
        }
        if (name == QLatin1String("id"))
            QCOMPARE(m.CommonValue.at(0), QStringLiteral("V()"));
        if (name == QLatin1String("style"))
            QCOMPARE(m.StyleStr, QStringLiteral("V()"));
    }

    // Each attribute is written once, whatever its case: a control's value replaces the one an edited tag kept,
    // the one kept replaces a set-up value, and a free attribute named like another one written is left out.
    // Steps: "set:name=value" a control writes, "keep:name=value" an edited tag keeps, "free:name=value" typed into
    // the other attributes, "style:text", "event:name=value".
    void writtenOnce_data()
    {
        QTest::addColumn<QString>("htmlN");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a control replaces the kept value")
            << "<table" << QStringList{"set:border=1", "keep:align=justify", "set:align=left"}
            << "<table border=\"1\" align=\"left\">";
        QTest::newRow("a control emptied removes the kept value")
            << "<p" << QStringList{"keep:align=char", "set:align="} << "<p>";
        QTest::newRow("a kept value replaces the set-up one")
            << "<form" << QStringList{"set:method=post", "keep:method=put"} << "<form method=\"put\">";
        QTest::newRow("a control replaces a free attribute in another case")
            << "<iframe" << QStringList{"free:Scrolling=auto", "set:scrolling=yes"} << "<iframe scrolling=\"yes\">";
        QTest::newRow("a free attribute after the control's")
            << "<embed" << QStringList{"set:volume=50", "free:VOLUME=100"} << "<embed volume=\"50\">";
        QTest::newRow("a flag and a free attribute of its name")
            << "<hr" << QStringList{"set:noshade=noshade", "free:NoShade=x"} << "<hr noshade>";
        QTest::newRow("a free attribute repeated")
            << "<p" << QStringList{"free:lang=zh", "free:LANG=en"} << "<p lang=\"zh\">";
        QTest::newRow("the opening text's own attribute")
            << "<input type=text" << QStringList{"free:Type=password"} << "<input type=text>";
        QTest::newRow("the common boxes before a free attribute")
            << "<p" << QStringList{"free:ID=b", "common:0=a"} << "<p id=\"a\">";
        QTest::newRow("style and events before a free attribute")
            << "<p" << QStringList{"free:style=x", "free:OnClick=g()", "style:color:red", "event:onclick=f()"}
            << "<p style=\"color:red\" onclick=\"f()\">";
    }
    void writtenOnce()
    {
        QFETCH(QString, htmlN);
        QFETCH(QStringList, steps);
        ElementMarkup m;
        m.HtmlN = htmlN;
        QVERIFY(m.SetupKind(shared_->Db));
        m.EditTag = 1;
        int free = 0;
        for (const QString& step : std::as_const(steps)) {
            const QString what = step.section(QLatin1Char(':'), 0, 0);
            const QString arg = step.section(QLatin1Char(':'), 1);
            const QString name = arg.section(QLatin1Char('='), 0, 0);
            const QString value = arg.section(QLatin1Char('='), 1);
            if (what == QLatin1String("set")) {
                QVERIFY(m.SetAttr(name, value));
            } else if (what == QLatin1String("keep")) {
                m.AddOtherAttr(name, value);
                ++free;
            } else if (what == QLatin1String("free")) {
                m.OtherName[free] = name;
                m.OtherValue[free++] = value;
            } else if (what == QLatin1String("common")) {
                m.CommonValue[name.toInt()] = value;
            } else if (what == QLatin1String("style")) {
                m.StyleStr = arg;
            } else {
                m.EventName[0] = name;
                m.EventValue[0] = value;
            }
        }
        QTEST(m.OkMarkup(), "expected");
    }

    // An edited tag may bring more free attributes than the dialog's 31 entries: none is lost.
    void otherAttributesBeyondTheEntries()
    {
        ElementMarkup m = Kind("<a", "</a>", {"href", "target"}, {});
        for (int i = 0; i < 40; ++i)
            m.AddOtherAttr(QStringLiteral("d%1").arg(i), QString::number(i));
        const QString tag = m.BuildStartTag();
        QVERIFY(tag.contains(QStringLiteral(" d0=\"0\"")));
        QVERIFY(tag.endsWith(QStringLiteral(" d39=\"39\"")));
    }

    void listContent_data()
    {
        QTest::addColumn<int>("listKind");
        QTest::addColumn<bool>("br");
        QTest::addColumn<QString>("expected");
        QTest::newRow("select") << 0 << false << "<option value=v1>one\r\n<option>two\r\n";
        QTest::newRow("radio")
            << 1 << true << "<input type=radio name=sex value=v1>one<br>\r\n<input type=radio name=sex>two<br>\r\n";
        QTest::newRow("bullets default to disc") << 2 << false << "<li type=v1>one\r\n<li type=disc>two\r\n";
        QTest::newRow("ordered") << 3 << false << "<li>one\r\n<li>two\r\n";
        QTest::newRow("definition") << 4 << false << "<dd>one\r\n<dd>two\r\n";
    }
    void listContent()
    {
        QFETCH(int, listKind);
        QFETCH(bool, br);
        ElementMarkup m;
        m.ListKind = ListMode(listKind);
        m.Lines = {"one", "two"};
        m.ItemValue[0] = "v1";
        QTEST(m.BuildListContent("sex", br), "expected");
        QTEST(m.Content, "expected");
    }

    void listLimitAndDelete()
    {
        ElementMarkup m;
        m.ListKind = ListMode::Options;
        for (int i = 0; i < 100; ++i)
            QVERIFY(m.AddLine());
        QVERIFY(!m.AddLine());
        QCOMPARE(m.Lines.size(), 100);

        m.Lines = {"a", "b", "c"};
        m.ItemValue[0] = "va";
        m.ItemValue[1] = "vb";
        m.ItemValue[2] = "vc";
        QCOMPARE(m.DeleteLine(1), 1);
        QCOMPARE(m.BuildListContent(QString(), false), QStringLiteral("<option value=va>a\r\n<option value=vc>c\r\n"));
        QCOMPARE(m.ItemValue.size(), ElementMarkup::MaxLines + 1);
        m.DeleteLine(0);
        QCOMPARE(m.DeleteLine(0), -1);
    }

    // A number box's text as the attribute gets it: a whole number inside the box's range, in digits.
    void numericText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QString>("expected");
        const int top = ElementField::NumberMax;
        QTest::newRow("empty") << "" << 0 << top << "0";
        QTest::newRow("letters") << "abc" << 0 << top << "0";
        QTest::newRow("number") << "2" << 0 << top << "2";
        QTest::newRow("unit after the number") << "3px" << 0 << top << "3";
        QTest::newRow("blanks inside") << " 1 2" << 0 << top << "12";
        QTest::newRow("fraction dropped") << "2.90" << 0 << top << "2";
        QTest::newRow("exponent") << "1e3" << 0 << top << "1000";
        QTest::newRow("beyond the range, never in exponent form") << "100000000000000000000" << 0 << top << "99999";
        QTest::newRow("beyond a double") << "1e400" << 0 << top << "99999";
        QTest::newRow("negative") << "-5" << 0 << top << "0";
        QTest::newRow("below a minimum") << "3" << 5 << 10 << "5";
        QTest::newRow("no number under a minimum") << "x" << 5 << 10 << "5";
    }
    void numericText()
    {
        QFETCH(QString, text);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QTEST(ElementMarkup::NumericText(text, minimum, maximum), "expected");
    }

    // Values the list lines write into their own tags.
    void listValuesWithoutControlCharacters_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("expected");
        QTest::newRow("options") << int(ListMode::Options) << "<option value=ab>a\r\n";
        QTest::newRow("radios") << int(ListMode::Radios) << "<input type=radio name=nm value=ab>a\r\n";
        QTest::newRow("bullets") << int(ListMode::Bullets) << "<li type=ab>a\r\n";
    }
    void listValuesWithoutControlCharacters()
    {
        QFETCH(int, mode);
        ElementMarkup m;
        m.ListKind = ListMode(mode);
        m.Lines = {"a"};
        m.ItemValue[0] = QStringLiteral("a\u0001b\u001b");
        QTEST(m.BuildListContent(QStringLiteral("n") + QChar(0) + QStringLiteral("m"), false), "expected");
    }
};

QTEST_GUILESS_MAIN(TestElementMarkup)
#include "tst_elementmarkup.moc"
