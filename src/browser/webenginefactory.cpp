#include "base/browserplugin.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QOpenGLContext>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>
#include <QWebEngineView>

#include <cerrno>
#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

// The web engine renders through a context shared with Qt's global one. The editor does not create that context
// at start-up (it would load the GL stack for nothing), so the plugin makes it the first time it is loaded.
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();
QT_END_NAMESPACE

namespace {

// Local pages are shown through a scheme of their own whose documents have opaque origins (as sandboxed frames
// do), so a previewed page's scripts can read no local file (file:///etc/passwd, nor a file beside it), while
// its images, style sheets and scripts load as they would from a file. With file URLs closed to local content
// the engine would not load those at all.
const QByteArray PageScheme = QByteArrayLiteral("kestrel-page");

class PageSchemeHandler : public QWebEngineUrlSchemeHandler
{
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;
    void requestStarted(QWebEngineUrlRequestJob* job) override
    {
        if (job->requestMethod() != "GET") {
            job->fail(QWebEngineUrlRequestJob::RequestDenied);
            return;
        }
        const QString path = job->requestUrl().path();
        QFile file(path);
        if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        auto* body = new QBuffer(job);
        body->setData(file.readAll());
        body->open(QIODevice::ReadOnly);
        // No charset: the engine reads a page's own declaration, as it does for a file.
        job->reply(QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension).name().toUtf8(), body);
    }
};

QUrl ShownUrl(const QUrl& url)
{
    if (!url.isLocalFile())
        return url;
    QUrl shown = url;
    shown.setScheme(QString::fromLatin1(PageScheme));
    shown.setHost(QString());
    return shown;
}

// Passes what the page's scripts write to the console on to the editor.
class ConsolePage : public QWebEnginePage
{
public:
    ConsolePage(BrowserPage* owner, QObject* parent) : QWebEnginePage(parent), owner_(owner) {}

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int line,
                                  const QString&) override
    {
        if (owner_->ConsoleMessage)
            owner_->ConsoleMessage(int(level), message, line);
    }

private:
    BrowserPage* owner_;
};

class WebEnginePage : public BrowserPage
{
public:
    explicit WebEnginePage(QWidget* parent) : view_(new QWebEngineView(parent))
    {
        static PageSchemeHandler* handler = [] {
            auto* h = new PageSchemeHandler(QCoreApplication::instance());
            QWebEngineProfile::defaultProfile()->installUrlSchemeHandler(PageScheme, h);
            return h;
        }();
        Q_UNUSED(handler);
        view_->setPage(new ConsolePage(this, view_));
        view_->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
        QObject::connect(view_, &QWebEngineView::loadFinished, view_, [this](bool ok) {
            if (LoadFinished)
                LoadFinished(ok);
        });
    }
    QWidget* Widget() override { return view_; }
    void Navigate(const QUrl& url) override { view_->load(ShownUrl(url)); }
    QPointF ScrollPosition() const override { return view_->page()->scrollPosition(); }

private:
    QWebEngineView* view_;
};

bool SandboxSwitchedOff()
{
    return qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX") ||
           qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS").contains(QLatin1String("--no-sandbox")) ||
           QCoreApplication::arguments().contains(QLatin1String("--no-sandbox"));
}

// The engine's sandbox puts each page process into a user namespace of its own. Where the system allows none,
// the engine ends the whole program when it starts; a child process tries it first.
bool UserNamespacesAllowed()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(::unshare(CLONE_NEWUSER) == 0 ? 0 : 1);
    if (child < 0)
        return false;
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Whether the engine can start in this process; settles its sandbox the first time it is asked.
bool EngineCanStart()
{
    static const bool can = [] {
        // As root the engine will not start with its sandbox, and quits the whole program when asked to: here
        // the sandbox goes, for this process only and only as root.
        if (::geteuid() == 0) {
            qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
            return true;
        }
        return SandboxSwitchedOff() || UserNamespacesAllowed();
    }();
    return can;
}

} // namespace

class WebEngineFactory : public QObject, public BrowserFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KestrelBrowserFactory_iid)
    Q_INTERFACES(BrowserFactory)

public:
    WebEngineFactory()
    {
        // Before any class of the engine exists.
        QWebEngineUrlScheme scheme(PageScheme);
        scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
        scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::NoAccessAllowed);
        QWebEngineUrlScheme::registerScheme(scheme);
        if (!qt_gl_global_share_context()) {
            // Lives as long as the process, like the context Qt itself would have made.
            auto* context = new QOpenGLContext;
            context->create();
            qt_gl_set_global_share_context(context);
        }
    }
    // Null when the engine cannot start here: the editor then says so in place of the page and carries on.
    BrowserPage* CreatePage(QWidget* parent) override { return EngineCanStart() ? new WebEnginePage(parent) : nullptr; }
};

#include "webenginefactory.moc"
