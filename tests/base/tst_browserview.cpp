#include "base/browserview.h"
#include "browserplugin.h"
#include "shell/aboutform.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

class TestBrowserView : public QObject
{
    Q_OBJECT

    static bool PluginBuilt()
    {
        for (const QString& folder : BrowserView::PluginFolders()) {
            if (QFileInfo::exists(folder + QStringLiteral("/kestrel_browser.so")))
                return true;
        }
        return false;
    }

private Q_SLOTS:
    // The engine in this process starts as the program starts it, without the test suite's own sandbox setting.
    void initTestCase()
    {
        qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
        QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
        flags.replace("--no-sandbox", "");
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
    }

    // Run as root (as on a fresh machine), the engine refuses to start with its sandbox on and would take the
    // whole editor down: the program switches the sandbox off itself. The first page of this process shows it.
    void pageShowsAsRoot()
    {
        if (::geteuid() != 0)
            QSKIP("only as root: for other users the engine keeps its sandbox");
        if (!PluginBuilt())
            QSKIP("the browser plugin is not built here");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("root.html"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<html><body>root</body></html>");
        f.close();
        BrowserView view;
        view.resize(300, 200);
        view.show();
        QSignalSpy loaded(&view, &BrowserView::LoadFinished);
        view.NavigateFile(path);
        QVERIFY(view.EngineLoaded());
        QVERIFY(!view.EngineFailed());
        QVERIFY(loaded.wait(60000));
        QCOMPARE(loaded.constFirst().constFirst().toBool(), true);
    }

    void blankPageNeedsNoEngine()
    {
        BrowserView view;
        view.NavigateBlank();
        QCOMPARE(view.CurrentUrl().toString(), QStringLiteral("about:blank"));
        QVERIFY(!view.EngineLoaded());
    }

    void localPageLoads()
    {
        SKIP_WITHOUT_BROWSER();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("p.html"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<html><head><meta http-equiv='Content-Type' content='text/html;charset=gb2312'></head>"
                "<body>\xD6\xD0</body></html>");
        f.close();
        BrowserView view;
        view.resize(300, 200);
        view.show();
        QSignalSpy loaded(&view, &BrowserView::LoadFinished);
        view.NavigateFile(path);
        QCOMPARE(view.CurrentUrl(), QUrl::fromLocalFile(path));
        QVERIFY2(view.EngineLoaded(), "the browser plugin did not load");
        QVERIFY(loaded.wait(60000));
        QCOMPARE(loaded.constFirst().constFirst().toBool(), true);
    }

    void scriptErrorsReachTheEditor()
    {
        SKIP_WITHOUT_BROWSER();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("e.html"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<html><body><script>console.log('ok'); undefinedFunction();</script></body></html>");
        f.close();
        BrowserView view;
        QSignalSpy console(&view, &BrowserView::ConsoleMessage);
        QSignalSpy loaded(&view, &BrowserView::LoadFinished);
        view.NavigateFile(path);
        QVERIFY(loaded.wait(60000));
        QTRY_VERIFY_WITH_TIMEOUT(console.size() >= 2, 10000);
        QCOMPARE(console.at(0).at(1).toString(), QStringLiteral("ok"));
        QCOMPARE(console.at(1).at(0).toInt(), 2);
        QVERIFY(console.at(1).at(1).toString().contains(QStringLiteral("undefinedFunction")));
    }

    void aboutBoxShowsItsPage()
    {
        AboutForm about;
        QCOMPARE(about.web1->CurrentUrl().toString(), QStringLiteral("qrc:/about/about.html"));
        QVERIFY(QFile::exists(QStringLiteral(":/about/about.html")));
    }
};

QTEST_MAIN(TestBrowserView)
#include "tst_browserview.moc"
