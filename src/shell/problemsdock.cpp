#include "shell/problemsdock.h"

#include "check/pagecheck.h"
#include "shell/pagechecker.h"
#include "shell/problemmodel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

ProblemsDock::ProblemsDock(QAction* whileTyping, QWidget* parent)
    : QDockWidget(QStringLiteral("网页问题"), parent), model_(new ProblemModel(this))
{
    setObjectName(QStringLiteral("ProblemsDock"));
    setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 2, 4, 4);
    layout->setSpacing(2);
    layout->addWidget(MakeHeader(whileTyping));

    view_ = new QTableView(body);
    view_->setObjectName(QStringLiteral("ProblemList"));
    view_->setModel(model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setShowGrid(false);
    view_->setWordWrap(false);
    view_->verticalHeader()->hide();
    // Fixed rows and columns: a list of a hundred thousand problems is not measured row by row.
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    QHeaderView* columns = view_->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Interactive);
    const int digit = fontMetrics().horizontalAdvance(QLatin1Char('9'));
    columns->resizeSection(ProblemModel::LineColumn, digit * 7 + 12);
    columns->resizeSection(ProblemModel::ColumnColumn, digit * 5 + 12);
    columns->resizeSection(ProblemModel::KindColumn, fontMetrics().horizontalAdvance(QStringLiteral("类别类")) + 12);
    columns->setStretchLastSection(true);
    layout->addWidget(view_);
    setWidget(body);

    // Enter, or a double-click, on a row.
    connect(view_, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        if (checker_)
            checker_->GoTo(index.row());
    });
    Follow(nullptr);
}

QWidget* ProblemsDock::MakeHeader(QAction* whileTyping)
{
    auto* header = new QWidget(this);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    summary_ = new QLabel(header);
    summary_->setObjectName(QStringLiteral("ProblemSummary"));
    progress_ = new QProgressBar(header);
    progress_->setObjectName(QStringLiteral("CheckProgress"));
    progress_->setRange(0, 0); // the library tells nothing of how far it is: a busy bar
    progress_->setMaximumWidth(160);
    progress_->setMaximumHeight(fontMetrics().height());
    progress_->setTextVisible(false);
    progress_->hide();
    auto* typing = new QToolButton(header);
    typing->setObjectName(QStringLiteral("CheckWhileTypingButton"));
    typing->setDefaultAction(whileTyping);
    typing->setToolButtonStyle(Qt::ToolButtonTextOnly);
    row->addWidget(summary_);
    row->addWidget(progress_);
    row->addStretch();
    row->addWidget(typing);
    return header;
}

void ProblemsDock::Follow(PageChecker* checker)
{
    if (checker_)
        checker_->disconnect(this);
    checker_ = checker;
    if (checker) {
        connect(checker, &PageChecker::Started, this, &ProblemsDock::ShowRunning);
        connect(checker, &PageChecker::Finished, this, &ProblemsDock::Refresh);
        connect(checker, &PageChecker::WentTo, this, &ProblemsDock::Select);
        // The page went: the list goes with it.
        connect(checker, &QObject::destroyed, this, [this] { Follow(nullptr); });
    }
    Refresh();
    if (checker && checker->Running())
        ShowRunning();
}

void ProblemsDock::Refresh()
{
    progress_->hide();
    if (!checker_) {
        model_->SetProblems({});
        summary_->setText(QStringLiteral("没有打开的网页"));
        return;
    }
    model_->SetProblems(checker_->Problems());
    summary_->setText(checker_->HasResult() ? PageCheck::Summary(checker_->Problems())
                                            : QStringLiteral("按 F7 检查网页"));
}

void ProblemsDock::ShowRunning()
{
    progress_->show();
    summary_->setText(QStringLiteral("正在检查…"));
}

void ProblemsDock::Select(int row)
{
    view_->selectRow(row);
    view_->scrollTo(model_->index(row, 0));
}
