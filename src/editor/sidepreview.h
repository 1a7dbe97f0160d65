#pragma once
// The page shown beside its source while it is written: the window's preview file in a browser view to the right
// of the text, written again after a pause in the typing, keeping the view where it was and bringing the element
// that holds the caret into sight. The web engine starts the first time the view is shown.

#include <QObject>
#include <QPointF>

class BrowserView;
class PageWindow;
class QSplitter;
class QTimer;

class SidePreview : public QObject
{
    Q_OBJECT

public:
    static constexpr int PauseMs = 300;

    // The view goes into `splitter`, beside the window's text control.
    SidePreview(PageWindow& form, QSplitter* splitter);

    void Toggle();
    bool IsShown() const;
    // Null until the side preview is first shown.
    BrowserView* View() const { return view_; }
    // A refresh is waiting for the typing to pause.
    bool RefreshPending() const;
    // Writes and shows the page now; false (after saying so) when its preview file cannot be written.
    bool Refresh();
    // Brings the element holding the caret into sight in the page shown.
    void FollowCaret();

Q_SIGNALS:
    void Toggled(bool shown);

private:
    void Show();
    void Hide();
    void Loaded(bool ok);

    PageWindow& form_;
    QSplitter* splitter_;
    BrowserView* view_ = nullptr;
    QTimer* refresh_ = nullptr;
    QTimer* follow_ = nullptr;
    QPointF keep_; // where the view was scrolled before the page was shown anew
    bool keepPending_ = false;
};
