#include "base/browserplugin.h"

#include <QCoreApplication>
#include <QOpenGLContext>
#include <QWebEnginePage>
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
        view_->setPage(new ConsolePage(this, view_));
        QObject::connect(view_, &QWebEngineView::loadFinished, view_, [this](bool ok) {
            if (LoadFinished)
                LoadFinished(ok);
        });
    }
    QWidget* Widget() override { return view_; }
    void Navigate(const QUrl& url) override { view_->load(url); }
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
