#include "pagewindowfixture.h"
#include "shell/handoverqueue.h"
#include "shell/handoverreader.h"
#include "shell/singleinstance.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QScopeGuard>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <vector>

// Later starts handing pages to a frame that is full or filling: each start is served while a box is up (as a box's
// own event loop serves it), yet the pages wait their turn and a burst gets one message.
class TestHandOverQueue : public QObject
{
    Q_OBJECT

    PageWindowFixture f_;
    int depth_ = 0;   // boxes up at once
    int deepest_ = 0; // the most boxes up at once

private Q_SLOTS:
    void init()
    {
        f_.Start(false);
        depth_ = deepest_ = 0;
    }
    void cleanup() { f_.Stop(); }

    void burst_data()
    {
        QTest::addColumn<int>("open");     // pages open before the starts
        QTest::addColumn<int>("starts");   // later starts, one page each
        QTest::addColumn<int>("opened");   // pages they open
        QTest::addColumn<int>("messages"); // "too many pages" messages
        QTest::newRow("full, one start") << 8 << 1 << 0 << 1;
        QTest::newRow("full, a burst") << 8 << 100 << 0 << 1;
        QTest::newRow("one place left: the first opens, one message for the rest") << 7 << 100 << 1 << 1;
        QTest::newRow("room for all: no message") << 2 << 3 << 3 << 0;
    }
    void burst()
    {
        QFETCH(int, open);
        QFETCH(int, starts);
        QFETCH(int, opened);
        QFETCH(int, messages);
        const QString socket = f_.Path(QStringLiteral("editor.socket"));
        SingleInstance instance(socket);
        QCOMPARE(instance.Claim(), SingleInstance::First);
        // Counts a start before its pages are opened, so the box below knows when all have been served.
        QSignalSpy served(&instance, &SingleInstance::FilesArrived);
        HandOverQueue queue(*f_.frame);
        connect(&instance, &SingleInstance::FilesArrived, &queue, &HandOverQueue::Add);
        while (f_.frame->openPageCount < open)
            QVERIFY(f_.frame->OpenDocument(false, QString(), QString()));

        // A box runs the event loop until every start has been served.
        const auto answerNo = qScopeGuard(
            [this] { f_.prompts->SetResponder([](const MessageRecord&, QString&) { return MsgAnswer::No; }); });
        f_.prompts->SetResponder([this, &served, starts](const MessageRecord&, QString&) {
            deepest_ = std::max(deepest_, ++depth_);
            const QDeadlineTimer deadline(20000);
            while (served.count() < starts && !deadline.hasExpired())
                QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            --depth_;
            return MsgAnswer::Ok;
        });
        QStringList pages;
        for (int i = 0; i < starts; ++i) {
            pages.append(f_.Path(QStringLiteral("p%1.html").arg(i)));
            QVERIFY(f_.WriteFile(pages.back(), "<p>\n"));
        }
        // One start after another, as from a loop in a shell, going on while a box is up.
        std::vector<std::unique_ptr<QLocalSocket>> later;
        QTimer next;
        connect(&next, &QTimer::timeout, this, [&] {
            if (later.size() == size_t(starts))
                return next.stop();
            later.push_back(std::make_unique<QLocalSocket>());
            later.back()->connectToServer(socket);
            later.back()->write(HandOverReader::Encode({pages.at(later.size() - 1)}));
        });
        next.start(1);
        QTRY_COMPARE_WITH_TIMEOUT(served.count(), starts, 20000);

        QCOMPARE(deepest_, messages);
        QCOMPARE(f_.MessageTexts().count(QStringLiteral("文件太多了,请关闭其中的一个才能装入新的文件!!")), messages);
        QCOMPARE(f_.frame->openPageCount, open + opened);
        // In the order they came: the first start's page first.
        QStringList newestFirst = pages.first(opened);
        std::reverse(newestFirst.begin(), newestFirst.end());
        QCOMPARE(f_.frame->RecentFiles().first(opened), newestFirst);
    }
};

QTEST_MAIN(TestHandOverQueue)
#include "tst_handoverqueue.moc"
