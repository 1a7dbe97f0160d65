// Lookups of the tag database over small inline databases, and the load failures that start-up reports.

#include "base/helpers.h"
#include "tagdb/tagdb.h"

#include <QDomDocument>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Pretty-printed on purpose: the whitespace between elements must never take a position.
const char* const Fixture = R"(<?xml version="1.0" encoding="UTF-8"?>
<anyname>
  <html>
    <html1>
      <e><title>链接</title><d>第一个链接说明</d><start>&lt;a</start><endd>&lt;/a&gt;</endd><id>7</id><lx>0</lx><qz>0</qz></e>
      <e><title>图像</title><d>图像说明</d><start>&lt;img</start><endd> </endd><id>3</id><lx>3</lx><qz>1</qz></e>
      <e><title>链接</title><d>第二个链接说明</d><start>&lt;a</start><endd>&lt;/a&gt;</endd><id>8</id><lx>0</lx><qz>0</qz></e>
      <e><title>大写</title><d>大写说明</d><start>&lt;B</start><endd>&lt;/b&gt;</endd><id>99</id><lx>0</lx><qz>0</qz></e>
      <e><title>无属性</title><d>无属性说明</d><start>&lt;hr</start><endd></endd><id>42</id><lx>0</lx><qz>0</qz></e>
    </html1>
    <property1>
      <e><id>7</id><name>href</name><txt>地址</txt><chid>5</chid></e>
      <e><id>7 </id><name>target</name><txt>目标</txt><chid>0</chid></e>
      <e><id></id><name>zero</name><txt>零号</txt><chid>-1</chid></e>
      <e><id> 7</id><name>title</name><txt>标题</txt><chid>6</chid></e>
      <e><id>70</id><name>seventy</name><txt>七十</txt><chid>0</chid></e>
      <e><name>noid</name><txt>无编号</txt></e>
      <e><id>3</id><name>src</name><txt>图片</txt><chid>0</chid></e>
      <e><id>7x</id><name>lang</name><txt>语言</txt><chid>0</chid></e>
    </property1>
    <offten>
      <e><name>id</name><txt>标识</txt></e>
      <e><name>class</name><txt>类</txt></e>
      <e><name>id</name><txt>重复的标识</txt></e>
      <e><name>title</name><txt>通用标题</txt></e>
    </offten>
    <property2>
      <e><child>5</child><values>_blank</values><txt>新窗口</txt></e>
      <e><child>6</child><values>_self</values><txt>本窗口(6)</txt></e>
      <e><child>5 </child><values>_self</values><txt>本窗口(5)</txt></e>
      <e><child>0</child><values>zero</values><txt>零</txt></e>
      <e><child>-1</child><values>minus</values><txt>负一</txt></e>
      <e><child>5</child><values></values><txt>空值</txt></e>
    </property2>
    <style1>
      <e><name>color</name><txt>颜色</txt><dtype>9</dtype></e>
      <e><name>font-family</name><txt>字体</txt><dtype>2</dtype></e>
      <e><name>width</name><txt>宽度</txt><dtype>0</dtype></e>
    </style1>
    <style2>
      <e><myid>9</myid><values>red</values><txt>红色</txt><num>31</num></e>
      <e><myid>2</myid><values>Arial</values><txt>不该出现</txt><num>4</num></e>
      <e><myid>9</myid><values>blue</values><txt>蓝色</txt><num>31</num></e>
      <e><myid>8</myid><values>red</values><txt>另一个红色</txt><num>4</num></e>
      <e><myid>0</myid><values>none</values><txt>无</txt><num>31</num></e>
    </style2>
    <Jstyle/>
    <window>
      <m><name>alert</name><lx>1</lx><id>0</id><txt>提示框</txt></m>
      <m><name>document</name><lx>0</lx><id>0</id><txt>不是对象</txt></m>
      <m><name> Document </name><lx>3 </lx><id>0</id><txt>文档对象</txt>
        <document>
          <m><name>write</name><lx>1</lx><id>0</id><txt>写入</txt></m>
          <m><name>forms</name><lx>3</lx><id>0</id><txt>表单</txt>
            <forms><m><name>length</name><lx>0</lx><id>0</id><txt>个数</txt></m></forms>
          </m>
          <m><name>body</name><lx>3</lx><id>0</id><txt>缺少成员表</txt></m>
        </document>
      </m>
      <m><name>top</name><lx>3</lx><id>2</id><txt>顶层窗口</txt></m>
    </window>
    <html1>
      <e><title>粗体</title><d>后一节的粗体</d><start>&lt;b</start><endd>&lt;/b&gt;</endd><id>1</id><lx>0</lx><qz>0</qz></e>
      <e><title>链接</title><d>后一节的链接</d><start>&lt;a</start><endd>&lt;/a&gt;</endd><id>2</id><lx>0</lx><qz>0</qz></e>
    </html1>
    <style1>
      <e><name>margin</name><txt>外边距</txt><dtype>0</dtype></e>
    </style1>
  </html>
</anyname>
)";

QStringList Names(const QList<QDomElement>& entries)
{
    QStringList names;
    for (const QDomElement& entry : entries)
        names.append(TagDb::Field(entry, QStringLiteral("name")));
    return names;
}

// nullopt is written as "<none>" so that rows stay plain strings.
QString Shown(const std::optional<QString>& text)
{
    return text ? *text : QStringLiteral("<none>");
}

} // namespace

class TestTagDb : public QObject
{
    Q_OBJECT

    TagDb db;
    QDomElement firstTags, lastTags, firstStyles, lastStyles;

    QDomElement Tags(bool last) const { return last ? lastTags : firstTags; }

private Q_SLOTS:
    void initTestCase()
    {
        QString detail;
        QCOMPARE(db.LoadData(Fixture, QStringLiteral("fixture"), &detail), TagDb::Loaded);
        firstTags = db.Section(QStringLiteral("html1"));
        lastTags = TagDb::FindSection(db.TagRoot(), QStringLiteral("html1"));
        firstStyles = db.Section(QStringLiteral("style1"));
        lastStyles = TagDb::FindSection(db.TagRoot(), QStringLiteral("style1"));
        QVERIFY(firstTags != lastTags);
        QVERIFY(firstStyles != lastStyles);
    }

    void loadFailures_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("detailPart");
        QTest::newRow("parse error names the line") << QByteArray("<d>\n<html>\n<html1><e></html1>\n</html></d>")
                                                    << int(TagDb::ParseError) << QStringLiteral("第 3 行");
        QTest::newRow("empty file") << QByteArray() << int(TagDb::ParseError) << QStringLiteral("fixture");
        QTest::newRow("no html element") << QByteArray("<d><htm/></d>") << int(TagDb::NoHtmlSection)
                                         << QStringLiteral("fixture");
        QTest::newRow("html deeper than a child")
            << QByteArray("<d><x><html/></x></d>") << int(TagDb::NoHtmlSection) << QStringLiteral("fixture");
        QTest::newRow("html name is case-sensitive")
            << QByteArray("<d><HTML/></d>") << int(TagDb::NoHtmlSection) << QStringLiteral("fixture");
        QTest::newRow("empty html loads") << QByteArray("<d><html/></d>") << int(TagDb::Loaded) << QString();
        // Refused before the tree is built: the parser's time grows with the square of the depth.
        QTest::newRow("nested too deep") << QByteArray("<d><html/>") + QByteArray("<x a='>'>").repeated(100000) +
                                                QByteArray("</x>").repeated(100000) + QByteArray("</d>")
                                         << int(TagDb::ParseError) << QStringLiteral("元素嵌套超过 256 层");
        QTest::newRow("deep but within the limit")
            << QByteArray("<d><html/><!-- <a><b> --><x/>") + QByteArray("<x>").repeated(250) +
                   QByteArray("</x>").repeated(250) + QByteArray("</d>")
            << int(TagDb::Loaded) << QString();
    }
    void loadFailures()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, status);
        QFETCH(QString, detailPart);
        TagDb local;
        QCOMPARE(local.LoadData(Fixture, QStringLiteral("good")), TagDb::Loaded);
        QString detail;
        QCOMPARE(int(local.LoadData(data, QStringLiteral("fixture"), &detail)), status);
        QCOMPARE(local.IsLoaded(), status == TagDb::Loaded);
        QVERIFY2(detail.contains(detailPart), qPrintable(detail));
        // Nothing of the earlier database survives a failed load, and lookups on it stay harmless.
        QCOMPARE(local.TagIndexByStart(local.Section(QStringLiteral("html1")), QStringLiteral("<img")), -1);
        QVERIFY(local.AttributesOf(7).isEmpty());
        QVERIFY(local.ScriptObject(QStringLiteral("document")).isNull());
    }

    void loadFiles()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        TagDb local;
        QString detail;
        const QString missing = dir.filePath(QStringLiteral("data.xml"));
        QCOMPARE(local.Load(missing, &detail), TagDb::Missing);
        QCOMPARE(detail, missing);
        // A folder exists but cannot be read as a file.
        QCOMPARE(local.Load(dir.path(), &detail), TagDb::Unreadable);
        QCOMPARE(detail, dir.path());
        QFile file(missing);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(Fixture);
        file.close();
        QCOMPARE(local.Load(missing, &detail), TagDb::Loaded);
        QCOMPARE(local.TagIndexByStart(local.Section(QStringLiteral("html1")), QStringLiteral("<img")), 1);
        // A file beyond 64 MB is refused unread (a sparse file: nothing is written).
        QVERIFY(file.resize(TagDb::MaxFileSize + 1));
        QCOMPARE(local.Load(missing, &detail), TagDb::ParseError);
        QCOMPARE(detail, missing + QStringLiteral("\n文件大于 64 MB"));
        QVERIFY(!local.IsLoaded());
    }

    void sections()
    {
        QCOMPARE(db.EntryCount(firstTags), 5);
        QCOMPARE(db.EntryCount(lastTags), 2);
        QCOMPARE(db.CssProperties(firstStyles), QStringList({"color", "font-family", "width"}));
        QCOMPARE(db.CssProperties(lastStyles), QStringList({"margin"}));
        // Names are case-sensitive; an absent section reads as empty.
        QVERIFY(db.Section(QStringLiteral("jstyle")).isNull());
        QVERIFY(TagDb::FindSection(db.TagRoot(), QStringLiteral("HTML1")).isNull());
        QCOMPARE(db.EntryCount(db.Section(QStringLiteral("mytx"))), 0);
        QVERIFY(db.Entry(db.Section(QStringLiteral("mytx")), 0).isNull());
        QVERIFY(db.Entry(firstTags, 5).isNull());
        QVERIFY(db.Entry(firstTags, -1).isNull());
        QCOMPARE(db.JstyleNames(), QStringList());
        QCOMPARE(db.CssDtype(db.Section(QStringLiteral("nosuch")), QStringLiteral("color")), 0);
        // A missing field reads as empty text and as 0.
        const QDomElement noId = db.Entry(db.Section(QStringLiteral("property1")), 5);
        QCOMPARE(TagDb::Field(noId, QStringLiteral("id")), QString());
        QCOMPARE(TagDb::NumField(noId, QStringLiteral("id")), 0);
        // The tag list reads the third child of each entry, whatever the whitespace around it.
        QCOMPARE(db.TagNames(firstTags), QStringList({"a", "img", "a", "B", "hr"}));
        QCOMPARE(db.TagNames(lastTags), QStringList({"b", "a"}));
    }

    void tagLookup_data()
    {
        QTest::addColumn<bool>("last");
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("description");
        QTest::newRow("duplicate start finds the first") << false << "<a" << 0 << "第一个链接说明";
        QTest::newRow("later entry") << false << "<img" << 1 << "图像说明";
        QTest::newRow("upper case in start never matches") << false << "<b" << -1 << "<none>";
        QTest::newRow("exact upper case") << false << "<B" << 3 << "大写说明";
        QTest::newRow("no trimming") << false << "<a " << -1 << "<none>";
        QTest::newRow("unknown") << false << "<zz" << -1 << "<none>";
        QTest::newRow("empty") << false << "" << -1 << "<none>";
        QTest::newRow("last section has its own entries") << true << "<b" << 0 << "后一节的粗体";
        QTest::newRow("last section, duplicate start") << true << "<a" << 1 << "后一节的链接";
        QTest::newRow("last section lacks the first's") << true << "<img" << -1 << "<none>";
    }
    void tagLookup()
    {
        QFETCH(bool, last);
        QFETCH(QString, start);
        QFETCH(int, index);
        QFETCH(QString, description);
        QCOMPARE(db.TagIndexByStart(Tags(last), start), index);
        QCOMPARE(::FindChildIndex(Tags(last), start, QStringLiteral("start")), index);
        QCOMPARE(Shown(db.TagDescription(Tags(last), start)), description);
    }

    // The index must answer exactly what the walk of FindChildIndex answers.
    void findChildIndex_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("index");
        QTest::newRow("title first match") << "html1"
                                           << "title"
                                           << "链接" << 0;
        // The parser drops whitespace-only text, inside a field too: a blank-only field reads empty.
        QTest::newRow("blank-only field reads empty") << "html1"
                                                      << "endd"
                                                      << "" << 1;
        QTest::newRow("no field reads blank") << "html1"
                                              << "endd"
                                              << " " << -1;
        QTest::newRow("empty id") << "property1"
                                  << "id"
                                  << "" << 2;
        QTest::newRow("id with trailing blank is text") << "property1"
                                                        << "id"
                                                        << "7 " << 1;
        QTest::newRow("missing field never matches") << "property1"
                                                     << "chid"
                                                     << "" << -1;
        QTest::newRow("empty values") << "property2"
                                      << "values"
                                      << "" << 5;
        QTest::newRow("field name is case-sensitive") << "property1"
                                                      << "Name"
                                                      << "href" << -1;
        QTest::newRow("missing section") << "nosuch"
                                         << "name"
                                         << "x" << -1;
    }
    void findChildIndex()
    {
        QFETCH(QString, section);
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(int, index);
        const QDomElement node = db.Section(section);
        QCOMPARE(::FindChildIndex(node, value, field), index);
        QCOMPARE(db.FindChildIndex(node, value, field), index);
    }

    void attributes_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("7, blanks and trailing letters") << 7 << QStringList({"href", "target", "title", "lang"});
        QTest::newRow("empty and missing id are 0") << 0 << QStringList({"zero", "noid"});
        QTest::newRow("no prefix match") << 70 << QStringList({"seventy"});
        QTest::newRow("no entries") << 42 << QStringList();
    }
    void attributes()
    {
        QFETCH(int, id);
        QFETCH(QStringList, names);
        QCOMPARE(Names(db.AttributesOf(id)), names);
    }

    void attributesOfTag()
    {
        // The id comes from the tag entry of whichever section the caller took.
        const auto ids = [this](bool last) {
            return TagDb::NumField(db.Entry(Tags(last), db.TagIndexByStart(Tags(last), QStringLiteral("<a"))),
                                   QStringLiteral("id"));
        };
        QCOMPARE(ids(false), 7);
        QCOMPARE(ids(true), 2);
        QCOMPARE(db.OffTenNames(), QStringList({"id", "class", "id", "title"}));
        QCOMPARE(Shown(db.OffTenDescription(QStringLiteral("id"))), QStringLiteral("标识"));
        QCOMPARE(Shown(db.OffTenDescription(QStringLiteral("href"))), QStringLiteral("<none>"));
    }

    void attributeValues_data()
    {
        QTest::addColumn<int>("chid");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("in order, trailing blank key") << 5 << QStringList({"_blank", "_self", ""});
        QTest::newRow("other list") << 6 << QStringList({"_self"});
        QTest::newRow("chid 0 lists nothing") << 0 << QStringList();
        QTest::newRow("chid -1 lists nothing") << -1 << QStringList();
        QTest::newRow("unknown key") << 11 << QStringList();
    }
    void attributeValues()
    {
        QFETCH(int, chid);
        QFETCH(QStringList, values);
        QCOMPARE(db.AttributeValues(chid), values);
    }

    void descriptions_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("value: first over the whole section") << "value"
                                                             << "_self"
                                                             << "本窗口(6)";
        QTest::newRow("value: empty text") << "value"
                                           << ""
                                           << "空值";
        QTest::newRow("value: unknown") << "value"
                                        << "_top"
                                        << "<none>";
        QTest::newRow("css value: first over the whole section") << "cssvalue"
                                                                 << "red"
                                                                 << "红色";
        QTest::newRow("css value: unknown") << "cssvalue"
                                            << "green"
                                            << "<none>";
        QTest::newRow("attribute: own before offten") << "attribute"
                                                      << "title"
                                                      << "标题";
        QTest::newRow("attribute: offten, first of two") << "attribute"
                                                         << "id"
                                                         << "标识";
        QTest::newRow("attribute: neither") << "attribute"
                                            << "Href"
                                            << "<none>";
        QTest::newRow("css property: first section") << "property"
                                                     << "color"
                                                     << "颜色";
        QTest::newRow("css property: not in the last section") << "lastproperty"
                                                               << "color"
                                                               << "<none>";
        QTest::newRow("css property: last section") << "lastproperty"
                                                    << "margin"
                                                    << "外边距";
        QTest::newRow("jstyle: empty section") << "jstyle"
                                               << "color"
                                               << "<none>";
    }
    void descriptions()
    {
        QFETCH(QString, kind);
        QFETCH(QString, key);
        QFETCH(QString, text);
        std::optional<QString> found;
        if (kind == QLatin1String("value"))
            found = db.ValueDescription(key);
        else if (kind == QLatin1String("cssvalue"))
            found = db.CssValueDescription(key);
        else if (kind == QLatin1String("attribute"))
            found = db.AttributeDescription(db.Section(QStringLiteral("property1")), key);
        else if (kind == QLatin1String("property"))
            found = db.CssPropertyDescription(firstStyles, key);
        else if (kind == QLatin1String("lastproperty"))
            found = db.CssPropertyDescription(lastStyles, key);
        else
            found = db.JstyleDescription(key);
        QCOMPARE(Shown(found), text);
    }

    void cssValues_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<int>("dtype");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("value list") << "color" << 9 << QStringList({"red", "blue"});
        QTest::newRow("font list, not style2") << "font-family" << 2 << QStringList();
        QTest::newRow("no list") << "width" << 0 << QStringList();
        QTest::newRow("unknown property") << "border" << 0 << QStringList();
    }
    void cssValues()
    {
        QFETCH(QString, property);
        QFETCH(int, dtype);
        QFETCH(QStringList, values);
        QCOMPARE(db.CssDtype(firstStyles, property), dtype);
        QCOMPARE(db.CssValues(dtype), values);
    }

    void entriesByNumber()
    {
        // The CSS builder counts a property's option values from the first style2 entry with its num.
        const QDomElement style2 = db.Section(QStringLiteral("style2"));
        QCOMPARE(db.EntriesWithNumber(style2, QStringLiteral("num"), 31), QList<int>({0, 2, 4}));
        QCOMPARE(db.EntriesWithNumber(style2, QStringLiteral("num"), 4), QList<int>({1, 3}));
        QCOMPARE(db.EntriesWithNumber(style2, QStringLiteral("num"), 5), QList<int>());
        // A field nobody indexed at load is indexed on first use and keeps document order.
        QCOMPARE(db.EntriesWithNumber(db.Section(QStringLiteral("html1")), QStringLiteral("qz"), 0),
                 QList<int>({0, 2, 3, 4}));
    }

    void scriptWalk_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("members");
        const QStringList window = {"alert", "document", " Document ", "top"};
        const QStringList document = {"write", "forms", "body"};
        QTest::newRow("window itself") << "window" << window;
        QTest::newRow("trimmed, lower-cased name with lx 3 wins over an earlier lx 0") << "document" << document;
        QTest::newRow("path is lower-cased") << "DOCUMENT" << document;
        QTest::newRow("from window") << "window.document" << document;
        QTest::newRow("nested object") << "document.forms" << QStringList({"length"});
        QTest::newRow("id 2 leads back to window") << "top" << window;
        QTest::newRow("through id 2") << "top.document.forms" << QStringList({"length"});
        QTest::newRow("window later in the path is a member") << "top.window" << QStringList();
        QTest::newRow("not an object") << "alert" << QStringList();
        QTest::newRow("object without its member list") << "document.body" << QStringList();
        QTest::newRow("member of the wrong object") << "forms" << QStringList();
        QTest::newRow("unknown") << "x" << QStringList();
        QTest::newRow("empty part") << "document..forms" << QStringList();
    }
    void scriptWalk()
    {
        QFETCH(QString, path);
        QFETCH(QStringList, members);
        const QDomElement object = db.ScriptObject(path);
        QCOMPARE(object.isNull(), members.isEmpty());
        QCOMPARE(db.ScriptMemberNames(object), members);
    }

    void scriptDescriptions()
    {
        const QDomElement window = db.ScriptObject(QStringLiteral("window"));
        // Descriptions go by the name exactly as listed.
        QCOMPARE(Shown(db.ScriptMemberDescription(window, QStringLiteral("document"))), QStringLiteral("不是对象"));
        QCOMPARE(Shown(db.ScriptMemberDescription(window, QStringLiteral(" Document "))), QStringLiteral("文档对象"));
        QCOMPARE(Shown(db.ScriptMemberDescription(window, QStringLiteral("Document"))), QStringLiteral("<none>"));
        const QDomElement forms = db.ScriptObject(QStringLiteral("document.forms"));
        QCOMPARE(Shown(db.ScriptMemberDescription(forms, QStringLiteral("length"))), QStringLiteral("个数"));
    }

    // Elements outside the loaded tree (the completion lists' scratch tree, copies) change under the lookups.
    void scratchTreeIsNeverCached()
    {
        QDomDocument scratch;
        scratch.setContent(QByteArray("<document/>"));
        QDomElement temp = scratch.createElement(QStringLiteral("Temp"));
        scratch.documentElement().appendChild(temp);
        for (const QDomElement& entry : db.AttributesOf(7))
            temp.appendChild(entry.cloneNode(true));
        QCOMPARE(db.FindChildIndex(temp, QStringLiteral("title"), QStringLiteral("name")), 2);
        QCOMPARE(db.EntryCount(temp), 4);
        temp.removeChild(temp.firstChild());
        QCOMPARE(db.FindChildIndex(temp, QStringLiteral("title"), QStringLiteral("name")), 1);
        QCOMPARE(db.FindChildIndex(temp, QStringLiteral("href"), QStringLiteral("name")), -1);
        QCOMPARE(db.EntryCount(temp), 3);
        QCOMPARE(TagDb::NumField(db.Entry(temp, 0), QStringLiteral("id")), 7);
        // The database itself is unchanged by the copies.
        QCOMPARE(db.AttributesOf(7).size(), 4);
        // A detached copy still belongs to the database's document, and changes as well.
        QDomElement copy = db.Section(QStringLiteral("offten")).cloneNode(true).toElement();
        QCOMPARE(db.FindChildIndex(copy, QStringLiteral("class"), QStringLiteral("name")), 1);
        copy.removeChild(copy.firstChild());
        QCOMPARE(db.FindChildIndex(copy, QStringLiteral("class"), QStringLiteral("name")), 0);
        QCOMPARE(db.OffTenNames().size(), 4);
    }

    void reloadDropsIndexes()
    {
        TagDb local;
        QCOMPARE(local.LoadData(Fixture, QStringLiteral("first")), TagDb::Loaded);
        QCOMPARE(local.TagIndexByStart(local.Section(QStringLiteral("html1")), QStringLiteral("<img")), 1);
        const QByteArray other("<d><html><html1><e><t/><d/><start>&lt;p</start></e>"
                               "<e><t/><d/><start>&lt;img</start></e></html1></html></d>");
        QCOMPARE(local.LoadData(other, QStringLiteral("second")), TagDb::Loaded);
        QCOMPARE(local.TagIndexByStart(local.Section(QStringLiteral("html1")), QStringLiteral("<img")), 1);
        QCOMPARE(local.TagIndexByStart(local.Section(QStringLiteral("html1")), QStringLiteral("<p")), 0);
        QCOMPARE(local.TagIndexByStart(local.Section(QStringLiteral("html1")), QStringLiteral("<a")), -1);
        QCOMPARE(local.TagNames(local.Section(QStringLiteral("html1"))), QStringList({"p", "img"}));
    }
};

QTEST_GUILESS_MAIN(TestTagDb)
#include "tst_tagdb.moc"
