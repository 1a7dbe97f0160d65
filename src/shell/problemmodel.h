#pragma once
// The problems of one page as the problems list shows them: 行, 列, 类别, 说明.

#include "check/pageproblem.h"

#include <QAbstractTableModel>
#include <QList>

class ProblemModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        LineColumn,
        ColumnColumn,
        KindColumn,
        TextColumn,
        ColumnCount
    };

    using QAbstractTableModel::QAbstractTableModel;

    void SetProblems(const QList<PageProblem>& problems);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The colour a kind of problem is marked in, in the list and beside the page's lines.
    static QColor KindColour(PageProblem::Kind kind);

private:
    QList<PageProblem> problems_;
};
