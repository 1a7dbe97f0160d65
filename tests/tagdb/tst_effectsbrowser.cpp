// Every statement, page effect and element effect of data.xml runs in the embedded browser without a script
// error: each goes into a GB2312 page the way the editor puts it there (statements in an onclick attribute, page
// effects right after the body tag with their onload code and body events, element effects before their
// element, or with the element missing), and a script at the end of the page fires the events the effects
// listen to, clicks what they created and lets their timers run. The browser's console errors fail the page.

#include <QDomDocument>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <numeric>

#include "base/browserview.h"
#include "effectdata.h"

using namespace effectdata;

namespace {

const QString SourceDir = QStringLiteral(KESTREL_SOURCE_DIR);
const QString PictureDir = SourceDir + QStringLiteral("/data/qzimg/");
constexpr int Views = 6;

struct Case
{
    QString name;
    QString body;    // attributes of the body tag
    QString markup;  // what stands right after the body tag
    QString content; // the page's own content after it
    bool started = false, poked = false, finished = false;
    QStringList errors;
};

// Modal boxes would stop the page: the effects' alert, confirm and prompt answer at once.
const char* Prelude = "<script>window.alert=function(){};window.confirm=function(){return true;};"
                      "window.prompt=function(a,b){return b===undefined?'':String(b);};"
                      "window.print=function(){};</script>";

QString Poke(int index)
{
    return QStringLiteral(R"(<script>
console.log('qz-check-started-%1');
window.addEventListener('load', function () {
  setTimeout(function () {
    var b = document.body, i, all;
    function mouse(t, x, y) { return new MouseEvent(t, { bubbles: true, cancelable: true, clientX: x, clientY: y }); }
    for (i = 0; i < 5; i++) { b.dispatchEvent(mouse('mousemove', 100 + i * 30, 100 + i * 20)); }
    window.scrollTo(0, 800);
    window.dispatchEvent(new Event('scroll'));
    b.dispatchEvent(mouse('click', 50, 50));
    b.dispatchEvent(mouse('dblclick', 50, 50));
    b.dispatchEvent(mouse('contextmenu', 60, 60));
    b.dispatchEvent(new Event('selectstart', { bubbles: true, cancelable: true }));
    b.dispatchEvent(new Event('dragstart', { bubbles: true, cancelable: true }));
    b.dispatchEvent(new Event('copy', { bubbles: true, cancelable: true }));
    all = document.querySelectorAll('body *');
    for (i = 0; i < all.length; i++) {
      var e = all[i];
      ['mouseenter', 'mouseover', 'mousedown', 'mousemove', 'mouseup', 'mouseleave', 'mouseout'].forEach(function (t) {
        e.dispatchEvent(mouse(t, 40, 40));
      });
      if (e.tagName !== 'A' && e.tagName !== 'SCRIPT' && (typeof e.onclick === 'function' || e.tagName === 'BUTTON' || e.id)) { e.click(); }
    }
    console.log('qz-check-poked-%1');
    setTimeout(function () { console.log('qz-check-done-%1'); }, 1200);
  }, 300);
});
</script>)")
        .arg(index);
}

QString PageText(const Case& c, int index)
{
    return QStringLiteral("<html>\r\n<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">"
                          "<title>效果</title>") +
           QLatin1String(Prelude) + QStringLiteral("</head>\r\n<body") + c.body + QStringLiteral(">\r\n") + c.markup +
           QStringLiteral("\r\n<p>正文<a href=\"#x\">链接</a></p>") + c.content +
           QStringLiteral("<div style=\"height:3000px\"></div>\r\n") + Poke(index) +
           QStringLiteral("\r\n</body></html>");
}

// The edge of what each parameter kind can hold: no colour, no picture, a text with quotes, 1pt, 10.
QStringList EdgeParams(const QDomElement& e)
{
    QStringList params;
    for (int k = 1; k <= 5; ++k) {
        const QString marker = Field(e, QStringLiteral("v%1").arg(2 * k)).left(2);
        params.append(marker == QLatin1String("3*")   ? QStringLiteral("It's \"ok\"")
                      : marker == QLatin1String("4*") ? QStringLiteral("1pt")
                      : marker == QLatin1String("5*") ? QStringLiteral("10")
                                                      : QString());
    }
    return params;
}

} // namespace

class TestEffectsBrowser : public QObject
{
    Q_OBJECT

    QList<Case> cases;
    bool engineFailed = false;
    QTemporaryDir dir;

    void AddCases(const QDomElement& root)
    {
        const QList<QDomElement> javas = Entries(root.firstChildElement(QStringLiteral("javas")));
        for (const QDomElement& e : javas) {
            Case c;
            c.name = QStringLiteral("javas ") + Field(e, QStringLiteral("title"));
            c.content = QStringLiteral("<form id=\"100\"><input id=\"100\" value=\"100\" onclick=\"") +
                        AssembleStatement(e, StatementArgs(e)) + QStringLiteral("\"></form>");
            cases.append(c);
        }
        const QList<QDomElement> javas1 = Entries(root.firstChildElement(QStringLiteral("javas1")));
        for (const QDomElement& e : javas1) {
            QString body;
            const QString start = Field(e, QStringLiteral("start")).trimmed();
            for (int j = 1; j <= 4; ++j)
                if (Has(e, QStringLiteral("b%1").arg(j)) && Has(e, QStringLiteral("a%1").arg(j)))
                    body += QLatin1Char(' ') + Field(e, QStringLiteral("b%1").arg(j)) + QStringLiteral("=\"") +
                            Field(e, QStringLiteral("a%1").arg(j)) + QLatin1Char('"');
            if (start > QLatin1String(" "))
                body += QStringLiteral(" onload=\"") + start + QLatin1Char('"');
            for (bool edge : {false, true}) {
                Case c;
                c.name = QStringLiteral("javas1 ") + Field(e, QStringLiteral("txt")) +
                         (edge ? QStringLiteral(" [edge values]") : QStringLiteral(" [defaults]"));
                c.body = body;
                c.markup = AssembleEffect(e, edge ? EdgeParams(e) : DefaultParams(e, PictureDir));
                cases.append(c);
            }
        }
        const QList<QDomElement> mytx = Entries(root.firstChildElement(QStringLiteral("mytx")));
        for (const QDomElement& e : mytx) {
            for (bool missing : {false, true}) {
                Case c;
                c.name = QStringLiteral("mytx ") + Field(e, QStringLiteral("txt")) +
                         (missing ? QStringLiteral(" [no element]") : QStringLiteral(" [my-box]"));
                const QString load = Field(e, QStringLiteral("load")).trimmed();
                if (!load.isEmpty())
                    c.body = QStringLiteral(" onload=\"") + FillPlaceholders(load, QStringLiteral("my-box")) +
                             QLatin1Char('"');
                c.markup = FillPlaceholders(Field(e, QStringLiteral("name")), QStringLiteral("my-box"));
                if (!missing)
                    c.content = QStringLiteral("<div id=\"my-box\">示例文字</div>");
                cases.append(c);
            }
        }
    }

    // Runs the pages on a few views at once; a page is finished when its check script says so, or two seconds
    // after it fired its events when it navigated away (statements that go to another page), or after 15 s.
    void RunAll(const QList<int>& which)
    {
        QList<BrowserView*> views;
        QEventLoop loop;
        QObject guard; // context of every connection and timer below: they end with this run
        int next = 0, running = 0;
        std::function<void(BrowserView*)> startNext;
        auto finish = [&](int index, BrowserView* view) {
            if (cases[index].finished)
                return;
            cases[index].finished = true;
            QObject::disconnect(view, nullptr, &guard, nullptr);
            --running;
            startNext(view);
        };
        startNext = [&](BrowserView* view) {
            if (next >= which.size()) {
                if (running == 0)
                    loop.quit();
                return;
            }
            const int index = which[next++];
            ++running;
            const QString path = dir.filePath(QStringLiteral("page%1.html").arg(index));
            QFile f(path);
            bool ok = false;
            const QByteArray bytes = ToGb2312(PageText(cases[index], index), &ok);
            if (!ok || !f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
                cases[index].errors << QStringLiteral("the page could not be written in GB2312");
                finish(index, view);
                return;
            }
            f.close();
            const QString tag = QStringLiteral("-%1").arg(index);
            connect(view, &BrowserView::ConsoleMessage, &guard,
                    [this, index, tag, view, &finish, &guard](int level, const QString& message, int line) {
                        Case& c = cases[index];
                        if (message == QStringLiteral("qz-check-started") + tag)
                            c.started = true;
                        else if (message == QStringLiteral("qz-check-poked") + tag) {
                            c.poked = true;
                            QTimer::singleShot(2000, &guard, [=, &finish] { finish(index, view); });
                        } else if (message == QStringLiteral("qz-check-done") + tag)
                            finish(index, view);
                        else if (level >= 2)
                            c.errors << QStringLiteral("%1 (line %2)").arg(message).arg(line);
                    });
            QTimer::singleShot(15000, &guard, [=, &finish] { finish(index, view); });
            view->NavigateFile(path);
            if (view->EngineFailed()) {
                engineFailed = true;
                finish(index, view);
            }
        };
        for (int i = 0; i < Views; ++i) {
            auto* view = new BrowserView;
            view->resize(1000, 700);
            view->show();
            views.append(view);
        }
        for (BrowserView* view : views)
            startNext(view);
        if (running > 0 || next < which.size())
            loop.exec();
        qDeleteAll(views);
    }

    // A page whose scripts never started on a loaded machine (a late navigation of the page before it on the same
    // view can replace it) gets one more run in a fresh view; a page that fails there fails.
    void RunAgainNotStarted()
    {
        QList<int> again;
        for (int i = 0; i < cases.size(); ++i)
            if (!cases[i].started) {
                cases[i].poked = cases[i].finished = false;
                cases[i].errors.clear();
                again.append(i);
            }
        if (!again.isEmpty() && !engineFailed)
            RunAll(again);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QDomDocument doc;
        QFile f(SourceDir + QStringLiteral("/data/data.xml"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(doc.setContent(&f));
        AddCases(doc.documentElement().firstChildElement(QStringLiteral("html")));
        QVERIFY(cases.size() >= 40 + 2 * 30 + 2 * 12);
        QElapsedTimer clock;
        clock.start();
        QList<int> all(cases.size());
        std::iota(all.begin(), all.end(), 0);
        RunAll(all);
        RunAgainNotStarted();
        int failed = 0;
        for (const Case& c : std::as_const(cases))
            failed += !c.started || !c.errors.isEmpty();
        qInfo("%lld pages in %.1f s, %d with a script error or not run", qint64(cases.size()), clock.elapsed() / 1000.0,
              failed);
    }

    void noScriptError_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < cases.size(); ++i)
            QTest::newRow(qPrintable(cases[i].name)) << i;
    }
    void noScriptError()
    {
        if (engineFailed)
            QSKIP("the browser plugin did not load");
        QFETCH(int, index);
        const Case& c = cases[index];
        QVERIFY2(c.started, "the page's scripts never ran");
        QVERIFY2(c.poked, "the page never finished loading");
        QVERIFY2(c.errors.isEmpty(), qPrintable(c.errors.join(QStringLiteral(" | "))));
    }
};

QTEST_MAIN(TestEffectsBrowser)
#include "tst_effectsbrowser.moc"
