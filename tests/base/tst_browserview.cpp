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

    // Writes `bytes` as the page `name` in `dir`; "" when it cannot.
    static QString WritePage(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            return QString();
        return path;
    }

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
        const QString path = WritePage(dir, QStringLiteral("root.html"), "<html><body>root</body></html>");
        QVERIFY(!path.isEmpty());
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
        const QString path =
            WritePage(dir, QStringLiteral("p.html"),
                      "<html><head><meta http-equiv='Content-Type' content='text/html;charset=gb2312'></head>"
                      "<body>\xD6\xD0</body></html>");
        QVERIFY(!path.isEmpty());
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
        const QString path =
            WritePage(dir, QStringLiteral("e.html"),
                      "<html><body><script>console.log('ok'); undefinedFunction();</script></body></html>");
        QVERIFY(!path.isEmpty());
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

    // The page's own image, style sheet and script load; its scripts read no local file, not even one beside it.
    void pageReadsOnlyItsOwnResources_data()
    {
        QTest::addColumn<bool>("absolute");
        QTest::newRow("file URL") << true;
        QTest::newRow("file beside the page") << false;
    }
    void pageReadsOnlyItsOwnResources()
    {
        SKIP_WITHOUT_BROWSER();
        QFETCH(bool, absolute);
        QTemporaryDir dir;
        const auto write = [&dir](const char* name, const QByteArray& bytes) {
            QFile f(dir.filePath(QString::fromLatin1(name)));
            return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
        };
        QVERIFY(write("secret.txt", "secret"));
        QVERIFY(write("s.css", "p { width: 123px; }"));
        QVERIFY(write("s.js", "console.log('script');"));
        QVERIFY(write("i.gif", QByteArray::fromBase64("R0lGODlhAQABAIAAAP///wAAACH5BAEAAAAALAAAAAABAAEAAAICRAEAOw==")));
        const QByteArray secret = absolute ? QUrl::fromLocalFile(dir.filePath(QStringLiteral("secret.txt"))).toEncoded()
                                           : QByteArray("secret.txt");
        QVERIFY(write("p.html", "<html><head><link rel=stylesheet href=s.css><script src=s.js></script></head><body>"
                                "<p id=p>x</p><img src=i.gif onload=\"console.log('image')\">"
                                "<script>console.log('style ' + getComputedStyle(document.getElementById('p')).width);"
                                "var x = new XMLHttpRequest(); try { x.open('GET', '" +
                                    secret +
                                    "', false); x.send(); console.log('read ' + x.responseText); }"
                                    "catch (e) { console.log('refused'); }</script></body></html>"));
        BrowserView view;
        QStringList messages;
        connect(&view, &BrowserView::ConsoleMessage, &view,
                [&messages](int, const QString& message) { messages.append(message); });
        QSignalSpy loaded(&view, &BrowserView::LoadFinished);
        view.NavigateFile(dir.filePath(QStringLiteral("p.html")));
        QVERIFY(loaded.wait(60000));
        QTRY_VERIFY2_WITH_TIMEOUT(messages.contains(QStringLiteral("image")), qPrintable(messages.join(u'|')), 10000);
        QVERIFY2(messages.contains(QStringLiteral("script")), qPrintable(messages.join(u'|')));
        QVERIFY2(messages.contains(QStringLiteral("style 123px")), qPrintable(messages.join(u'|')));
        QVERIFY2(messages.contains(QStringLiteral("refused")), qPrintable(messages.join(u'|')));
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
