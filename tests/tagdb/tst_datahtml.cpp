// Structure of the shipped data.xml as the tag, attribute and value lists, the element dialogs, the element pick
// list and the event dialogs read it: html1, property1, offten, property2 and event.

#include <QDomDocument>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <QtTest>

#include "shippeddata.h"

namespace {

using namespace shippeddata;
const QStringList Sections = {QStringLiteral("html1"), QStringLiteral("property1"), QStringLiteral("offten"),
                              QStringLiteral("property2"), QStringLiteral("event")};
constexpr int MaxEventRows = 101; // rows of the event dialog: kind 0 plus the element's own kind

// The field holds a plain integer and nothing else (so the leading-number read loses nothing).
bool IsInteger(const QDomElement& entry, const QString& name)
{
    static const QRegularExpression exact(QStringLiteral("^-?\\d+$"));
    return exact.match(Field(entry, name)).hasMatch();
}

} // namespace

class TestDataHtml : public QObject
{
    Q_OBJECT

    QDomDocument doc;
    QDomElement tagRoot;
    QList<QDomElement> html1, property1, offten, property2, events;

    QDomElement Section(const QString& name) const { return tagRoot.firstChildElement(name); }

    QDomElement ElementByStart(const QString& start) const
    {
        for (const QDomElement& e : html1)
            if (Field(e, QStringLiteral("start")) == start)
                return e;
        return {};
    }

    QList<QDomElement> AttributesOf(int id) const
    {
        QList<QDomElement> out;
        for (const QDomElement& p : property1)
            if (Num(p, QStringLiteral("id")) == id)
                out.append(p);
        return out;
    }

    QStringList ValuesOf(int chid) const
    {
        QStringList out;
        for (const QDomElement& v : property2)
            if (Num(v, QStringLiteral("child")) == chid)
                out.append(Field(v, QStringLiteral("values")));
        return out;
    }

    int EventCount(int lx) const
    {
        int n = 0;
        for (const QDomElement& ev : events)
            n += Num(ev, QStringLiteral("lx")) == lx;
        return n;
    }

private slots:
    void initTestCase()
    {
        const QString error = Load(doc, tagRoot);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        html1 = Entries(Section(QStringLiteral("html1")));
        property1 = Entries(Section(QStringLiteral("property1")));
        offten = Entries(Section(QStringLiteral("offten")));
        property2 = Entries(Section(QStringLiteral("property2")));
        events = Entries(Section(QStringLiteral("event")));

        QSet<int> lists;
        for (const QDomElement& v : property2)
            lists.insert(Num(v, QStringLiteral("child")));
        qInfo("html1 %lld elements, property1 %lld attributes, offten %lld, property2 %lld values in %lld lists, "
              "event %lld",
              qint64(html1.size()), qint64(property1.size()), qint64(offten.size()), qint64(property2.size()),
              qint64(lists.size()), qint64(events.size()));
    }

    // The document window finds html1 with the last section of that name, the dialogs with the first: one each.
    void sectionsAppearOnce_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString& s : Sections)
            QTest::newRow(qPrintable(s)) << s;
    }
    void sectionsAppearOnce()
    {
        QFETCH(QString, name);
        int n = 0;
        for (QDomElement e = tagRoot.firstChildElement(name); !e.isNull(); e = e.nextSiblingElement(name))
            ++n;
        QCOMPARE(n, 1);
    }

    void counts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("minimum");
        QTest::newRow("html1") << QStringLiteral("html1") << 120;
        QTest::newRow("property1") << QStringLiteral("property1") << 800;
        QTest::newRow("offten") << QStringLiteral("offten") << 30;
        QTest::newRow("property2") << QStringLiteral("property2") << 300;
        QTest::newRow("event") << QStringLiteral("event") << 60;
    }
    void counts()
    {
        QFETCH(QString, name);
        QFETCH(int, minimum);
        const qsizetype n = Entries(Section(name)).size();
        QVERIFY2(n >= minimum, qPrintable(QStringLiteral("%1 entries").arg(n)));
    }

    // Entries are addressed by position, so nothing but entries may sit in a section and nothing but fields in
    // an entry: no comment, processing instruction or text node.
    void onlyElementsInSections_data() { sectionsAppearOnce_data(); }
    void onlyElementsInSections()
    {
        QFETCH(QString, name);
        const QDomElement section = Section(name);
        for (QDomNode n = section.firstChild(); !n.isNull(); n = n.nextSibling()) {
            QVERIFY2(n.isElement(), qPrintable(QStringLiteral("node type %1 in %2").arg(n.nodeType()).arg(name)));
            for (QDomNode f = n.firstChild(); !f.isNull(); f = f.nextSibling()) {
                QVERIFY2(f.isElement(),
                         qPrintable(QStringLiteral("node type %1 in an entry of %2").arg(f.nodeType()).arg(name)));
                for (QDomNode t = f.firstChild(); !t.isNull(); t = t.nextSibling())
                    QVERIFY2(t.isText(),
                             qPrintable(QStringLiteral("%1/%2 holds more than text").arg(name, f.nodeName())));
            }
        }
    }

    // The same on the raw file: a reader that keeps whitespace-only text must not see any between entries or
    // fields either.
    void noWhitespaceBetweenEntries()
    {
        QFile file(DataPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        int depth = 0;          // 1 document element, 2 "html", 3 a section, 4 an entry, 5 a field
        bool inSection = false; // inside one of the sections checked here
        QString section;
        int checkedSections = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement()) {
                ++depth;
                if (depth == 3 && Sections.contains(xml.name().toString())) {
                    section = xml.name().toString();
                    inSection = true;
                    ++checkedSections;
                }
            } else if (xml.isEndElement()) {
                if (depth == 3)
                    inSection = false;
                --depth;
            } else if (inSection) {
                QVERIFY2(
                    !xml.isComment() && !xml.isProcessingInstruction(),
                    qPrintable(
                        QStringLiteral("comment or instruction in %1, line %2").arg(section).arg(xml.lineNumber())));
                if (xml.isCharacters() && depth < 5)
                    QFAIL(qPrintable(QStringLiteral("text between the entries or fields of %1, line %2")
                                         .arg(section)
                                         .arg(xml.lineNumber())));
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(checkedSections, Sections.size());
    }

    // The style sheet dialog takes the second element as the link element.
    void linkIsSecondEntry()
    {
        QVERIFY(html1.size() > 1);
        QCOMPARE(Field(html1[1], QStringLiteral("start")), QStringLiteral("<a"));
    }

    // The tag list reads the third child and the description box the second, by position.
    void html1Layout()
    {
        const QStringList fields = {QStringLiteral("title"), QStringLiteral("start"), QStringLiteral("endd"),
                                    QStringLiteral("id"),    QStringLiteral("lx"),    QStringLiteral("qz")};
        for (const QDomElement& e : html1) {
            const QString start = Field(e, QStringLiteral("start"));
            const QDomNodeList children = e.childNodes();
            QVERIFY2(children.size() >= 7, qPrintable(start));
            QCOMPARE(children.at(2).nodeName(), QStringLiteral("start"));
            const QString description = children.at(1).toElement().text();
            QVERIFY2(!fields.contains(children.at(1).nodeName()), qPrintable(start));
            QVERIFY2(HasChinese(description), qPrintable(start));
            for (const QString& f : fields)
                QVERIFY2(e.elementsByTagName(f).size() == 1, qPrintable(start + QLatin1Char(' ') + f));
            for (const QString& f : {QStringLiteral("id"), QStringLiteral("lx"), QStringLiteral("qz")})
                QVERIFY2(IsInteger(e, f), qPrintable(start + QLatin1Char(' ') + f));
            QVERIFY2(HasChinese(Field(e, QStringLiteral("title"))), qPrintable(start));
            const QString endd = Field(e, QStringLiteral("endd"));
            QVERIFY2(endd.isEmpty() ||
                         endd == QStringLiteral("</%1>").arg(start.mid(1).section(QLatin1Char(' '), 0, 0)),
                     qPrintable(start + QLatin1Char(' ') + endd));
        }
    }

    // Lookups compare `start` exactly against lowered text and find the first match; the pick list finds an
    // element by its title, the attribute list by its id.
    void html1KeysUnique()
    {
        QSet<QString> starts, titles;
        QSet<int> ids;
        for (const QDomElement& e : html1) {
            const QString start = Field(e, QStringLiteral("start"));
            QVERIFY2(start.startsWith(QLatin1Char('<')) && start.size() > 1, qPrintable(start));
            QVERIFY2(start == start.toLower(), qPrintable(start));
            QVERIFY2(start == start.trimmed(), qPrintable(start));
            QVERIFY2(!starts.contains(start), qPrintable(start));
            starts.insert(start);
            const QString title = Field(e, QStringLiteral("title"));
            QVERIFY2(!titles.contains(title), qPrintable(title));
            titles.insert(title);
            const int id = Num(e, QStringLiteral("id"));
            QVERIFY2(id > 0 && !ids.contains(id), qPrintable(start));
            ids.insert(id);
            const int qz = Num(e, QStringLiteral("qz"));
            QVERIFY2(qz == 0 || qz == 1, qPrintable(start));
        }
    }

    // Kinds that the menus, the dialogs and the tag editor ask for by their start text.
    void requiredElements_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("endd");
        QTest::addColumn<int>("lx"); // the kind the element dialog forces for it; -1: any kind
        const struct
        {
            const char* start;
            const char* endd;
            int lx;
        } rows[] = {
            {"<a", "</a>", -1},
            {"<p", "</p>", -1},
            {"<img", "", -1},
            {"<span", "</span>", -1},
            {"<div", "</div>", -1},
            {"<embed", "", -1},
            {"<bgsound", "", -1},
            {"<hr", "", -1},
            {"<pre", "</pre>", -1},
            {"<marquee", "</marquee>", -1},
            {"<iframe", "</iframe>", -1},
            {"<form", "</form>", -1},
            {"<input", "", 1},
            {"<input type=text", "", 1},
            {"<textarea", "</textarea>", 1},
            {"<input type=password", "", 1},
            {"<input type=checkbox", "", 1},
            {"<input type=radio", "", 1},
            {"<select", "</select>", 1},
            {"<input type=button", "", 1},
            {"<caption", "</caption>", 0},
            {"<table", "</table>", -1},
            {"<ul", "</ul>", -1},
            {"<ol", "</ol>", -1},
            {"<dl", "</dl>", -1},
            {"<body", "</body>", 5},
            {"<script", "</script>", -1},
            {"<style", "</style>", -1},
            {"<link", "", -1},
            {"<meta", "", -1},
        };
        for (const auto& r : rows)
            QTest::newRow(r.start) << QString::fromUtf8(r.start) << QString::fromUtf8(r.endd) << r.lx;
    }
    void requiredElements()
    {
        QFETCH(QString, start);
        QFETCH(QString, endd);
        QFETCH(int, lx);
        const QDomElement e = ElementByStart(start);
        QVERIFY(!e.isNull());
        QCOMPARE(Field(e, QStringLiteral("endd")), endd);
        if (lx >= 0)
            QCOMPARE(Num(e, QStringLiteral("lx")), lx);
        // The element dialog's caption is "添加" + title: keep it short.
        QVERIFY2(Field(e, QStringLiteral("title")).size() <= 8, qPrintable(Field(e, QStringLiteral("title"))));
    }

    // The pick list offers the entries with qz 0; its markup gets content only where endd is set.
    void pickList()
    {
        QStringList offered;
        for (const QDomElement& e : html1)
            if (Num(e, QStringLiteral("qz")) == 0)
                offered.append(Field(e, QStringLiteral("start")));
        qInfo("pick list: %lld elements", qint64(offered.size()));
        QVERIFY(offered.size() >= 20);
        for (const char* s : {"<h1", "<strong", "<blockquote", "<section", "<button", "<td"})
            QVERIFY2(offered.contains(QLatin1String(s)), s);
        // built by the menus, or of no use without attributes
        for (const char* s : {"<a", "<img", "<table", "<body", "<meta", "<input type=text", "<!doctype html"})
            QVERIFY2(!offered.contains(QLatin1String(s)), s);
    }

    void property1Entries()
    {
        QSet<int> ids;
        for (const QDomElement& e : html1)
            ids.insert(Num(e, QStringLiteral("id")));
        QHash<int, QSet<QString>> namesById;
        for (const QDomElement& p : property1) {
            const QString name = Field(p, QStringLiteral("name"));
            for (const QString& f : {QStringLiteral("id"), QStringLiteral("chid")})
                QVERIFY2(IsInteger(p, f), qPrintable(name + QLatin1Char(' ') + f));
            const int id = Num(p, QStringLiteral("id"));
            QVERIFY2(ids.contains(id), qPrintable(QStringLiteral("%1 of element %2").arg(name).arg(id)));
            QVERIFY2(!name.isEmpty() && name == name.trimmed() && !name.contains(QLatin1Char(' ')), qPrintable(name));
            QVERIFY2(!namesById[id].contains(name), qPrintable(QStringLiteral("%1 twice in %2").arg(name).arg(id)));
            namesById[id].insert(name);
            QVERIFY2(HasChinese(Field(p, QStringLiteral("txt"))), qPrintable(name));
            const int chid = Num(p, QStringLiteral("chid"));
            QVERIFY2(chid >= -1, qPrintable(name));
            if (chid > 0)
                QVERIFY2(!ValuesOf(chid).isEmpty(), qPrintable(QStringLiteral("%1: list %2").arg(name).arg(chid)));
        }
    }

    // The attribute list shows the element's own attributes and then every global one: no name twice.
    void globalAttributes()
    {
        QSet<QString> global;
        for (const QDomElement& g : offten) {
            const QString name = Field(g, QStringLiteral("name"));
            QVERIFY2(!global.contains(name), qPrintable(name));
            global.insert(name);
            QVERIFY2(HasChinese(Field(g, QStringLiteral("txt"))), qPrintable(name));
        }
        for (const char* name : {"id", "class", "style", "title", "lang", "dir", "accesskey", "tabindex", "hidden",
                                 "contenteditable", "draggable", "spellcheck", "translate", "onclick"})
            QVERIFY2(global.contains(QLatin1String(name)), name);
        for (const QDomElement& p : property1)
            QVERIFY2(!global.contains(Field(p, QStringLiteral("name"))), qPrintable(Field(p, QStringLiteral("name"))));
    }

    // What the completion writes: bare names for chid -1, a value list for enumerated values.
    void attributeValues_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("attribute");
        QTest::addColumn<QString>("value"); // empty: the attribute takes no value (chid -1)
        const struct
        {
            const char* row;
            const char* start;
            const char* attribute;
            const char* value;
        } rows[] = {
            {"a target", "<a", "target", "_blank"},
            {"form method", "<form", "method", "post"},
            {"form enctype", "<form", "enctype", "multipart/form-data"},
            {"input type", "<input", "type", "checkbox"},
            {"checkbox checked", "<input type=checkbox", "checked", ""},
            {"option selected", "<option", "selected", ""},
            {"select multiple", "<select", "multiple", ""},
            {"td nowrap", "<td", "nowrap", ""},
            {"td valign", "<td", "valign", "middle"},
            {"img align", "<img", "align", "absmiddle"},
            {"ol type", "<ol", "type", "I"},
            {"ul type", "<ul", "type", "square"},
            {"marquee direction", "<marquee", "direction", "up"},
            {"marquee behavior", "<marquee", "behavior", "alternate"},
            {"meta http-equiv", "<meta", "http-equiv", "refresh"},
            {"link rel", "<link", "rel", "stylesheet"},
            {"body bgcolor", "<body", "bgcolor", "silver"},
            {"iframe scrolling", "<iframe", "scrolling", "no"},
            {"textarea wrap", "<textarea", "wrap", "hard"},
            {"video controls", "<video", "controls", ""},
            {"script defer", "<script", "defer", ""},
            {"hr noshade", "<hr", "noshade", ""},
        };
        for (const auto& r : rows)
            QTest::newRow(r.row) << QString::fromUtf8(r.start) << QString::fromUtf8(r.attribute)
                                 << QString::fromUtf8(r.value);
    }
    void attributeValues()
    {
        QFETCH(QString, start);
        QFETCH(QString, attribute);
        QFETCH(QString, value);
        const QDomElement e = ElementByStart(start);
        QVERIFY(!e.isNull());
        QDomElement attr;
        for (const QDomElement& p : AttributesOf(Num(e, QStringLiteral("id"))))
            if (Field(p, QStringLiteral("name")) == attribute)
                attr = p;
        QVERIFY(!attr.isNull());
        const int chid = Num(attr, QStringLiteral("chid"));
        if (value.isEmpty()) {
            QCOMPARE(chid, -1);
        } else {
            QVERIFY(chid > 0);
            QVERIFY2(ValuesOf(chid).contains(value), qPrintable(ValuesOf(chid).join(QLatin1Char(' '))));
        }
    }

    // A value's description is that of its first entry over the whole section, so every list that repeats a
    // value must describe it the same way; and every list belongs to some attribute.
    void valueLists()
    {
        QSet<int> used;
        for (const QDomElement& p : property1)
            used.insert(Num(p, QStringLiteral("chid")));
        QHash<QString, QString> description;
        QHash<int, QSet<QString>> listValues;
        for (const QDomElement& v : property2) {
            const QString value = Field(v, QStringLiteral("values"));
            const QString txt = Field(v, QStringLiteral("txt"));
            QVERIFY2(IsInteger(v, QStringLiteral("child")), qPrintable(value));
            const int child = Num(v, QStringLiteral("child"));
            QVERIFY2(child > 0 && used.contains(child), qPrintable(QStringLiteral("list %1").arg(child)));
            QVERIFY2(!value.isEmpty() && value == value.trimmed(), qPrintable(value));
            QVERIFY2(!listValues[child].contains(value), qPrintable(value));
            listValues[child].insert(value);
            QVERIFY2(HasChinese(txt), qPrintable(value));
            const auto seen = description.constFind(value);
            if (seen != description.cend())
                QVERIFY2(*seen == txt, qPrintable(value));
            else
                description.insert(value, txt);
        }
        QVERIFY2(listValues.size() >= 80, qPrintable(QString::number(listValues.size())));
    }

    void eventEntries()
    {
        QSet<int> kinds;
        QHash<int, QSet<QString>> namesByKind;
        for (const QDomElement& ev : events) {
            const QString name = Field(ev, QStringLiteral("name"));
            QVERIFY2(IsInteger(ev, QStringLiteral("lx")), qPrintable(name));
            const int lx = Num(ev, QStringLiteral("lx"));
            kinds.insert(lx);
            QVERIFY2(name.startsWith(QLatin1String("on")) && name == name.toLower() && name == name.trimmed(),
                     qPrintable(name));
            QVERIFY2(!namesByKind[lx].contains(name), qPrintable(name));
            namesByKind[lx].insert(name);
            // the list label: a Chinese caption, a blank, the attribute
            const QString txt = Field(ev, QStringLiteral("txt"));
            QVERIFY2(HasChinese(txt) && txt.endsWith(QLatin1Char(' ') + name), qPrintable(txt));
        }
        // an event of a kind shared with every element would be listed twice
        for (int k : kinds)
            if (k != 0)
                for (const QString& name : namesByKind[k])
                    QVERIFY2(!namesByKind[0].contains(name), qPrintable(name));
    }

    // The event dialogs hold 101 rows: kind 0 plus the element's own kind must fit, for every element kind.
    void eventRowsPerKind()
    {
        QSet<int> kinds = {0, 5};
        for (const QDomElement& e : html1)
            kinds.insert(Num(e, QStringLiteral("lx")));
        const int common = EventCount(0);
        QVERIFY(common > 0);
        for (int k : kinds) {
            const int rows = common + (k == 0 ? 0 : EventCount(k));
            qInfo("event kind %d: %d own, %d rows in the event dialog", k, k == 0 ? common : EventCount(k), rows);
            QVERIFY2(rows <= MaxEventRows, qPrintable(QStringLiteral("kind %1: %2 rows").arg(k).arg(rows)));
            if (k != 0)
                QVERIFY2(EventCount(k) > 0, qPrintable(QStringLiteral("kind %1 has no events").arg(k)));
        }
    }

    // The body dialog offers kinds 0 and 5; the page events belong to kind 5.
    void bodyEvents()
    {
        QStringList names;
        for (const QDomElement& ev : events)
            if (Num(ev, QStringLiteral("lx")) == 5)
                names.append(Field(ev, QStringLiteral("name")));
        for (const char* name : {"onload", "onunload", "onbeforeunload", "onresize"})
            QVERIFY2(names.contains(QLatin1String(name)), name);
    }
};

QTEST_GUILESS_MAIN(TestDataHtml)
#include "tst_datahtml.moc"
