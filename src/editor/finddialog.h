#pragma once
// The find and replace dialog: one at a time, modeless and on top, working on the text of one page window.

#include "editor/textmatcher.h"

#include <QDialog>
#include <QPointer>

class PageEdit;
class QCheckBox;
class QGridLayout;
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
    QCheckBox* CheckWord = nullptr;  // whole words only
    QCheckBox* CheckRegex = nullptr; // the find text is a regular expression
    QCheckBox* CheckAll = nullptr;   // find next goes on through the other open pages; replace all replaces in them
    QPushButton* FindNextCom = nullptr;
    QPushButton* ReplaceCom = nullptr;
    QPushButton* Com = nullptr;
    QPushButton* FolderCom = nullptr;
    QPushButton* CanCom = nullptr;

    void FindNext();
    void ReplaceNext();
    void ReplaceAll();
    // Lists the matches in the page's folder and below (the frame shows them).
    void FindInFolder();
    // What the dialog's fields ask for.
    SearchOptions Options() const;
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
    // False, after saying what is wrong with it, for a regular expression that does not compile.
    bool Usable(const TextMatcher& matcher);
    void AddOptions(QGridLayout* fields);
    // The open pages that show their source, in the order they were opened.
    QList<PageWindow*> OpenPages() const;
    // Find next past the end of the page: the pages after it, then those before it, then the page's own text
    // before `from`. False when there is no match anywhere.
    bool FindInOtherPages(const TextMatcher& matcher, int from);
    void ShowPage(PageWindow* page);
    static void ReportNotFound(QWidget* parent);

    bool MatchCase = false;
    // Caret offset that the last successful find left; a caret still there means "go on after that match".
    int LastFound = -1;
    // Caret offset after the last single replacement: the next find starts right there, so the new text is not
    // searched again.
    int ReplacedAt = -1;
};
