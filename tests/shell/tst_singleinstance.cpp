#include "programrun.h"
#include "shell/handoverreader.h"
#include "shell/singleinstance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QtEndian>
#include <QtTest>

#include <thread>

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

    static QByteArray Numbers(std::initializer_list<quint32> values)
    {
        QByteArray out;
        for (const quint32 value : values) {
            const quint32 big = qToBigEndian(value);
            out.append(reinterpret_cast<const char*>(&big), sizeof big);
        }
        return out;
    }
    // One path as a message carries it: its byte count, then its UTF-16.
    static QByteArray PathField(const QString& path) { return HandOverReader::Encode({path}).sliced(8); }
    // A message as QDataStream writes it, as starts of earlier versions send it.
    static QByteArray StreamMessage(const QStringList& paths)
    {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << HandOverReader::Magic << paths;
        return bytes;
    }
    // Sends `bytes` in pieces of `piece`, letting the editor read between them, then waits: "answered" when the
    // editor confirmed, "dropped" when the connection ended without an answer, "left open" when neither came.
    static QString Send(const QString& socket, const QByteArray& bytes, qsizetype piece, bool hangUp = false)
    {
        QLocalSocket sender;
        sender.connectToServer(socket);
        for (qsizetype at = 0; at < bytes.size(); at += piece) {
            sender.write(bytes.sliced(at, std::min(piece, bytes.size() - at)));
            sender.flush();
            QCoreApplication::processEvents();
        }
        if (hangUp)
            sender.disconnectFromServer();
        const QDeadlineTimer deadline(10000);
        while (sender.bytesAvailable() < 1 && sender.state() != QLocalSocket::UnconnectedState &&
               !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (sender.read(1) == "K")
            return QStringLiteral("answered");
        return sender.state() == QLocalSocket::UnconnectedState ? QStringLiteral("dropped")
                                                                : QStringLiteral("left open");
    }

    // The pages of a FilesArrived signal, "path" or "path@line".
    static QStringList Arrived(const QList<QVariant>& signal)
    {
        QStringList out;
        for (const PageRequest& page : signal.at(0).value<PageRequests>())
            out.append(page.line ? page.path + QLatin1Char('@') + QString::number(page.line) : page.path);
        return out;
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

    // A message is read as it comes, however it is cut up. What a start of ours never sends is dropped with its
    // connection before it is read to the end, and nothing of it arrives; the next start is served as ever.
    void message_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("piece");         // bytes written at a time
        QTest::addColumn<bool>("hangUp");       // the sender closes after its bytes
        QTest::addColumn<QStringList>("paths"); // what arrives; none: the message is dropped
        const quint32 magic = HandOverReader::Magic;
        const int whole = 1 << 30;
        const QString longest = QLatin1Char('/') + QString(HandOverReader::MostPathUnits - 1, QLatin1Char('p'));
        QStringList most;
        for (quint32 i = 0; i < HandOverReader::MostPaths; ++i)
            most.append(QStringLiteral("/p%1.html").arg(i));
        QByteArray tooBig = Numbers({magic, 1024});
        for (int i = 0; i < 1024; ++i)
            tooBig += PathField(QLatin1Char('/') + QString(3999, QLatin1Char('x')));
        const QStringList none;

        QTest::newRow("one page") << HandOverReader::Encode({"/a.html"}) << whole << false << QStringList{"/a.html"};
        QTest::newRow("two pages, a byte at a time") << HandOverReader::Encode({"/a.html", "/sub/b 页.html"}) << 1
                                                     << false << QStringList{"/a.html", "/sub/b 页.html"};
        QTest::newRow("written by QDataStream, in threes")
            << StreamMessage({"/网页/首页.html"}) << 3 << false << QStringList{"/网页/首页.html"};
        QTest::newRow("the longest path") << HandOverReader::Encode({longest}) << 4096 << false << QStringList{longest};
        QTest::newRow("the most paths") << StreamMessage(most) << 65536 << false << most;
        QTest::newRow("pages at lines, a byte at a time")
            << HandOverReader::EncodePages(PageRequests{{"/a.html", 120}, {"/b.html", 0}, {"/c.html", 1}}) << 1 << false
            << QStringList{"/a.html@120", "/b.html", "/c.html@1"};
        QTest::newRow("pages without lines go as before")
            << HandOverReader::EncodePages(PageRequests{{"/a.html", 0}}) << whole << false << QStringList{"/a.html"};

        QTest::newRow("garbage") << QByteArray("GET / HTTP/1.0\r\n\r\n") << whole << false << none;
        QTest::newRow("four thousand million paths") << Numbers({magic, 0xFFFFFFF0}) << whole << false << none;
        QTest::newRow("one path more than the most")
            << Numbers({magic, HandOverReader::MostPaths + 1}) << whole << false << none;
        QTest::newRow("a path of 400 MB") << Numbers({magic, 1, 400 * 1024 * 1024}) << whole << false << none;
        QTest::newRow("a path one unit too long")
            << Numbers({magic, 1}) + PathField(longest + QLatin1Char('p')) << whole << false << none;
        QTest::newRow("a null path") << Numbers({magic, 1, 0xFFFFFFFF}) << whole << false << none;
        QTest::newRow("an odd byte count") << Numbers({magic, 1, 3}) + "/xa" << whole << false << none;
        QTest::newRow("a relative path") << Numbers({magic, 1}) + PathField(QStringLiteral("../a.html")) << whole
                                         << false << none;
        QTest::newRow("8 MB of paths") << tooBig << whole << false << none;
        QTest::newRow("bytes after the message") << HandOverReader::Encode({"/a.html"}) + "x" << whole << false << none;
        QTest::newRow("a line past the largest")
            << Numbers({HandOverReader::MagicWithLines, 1, 0x80000000}) + PathField(QStringLiteral("/a.html")) << whole
            << false << none;
        QTest::newRow("a line, then a relative path")
            << Numbers({HandOverReader::MagicWithLines, 1, 3}) + PathField(QStringLiteral("a.html")) << whole << false
            << none;
        QTest::newRow("cut off, the sender gone")
            << HandOverReader::Encode({"/a.html"}).chopped(3) << whole << true << none;
    }
    void message()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, piece);
        QFETCH(bool, hangUp);
        QFETCH(QStringList, paths);
        QTemporaryDir dir;
        const QString socket = dir.filePath(QStringLiteral("editor.socket"));
        SingleInstance instance(socket);
        QCOMPARE(instance.Claim(), SingleInstance::First);
        QSignalSpy arrived(&instance, &SingleInstance::FilesArrived);

        QCOMPARE(Send(socket, bytes, piece, hangUp), paths.isEmpty() ? "dropped" : "answered");
        QTRY_COMPARE(arrived.size(), paths.isEmpty() ? 0 : 1);
        if (!paths.isEmpty())
            QCOMPARE(Arrived(arrived.takeFirst()), paths);

        QCOMPARE(Send(socket, HandOverReader::Encode({"/b.html"}), 1000), "answered");
        QTRY_COMPARE(arrived.size(), 1);
        QCOMPARE(Arrived(arrived.at(0)), QStringList{"/b.html"});
    }

    // An editor of an earlier version drops a message with lines unread: the start sends it the pages alone, and
    // an editor of ours takes the lines at once.
    void olderEditorGetsThePagesAlone_data()
    {
        QTest::addColumn<bool>("older");
        QTest::addColumn<QStringList>("received");
        QTest::addColumn<int>("connections");
        QTest::newRow("older editor") << true << QStringList{"/a.html", "/b.html"} << 2;
        QTest::newRow("editor of ours") << false << QStringList{"/a.html@120", "/b.html"} << 1;
    }
    void olderEditorGetsThePagesAlone()
    {
        QFETCH(bool, older);
        QFETCH(QStringList, received);
        QFETCH(int, connections);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("editor.socket"));
        QStringList got;
        int connected = 0;
        std::atomic<bool> listening = false;
        // Served in a thread of its own: the start waits for the answer without running an event loop.
        std::thread editor([&] {
            QLocalServer server;
            listening = server.listen(path);
            while (got.isEmpty() && server.waitForNewConnection(10000)) {
                QLocalSocket* client = server.nextPendingConnection();
                ++connected;
                HandOverReader reader;
                bool first = true;
                while (reader.State() == HandOverReader::Reading && client->waitForReadyRead(10000)) {
                    const QByteArray bytes = client->readAll();
                    if (older && std::exchange(first, false) && !bytes.startsWith(Numbers({HandOverReader::Magic})))
                        break;
                    reader.Feed(bytes);
                }
                if (reader.State() != HandOverReader::Done) {
                    client->abort();
                    continue;
                }
                for (const PageRequest& page : reader.Pages())
                    got.append(page.line ? page.path + QLatin1Char('@') + QString::number(page.line) : page.path);
                client->write("K");
                client->waitForBytesWritten(5000);
            }
        });
        QTRY_VERIFY(listening);
        SingleInstance start(path);
        QCOMPARE(start.Claim(), SingleInstance::Another);
        const bool handed = start.HandOver({{"/a.html", 120}, {"/b.html", 0}});
        editor.join();
        QVERIFY(handed);
        QCOMPARE(got, received);
        QCOMPARE(connected, connections);
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

    // The real editor, sent bytes that announce four thousand million paths and then a 400 MB path, goes on and
    // takes the next start's page.
    void staysUp()
    {
        ProgramRun run;
        const QString first = run.Path(QStringLiteral("first.html")), page = run.Path(QStringLiteral("a.html"));
        QVERIFY(ProgramRun::WriteFile(first, "<p>\r\n"));
        QVERIFY(ProgramRun::WriteFile(page, "<p>\r\n"));
        QProcess* editor = run.Start({first});
        QTRY_VERIFY_WITH_TIMEOUT(run.RecentFiles().contains(first), 20000);
        for (const QByteArray& bytes :
             {Numbers({HandOverReader::Magic, 0xFFFFFFF0}), Numbers({HandOverReader::Magic, 1, 400 * 1024 * 1024})}) {
            QLocalSocket sender;
            sender.connectToServer(run.Path(QStringLiteral("runtime/editor.socket")));
            QVERIFY(sender.waitForConnected(5000));
            sender.write(bytes);
            QVERIFY(sender.waitForBytesWritten(5000));
            // Dropped at once: nothing more is waited for.
            QVERIFY(sender.state() == QLocalSocket::UnconnectedState || sender.waitForDisconnected(5000));
        }
        QProcess* later = run.Start({page});
        QVERIFY(later->waitForFinished(20000));
        QCOMPARE(later->exitCode(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(run.RecentFiles(), (QStringList{page, first}), 20000);
        QCOMPARE(editor->state(), QProcess::Running);
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
