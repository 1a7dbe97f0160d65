#include "programrun.h"
#include "shell/singleinstance.h"

#include <QLocalServer>
#include <QtTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// One editor per user: a later start hands its pages to the editor that runs (two real processes), and the
// socket decides who is first.
class TestSingleInstance : public QObject
{
    Q_OBJECT

    // A socket file nobody serves, as a killed editor leaves it.
    static bool MakeStaleSocket(const QString& path)
    {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        qstrncpy(addr.sun_path, name.constData(), sizeof addr.sun_path);
        const bool ok = ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
        ::close(fd);
        return ok && QFileInfo::exists(path);
    }

private Q_SLOTS:
    void claim_data()
    {
        QTest::addColumn<QString>("before"); // what is at the socket's place
        QTest::addColumn<int>("role");
        QTest::newRow("nothing there: first") << "nothing" << int(SingleInstance::First);
        QTest::newRow("socket left by a crash: first") << "stale" << int(SingleInstance::First);
        QTest::newRow("a plain file in the way: first") << "file" << int(SingleInstance::First);
        QTest::newRow("an editor serves it: another") << "served" << int(SingleInstance::Another);
    }
    void claim()
    {
        QFETCH(QString, before);
        QFETCH(int, role);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("editor.socket"));
        SingleInstance running(path);
        if (before == QLatin1String("stale"))
            QVERIFY(MakeStaleSocket(path));
        else if (before == QLatin1String("file"))
            QVERIFY(ProgramRun::WriteFile(path, "x"));
        else if (before == QLatin1String("served"))
            QCOMPARE(running.Claim(), SingleInstance::First);

        SingleInstance instance(path);
        QCOMPARE(int(instance.Claim()), role);
        // The first one serves, so that the next start finds it.
        QCOMPARE(instance.Listening(), role == SingleInstance::First);
        if (role == SingleInstance::First) {
            SingleInstance next(path);
            QCOMPARE(next.Claim(), SingleInstance::Another);
        }
    }

    void handOver_data()
    {
        QTest::addColumn<QStringList>("args");     // the second start's command line, run in the scratch folder
        QTest::addColumn<QStringList>("expected"); // the pages the first editor opens, newest first
        QTest::addColumn<bool>("firstWasKilled");  // a first editor was killed before, leaving its socket
        QTest::newRow("one page") << QStringList{"a.html"} << QStringList{"a.html"} << false;
        QTest::newRow("two pages, one in a subfolder")
            << QStringList{"a.html", "sub/b 页.html"} << QStringList{"sub/b 页.html", "a.html"} << false;
        QTest::newRow("after an editor was killed") << QStringList{"a.html"} << QStringList{"a.html"} << true;
    }
    void handOver()
    {
        QFETCH(QStringList, args);
        QFETCH(QStringList, expected);
        QFETCH(bool, firstWasKilled);
        ProgramRun run;
        QVERIFY(QDir(run.dir.path()).mkpath(QStringLiteral("sub")));
        for (const char* name : {"first.html", "a.html", "sub/b 页.html"})
            QVERIFY(ProgramRun::WriteFile(run.Path(QString::fromUtf8(name)), "<p>\r\n"));
        const QString first = run.Path(QStringLiteral("first.html"));

        if (firstWasKilled) {
            QProcess* killed = run.Start({first});
            QTRY_VERIFY_WITH_TIMEOUT(run.RecentFiles().contains(first), 20000);
            killed->kill();
            QVERIFY(killed->waitForFinished(10000));
            QVERIFY(run.Serving()); // the socket stays behind
            QFile::remove(run.SettingsFile());
        }
        // The first editor is up once it has opened its page.
        QProcess* editor = run.Start({first});
        QTRY_VERIFY_WITH_TIMEOUT(run.RecentFiles().contains(first), 20000);
        QCOMPARE(editor->state(), QProcess::Running);

        QProcess* second =
            run.Start(QStringLiteral(KESTREL_BUILD_DIR "/kestrel"), args, run.Environment(), run.dir.path());
        QVERIFY(second->waitForFinished(20000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);

        QStringList wanted;
        for (const QString& page : expected)
            wanted.append(run.Path(page));
        wanted.append(first);
        QTRY_COMPARE_WITH_TIMEOUT(run.RecentFiles(), wanted, 20000);
        QCOMPARE(editor->state(), QProcess::Running);
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
