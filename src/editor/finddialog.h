#pragma once
// The find and replace dialog: one at a time, modeless and on top, working on the text of one page window.

#include <QDialog>
#include <QPointer>

class PageEdit;
class QCheckBox;
class QLineEdit;
class QPushButton;
class PageWindow;

class FindDialog : public QDialog
{
    Q_OBJECT

public:
    ~FindDialog() override;

    // The dialog while it is loaded, else null.
    static FindDialog* Instance();
    // Loads the dialog if it is not loaded, points it at `form` and shows it (the page window's FindReplace).
    static FindDialog* Open(PageWindow* form);
    // Closes the dialog and drops its page; a page window that closes calls this.
    static void Unload();
    // Brings the buttons in line with the page: while it shows its preview there is nothing to find or replace.
    static void FollowPage();
    // Finds the dialog's text with its case option (what it held when it went, if it is closed) in `form` after
    // the selection or caret (`forward`) or before it, and selects it; the keyboard stays where it is. With no
    // text to find the dialog comes up to ask for one.
    static void FindAgain(PageWindow* form, bool forward);

    // The page searched and its text control.
    QPointer<PageWindow> Form1;
    QPointer<PageEdit> pageEdit;

    QLineEdit* FindText = nullptr;
    QLineEdit* ReplText = nullptr;
    QCheckBox* CheckDx = nullptr;
    QPushButton* FindNextCom = nullptr;
    QPushButton* ReplaceCom = nullptr;
    QPushButton* Com = nullptr;
    QPushButton* CanCom = nullptr;

    void FindNext();
    void ReplaceNext();
    void ReplaceAll();
    void FollowMatchCase();
    void CloseDialog();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    explicit FindDialog(QWidget* parent);
    // The page is there and shows its source.
    bool PageEditable() const;
    static void SelectMatch(PageEdit* text, int at, int length);
    static void ReportNotFound(QWidget* parent);

    bool MatchCase = false;
    // Caret offset that the last successful find left; a caret still there means "go on after that match".
    int LastFound = -1;
    // Caret offset after the last single replacement: the next find starts right there, so the new text is not
    // searched again.
    int ReplacedAt = -1;
};
