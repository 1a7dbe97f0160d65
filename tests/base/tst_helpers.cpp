#include "base/helpers.h"
#include "tagdb/tagdb.h"

#include <QDomDocument>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

class TestHelpers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void htmlEscape_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("escaped");
        QTest::newRow("all specials") << QStringLiteral("a < b & \"c\"\r\n")
                                      << QStringLiteral("a&nbsp;&lt;&nbsp;b&nbsp;&amp;&nbsp;&quot;c&quot;<br>\r\n");
        QTest::newRow("entity escaped again") << QStringLiteral("&lt;") << QStringLiteral("&amp;lt;");
        QTest::newRow("two blanks") << QStringLiteral("  ") << QStringLiteral("&nbsp;&nbsp;");
        QTest::newRow("lone line feed kept") << QStringLiteral("a\nb") << QStringLiteral("a\nb");
        QTest::newRow("lone carriage return kept") << QStringLiteral("a\rb") << QStringLiteral("a\rb");
        QTest::newRow("tab untouched") << QStringLiteral("\t>") << QStringLiteral("\t&gt;");
        QTest::newRow("chinese untouched") << QStringLiteral("中文") << QStringLiteral("中文");
        QTest::newRow("two lines") << QStringLiteral("x\r\n\r\ny") << QStringLiteral("x<br>\r\n<br>\r\ny");
    }
    void htmlEscape()
    {
        QFETCH(QString, text);
        QFETCH(QString, escaped);
        QCOMPARE(HtmlEscape(text), escaped);
    }

    // What any builder writes into an attribute: control characters never reach the page.
    void attributeValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("value");
        QTest::newRow("start of heading") << QStringLiteral("a\u0001b") << QStringLiteral("ab");
        QTest::newRow("escape") << QStringLiteral("\u001b[31mred") << QStringLiteral("[31mred");
        QTest::newRow("nul") << QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b")) << QStringLiteral("ab");
        QTest::newRow("delete") << QStringLiteral("a\u007fb") << QStringLiteral("ab");
        QTest::newRow("c1 control") << QStringLiteral("a\u0085\u009fb") << QStringLiteral("ab");
        QTest::newRow("tab and line breaks kept") << QStringLiteral("a\tb\r\nc\nd") << QStringLiteral("a\tb\r\nc\nd");
        QTest::newRow("chinese kept") << QStringLiteral("中文\u0002") << QStringLiteral("中文");
        QTest::newRow("zero-width space kept") << QStringLiteral("a\u200bb") << QStringLiteral("a\u200bb");
        QTest::newRow("character beyond the basic plane kept")
            << QStringLiteral("\U0001F600\u0003") << QStringLiteral("\U0001F600");
    }
    void attributeValue()
    {
        QFETCH(QString, text);
        QTEST(AttributeValue(text), "value");
    }

    void parseColorText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        // Components start at -1: a short text must leave them untouched.
        QTest::newRow("padded") << QStringLiteral("  #FF8000 ") << QStringLiteral("#FF8000") << 255 << 128 << 0;
        QTest::newRow("lower case") << QStringLiteral("#0a0b0c") << QStringLiteral("#0a0b0c") << 10 << 11 << 12;
        QTest::newRow("six characters") << QStringLiteral("FF8000") << QStringLiteral("FF8000") << -1 << -1 << -1;
        QTest::newRow("empty") << QString() << QString() << -1 << -1 << -1;
        QTest::newRow("any first character")
            << QStringLiteral("x102030") << QStringLiteral("#102030") << 16 << 32 << 48;
    }
    void parseColorText()
    {
        QFETCH(QString, text);
        QFETCH(QString, after);
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        int r = -1, g = -1, b = -1;
        ParseColorText(text, r, g, b);
        QCOMPARE(text, after);
        QCOMPARE(r, red);
        QCOMPARE(g, green);
        QCOMPARE(b, blue);
    }

    void findChildIndex_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("index");
        QTest::newRow("no children") << QStringLiteral("<s/>") << QStringLiteral("<a") << -1;
        QTest::newRow("first of two matches")
            << QStringLiteral(
                   "<s><e><start>&lt;p</start></e><e><start>&lt;a</start></e><e><start>&lt;a</start></e></s>")
            << QStringLiteral("<a") << 1;
        QTest::newRow("case-sensitive") << QStringLiteral("<s><e><start>&lt;A</start></e></s>") << QStringLiteral("<a")
                                        << -1;
        QTest::newRow("missing field is no match for empty")
            << QStringLiteral("<s><e><x>1</x></e><e><start></start></e></s>") << QString() << 1;
        QTest::newRow("whitespace between entries ignored")
            << QStringLiteral("<s>\n  <e><start>a</start></e>\n  <e><start>b</start></e>\n</s>") << QStringLiteral("b")
            << 1;
    }
    void findChildIndex()
    {
        QFETCH(QString, xml);
        QFETCH(QString, value);
        QFETCH(int, index);
        QDomDocument doc;
        QVERIFY(doc.setContent(xml));
        QCOMPARE(FindChildIndex(doc.documentElement(), value, QStringLiteral("start")), index);
    }

    void readValuePairs()
    {
        QDomDocument doc;
        QVERIFY(doc.setContent(QStringLiteral("<e><b1>v1</b1><a1>n1</a1><b2>v2</b2><b3>v3</b3><a3>n3</a3>"
                                              "<a4>n4</a4></e>")));
        QStringList values{QStringLiteral("old0"), QStringLiteral("old1"), QStringLiteral("old2"),
                           QStringLiteral("old3")};
        QStringList names = values;
        ReadValuePairs(doc.documentElement(), values, names);
        // Pairs 2 and 4 are incomplete and keep what the caller had.
        QCOMPARE(values, QStringList({"v1", "old1", "v3", "old3"}));
        QCOMPARE(names, QStringList({"n1", "old1", "n3", "old3"}));
    }

    void parentFolderOf_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("folder");
        QTest::newRow("file") << QStringLiteral("/home/me/pages/a.html") << QStringLiteral("/home/me/pages/");
        QTest::newRow("root") << QStringLiteral("/a.html") << QStringLiteral("/");
        QTest::newRow("empty") << QString() << QString();
    }
    void parentFolderOf()
    {
        QFETCH(QString, path);
        QFETCH(QString, folder);
        QCOMPARE(ParentFolderOf(path), folder);
    }

    void bytesToString()
    {
        QCOMPARE(BytesToString(QByteArray("Arial\0junk", 10)), QStringLiteral("Arial"));
        QCOMPARE(BytesToString(QByteArray("NoZero")), QStringLiteral("NoZero"));
        QCOMPARE(BytesToString(QByteArray("\0x", 2)), QString());
    }

    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("trailing blank") << QStringLiteral("7 ") << 7;
        QTest::newRow("leading blanks") << QStringLiteral("  12") << 12;
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("non-numeric") << QStringLiteral("abc") << 0;
        QTest::newRow("negative") << QStringLiteral("-1") << -1;
        QTest::newRow("digits then text") << QStringLiteral("31px") << 31;
        QTest::newRow("huge saturates") << QStringLiteral("99999999999") << INT_MAX;
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(LeadingNumber(text), value);
    }

    void deleteFileIfExists()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("qz78.html"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QFile::setPermissions(file, QFileDevice::ReadOwner);
        DeleteFileIfExists(file);
        QVERIFY(!QFileInfo::exists(file));
        DeleteFileIfExists(file); // absent: nothing happens, nothing reported

        // A link is removed itself; what it points at stays.
        const QString target = dir.filePath(QStringLiteral("keep.html"));
        QFile t(target);
        QVERIFY(t.open(QIODevice::WriteOnly));
        t.close();
        const QString link = dir.filePath(QStringLiteral("link.html"));
        QVERIFY(QFile::link(target, link));
        DeleteFileIfExists(link);
        QVERIFY(!QFileInfo(link).isSymLink());
        QVERIFY(QFileInfo::exists(target));
    }

    // A link planted at a stale preview's name: removed, and its target keeps its mode.
    void deleteNeverOpensUpALinkTarget_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::addColumn<int>("mode");
        QTest::newRow("read-only file") << false << 0444;
        QTest::newRow("read-only folder") << true << 0555;
    }
    void deleteNeverOpensUpALinkTarget()
    {
        QFETCH(bool, folder);
        QFETCH(int, mode);
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("target"));
        if (folder) {
            QVERIFY(QDir().mkdir(target));
        } else {
            QFile t(target);
            QVERIFY(t.open(QIODevice::WriteOnly));
        }
        QCOMPARE(::chmod(QFile::encodeName(target).constData(), mode_t(mode)), 0);
        const QString link = dir.filePath(QStringLiteral("qz125677.html"));
        QVERIFY(QFile::link(target, link));
        DeleteFileIfExists(link);
        struct stat st;
        QCOMPARE(::lstat(QFile::encodeName(link).constData(), &st), -1);
        QCOMPARE(::stat(QFile::encodeName(target).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 07777), mode);
        ::chmod(QFile::encodeName(target).constData(), 0755);
    }
};

QTEST_GUILESS_MAIN(TestHelpers)
#include "tst_helpers.moc"
