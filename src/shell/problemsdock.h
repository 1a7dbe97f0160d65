#pragma once
// The problems list under the pages: what the check of the active page found (行, 列, 类别, 说明), sorted by line.
// Double-click or Enter on a row takes the caret there. It follows the active page and is empty without one.

#include <QDockWidget>
#include <QPointer>

class PageChecker;
class ProblemModel;
class QAction;
class QLabel;
class QProgressBar;
class QTableView;

class ProblemsDock : public QDockWidget
{
    Q_OBJECT

public:
    // `whileTyping` is the frame's 输入时检查 switch, offered in the list's header too.
    ProblemsDock(QAction* whileTyping, QWidget* parent = nullptr);

    // Shows the problems of this page's checker (null: none).
    void Follow(PageChecker* checker);
    PageChecker* Following() const { return checker_; }
    QTableView* View() const { return view_; }
    QLabel* SummaryLabel() const { return summary_; }
    QProgressBar* Progress() const { return progress_; }

private:
    QWidget* MakeHeader(QAction* whileTyping);
    void Refresh();
    void ShowRunning();
    void Select(int row);

    QPointer<PageChecker> checker_;
    ProblemModel* model_ = nullptr;
    QTableView* view_ = nullptr;
    QLabel* summary_ = nullptr;
    QProgressBar* progress_ = nullptr;
};
