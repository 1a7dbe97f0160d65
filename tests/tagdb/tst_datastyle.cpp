// Structure of the shipped data.xml as the CSS builder, the completion lists, the colour picker, the style sheet
// dialog and the transition dialog read it: style1, style2, Jstyle, window, color, cursor, link and style.

#include <QColor>
#include <QDomDocument>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <QtTest>

#include "shippeddata.h"

namespace {

using namespace shippeddata;

} // namespace

class TestDataStyle : public QObject
{
    Q_OBJECT

    QDomDocument doc;
    QDomElement tagRoot;
    QList<QDomElement> style1, style2;

    QDomElement Section(const QString& name) const { return tagRoot.firstChildElement(name); }

    // Index of the first style2 entry whose num equals the position, as the builder's option groups count.
    int FirstOfNum(int num) const
    {
        for (int i = 0; i < style2.size(); ++i)
            if (Num(style2[i], QStringLiteral("num")) == num)
                return i;
        return -1;
    }

    // The script member walk: parts lower-cased; an object is an entry with lx 3; id 2 goes back to window,
    // otherwise the child element named like the part (byOwnName: named like the entry's name text instead).
    QDomElement Walk(const QString& path, bool byOwnName) const
    {
        const QDomElement window = Section(QStringLiteral("window"));
        QDomElement current;
        const QStringList parts = path.toLower().split(QLatin1Char('.'));
        for (int i = 0; i < parts.size(); ++i) {
            const QString& part = parts[i];
            if (part == QLatin1String("window") && i == 0) {
                current = window;
                continue;
            }
            if (current.isNull())
                current = window;
            QDomElement found;
            for (const QDomElement& e : Entries(current)) {
                if (Field(e, QStringLiteral("name")).trimmed().toLower() == part && Num(e, QStringLiteral("lx")) == 3) {
                    found = e;
                    break;
                }
            }
            if (found.isNull())
                return {};
            if (Num(found, QStringLiteral("id")) == 2)
                current = window;
            else
                current = found.firstChildElement(byOwnName ? Field(found, QStringLiteral("name")) : part);
            if (current.isNull())
                return {};
        }
        return current;
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString error = Load(doc, tagRoot);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        style1 = Entries(Section(QStringLiteral("style1")));
        style2 = Entries(Section(QStringLiteral("style2")));

        QSet<int> lists;
        for (const QDomElement& e : style2)
            lists.insert(Num(e, QStringLiteral("myid")));
        qInfo("style1 %lld properties, style2 %lld values in %lld lists, Jstyle %d, window %d members at top, "
              "color %d, cursor %d, link %d, style %d",
              qint64(style1.size()), qint64(style2.size()), qint64(lists.size()),
              Section(QStringLiteral("Jstyle")).childNodes().count(),
              Section(QStringLiteral("window")).childNodes().count(),
              Section(QStringLiteral("color")).childNodes().count(),
              Section(QStringLiteral("cursor")).childNodes().count(),
              Section(QStringLiteral("link")).childNodes().count(),
              Section(QStringLiteral("style")).childNodes().count());
        QVERIFY(style1.size() >= 200);
        QVERIFY(lists.size() >= 150);
    }

    // Comments, processing instructions or whitespace text inside a section would shift positions for a
    // reader that keeps them; checked on the raw file, whatever the DOM drops.
    void sectionsHoldOnlyElementsAndFieldText()
    {
        static const QSet<QString> mine = {"style1", "style2", "Jstyle", "window", "color", "cursor", "link", "style"};
        QFile f(DataPath);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&f);
        int depth = 0, sectionDepth = 0;
        QString section;
        QSet<QString> seen;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement()) {
                ++depth;
                if (depth == 3 && mine.contains(xml.name().toString())) {
                    section = xml.name().toString();
                    sectionDepth = depth;
                    QVERIFY2(!seen.contains(section), qPrintable("two sections " + section));
                    seen.insert(section);
                }
            } else if (xml.isEndElement()) {
                if (depth == sectionDepth)
                    section.clear(), sectionDepth = 0;
                --depth;
            } else if (!section.isEmpty()) {
                QVERIFY2(!xml.isComment() && !xml.isProcessingInstruction(), qPrintable(section));
                if (xml.isCharacters())
                    QVERIFY2(
                        !xml.isWhitespace(),
                        qPrintable(
                            QStringLiteral("whitespace text in %1 at line %2").arg(section).arg(xml.lineNumber())));
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(seen, mine);
    }

    void builderPositions_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("name");
        const char* fixed[] = {"color",
                               "font-family",
                               "font-size",
                               "font-weight",
                               "font-style",
                               "background-color",
                               "background-image",
                               "background-repeat",
                               "background-attachment",
                               nullptr,
                               "letter-spacing",
                               "text-decoration",
                               "overflow",
                               "text-align",
                               "left",
                               "top",
                               "width",
                               "height",
                               "position",
                               "visibility",
                               "z-index"};
        for (int p = 0; p <= 20; ++p)
            if (fixed[p])
                QTest::addRow("%d %s", p, fixed[p]) << p << QString::fromLatin1(fixed[p]);
        const char* sides[] = {"-top", "-bottom", "-left", "-right", ""};
        for (int i = 0; i < 5; ++i) {
            const QString side = QString::fromLatin1(sides[i]);
            QTest::addRow("%d margin%s", 21 + i, sides[i]) << 21 + i << "margin" + side;
            QTest::addRow("%d padding%s", 26 + i, sides[i]) << 26 + i << "padding" + side;
            QTest::addRow("%d border%s-style", 31 + i, sides[i]) << 31 + i << "border" + side + "-style";
            QTest::addRow("%d border%s-width", 36 + i, sides[i]) << 36 + i << "border" + side + "-width";
            QTest::addRow("%d border%s-color", 41 + i, sides[i]) << 41 + i << "border" + side + "-color";
        }
        QTest::newRow("46 line-height") << 46 << QStringLiteral("line-height");
        QTest::newRow("47 filter") << 47 << QStringLiteral("filter");
        QTest::newRow("48 cursor") << 48 << QStringLiteral("cursor");
        QTest::newRow("49 float") << 49 << QStringLiteral("float");
        QTest::newRow("53 display") << 53 << QStringLiteral("display");
    }
    void builderPositions()
    {
        QFETCH(int, position);
        QFETCH(QString, name);
        QVERIFY(position < style1.size());
        QCOMPARE(Field(style1[position], QStringLiteral("name")), name);
        QCOMPARE(Num(style1[position], QStringLiteral("dtype")) == 2, position == 1);
    }

    void propertiesAreUniqueAndDescribed()
    {
        QSet<QString> names;
        for (const QDomElement& e : style1) {
            const QString name = Field(e, QStringLiteral("name"));
            QVERIFY2(QRegularExpression(QStringLiteral("^-?[a-z][a-z0-9-]*$")).match(name).hasMatch(),
                     qPrintable(name));
            QVERIFY2(!names.contains(name), qPrintable("twice: " + name));
            names.insert(name);
            QVERIFY2(HasChinese(Field(e, QStringLiteral("txt"))), qPrintable(name));
        }
    }

    // Every list key a property names has values, and every list is reachable from a property.
    void dtypesMatchLists()
    {
        QSet<int> used, defined;
        for (const QDomElement& e : style1) {
            const int d = Num(e, QStringLiteral("dtype"));
            if (d != 0 && d != 2)
                used.insert(d);
        }
        for (const QDomElement& e : style2) {
            const int id = Num(e, QStringLiteral("myid"));
            QVERIFY2(id != 0 && id != 2, qPrintable(Field(e, QStringLiteral("values"))));
            defined.insert(id);
            QVERIFY2(!Field(e, QStringLiteral("values")).isEmpty(), "empty value");
            QVERIFY2(HasChinese(Field(e, QStringLiteral("txt"))), qPrintable(Field(e, QStringLiteral("values"))));
        }
        QCOMPARE(used - defined, QSet<int>());
        QCOMPARE(defined - used, QSet<int>());
    }

    // The option groups read "the offset-th child counted from the first child whose num is the position".
    void optionGroups_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("4 font-style") << 4 << QStringList{"normal", "italic", "oblique"};
        QTest::newRow("7 background-repeat") << 7 << QStringList{"repeat", "repeat-x", "repeat-y", "no-repeat"};
        QTest::newRow("8 background-attachment") << 8 << QStringList{"scroll", "fixed"};
        QTest::newRow("11 text-decoration") << 11 << QStringList{"none", "underline", "overline", "line-through"};
        QTest::newRow("13 text-align") << 13 << QStringList{"left", "right", "center", "justify"};
        QTest::newRow("18 position") << 18 << QStringList{"absolute", "relative", "static"};
        QTest::newRow("19 visibility") << 19 << QStringList{"visible", "hidden", "inherit"};
    }
    void optionGroups()
    {
        QFETCH(int, position);
        QFETCH(QStringList, values);
        const int first = FirstOfNum(position);
        QVERIFY(first >= 0);
        for (int i = 0; i < values.size(); ++i) {
            QVERIFY(first + i < style2.size());
            const QDomElement e = style2[first + i];
            QCOMPARE(Field(e, QStringLiteral("values")), values[i]);
            QCOMPARE(Num(e, QStringLiteral("num")), position);
            // The group is also the property's completion list.
            QCOMPARE(Num(e, QStringLiteral("myid")), Num(style1[position], QStringLiteral("dtype")));
        }
        int total = 0;
        for (const QDomElement& e : style2)
            total += Num(e, QStringLiteral("num")) == position;
        QCOMPARE(total, values.size());
    }

    // The border combos show the txt of every num 31 entry and map a chosen text back through the first
    // style2 entry with that txt.
    void borderStyles()
    {
        const QStringList expected{"none",   "hidden", "dotted", "dashed", "solid",
                                   "double", "groove", "ridge",  "inset",  "outset"};
        QStringList values;
        for (const QDomElement& e : style2) {
            if (Num(e, QStringLiteral("num")) != 31)
                continue;
            const QString txt = Field(e, QStringLiteral("txt"));
            values << Field(e, QStringLiteral("values"));
            QVERIFY2(HasChinese(txt), qPrintable(values.last()));
            for (const QDomElement& f : style2) {
                if (Field(f, QStringLiteral("txt")) == txt) {
                    QCOMPARE(Field(f, QStringLiteral("values")), values.last());
                    break;
                }
            }
        }
        QCOMPARE(values, expected);
        const int first = FirstOfNum(31);
        for (int p = 31; p <= 35; ++p)
            QCOMPARE(Num(style1[p], QStringLiteral("dtype")), Num(style2[first], QStringLiteral("myid")));
    }

    // A value's description is the txt of the first style2 entry with that value: shared values such as none
    // must not show a text that only suits one property.
    void sharedValuesShowGeneralText_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("notText");
        QTest::newRow("none is not the border label") << QStringLiteral("none") << QStringLiteral("无边框");
        QTest::newRow("hidden is not the border label") << QStringLiteral("hidden") << QStringLiteral("隐藏边框");
        QTest::newRow("inset is not the border label") << QStringLiteral("inset") << QStringLiteral("3D内嵌");
    }
    void sharedValuesShowGeneralText()
    {
        QFETCH(QString, value);
        QFETCH(QString, notText);
        for (const QDomElement& e : style2) {
            if (Field(e, QStringLiteral("values")) == value) {
                QVERIFY(Field(e, QStringLiteral("txt")) != notText);
                return;
            }
        }
        QFAIL("value missing");
    }

    void cursors()
    {
        const QList<QDomElement> cursors = Entries(Section(QStringLiteral("cursor")));
        QSet<QString> offered;
        const int list = Num(style1[48], QStringLiteral("dtype"));
        for (const QDomElement& e : style2)
            if (Num(e, QStringLiteral("myid")) == list)
                offered.insert(Field(e, QStringLiteral("values")));
        QSet<QString> names;
        for (const QDomElement& e : cursors) {
            const QString name = Field(e, QStringLiteral("name"));
            QVERIFY2(offered.contains(name), qPrintable(name));
            QVERIFY2(HasChinese(Field(e, QStringLiteral("txt"))), qPrintable(name));
            names.insert(name);
        }
        QCOMPARE(names.size(), cursors.size());
        for (const char* c : {"auto", "default", "pointer", "text", "wait", "help", "move", "crosshair", "progress",
                              "not-allowed", "n-resize", "nwse-resize", "col-resize", "zoom-in", "grab"})
            QVERIFY2(names.contains(QString::fromLatin1(c)), c);
    }

    void colours_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::newRow("red") << "red"
                             << "#ff0000";
        QTest::newRow("navy") << "navy"
                              << "#000080";
        QTest::newRow("orange") << "orange"
                                << "#ffa500";
        QTest::newRow("grey spelling") << "grey"
                                       << "#808080";
        QTest::newRow("darkgrey spelling") << "darkgrey"
                                           << "#a9a9a9";
        QTest::newRow("lightgoldenrodyellow") << "lightgoldenrodyellow"
                                              << "#fafad2";
        QTest::newRow("rebeccapurple") << "rebeccapurple"
                                       << "#663399";
        QTest::newRow("yellowgreen") << "yellowgreen"
                                     << "#9acd32";
    }
    void colours()
    {
        QFETCH(QString, name);
        QFETCH(QString, value);
        QCOMPARE(Section(QStringLiteral("color")).firstChildElement(name).text(), value);
    }

    void colourEntries()
    {
        static const QRegularExpression hex(QStringLiteral("^#[0-9a-f]{6}$"));
        const QList<QDomElement> colours = Entries(Section(QStringLiteral("color")));
        QVERIFY(colours.size() >= 147);
        QSet<QString> names;
        for (const QDomElement& e : colours) {
            QCOMPARE(e.tagName(), e.tagName().toLower());
            QVERIFY2(hex.match(e.text()).hasMatch(), qPrintable(e.tagName()));
            // Qt knows the same names; its table is an independent copy of the colour values.
            if (QColor::isValidColorName(e.tagName()))
                QCOMPARE(QColor::fromString(e.tagName()).name(), e.text());
            else
                qInfo("Qt does not know the colour %s", qPrintable(e.tagName()));
            QVERIFY2(!e.hasChildNodes() || e.firstChild().isText(), qPrintable(e.tagName()));
            QVERIFY2(!names.contains(e.tagName()), qPrintable(e.tagName()));
            names.insert(e.tagName());
        }
        // The text colour list offers every named colour, and its descriptions quote the picker's value.
        const int list = Num(style1[0], QStringLiteral("dtype"));
        QSet<QString> offered;
        for (const QDomElement& e : style2) {
            if (Num(e, QStringLiteral("myid")) != list)
                continue;
            const QString name = Field(e, QStringLiteral("values"));
            offered.insert(name);
            if (names.contains(name))
                QVERIFY2(Field(e, QStringLiteral("txt"))
                             .endsWith(Section(QStringLiteral("color")).firstChildElement(name).text()),
                         qPrintable(name));
        }
        QCOMPARE(names - offered, QSet<QString>());
    }

    void linkStates()
    {
        QStringList names;
        for (const QDomElement& e : Entries(Section(QStringLiteral("link")))) {
            names << Field(e, QStringLiteral("name"));
            QVERIFY(HasChinese(Field(e, QStringLiteral("txt"))));
        }
        QCOMPARE(names, (QStringList{"link", "visited", "hover", "active", "focus"}));
    }

    void transitions()
    {
        const QList<QDomElement> fx = Entries(Section(QStringLiteral("style")));
        QCOMPARE(fx.size(), 24);
        QSet<QString> labels;
        for (const QDomElement& e : fx) {
            const QString txt = Field(e, QStringLiteral("txt"));
            QVERIFY(HasChinese(txt));
            labels.insert(txt);
        }
        QCOMPARE(labels.size(), 24);
    }

    void scriptStyleNames()
    {
        const QList<QDomElement> js = Entries(Section(QStringLiteral("Jstyle")));
        QVERIFY(js.size() >= 150);
        QSet<QString> names;
        for (const QDomElement& e : js) {
            const QString name = Field(e, QStringLiteral("name"));
            QVERIFY2(QRegularExpression(QStringLiteral("^[a-z][A-Za-z0-9]*$")).match(name).hasMatch(),
                     qPrintable(name));
            QVERIFY2(!names.contains(name), qPrintable(name));
            QVERIFY(HasChinese(Field(e, QStringLiteral("txt"))));
            names.insert(name);
        }
        for (const char* n : {"color", "fontSize", "backgroundColor", "borderTopWidth", "zIndex", "cssFloat", "cssText",
                              "display", "visibility"})
            QVERIFY2(names.contains(QString::fromLatin1(n)), n);
    }

    // Every entry has its four fields; an object (lx 3, id not 2) holds the child list named like it.
    void windowTree()
    {
        int members = 0;
        QList<QDomElement> todo{Section(QStringLiteral("window"))};
        while (!todo.isEmpty()) {
            const QDomElement object = todo.takeLast();
            QSet<QString> names;
            for (const QDomElement& e : Entries(object)) {
                ++members;
                const QString name = Field(e, QStringLiteral("name"));
                QVERIFY(!name.isEmpty());
                QVERIFY2(!names.contains(name.toLower()), qPrintable(object.tagName() + "." + name));
                names.insert(name.toLower());
                for (const char* f : {"lx", "id", "txt"})
                    QVERIFY2(!e.firstChildElement(QString::fromLatin1(f)).isNull(), qPrintable(name));
                QVERIFY2(HasChinese(Field(e, QStringLiteral("txt"))), qPrintable(name));
                if (Num(e, QStringLiteral("lx")) == 3 && Num(e, QStringLiteral("id")) != 2) {
                    const QDomElement list = e.firstChildElement(name);
                    QVERIFY2(!list.isNull() && !list.firstChildElement().isNull(), qPrintable(name));
                    // what the walk finds when it looks the child up by the lower-cased word typed
                    const QDomElement lowered = e.firstChildElement(name.toLower());
                    QVERIFY2(!lowered.isNull(), qPrintable(name));
                    QCOMPARE(lowered.childNodes().count(), list.childNodes().count());
                    todo.append(list);
                }
            }
        }
        qInfo("window: %d members in all", members);
        QVERIFY(members >= 400);
    }

    void walk_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("member"); // empty: the path reaches no object
        QTest::newRow("document") << "document"
                                  << "getElementById";
        QTest::newRow("window.document") << "window.document"
                                         << "createElement";
        QTest::newRow("top is window") << "top"
                                       << "alert";
        QTest::newRow("parent.document") << "parent.document"
                                         << "write";
        QTest::newRow("document.body") << "document.body"
                                       << "innerHTML";
        QTest::newRow("documentElement typed in mixed case") << "document.documentElement"
                                                             << "scrollTop";
        QTest::newRow("element class list") << "document.body.classList"
                                            << "toggle";
        QTest::newRow("location") << "location"
                                  << "href";
        QTest::newRow("document.location") << "document.location"
                                           << "reload";
        QTest::newRow("history") << "history"
                                 << "back";
        QTest::newRow("navigator") << "navigator"
                                   << "userAgent";
        QTest::newRow("screen") << "screen"
                                << "availWidth";
        QTest::newRow("event") << "event"
                               << "keyCode";
        QTest::newRow("event.srcElement") << "event.srcElement"
                                          << "tagName";
        QTest::newRow("Math") << "Math"
                              << "random";
        QTest::newRow("JSON") << "JSON"
                              << "stringify";
        QTest::newRow("Date.prototype") << "Date.prototype"
                                        << "getFullYear";
        QTest::newRow("String.prototype") << "String.prototype"
                                          << "indexOf";
        QTest::newRow("Array.prototype") << "Array.prototype"
                                         << "push";
        QTest::newRow("console") << "console"
                                 << "log";
        QTest::newRow("localStorage") << "localStorage"
                                      << "setItem";
        QTest::newRow("a property has no list") << "document.title"
                                                << "";
        QTest::newRow("a method has no list") << "alert"
                                              << "";
        QTest::newRow("unknown word") << "foo"
                                      << "";
    }
    void walk()
    {
        QFETCH(QString, path);
        QFETCH(QString, member);
        for (const bool byOwnName : {false, true}) {
            const QDomElement object = Walk(path, byOwnName);
            if (member.isEmpty()) {
                QVERIFY(object.isNull());
                continue;
            }
            QVERIFY2(!object.isNull(), byOwnName ? "child named like the member" : "child named like the typed word");
            bool found = false;
            for (const QDomElement& e : Entries(object))
                found = found || Field(e, QStringLiteral("name")) == member;
            QVERIFY2(found, qPrintable(member));
        }
    }
};

QTEST_GUILESS_MAIN(TestDataStyle)
#include "tst_datastyle.moc"
