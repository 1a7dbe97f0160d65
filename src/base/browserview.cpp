#include "base/browserview.h"

#include "base/browserplugin.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPluginLoader>
#include <QStackedLayout>

namespace {
BrowserFactory* LoadFactory(bool* tried)
{
    static BrowserFactory* factory = nullptr;
    static bool attempted = false;
    if (!attempted) {
        attempted = true;
        for (const QString& folder : BrowserView::PluginFolders()) {
            const QString path = folder + QStringLiteral("/kestrel_browser.so");
            if (!QFileInfo::exists(path))
                continue;
            QPluginLoader loader(path);
            if (QObject* object = loader.instance()) {
                factory = qobject_cast<BrowserFactory*>(object);
                if (factory)
                    break;
            }
        }
    }
    if (tried)
        *tried = attempted;
    return factory;
}
} // namespace

QStringList BrowserView::PluginFolders()
{
    // Beside the program in a build tree, in lib/kestrel/ of an installed one.
    const QString program = QCoreApplication::applicationDirPath();
    QStringList folders{program, program + QStringLiteral("/../lib/kestrel")};
#ifdef KESTREL_BUILD_DIR
    folders.append(QStringLiteral(KESTREL_BUILD_DIR));
#endif
    return folders;
}

BrowserView::BrowserView(QWidget* parent) : QWidget(parent)
{
    stack_ = new QStackedLayout(this);
    stack_->setContentsMargins(0, 0, 0, 0);
    blank_ = new QWidget(this);
    blank_->setAutoFillBackground(true);
    QPalette pal = blank_->palette();
    pal.setColor(QPalette::Window, Qt::white);
    blank_->setPalette(pal);
    stack_->addWidget(blank_);
}

BrowserView::~BrowserView()
{
    delete page_;
}

bool BrowserView::EnsureEngine()
{
    if (page_)
        return true;
    if (failed_)
        return false;
    BrowserFactory* factory = LoadFactory(nullptr);
    if (factory)
        page_ = factory->CreatePage(this);
    if (!page_) {
        failed_ = true;
        message_ = new QLabel(factory ? QStringLiteral("浏览器组件无法启动, 不能显示网页。")
                                      : QStringLiteral("无法加载浏览器组件, 不能显示网页。"),
                              this);
        message_->setObjectName(QStringLiteral("BrowserMessage"));
        message_->setAlignment(Qt::AlignCenter);
        message_->setWordWrap(true);
        stack_->addWidget(message_);
        stack_->setCurrentWidget(message_);
        return false;
    }
    page_->LoadFinished = [this](bool ok) { Q_EMIT LoadFinished(ok); };
    page_->ConsoleMessage = [this](int level, const QString& message, int line) {
        Q_EMIT ConsoleMessage(level, message, line);
    };
    stack_->addWidget(page_->Widget());
    stack_->setCurrentWidget(page_->Widget());
    // Focus given to this view goes to the engine's.
    setFocusProxy(page_->Widget());
    return true;
}

QPointF BrowserView::ScrollPosition() const
{
    return page_ ? page_->ScrollPosition() : QPointF();
}

void BrowserView::NavigateFile(const QString& path)
{
    Navigate(QUrl::fromLocalFile(path));
}

void BrowserView::NavigateBlank()
{
    Navigate(QUrl(QStringLiteral("about:blank")));
}

void BrowserView::Navigate(const QUrl& url)
{
    url_ = url;
    if (url.toString() == QLatin1String("about:blank") && !page_) {
        if (!failed_)
            stack_->setCurrentWidget(blank_);
        return;
    }
    if (EnsureEngine())
        page_->Navigate(url);
    else
        Q_EMIT LoadFinished(false);
}
