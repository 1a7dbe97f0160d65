#include "app/browserplugin.h"

#include <QOpenGLContext>
#include <QWebEnginePage>
#include <QWebEngineView>

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

private:
    QWebEngineView* view_;
};

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
    BrowserPage* CreatePage(QWidget* parent) override { return new WebEnginePage(parent); }
};

#include "webenginefactory.moc"
