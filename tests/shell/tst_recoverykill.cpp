#include "base/pagecodec.h"
#include "base/recoverystore.h"
#include "modaldriver.h"
#include "pagewindowfixture.h"
#include "programrun.h"
#include "shell/recoverydialog.h"
#include "shell/recoverykeeper.h"

#include <QRandomGenerator>
#include <QtTest>

// The real program is killed (SIGKILL) at a random moment while keys are typed into a page; the next start brings
// back the page as it was typed up to the journal's last whole record, byte for byte once saved.
// KESTREL_KILL_RUNS (10) and KESTREL_KILL_PAGE_MB (1) make it longer: 30 runs on a 100 MB page take some minutes.
class TestRecoveryKill : public QObject
{
    Q_OBJECT

    // What the program types (KESTREL_TEST_KEYS): "abc中文xyz" in turn, a Backspace in place of every seventh key,
    // from the page's start.
    static QString Typed(int keys)
    {
        const QString text = QStringLiteral("abc中文xyz");
        QString typed;
        for (int key = 0; key < keys; ++key) {
            if (key % 7 == 6)
                typed.chop(1);
            else
                typed += text.at(key % text.size());
        }
        return typed;
    }

    static QByteArray Page(int megabytes)
    {
        QByteArray line = PageCodec::ToGb18030(QStringLiteral("<p>一段用来测试恢复的文字, some words.</p>\r\n"));
        QByteArray page = "<html>\r\n<body>\r\n";
        page.reserve(megabytes * 1048576 + line.size());
        while (page.size() < megabytes * 1048576)
            page += line;
        return page + "</body>\r\n</html>\r\n";
    }

    static int Setting(const char* name, int usual)
    {
        bool ok = false;
        const int value = qEnvironmentVariableIntValue(name, &ok);
        return ok && value > 0 ? value : usual;
    }

    QByteArray original_;

private Q_SLOTS:
    void initTestCase() { original_ = Page(Setting("KESTREL_KILL_PAGE_MB", 1)); }

    // One row a run, each killed after its own random wait.
    void killedWhileTyping_data()
    {
        QTest::addColumn<int>("wait"); // ms after the first recovery write
        QRandomGenerator random(20261207);
        for (int run = 1, runs = Setting("KESTREL_KILL_RUNS", 10); run <= runs; ++run)
            QTest::addRow("run %d", run) << int(random.bounded(1500));
    }
    void killedWhileTyping()
    {
        QFETCH(int, wait);
        const QByteArray& original = original_;
        {
            ProgramRun program;
            const QString path = program.Path(QStringLiteral("page.html"));
            QVERIFY(ProgramRun::WriteFile(path, original));
            QProcessEnvironment env = program.Environment();
            env.insert(QStringLiteral("KESTREL_TEST_KEYS"), QStringLiteral("1000000"));
            env.insert(QStringLiteral("KESTREL_RECOVERY_INTERVAL"), QStringLiteral("100"));
            QProcess* editor = program.Start(QStringLiteral(KESTREL_BUILD_DIR "/kestrel"), {path}, env);
            const RecoveryStore store(program.RecoveryFolder());
            QTRY_VERIFY_WITH_TIMEOUT(!store.List().isEmpty(), 120000);
            QTest::qWait(wait);
            editor->kill();
            QVERIFY(editor->waitForFinished(10000));
            QCOMPARE(editor->exitStatus(), QProcess::CrashExit);

            // What the journal holds is what the program had typed when it last wrote.
            const QList<RecoveryEntry> left = store.List();
            QCOMPARE(left.size(), 1);
            RecoveryEntry entry;
            QVERIFY(store.Load(left.first().file, entry));
            QVERIFY(entry.journal);
            const int keys = int(entry.records.size());
            QVERIFY(keys > 0);

            PageWindowFixture f;
            f.Start(false);
            {
                RecoveryKeeper next(*f.frame, program.RecoveryFolder(), 3600 * 1000);
                OnNextModal<RecoveryDialog>([](RecoveryDialog* form) { form->accept(); });
                next.Offer(f.frame.get());
                PageWindow* page = f.frame->ActiveDocument();
                QVERIFY(page && page->filePath == path);
                QVERIFY(page->Save());
            }
            const QByteArray saved = f.ReadFile(path);
            const QByteArray expected = PageCodec::ToGb18030(Typed(keys)) + original;
            QVERIFY2(saved == expected, qPrintable(QStringLiteral("%1 keys, %2 bytes saved, %3 expected")
                                                       .arg(keys)
                                                       .arg(saved.size())
                                                       .arg(expected.size())));
            f.Stop();
            qInfo("killed %d ms after the first write: %d keys brought back", wait, keys);
        }
    }
};

QTEST_MAIN(TestRecoveryKill)
#include "tst_recoverykill.moc"
