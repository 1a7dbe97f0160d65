#include "editor/sidepreview.h"

#include "base/browserview.h"
#include "base/messages.h"
#include "editor/caretelement.h"
#include "editor/pageedit.h"
#include "editor/pagepreview.h"
#include "editor/pagewindow.h"

#include <QSplitter>
#include <QTextBlock>
#include <QTimer>

SidePreview::SidePreview(PageWindow& form, QSplitter* splitter) : QObject(&form), form_(form), splitter_(splitter)
{
    refresh_ = new QTimer(this);
    refresh_->setSingleShot(true);
    refresh_->setInterval(PauseMs);
    connect(refresh_, &QTimer::timeout, this, &SidePreview::Refresh);
    follow_ = new QTimer(this);
    follow_->setSingleShot(true);
    follow_->setInterval(PauseMs);
    connect(follow_, &QTimer::timeout, this, &SidePreview::FollowCaret);
}

bool SidePreview::IsShown() const
{
    return view_ && !view_->isHidden();
}

bool SidePreview::RefreshPending() const
{
    return refresh_->isActive();
}

void SidePreview::Toggle()
{
    if (IsShown())
        Hide();
    else
        Show();
    Q_EMIT Toggled(IsShown());
}

void SidePreview::Show()
{
    if (!view_) {
        view_ = new BrowserView(splitter_);
        view_->setObjectName(QStringLiteral("SideWeb"));
        // The keyboard stays with the text: a click into the page still reaches it.
        view_->setFocusPolicy(Qt::ClickFocus);
        connect(view_, &BrowserView::LoadFinished, this, &SidePreview::Loaded);
        splitter_->addWidget(view_);
        const int half = qMax(1, splitter_->width() / 2);
        splitter_->setSizes({half, half});
    }
    view_->show();
    // Only while the view is shown does the typing cost anything: a timer restarted.
    connect(form_.pageEdit, &QPlainTextEdit::textChanged, refresh_, qOverload<>(&QTimer::start));
    connect(form_.pageEdit, &QPlainTextEdit::cursorPositionChanged, follow_, qOverload<>(&QTimer::start));
    keepPending_ = false;
    // Where the engine cannot start, the view itself says so.
    Refresh();
    // The engine arriving in the window must not take the keyboard from the text.
    if (form_.pageEdit->isVisible())
        form_.pageEdit->setFocus();
}

void SidePreview::Hide()
{
    disconnect(form_.pageEdit, nullptr, refresh_, nullptr);
    disconnect(form_.pageEdit, nullptr, follow_, nullptr);
    refresh_->stop();
    follow_->stop();
    view_->hide();
    view_->NavigateBlank();
}

bool SidePreview::Refresh()
{
    refresh_->stop();
    follow_->stop(); // the page shown anew follows the caret once it is in
    if (!IsShown())
        return false;
    const PagePreview::Written written = PagePreview::WriteFile(form_);
    if (written != PagePreview::Written::Ok) {
        // Said once, and the side preview goes: a message after every pause in the typing would be worse.
        Hide();
        Q_EMIT Toggled(false);
        Messages::Show(&form_, written == PagePreview::Written::NotWritten ? QStringLiteral("无法建立临时文件!!")
                                                                           : QStringLiteral("出现错误"));
        return false;
    }
    const QUrl url = QUrl::fromLocalFile(form_.PreviewFile());
    // A page shown anew keeps the place the user scrolled it to.
    if (view_->CurrentUrl() == url) {
        keep_ = view_->ScrollPosition();
        keepPending_ = true;
    }
    view_->Navigate(url);
    return true;
}

void SidePreview::Loaded(bool ok)
{
    if (!ok || !IsShown())
        return;
    if (keepPending_) {
        keepPending_ = false;
        view_->RunScript(QStringLiteral("window.scrollTo(%1,%2);").arg(keep_.x()).arg(keep_.y()));
    }
    FollowCaret();
}

void SidePreview::FollowCaret()
{
    follow_->stop();
    if (!IsShown())
        return;
    // Read up to the caret a line at a time: the page is never copied whole.
    const int caret = form_.pageEdit->textCursor().position();
    CaretElement scan;
    QTextBlock block = form_.pageEdit->document()->begin();
    for (; block.isValid() && block.position() + block.length() <= caret; block = block.next()) {
        scan.Feed(block.text());
        scan.Feed(u"\n");
    }
    if (block.isValid())
        scan.Feed(QStringView(block.text()).left(caret - block.position()));
    const QString script = CaretElement::ScrollScript(scan.Result());
    if (!script.isEmpty())
        view_->RunScript(script);
}
