#include "base/browserview.h"

#include "base/browserplugin.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPluginLoader>
#include <QStackedLayout>

namespace {
QStringList& ExtraFolders()
{
    static QStringList folders;
    return folders;
}

QStringList& ProgramState()
{
    static QStringList folders;
    return folders;
}

BrowserFactory* LoadFactory(bool* tried, bool load = true)
{
    static BrowserFactory* factory = nullptr;
    static bool attempted = false;
    if (!attempted && load) {
        attempted = true;
        for (const QString& folder : BrowserView::PluginFolders()) {
            const QString path = folder + QStringLiteral("/kestrel_browser.so");
            if (!QFileInfo::exists(path))
                continue;
            QPluginLoader loader(path);
            if (QObject* object = loader.instance()) {
                factory = qobject_cast<BrowserFactory*>(object);
                if (factory) {
                    factory->SetSharedFolders(ProgramState());
                    break;
                }
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
    // Beside the program in a build tree, in <libdir>/kestrel/ of an installed one; nowhere else, so that no
    // folder the program was once built in is ever loaded from.
    const QString program = QCoreApplication::applicationDirPath();
    return QStringList{program, program + QStringLiteral("/" KESTREL_LIB_FROM_BIN)} + ExtraFolders();
}

void BrowserView::AddPluginFolder(const QString& folder)
{
    ExtraFolders().append(folder);
}

void BrowserView::SetSharedFolders(const QStringList& folders)
{
    ProgramState() = folders;
    if (BrowserFactory* factory = LoadFactory(nullptr, false))
        factory->SetSharedFolders(folders);
}

void BrowserView::ShareFile(const QString& path)
{
    const QString file = QFileInfo(path).canonicalFilePath();
    if (file.isEmpty() || ProgramState().contains(file))
        return;
    QStringList shared = ProgramState();
    shared.append(file);
    SetSharedFolders(shared);
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

void BrowserView::PrepareEngine()
{
    if (page_ || failed_)
        return;
    if (BrowserFactory* factory = LoadFactory(nullptr)) {
        if (BrowserPage* page = factory->CreatePage(this))
            Adopt(page);
    }
}

bool BrowserView::EnsureEngine()
{
    if (page_)
        return true;
    if (failed_)
        return false;
    BrowserFactory* factory = LoadFactory(nullptr);
    BrowserPage* page = factory ? factory->CreatePage(this) : nullptr;
    if (!page) {
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
    Adopt(page);
    return true;
}

void BrowserView::Adopt(BrowserPage* page)
{
    page_ = page;
    page_->LoadFinished = [this](bool ok) { Q_EMIT LoadFinished(ok); };
    page_->ConsoleMessage = [this](int level, const QString& message, int line) {
        Q_EMIT ConsoleMessage(level, message, line);
    };
    QWidget* widget = page_->Widget();
    FollowFocusPolicy(widget);
    // The engine makes the widgets it draws in as it needs them.
    widget->installEventFilter(this);
    stack_->addWidget(widget);
    stack_->setCurrentWidget(widget);
    // Focus given to this view goes to the engine's.
    setFocusProxy(widget);
}

void BrowserView::FollowFocusPolicy(QWidget* widget) const
{
    if (focusPolicy() & Qt::TabFocus)
        return;
    QList<QWidget*> widgets = widget->findChildren<QWidget*>();
    widgets.append(widget);
    for (QWidget* w : std::as_const(widgets))
        w->setFocusPolicy((w->focusPolicy() & Qt::ClickFocus) ? Qt::ClickFocus : Qt::NoFocus);
}

bool BrowserView::eventFilter(QObject* watched, QEvent* event)
{
    if (page_ && watched == page_->Widget() && event->type() == QEvent::ChildPolished) {
        if (QWidget* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child()))
            FollowFocusPolicy(child);
    }
    return QWidget::eventFilter(watched, event);
}

QPointF BrowserView::ScrollPosition() const
{
    return page_ ? page_->ScrollPosition() : QPointF();
}

void BrowserView::RunScript(const QString& script)
{
    if (page_)
        page_->RunScript(script);
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
