#include "base/recoverystore.h"
#include "base/programstate.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(PageEncoding)

// Recovery files: what goes in comes back, damaged files are passed over; the data and pages folders.
class TestRecoveryStore : public QObject
{
    Q_OBJECT

    static PageEncoding Encoding(PageEncoding::Codec codec, bool bom, PageEncoding::LineEnd end)
    {
        PageEncoding e;
        e.codec = codec;
        e.bom = bom;
        e.lineEnd = end;
        return e;
    }
    static bool Write(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }

private Q_SLOTS:
    void roundTrip_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::addColumn<PageEncoding>("encoding");
        QTest::addColumn<QString>("text");
        QTest::newRow("untitled page") << QString() << QStringLiteral("无标题0")
                                       << Encoding(PageEncoding::Gb18030, false, PageEncoding::CrLf)
                                       << QStringLiteral("<html>\n<body>中文\n</body>\n</html>");
        QTest::newRow("path with blanks, percent and a line break")
            << QStringLiteral("/home/me/我的 网页/100%\n\nx.html")
            << QStringLiteral("/home/me/我的 网页/100%\n\nx.html")
            << Encoding(PageEncoding::Utf8, true, PageEncoding::Lf) << QStringLiteral("a\n\nb");
        QTest::newRow("empty text, CR line ends") << QStringLiteral("/p.htm") << QStringLiteral("/p.htm")
                                                  << Encoding(PageEncoding::Utf8, false, PageEncoding::Cr) << QString();
        QTest::newRow("text that looks like a header")
            << QStringLiteral("/p.html") << QStringLiteral("/p.html")
            << Encoding(PageEncoding::Gb18030, false, PageEncoding::Lf)
            << QStringLiteral("\n\nKESTREL-RECOVERY 1\npath /etc/passwd\n\n\U0001F600");
        QTest::newRow("Big5 page with lines of their own breaks")
            << QStringLiteral("/b.html") << QStringLiteral("/b.html")
            << Encoding(PageEncoding::Big5, false, PageEncoding::CrLf) << QStringLiteral("中\r\n文\nx\r\r\n");
    }
    void roundTrip()
    {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QFETCH(PageEncoding, encoding);
        QFETCH(QString, text);
        RecoveryEntry entry;
        entry.path = path;
        entry.name = name;
        entry.encoding = encoding;
        entry.text = text;
        entry.ownBreaks = text.contains(QLatin1Char('\r'));
        entry.time = QDateTime(QDate(2026, 12, 7), QTime(15, 30, 12, 345), Qt::UTC);

        RecoveryEntry back;
        QVERIFY(RecoveryStore::Decode(RecoveryStore::Encode(entry), back));
        QCOMPARE(back.path, path);
        QCOMPARE(back.name, name);
        QCOMPARE(back.text, text);
        QCOMPARE(back.time, entry.time);
        QVERIFY(back.encoding == encoding);
        QCOMPARE(back.ownBreaks, entry.ownBreaks);

        // Through the folder: listed without its text, loaded with it.
        QTemporaryDir dir;
        const RecoveryStore store(dir.filePath(QStringLiteral("recovery")));
        const QString file = RecoveryStore::NewFileName();
        QVERIFY(store.Write(file, entry));
        const QList<RecoveryEntry> listed = store.List();
        QCOMPARE(listed.size(), 1);
        QCOMPARE(listed.first().file, file);
        QCOMPARE(listed.first().path, path);
        QCOMPARE(listed.first().text, QString());
        RecoveryEntry loaded;
        QVERIFY(store.Load(file, loaded));
        QCOMPARE(loaded.text, text);
        // The user's pages are the user's alone.
        QCOMPARE(QFile::permissions(store.Folder()) & 0x0077, QFile::Permissions());
        QCOMPARE(QFile::permissions(QDir(store.Folder()).filePath(file)) & 0x0077, QFile::Permissions());
        store.Remove(file);
        QVERIFY(store.List().isEmpty());
    }

    // The document's lines, parted by U+2029, get each its own break back.
    void putBreaks_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QByteArray>("kinds");
        QTest::addColumn<int>("usual");
        QTest::addColumn<QString>("text");
        const QString raw = QStringLiteral("a\u2029中\u2029\u2029z");
        QTest::newRow("all usual CR LF") << raw << QByteArray() << int(PageEncoding::CrLf) << "a\r\n中\r\n\r\nz";
        QTest::newRow("mixed") << raw << QByteArray("\0nr", 3) << int(PageEncoding::CrLf) << "a\r\n中\n\rz";
        QTest::newRow("CR LF lines in an LF page") << raw << QByteArray("c\0c", 3) << int(PageEncoding::Lf)
                                                << "a\r\n中\n\r\nz";
        QTest::newRow("fewer kinds than breaks") << raw << QByteArray("r") << int(PageEncoding::Lf) << "a\r中\n\nz";
        QTest::newRow("one line") << QStringLiteral("x") << QByteArray("c") << int(PageEncoding::Cr) << "x";
        QTest::newRow("ends with a break") << QStringLiteral("x\u2029") << QByteArray() << int(PageEncoding::Cr)
                                           << "x\r";
    }
    void putBreaks()
    {
        QFETCH(QString, raw);
        QFETCH(QByteArray, kinds);
        QFETCH(int, usual);
        QFETCH(QString, text);
        RecoveryStore::PutBreaks(raw, kinds, PageEncoding::LineEnd(usual));
        QCOMPARE(raw, text);
    }

    void damaged_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = "KESTREL-RECOVERY 1\npath %2Fa.html\nname %2Fa.html\ntime 2026-12-07T15:30:12.000Z\n"
                                "encoding GB18030\nlineend CRLF\n\ntext";
        QTest::newRow("good, as the others are made from") << good;
        QTest::newRow("another program's file") << QByteArray("<html>\n\n</html>");
        QTest::newRow("cut off inside the header") << good.left(40);
        QTest::newRow("another version") << QByteArray(good).replace("RECOVERY 1", "RECOVERY 2");
        QTest::newRow("no time") << QByteArray(good).replace("time 2026-12-07T15:30:12.000Z\n", "");
        QTest::newRow("unknown encoding") << QByteArray(good).replace("GB18030", "KOI8-R");
        QTest::newRow("unknown line end") << QByteArray(good).replace("CRLF", "NEL");
        QTest::newRow("no path field") << QByteArray(good).replace("path %2Fa.html\n", "");
    }
    void damaged()
    {
        QFETCH(QByteArray, bytes);
        const bool isGood = QByteArray(QTest::currentDataTag()).startsWith("good");
        RecoveryEntry entry;
        QCOMPARE(RecoveryStore::Decode(bytes, entry), isGood);
        // Listing passes over what does not decode and over files of other names.
        QTemporaryDir dir;
        QVERIFY(Write(dir.filePath(QStringLiteral("x") + QLatin1String(RecoveryStore::Suffix)), bytes));
        QVERIFY(Write(dir.filePath(QStringLiteral("notes.txt")), "KESTREL"));
        QCOMPARE(RecoveryStore(dir.path()).List().size(), isGood ? 1 : 0);
    }

    void dataFolder_data()
    {
        QTest::addColumn<QStringList>("files"); // relative to the scratch folder; the program is in prefix/bin
        QTest::addColumn<QString>("expected");
        QTest::newRow("build tree: beside the program")
            << QStringList{"prefix/bin/data.xml", "prefix/share/kestrel/data.xml"} << "prefix/bin/";
        QTest::newRow("installed: share/kestrel")
            << QStringList{"prefix/share/kestrel/data.xml"} << "prefix/share/kestrel/";
        QTest::newRow("neither: the program folder, where it is missed")
            << QStringList{"prefix/share/kestrel/readme.html"} << "prefix/bin/";
        QTest::newRow("a folder named data.xml is no database")
            << QStringList{"prefix/bin/data.xml/", "prefix/share/kestrel/data.xml"} << "prefix/share/kestrel/";
    }
    void dataFolder()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("prefix/bin")));
        for (const QString& f : files) {
            if (f.endsWith(QLatin1Char('/'))) {
                QVERIFY(QDir(dir.path()).mkpath(f));
                continue;
            }
            QVERIFY(QDir(dir.path()).mkpath(QFileInfo(f).path()));
            QVERIFY(Write(dir.filePath(f), "<d/>"));
        }
        const QString program = dir.filePath(QStringLiteral("prefix/bin"));
        QCOMPARE(ProgramState::DataFolder(program), dir.filePath(expected));
        const ProgramState shared(program);
        QCOMPARE(shared.DataFile, dir.filePath(expected) + QStringLiteral("data.xml"));
        QCOMPARE(shared.HelpFile, dir.filePath(expected) + QStringLiteral("readme.html"));
    }

    void pagesFolder_data()
    {
        QTest::addColumn<QString>("userDirs"); // user-dirs.dirs, "" for none
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Documents in home") << QString() << QStringList{"home/Documents"} << "home/Documents/";
        QTest::newRow("no documents folder: home") << QString() << QStringList{} << "home/";
        QTest::newRow("documents folder of the user's own naming")
            << QStringLiteral("XDG_DOCUMENTS_DIR=\"$HOME/文档\"\n") << QStringList{"home/文档", "home/Documents"}
            << "home/文档/";
    }
    void pagesFolder()
    {
        QFETCH(QString, userDirs);
        QFETCH(QStringList, folders);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("home")));
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("config")));
        for (const QString& f : folders)
            QVERIFY(QDir(dir.path()).mkpath(f));
        if (!userDirs.isEmpty())
            QVERIFY(Write(dir.filePath(QStringLiteral("config/user-dirs.dirs")), userDirs.toUtf8()));
        qputenv("HOME", QFile::encodeName(dir.filePath(QStringLiteral("home"))));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config"))));
        const QString folder = ProgramState::PagesFolder();
        qputenv("HOME", home);
        qputenv("XDG_CONFIG_HOME", config);
        QCOMPARE(folder, dir.filePath(expected));
    }
};

QTEST_GUILESS_MAIN(TestRecoveryStore)
#include "tst_recoverystore.moc"
