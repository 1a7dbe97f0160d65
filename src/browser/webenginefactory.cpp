#include "base/browserplugin.h"
#include "base/siteaccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMimeDatabase>
#include <QOpenGLContext>
#include <QRandomGenerator>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
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

// Local pages are shown through a scheme of their own, kestrel-page://SITE/path, whose documents have opaque
// origins (as sandboxed frames do). SITE is a random name standing for the page's site folder (SiteAccess), so
// a page's addresses behave as on a web server rooted there: "../" stops at the site, "/img/a.gif" is the
// site's, and no page can name another site's files. Local file URLs stay closed to pages.
const QByteArray PageScheme = QByteArrayLiteral("kestrel-page");

QHash<QString, SiteAccess::Site>& Sites()
{
    static QHash<QString, SiteAccess::Site> sites;
    return sites;
}

QStringList& SharedFolders()
{
    static QStringList folders;
    return folders;
}

QString SiteName(const SiteAccess::Site& site)
{
    for (auto it = Sites().cbegin(); it != Sites().cend(); ++it) {
        if (it.value() == site)
            return it.key();
    }
    quint64 bits[2];
    QRandomGenerator::system()->fillRange(bits);
    const QString name = QString::number(bits[0], 16) + QString::number(bits[1], 16);
    Sites().insert(name, site);
    return name;
}

class PageSchemeHandler : public QWebEngineUrlSchemeHandler
{
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;
    void requestStarted(QWebEngineUrlRequestJob* job) override
    {
        const QUrl url = job->requestUrl();
        const auto site = Sites().constFind(url.host());
        if (job->requestMethod() != "GET" || site == Sites().cend()) {
            job->fail(QWebEngineUrlRequestJob::RequestDenied);
            return;
        }
        const QString path = SiteAccess::Resolve(*site, url.path(QUrl::FullyDecoded), SharedFolders());
        const int fd = path.isEmpty() ? -1 : SiteAccess::OpenRegular(path);
        if (fd < 0) {
            job->fail(path.isEmpty() ? QWebEngineUrlRequestJob::RequestDenied : QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        // Read by the engine as it needs it: a big file is never held whole.
        auto* body = new QFile(job);
        body->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
        // No charset: the engine reads a page's own declaration, as it does for a file.
        job->reply(QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension).name().toUtf8(), body);
    }
};

QUrl ShownUrl(const QUrl& url)
{
    if (!url.isLocalFile())
        return url;
    const QString path = url.toLocalFile();
    const SiteAccess::Site site = SiteAccess::SiteOf(QFileInfo(path).path(), QDir::homePath());
    QUrl shown = url;
    shown.setScheme(QString::fromLatin1(PageScheme));
    shown.setHost(SiteName(site));
    shown.setPath(SiteAccess::RelativePath(site, path));
    return shown;
}

// Passes what the page's scripts write to the console on to the editor.
class ConsolePage : public QWebEnginePage
{
public:
    ConsolePage(BrowserPage* owner, QObject* parent) : QWebEnginePage(parent), owner_(owner) {}
    void SetSite(const QString& name) { site_ = name; }

protected:
    // A page moves only within its own site: no other site's address and no local file.
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool) override
    {
        if (url.scheme() == QLatin1String(PageScheme))
            return url.host() == site_;
        return !url.isLocalFile();
    }

    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int line,
                                  const QString&) override
    {
        if (owner_->ConsoleMessage)
            owner_->ConsoleMessage(int(level), message, line);
    }

private:
    BrowserPage* owner_;
    QString site_;
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
        page_ = new ConsolePage(this, view_);
        view_->setPage(page_);
        view_->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
        // A page loading never takes the keyboard from the window's fields.
        view_->settings()->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
        // The page is set up now rather than on its first load, so the view's drawing surface is there before the
        // window holding it goes on screen (see BrowserView::PrepareEngine). Stopping loads nothing.
        page_->triggerAction(QWebEnginePage::Stop);
        QObject::connect(view_, &QWebEngineView::loadFinished, view_, [this](bool ok) {
            if (LoadFinished)
                LoadFinished(ok);
        });
    }
    QWidget* Widget() override { return view_; }
    void Navigate(const QUrl& url) override
    {
        const QUrl shown = ShownUrl(url);
        page_->SetSite(shown.scheme() == QLatin1String(PageScheme) ? shown.host() : QString());
        view_->load(shown);
    }
    QPointF ScrollPosition() const override { return view_->page()->scrollPosition(); }
    void RunScript(const QString& script) override { page_->runJavaScript(script, QWebEngineScript::ApplicationWorld); }

private:
    QWebEngineView* view_;
    ConsolePage* page_ = nullptr;
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
        scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
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
    void SetSharedFolders(const QStringList& folders) override { SharedFolders() = folders; }
};

#include "webenginefactory.moc"
