#include "shell/problemmodel.h"

#include <QColor>

void ProblemModel::SetProblems(const QList<PageProblem>& problems)
{
    beginResetModel();
    problems_ = problems;
    endResetModel();
}

int ProblemModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(problems_.size());
}

int ProblemModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ProblemModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= problems_.size())
        return QVariant();
    const PageProblem& problem = problems_.at(index.row());
    if (role == Qt::ForegroundRole && index.column() == KindColumn)
        return KindColour(problem.kind);
    if (role == Qt::TextAlignmentRole && index.column() <= ColumnColumn)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return QVariant();
    switch (index.column()) {
    case LineColumn:
        return problem.line;
    case ColumnColumn:
        return problem.column;
    case KindColumn:
        return PageProblem::KindName(problem.kind);
    case TextColumn:
        return problem.text;
    }
    return QVariant();
}

QVariant ProblemModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const captions[] = {"行", "列", "类别", "说明"};
    return section >= 0 && section < ColumnCount ? QString::fromUtf8(captions[section]) : QVariant();
}

QColor ProblemModel::KindColour(PageProblem::Kind kind)
{
    switch (kind) {
    case PageProblem::Error:
        return QColor(0xD0, 0x20, 0x20);
    case PageProblem::Warning:
        return QColor(0xE0, 0x80, 0x00);
    case PageProblem::Note:
        return QColor(0x30, 0x70, 0xC0);
    }
    return QColor();
}
