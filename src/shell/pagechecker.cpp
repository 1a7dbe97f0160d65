#include "shell/pagechecker.h"

#include "base/siteaccess.h"
#include "check/pagecheck.h"
#include "editor/pageedit.h"
#include "editor/pagewindow.h"
#include "shell/problemmodel.h"

#include <QDir>
#include <QTextBlock>
#include <QtConcurrent/QtConcurrentRun>

PageChecker* PageChecker::Of(PageWindow* page)
{
    if (auto* checker = page->findChild<PageChecker*>(QString(), Qt::FindDirectChildrenOnly))
        return checker;
    return new PageChecker(page);
}

PageChecker::PageChecker(PageWindow* page) : QObject(page), page_(page)
{
    pause_.setSingleShot(true);
    pause_.setInterval(TypingPause);
    connect(&pause_, &QTimer::timeout, this, &PageChecker::Check);
    connect(&watcher_, &QFutureWatcher<QList<PageProblem>>::finished, this, &PageChecker::Done);
    connect(page_->pageEdit, &QPlainTextEdit::textChanged, this, &PageChecker::TextChanged);
}

void PageChecker::SetWhileTyping(bool on)
{
    whileTyping_ = on;
    if (!on)
        pause_.stop();
}

void PageChecker::TextChanged()
{
    if (whileTyping_)
        pause_.start();
}

void PageChecker::Check()
{
    pause_.stop();
    if (Running()) {
        again_ = true;
        return;
    }
    Start();
}

void PageChecker::Start()
{
    SiteCheck::Input input;
    // A page never saved has no folder of its own for its links to start from.
    if (page_->hasFile) {
        input.folder = page_->folder;
        input.siteRoot = SiteAccess::SiteOf(QDir::cleanPath(page_->folder), QDir::homePath()).root;
    }
    input.codec = page_->Encoding().codec;
    checkedEdit_ = page_->EditCount();
    again_ = false;
    watcher_.setFuture(QtConcurrent::run(&PageCheck::Run, page_->pageEdit->RawText(), input));
    Q_EMIT Started();
}

void PageChecker::Done()
{
    if (page_->EditCount() != checkedEdit_) {
        // The text changed meanwhile: what was found may no longer be where it says. The text as it is now is
        // checked once the typing pauses.
        pause_.start();
        return;
    }
    problems_ = watcher_.result();
    hasResult_ = true;
    current_ = -1;
    MarkLines();
    Q_EMIT Finished();
    if (again_)
        Start();
}

void PageChecker::MarkLines()
{
    // The worst problem of a line gives its mark.
    QHash<int, QColor> marks;
    QHash<int, PageProblem::Kind> worst;
    for (const PageProblem& problem : problems_) {
        const auto it = worst.find(problem.line - 1);
        if (it == worst.end() || problem.kind < *it)
            worst.insert(problem.line - 1, problem.kind);
    }
    for (auto it = worst.cbegin(); it != worst.cend(); ++it)
        marks.insert(it.key(), ProblemModel::KindColour(it.value()));
    page_->pageEdit->SetLineMarks(std::move(marks));
}

void PageChecker::GoTo(int index)
{
    if (index < 0 || index >= problems_.size())
        return;
    const PageProblem& problem = problems_.at(index);
    PageEdit* edit = page_->pageEdit;
    QTextBlock block = edit->document()->findBlockByNumber(problem.line - 1);
    if (!block.isValid())
        block = edit->document()->lastBlock();
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + qBound(0, problem.column - 1, block.length() - 1));
    edit->setTextCursor(cursor);
    edit->ensureCursorVisible();
    edit->setFocus();
    current_ = index;
    Q_EMIT WentTo(index);
}

void PageChecker::GoToNext(bool forward)
{
    if (!problems_.isEmpty())
        GoTo(NextIndex(forward));
}

int PageChecker::NextIndex(bool forward) const
{
    const QTextCursor caret = page_->pageEdit->textCursor();
    const int line = caret.blockNumber() + 1;
    const int column = caret.positionInBlock() + 1;
    const auto at = [&](int i) { return std::make_pair(problems_.at(i).line, problems_.at(i).column); };
    const auto here = std::make_pair(line, column);
    const int count = int(problems_.size());
    // Several problems at one place are walked one by one.
    if (current_ >= 0 && current_ < count && at(current_) == here)
        return (current_ + (forward ? 1 : count - 1)) % count;
    if (forward) {
        for (int i = 0; i < count; ++i)
            if (at(i) > here)
                return i;
        return 0;
    }
    for (int i = count - 1; i >= 0; --i)
        if (at(i) < here)
            return i;
    return count - 1;
}
