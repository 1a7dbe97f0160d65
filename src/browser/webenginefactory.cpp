#include "app/browserplugin.h"

#include <QWebEngineView>

namespace {

class WebEnginePage : public BrowserPage
{
public:
    explicit WebEnginePage(QWidget* parent) : view_(new QWebEngineView(parent))
    {
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
    BrowserPage* CreatePage(QWidget* parent) override { return new WebEnginePage(parent); }
};

#include "webenginefactory.moc"
