#include "base/previewjournal.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The preview files a run lists: which of them the next start removes, and which it must leave to the user.
class TestPreviewJournal : public QObject
{
    Q_OBJECT

    static bool Write(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }
    static bool SetTime(const QString& path, qint64 seconds)
    {
        const struct timespec times[2] = {{seconds, 0}, {seconds, 0}};
        return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW) == 0;
    }

private Q_SLOTS:
    void sweep_data()
    {
        QTest::addColumn<QString>("after"); // what happens to the preview file once it is listed
        QTest::addColumn<bool>("removed");
        QTest::newRow("left as written") << "" << true;
        QTest::newRow("written again by the user") << "rewrite" << false;
        QTest::newRow("same size, another time") << "touch" << false;
        QTest::newRow("another file, same size and time") << "replace" << false;
        QTest::newRow("a symbolic link to it in its place") << "link" << false;
        QTest::newRow("a folder in its place") << "folder" << false;
        QTest::newRow("gone") << "delete" << false;
        QTest::newRow("removed by the program") << "discard" << false;
    }
    void sweep()
    {
        QFETCH(QString, after);
        QFETCH(bool, removed);
        QTemporaryDir dir;
        const QString preview = dir.filePath(QStringLiteral("site/qz78.html"));
        const QString aside = dir.filePath(QStringLiteral("aside.html"));
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("site"))));
        QVERIFY(Write(preview, "<p>preview</p>"));
        QVERIFY(SetTime(preview, 1700000000));
        const PreviewJournal journal(dir.filePath(QStringLiteral("data/previews.list")));
        journal.Add(preview);
        QCOMPARE(journal.List().size(), 1);

        if (after == QLatin1String("rewrite")) {
            QVERIFY(Write(preview, "<p>the user's</p>"));
        } else if (after == QLatin1String("touch")) {
            QVERIFY(SetTime(preview, 1700000001));
        } else if (after == QLatin1String("replace")) {
            // Same bytes, size and time, but not the file written.
            QVERIFY(Write(aside, "<p>preview</p>"));
            QVERIFY(SetTime(aside, 1700000000));
            QVERIFY(QFile::remove(preview));
            QVERIFY(QFile::rename(aside, preview));
        } else if (after == QLatin1String("link")) {
            QVERIFY(QFile::rename(preview, aside));
            QVERIFY(QFile::link(aside, preview));
        } else if (after == QLatin1String("folder")) {
            QVERIFY(QFile::remove(preview));
            QVERIFY(QDir().mkpath(preview));
        } else if (after == QLatin1String("delete")) {
            QVERIFY(QFile::remove(preview));
        } else if (after == QLatin1String("discard")) {
            journal.Discard(preview);
            QVERIFY(journal.List().isEmpty());
            QVERIFY(Write(preview, "<p>preview</p>")); // the user's file of that name, made later
            QVERIFY(SetTime(preview, 1700000000));
        }
        const bool there = QFileInfo(preview).exists() || QFileInfo(preview).isSymLink();

        QCOMPARE(journal.Sweep(), removed ? QStringList{preview} : QStringList());
        QCOMPARE(QFileInfo(preview).exists() || QFileInfo(preview).isSymLink(), there && !removed);
        if (after == QLatin1String("link"))
            QVERIFY(QFileInfo(aside).isFile()); // a link is not followed
        // The list is forgotten: a second start removes nothing.
        QVERIFY(journal.List().isEmpty());
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("data/previews.list"))));
    }

    // A name written again stands once, as last written; the others stay listed.
    void writtenAgain()
    {
        QTemporaryDir dir;
        const QString a = dir.filePath(QStringLiteral("qz78.html")), b = dir.filePath(QStringLiteral("qz125677.html"));
        const PreviewJournal journal(dir.filePath(QStringLiteral("previews.list")));
        QVERIFY(Write(a, "1"));
        journal.Add(a);
        QVERIFY(Write(b, "2"));
        journal.Add(b);
        QVERIFY(Write(a, "three"));
        journal.Add(a);
        const QList<PreviewFileEntry> listed = journal.List();
        QCOMPARE(listed.size(), 2);
        QCOMPARE(listed.at(0).path, b);
        QCOMPARE(listed.at(1).path, a);
        QCOMPARE(listed.at(1).size, 5);
        QCOMPARE(journal.Sweep(), (QStringList{b, a}));
    }

    // A name with spaces and non-ASCII characters is read back as it was written; a damaged list removes nothing.
    void listReadBack_data()
    {
        QTest::addColumn<QByteArray>("tail"); // appended to the list file
        QTest::addColumn<int>("entries");
        QTest::newRow("as written") << QByteArray() << 1;
        QTest::newRow("a broken line is passed over") << QByteArray("/x/qz78.html 1 2\n") << 1;
        QTest::newRow("a relative name is passed over") << QByteArray("qz78.html 1 2 3 4 5\n") << 1;
    }
    void listReadBack()
    {
        QFETCH(QByteArray, tail);
        QFETCH(int, entries);
        QTemporaryDir dir;
        const QString preview = dir.filePath(QStringLiteral("我的 网站/qz78.html"));
        QVERIFY(QDir().mkpath(QFileInfo(preview).absolutePath()));
        QVERIFY(Write(preview, "<p>x</p>"));
        const QString list = dir.filePath(QStringLiteral("previews.list"));
        PreviewJournal(list).Add(preview);
        QFile file(list);
        QVERIFY(file.open(QIODevice::Append));
        file.write(tail);
        file.close();
        const QList<PreviewFileEntry> listed = PreviewJournal(list).List();
        QCOMPARE(listed.size(), entries);
        QCOMPARE(listed.first().path, preview);
        QCOMPARE(PreviewJournal(list).Sweep(), QStringList{preview});
    }

    void noListKeepsNothing()
    {
        QTemporaryDir dir;
        const QString preview = dir.filePath(QStringLiteral("qz78.html"));
        QVERIFY(Write(preview, "x"));
        const PreviewJournal none{QString()};
        none.Add(preview);
        QVERIFY(none.List().isEmpty());
        QVERIFY(none.Sweep().isEmpty());
        QVERIFY(QFileInfo::exists(preview));
    }
};

QTEST_MAIN(TestPreviewJournal)
#include "tst_previewjournal.moc"
