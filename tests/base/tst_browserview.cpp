#include "base/browserview.h"
#include "browserplugin.h"
#include "shell/aboutdialog.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <array>
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

    // A hostile page in a site under the home folder tries every way out. It gets its own site's files (its
    // folder and its siblings in the site) and nothing else: not a file above the site, hidden, reached through
    // a link or named by an absolute path, by no kind of request; and it cannot move the view to a local file.
    void pageSeesOnlyItsSite()
    {
        SKIP_WITHOUT_BROWSER();
        QTemporaryDir dir;
        const QString home = dir.filePath(QStringLiteral("home"));
        const QByteArray gif = QByteArray::fromBase64("R0lGODlhAQABAIAAAP///wAAACH5BAEAAAAALAAAAAABAAEAAAICRAEAOw==");
        const auto write = [&home](const QString& name, const QByteArray& bytes) {
            QDir().mkpath(QFileInfo(home + name).path());
            QFile f(home + name);
            return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
        };
        QVERIFY(write(QStringLiteral("/secret/s.gif"), gif));
        QVERIFY(write(QStringLiteral("/secret/x.js"), "console.log('leak');"));
        QVERIFY(write(QStringLiteral("/sites/other/o.gif"), gif));
        QVERIFY(write(QStringLiteral("/sites/site/own.gif"), gif));
        QVERIFY(write(QStringLiteral("/sites/site/own.js"), "var own = 1;"));
        QVERIFY(write(QStringLiteral("/sites/site/.hidden.gif"), gif));
        QVERIFY(QFile::link(home + QStringLiteral("/secret/x.js"), home + QStringLiteral("/sites/site/link.js")));
        const QString secret = home + QStringLiteral("/secret/s.gif");
        // name, kind, address, expected
        const QList<std::array<QString, 4>> probes{
            {"own", "img", "own.gif", "ok"},
            {"rooted", "img", "/site/own.gif", "ok"},
            {"sibling", "img", "../other/o.gif", "ok"},
            {"ownscript", "script", "own.js", "ok"},
            {"ownfetch", "fetch", "own.js", "refused"}, // opaque origins: no page reads even its own files
            {"up", "img", "../../secret/s.gif", "refused"},
            {"encoded", "img", "%2e%2e/%2e%2e/secret/s.gif", "refused"},
            {"hidden", "img", ".hidden.gif", "refused"},
            {"link", "script", "link.js", "refused"},
            {"absolute", "img", secret, "refused"},
            {"fileurl", "img", QUrl::fromLocalFile(secret).toString(), "refused"},
            {"passwd", "script", "/etc/passwd", "refused"},
            {"fetch", "fetch", "../../secret/x.js", "refused"},
            {"xhr", "xhr", "/etc/passwd", "refused"},
            {"frame", "iframe", QUrl::fromLocalFile(home + QStringLiteral("/secret/x.js")).toString(), "refused"},
        };
        QByteArray script = "function report(n, r) { console.log('probe ' + n + ':' + r); }\n";
        for (const auto& p : probes) {
            const QByteArray name = p[0].toUtf8(), kind = p[1].toUtf8(), url = p[2].toUtf8();
            if (kind == "img" || kind == "script")
                script += "(function() { var e = document.createElement('" + kind +
                          "'); e.onload = function() { "
                          "report('" +
                          name + "', 'ok'); }; e.onerror = function() { report('" + name +
                          "', 'refused'); }; e.src = '" + url + "'; document.body.appendChild(e); })();\n";
            else if (kind == "fetch")
                script += "fetch('" + url + "').then(function(r) { return r.text(); }).then(function() { report('" +
                          name + "', 'ok'); }, function() { report('" + name + "', 'refused'); });\n";
            else if (kind == "xhr")
                script += "try { var x = new XMLHttpRequest(); x.open('GET', '" + url +
                          "', false); x.send(); "
                          "report('" +
                          name + "', x.responseText.length ? 'ok' : 'refused'); } catch (e) { report('" + name +
                          "', 'refused'); }\n";
            else
                script += "(function() { var f = document.createElement('iframe'); f.src = '" + url +
                          "'; "
                          "document.body.appendChild(f); setTimeout(function() { var d = null; try { d = "
                          "f.contentDocument; } catch (e) {} report('" +
                          name +
                          "', d && d.body && "
                          "d.body.textContent.indexOf('leak') >= 0 ? 'ok' : 'refused'); }, 1500); })();\n";
        }
        // Last, the page tries to take the view to a local file; the view must stay on the page.
        script += "setTimeout(function() { location.href = '" + QUrl::fromLocalFile(secret).toEncoded() +
                  "'; }, 2000); setTimeout(function() { report('stayed', 'ok'); }, 3000);\n";
        QVERIFY(write(QStringLiteral("/sites/site/page.html"),
                      "<html><body><script>" + script + "</script></body></html>"));

        const QByteArray savedHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home));
        BrowserView view;
        QMap<QString, QString> seen;
        connect(&view, &BrowserView::ConsoleMessage, &view, [&seen](int, const QString& message) {
            const qsizetype colon = message.indexOf(u':');
            if (message.startsWith(QLatin1String("probe ")) && colon > 0)
                seen.insert(message.mid(6, colon - 6), message.mid(colon + 1));
        });
        view.NavigateFile(home + QStringLiteral("/sites/site/page.html"));
        qputenv("HOME", savedHome);
        QTRY_VERIFY_WITH_TIMEOUT(seen.contains(QStringLiteral("stayed")), 30000);
        QMap<QString, QString> expected{{QStringLiteral("stayed"), QStringLiteral("ok")}};
        for (const auto& p : probes)
            expected.insert(p[0], p[3]);
        QCOMPARE(seen, expected);
    }

    static qint64 ResidentKb()
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return 0;
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:"))
                return line.mid(6).trimmed().split(' ').constFirst().toLongLong();
        }
        return 0;
    }

    // A page's big files are read as the engine needs them, never held whole by the editor.
    void bigFilesAreStreamed()
    {
        SKIP_WITHOUT_BROWSER();
        QTemporaryDir dir;
        QFile big(dir.filePath(QStringLiteral("big.gif")));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(qint64(300) << 20));
        big.close();
        QFile page(dir.filePath(QStringLiteral("big.html")));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><body><script>var n = 0; function done() { if (++n == 3) console.log('all done'); }"
                   "</script>");
        for (int i = 0; i < 3; ++i)
            page.write("<img src='big.gif?" + QByteArray::number(i) + "' onload=done() onerror=done()>");
        page.write("</body></html>");
        page.close();
        BrowserView view;
        bool done = false;
        connect(&view, &BrowserView::ConsoleMessage, &view,
                [&done](int, const QString& message) { done = done || message == QLatin1String("all done"); });
        const qint64 before = ResidentKb();
        qint64 most = before;
        view.NavigateFile(page.fileName());
        QTRY_VERIFY_WITH_TIMEOUT((most = std::max(most, ResidentKb()), done), 120000);
        QVERIFY2(most - before < 200 * 1024, qPrintable(QStringLiteral("grew by %1 kB").arg(most - before)));
    }

    void aboutBoxShowsItsPage()
    {
        AboutDialog about;
        QCOMPARE(about.browser->CurrentUrl().toString(), QStringLiteral("qrc:/about/about.html"));
        QVERIFY(QFile::exists(QStringLiteral(":/about/about.html")));
    }
};

QTEST_MAIN(TestBrowserView)
#include "tst_browserview.moc"
