// Splitting a tag into its element name and attributes for editing in place.

#include "editor/tagparser.h"

#include <QtTest>

class TestTagParser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void head_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("nameEnd");
        QTest::newRow("bare tag stops before >") << "<br>" << true << "<br" << 3;
        QTest::newRow("upper case is lowered") << "<A HREF=x>" << true << "<a" << 2;
        QTest::newRow("line break ends the name") << "<a\nhref=x>" << true << "<a" << 2;
        QTest::newRow("too short") << "<>" << false << "" << 0;
    }
    void head()
    {
        QFETCH(QString, tag);
        QString name;
        int nameEnd = 0;
        QTEST(TagParser::ParseTagHead(tag, name, nameEnd), "ok");
        QTEST(name, "name");
        QTEST(nameEnd, "nameEnd");
    }

    void attributes_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("values");
        // The lists leave out the empty position 0; the count is their size.
        QTest::newRow("quoted value then unquoted at >")
            << "<a href='x.html' title=t>" << QStringList{"href", "title"} << QStringList{"x.html", "t"};
        QTest::newRow("attribute without a value")
            << "<input checked name=x>" << QStringList{"checked", "name"} << QStringList{"", "x"};
        QTest::newRow("bare attribute then the closing entry")
            << "<td nowrap>" << QStringList{"nowrap", ""} << QStringList{"", ""};
        QTest::newRow("no attributes") << "<br>" << QStringList{""} << QStringList{""};
        QTest::newRow("quoted blank") << "<a title=\" \">" << QStringList{"title"} << QStringList{""};
        QTest::newRow("quoted value keeps its blank")
            << "<a title=\"a b\" x>" << QStringList{"title", "x", ""} << QStringList{"a b", "", ""};
        QTest::newRow("unquoted value ends at a blank")
            << "<a title=a b>" << QStringList{"title", "b", ""} << QStringList{"a", "", ""};
        QTest::newRow("names lowered, values as typed")
            << "<BODY onLoad=Init() BACKGROUND=\"Pics/Back.GIF\">" << QStringList{"onload", "background"}
            << QStringList{"Init()", "Pics/Back.GIF"};
        QTest::newRow("= right before >") << "<a href=>" << QStringList{"href"} << QStringList{""};
        QTest::newRow("= and blank before >") << "<a href= >" << QStringList{"href"} << QStringList{""};
        QTest::newRow("= at the very end") << "<a href=" << QStringList{"href"} << QStringList{""};
        QTest::newRow("blanks around =") << "<a href = \"x\" >" << QStringList{"href", ""} << QStringList{"x", ""};
        QTest::newRow("unclosed quote stops at >")
            << "<a title=\"x>" << QStringList{"title", ""} << QStringList{"x", ""};
        QTest::newRow("single quotes around double quotes")
            << "<a title='say \"hi\"'>" << QStringList{"title"} << QStringList{"say \"hi\""};
        QTest::newRow("line breaks between attributes")
            << "<a\r\nhref=x\r\ntarget=_top\r\n>" << QStringList{"href", "target", ""} << QStringList{"x", "_top", ""};
    }
    void attributes()
    {
        QFETCH(QString, tag);
        QFETCH(QStringList, names);
        QFETCH(QStringList, values);
        QString name;
        int nameEnd = 0;
        QVERIFY(TagParser::ParseTagHead(tag, name, nameEnd));
        QStringList gotNames, gotValues;
        int count = -1;
        int entries = 0;
        QCOMPARE(TagParser::ParseAttributes(tag, nameEnd, gotNames, gotValues, count, [&] { ++entries; }),
                 TagParser::Parsed);
        QCOMPARE(count, names.size());
        QCOMPARE(gotNames, QStringList{QString()} + names);
        QCOMPARE(gotValues, QStringList{QString()} + values);
        QVERIFY(entries >= count - 1); // the window gets its turn after each attribute
    }

    void entryLimit_data()
    {
        QTest::addColumn<int>("attributes");
        QTest::addColumn<bool>("bareLast");
        QTest::addColumn<int>("status");
        QTest::newRow("50 with values") << 50 << false << int(TagParser::Parsed);
        QTest::newRow("51") << 51 << false << int(TagParser::TooManyEntries);
        // The entry that meets ">" counts: 50 attributes whose last has no value make 51 entries.
        QTest::newRow("50, last bare") << 50 << true << int(TagParser::TooManyEntries);
    }
    void entryLimit()
    {
        QFETCH(int, attributes);
        QFETCH(bool, bareLast);
        QString tag = QStringLiteral("<a");
        for (int i = 1; i <= attributes; ++i)
            tag += (bareLast && i == attributes) ? QStringLiteral(" b%1").arg(i) : QStringLiteral(" a%1=%1").arg(i);
        tag += QLatin1Char('>');
        QStringList names, values;
        int count = 0;
        QFETCH(int, status);
        QCOMPARE(int(TagParser::ParseAttributes(tag, 2, names, values, count)), status);
        if (status == TagParser::Parsed) {
            QCOMPARE(count, attributes);
            QCOMPARE(values.last(), QString::number(attributes));
        }
    }

    // A huge tag is split without trouble: 100,000 characters in 50 values.
    void longTag()
    {
        QString tag = QStringLiteral("<img");
        const QString chunk(2000, QLatin1Char('x'));
        for (int i = 1; i <= 50; ++i)
            tag += QStringLiteral(" a%1=\"").arg(i) + chunk + QLatin1Char('"');
        tag += QLatin1Char('>');
        QVERIFY(tag.size() > 100000);
        QStringList names, values;
        int count = 0;
        QCOMPARE(TagParser::ParseAttributes(tag, 4, names, values, count), TagParser::Parsed);
        QCOMPARE(count, 50);
        QCOMPARE(values.at(50), chunk);
    }
};

QTEST_GUILESS_MAIN(TestTagParser)
#include "tst_tagparser.moc"
