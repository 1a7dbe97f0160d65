// The body tag without a window: the attributes the body dialog takes over, the ones it keeps, and the tag
// rebuilt in its fixed order.

#include "builders/page/bodytag.h"

#include <QtTest>

namespace {
// "name=value" pairs as the tag parser hands them over ("name" alone: no value; "" the closing entry).
AttributeList Attrs(const QStringList& pairs)
{
    AttributeList list;
    for (const QString& p : pairs)
        list.append({p.section(QLatin1Char('='), 0, 0), p.section(QLatin1Char('='), 1)});
    return list;
}
const QStringList kEvents{"onclick", "onload", "onunload"};
} // namespace

class TestBodyTag : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rebuild_data()
    {
        QTest::addColumn<QStringList>("attrs");
        QTest::addColumn<QString>("tag");
        QTest::newRow("no attributes") << QStringList{""} << "<body >";
        QTest::newRow("unknown first, bgcolor, events last")
            << QStringList{"onload=init()", "bgcolor=#ffffff", "leftmargin=0", ""}
            << "<body  leftmargin=\"0\" bgcolor=\"#ffffff\" onload=\"init()\">";
        QTest::newRow("fixed order")
            << QStringList{"scroll=no",
                           "style=color:red",
                           "text=#000000",
                           "onclick=a()",
                           "bgcolor=blue",
                           "background=file:///a.gif",
                           ""}
            << "<body  background=\"file:///a.gif\" bgcolor=\"blue\" text=\"#000000\" style=\"color:red\" "
               "scroll=\"no\" onclick=\"a()\">";
        QTest::newRow("events in offer order")
            << QStringList{"onunload=b()", "onload=a()", ""} << "<body  onload=\"a()\" onunload=\"b()\">";
        QTest::newRow("empty values dropped")
            << QStringList{"nowrap", "bgcolor=", "id=main", ""} << "<body  id=\"main\">";
        QTest::newRow("unknown scroll kept") << QStringList{"scroll=sometimes"} << "<body  scroll=\"sometimes\">";
        QTest::newRow("scroll trimmed") << QStringList{"scroll= auto "} << "<body  scroll=\"auto\">";
        QTest::newRow("event not on offer stays in place")
            << QStringList{"onfocus=f()", "text=red"} << "<body  onfocus=\"f()\" text=\"red\">";
        QTest::newRow("blank background dropped") << QStringList{"background=  "} << "<body >";
        QTest::newRow("code with double quotes keeps one attribute")
            << QStringList{"onload=alert(\"hi\")"} << "<body  onload='alert(\"hi\")'>";
    }
    void rebuild()
    {
        QFETCH(QStringList, attrs);
        QFETCH(QString, tag);
        BodyTag body;
        body.Load(Attrs(attrs), kEvents);
        QCOMPARE(body.BodyStr(), tag);
    }

    void scroll_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("index");
        QTest::newRow("yes") << "yes" << 0;
        QTest::newRow("no") << "no" << 1;
        QTest::newRow("auto in capitals") << "AUTO" << 2;
        QTest::newRow("other") << "maybe" << -1;
        QTest::newRow("empty") << "" << -1;
    }
    void scroll()
    {
        QFETCH(QString, value);
        QFETCH(int, index);
        QCOMPARE(BodyTag::ScrollIndex(value), index);
        if (index >= 0)
            QCOMPARE(BodyTag::ScrollValue(index), value.toLower());
    }
};

QTEST_MAIN(TestBodyTag)
#include "tst_bodytag.moc"
