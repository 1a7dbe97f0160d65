#include "base/previewpane.h"

#include "base/browserview.h"
#include "base/pageaddress.h"
#include "base/scratchpage.h"

#include <QTimer>
#include <QVBoxLayout>

PreviewPane::PreviewPane(const QString& title, const QString& scratchFile, std::function<QString()> page,
                         QWidget* parent)
    : QGroupBox(title, parent), scratchFile_(scratchFile), page_(std::move(page))
{
    setObjectName(QStringLiteral("PreviewBox"));
    view_ = new BrowserView(this);
    view_->setObjectName(QStringLiteral("web1"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
    timer_->setInterval(PauseMs);
    connect(timer_, &QTimer::timeout, this, &PreviewPane::Refresh);
}

bool PreviewPane::Refresh()
{
    timer_->stop();
    if (paused_ || !page_)
        return true;
    // A page that cannot be written leaves the previous one on show; the dialog's result is unaffected.
    if (!ScratchPage::Write(scratchFile_, PageAddress::ForPreview(page_())))
        return false;
    view_->NavigateFile(scratchFile_);
    return true;
}

void PreviewPane::RefreshSoon()
{
    if (!paused_)
        timer_->start();
}

bool PreviewPane::RefreshPending() const
{
    return timer_->isActive();
}

void PreviewPane::Blank()
{
    timer_->stop();
    view_->NavigateBlank();
}
