#pragma once
// What the grid table builder computes: the grid's shape (rows and columns counted as the grid counts them, the
// heading row and the fixed left column included), the column titles with their output and link flags, the table's
// start tag and caption, and the table markup written from the cells. The dialog moves values between its grid,
// its column list and this object; nothing here knows a widget.

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class TableMarkup
{
public:
    static constexpr int MaxCols = 100;   // grid columns, the fixed one counted: at most 99 data columns
    static const QString DefaultTableTag; // "<table border='1'>", when the settings gave none
    static const QString FirstTitle;      // the first column's title at start

    // The state a fresh dialog starts from: one data row, one data column.
    TableMarkup();
    void Reset();

    int Rows = 2;
    int Cols = 2;
    QStringList ColTitle; // 0..MaxCols: entry i is the title of column i (0 unused); kept when its column goes
    QList<bool> LinkFlag; // entry i-1: column i holds link addresses
    QList<bool> Output;   // entry i-1: column i is written (its entry in the column list is selected)
    QString TableTag;     // the settings' start tag, CR LF included; "" for the default
    QString CaptionTag;   // the caption element, CR LF included; "" for none

    // "     第" i "列         ", the title of a column nobody named.
    static QString DefaultTitle(int column);
    // Every data column whose title is blank gets its default title.
    void RefreshHeadings();
    // The grid's headings: the titles of the data columns, untrimmed (their blanks widen the columns).
    QStringList Headings() const;
    // The same as one heading string: two blanks for the fixed column, then each title, joined by "|".
    QString HeadingString() const;

    void AddRow();
    // False (nothing changes) with a single data row.
    bool DeleteRow();
    // A new last column, written and not a link column; its old title comes back. False at MaxCols.
    bool AddColumn();
    // False with no data column left.
    bool DeleteColumn();
    // Column `column`'s title (1..Cols-1); a blank one shows the default title in the grid.
    void SetTitle(int column, const QString& title);

    // The table: start tag, caption, a header cell per written column, then per data row an unclosed "<tr>" and its
    // written cells, link columns as links, every text as typed. cells[j-1][i-1] is the text of data row j,
    // column i ("" where missing). `progress` hears each data row done. Complete is false when the markup could not
    // be finished (memory ran out); Html then holds what was built.
    struct Result
    {
        QString Html;
        bool Complete = true;
    };
    using Progress = std::function<void(int row)>;
    Result Generate(const QList<QStringList>& cells, const Progress& progress = {}) const;
};
