// The shared preview pane: a run of RefreshSoon() calls writes the page once, after the pause; Refresh() writes
// at once and takes a pending refresh along; Blank() and a pause hold the page back.

#include "base/browserview.h"
#include "base/previewpane.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestPreviewPane : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pause_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("atOnce");    // pages written when the steps are done
        QTest::addColumn<int>("settled");   // pages written once nothing is pending
        QTest::addColumn<QString>("shown"); // "page", "blank" or "" (nothing navigated)
        QTest::newRow("a run of changes is written once") << QStringList(5, QStringLiteral("soon")) << 0 << 1 << "page";
        QTest::newRow("refresh writes at once") << QStringList{"refresh"} << 1 << 1 << "page";
        QTest::newRow("refresh takes the pending one along")
            << QStringList{"soon", "soon", "refresh"} << 1 << 1 << "page";
        QTest::newRow("blank drops what is pending") << QStringList{"soon", "blank"} << 0 << 0 << "blank";
        QTest::newRow("held back while paused") << QStringList{"pause", "soon", "refresh"} << 0 << 0 << "";
        QTest::newRow("released") << QStringList{"pause", "soon", "release", "soon", "soon"} << 0 << 1 << "page";
    }
    void pause()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, atOnce);
        QFETCH(int, settled);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        const QString scratch = dir.filePath(QStringLiteral("scratch.html"));
        int writes = 0;
        PreviewPane pane(
            QStringLiteral("预览"), scratch, [&writes] { return QStringLiteral("<p>%1</p>").arg(++writes); }, nullptr);
        for (const QString& step : std::as_const(steps)) {
            if (step == QLatin1String("soon"))
                pane.RefreshSoon();
            else if (step == QLatin1String("refresh"))
                pane.Refresh();
            else if (step == QLatin1String("blank"))
                pane.Blank();
            else
                pane.SetPaused(step == QLatin1String("pause"));
        }
        QCOMPARE(writes, atOnce);
        QTRY_VERIFY(!pane.RefreshPending());
        QCOMPARE(writes, settled);
        QFile page(scratch);
        if (settled > 0) {
            QVERIFY(page.open(QIODevice::ReadOnly));
            QCOMPARE(page.readAll(), QByteArray("<p>1</p>"));
        } else {
            QVERIFY(!page.exists());
        }
        const QUrl url = shown == QLatin1String("page")    ? QUrl::fromLocalFile(scratch)
                         : shown == QLatin1String("blank") ? QUrl(QStringLiteral("about:blank"))
                                                           : QUrl();
        QCOMPARE(pane.View()->CurrentUrl(), url);
    }
};

QTEST_MAIN(TestPreviewPane)
#include "tst_previewpane.moc"
