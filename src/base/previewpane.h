#pragma once
// The live preview of a builder dialog: a titled browser view showing the scratch page. The dialog gives the page
// text as a function; Refresh() writes and shows it at once, RefreshSoon() after a short pause, so that a run of
// changes (a dragged slider, fast typing) is written once.

#include <QGroupBox>

#include <functional>

class BrowserView;
class QTimer;

class PreviewPane : public QGroupBox
{
    Q_OBJECT

public:
    static constexpr int PauseMs = 150;

    PreviewPane(const QString& title, const QString& scratchFile, std::function<QString()> page, QWidget* parent);

    // False when the page could not be written (the previous one stays on show).
    bool Refresh();
    void RefreshSoon();
    // Shows "about:blank" and drops a pending refresh.
    void Blank();
    // Holds refreshes back while a dialog sets itself up; Refresh() does nothing until it is released.
    void SetPaused(bool paused) { paused_ = paused; }
    // A RefreshSoon() is waiting for its pause to end.
    bool RefreshPending() const;

    BrowserView* View() const { return view_; }
    QString ScratchFile() const { return scratchFile_; }

private:
    BrowserView* view_ = nullptr;
    QTimer* timer_ = nullptr;
    QString scratchFile_;
    std::function<QString()> page_;
    bool paused_ = false;
};
