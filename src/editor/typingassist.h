#pragma once
// The page window's reaction to keys and the mouse in its text control: the keystrokes that open, feed and close
// the completion lists, the context they are opened in, and the control's own shortcuts (Ctrl+Enter, Ctrl+F,
// Ctrl+V, F5).

#include "editor/scanmemo.h"

#include <QObject>
#include <QTimer>

#include <vector>

class CompletionLists;
class PageEdit;
class QKeyEvent;
class PageWindow;

class TypingAssist : public QObject
{
    Q_OBJECT

public:
    TypingAssist(PageWindow* form, PageEdit* text, CompletionLists* lists);

    // The "自动完成(&O)" check mark of the main frame.
    bool CompletionOn() const;

    bool eventFilter(QObject* watched, QEvent* event) override;

    // A page was just read into the control: its lines hold `markers` (ContextChecks::MarkersOfLines of the text
    // read), so that they need not be worked out line by line from the control.
    void PageLoaded(const std::vector<int>& markers);

private:
    // Both return true when the key is swallowed.
    bool KeyDown(QKeyEvent* event);
    bool KeyPress(QKeyEvent* event);
    void KeyUp(QKeyEvent* event);
    void TagCheck();
    // A ">" that ends a start tag: it goes in with the end tag after the caret. False when it is an ordinary ">".
    bool CloseTagAfterCaret();
    // "</" typed with the tag list open: the innermost open element's end tag goes first. False when none is open.
    bool OfferEndTag();
    void TextChanged(int position, int added);
    // Works out the markers of a slice of lines while the program is idle, from the end of the page up.
    void WarmUp();

    PageWindow* form_;
    PageEdit* text_;
    QWidget* viewport_; // kept: while the text control is being destroyed it must not be asked for it
    CompletionLists* lists_;
    ScanMemo memo_; // what the context checks found, kept between keystrokes
    QTimer warmUp_;
    int warmLine_ = -1;
};
