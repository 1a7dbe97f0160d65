#pragma once
// The grid table builder "表格处理": a table filled cell by cell in a grid, its columns named and chosen for output
// (link columns among them), its start tag and caption set through the element dialog, written out on OK.
//
// Made with the builder context; Run() hands back the table markup after OK, nothing after a confirmed close.
// What the dialog computes lives in its TableMarkup; the dialog moves values between its controls and it. The cell
// editor lies over the current cell: Tab goes on to the next cell, Up and Down to the cell above
// or below while the editor's whole text is selected, Escape takes back what was typed into the cell and leaves
// the keyboard to the grid (where a second Escape is the dialog's).

#include "base/builderdialog.h"
#include "builders/table/tablemarkup.h"

#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableWidget;

class TableGridDialog : public BuilderDialog
{
    Q_OBJECT

public:
    explicit TableGridDialog(const BuilderContext& context, QWidget* parent = nullptr);

    // Runs the builder over `owner`: what to insert at the caret (the table followed by a line break), nothing when
    // no table was made.
    static std::optional<QString> MakeTable(const BuilderContext& context, QWidget* owner);

    // ---- Controls.
    QTableWidget* Grid = nullptr;
    QLineEdit* CellEditor = nullptr;
    QPushButton* Addrow = nullptr;
    QPushButton* Delerowcommand = nullptr;
    QPushButton* Addcolcommand = nullptr;
    QPushButton* Coldelecommand = nullptr;
    QLabel* CountLabel = nullptr;
    QGroupBox* ColFrame = nullptr; // "列设置"
    QListWidget* Collist = nullptr;
    QLineEdit* TitleText = nullptr;
    QCheckBox* LinkCheck = nullptr;
    QPushButton* Titlecom = nullptr;
    QPushButton* TableSetcom = nullptr;
    QPushButton* OKCommand = nullptr;
    QPushButton* cancelcommand = nullptr;
    QProgressBar* Progress = nullptr;

    // Puts the cell editor over cell (row, column) of the grid's data (0-based: the grid's row 1 is row 0 here).
    void EditCell(int row, int column);
    // The close box, Escape and the cancel button: a table with more than one row or column asks first.
    void reject() override;

protected:
    void Load() override;
    QString Result() const override { return html_; }
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ChooseCell(int row, int column);
    void AddRow();
    void DeleteRow();
    void AddColumn();
    void DeleteColumn();
    void ChooseColumn(int entry);
    void RenameColumn(const QString& text);
    void MarkLinkColumn(bool checked);
    void EditCaption();
    void EditTableTag();
    void Accept();
    bool EditorKeyPress(int key);
    void RefreshHeadings();
    void PlaceEditor();
    void HideEditor();
    // Escape in the editor: the cell gets back the text it had when the editor came over it.
    void CancelCellEdit();
    void ShowCount();
    // The grid's cells as the markup takes them: one list per data row.
    QList<QStringList> GridCells() const;
    void Generate();

    TableMarkup markup_;
    QString html_;           // the table, made by OK
    bool tableDone_ = false; // OK was pressed: closing asks nothing
    bool placing_ = false;   // the editor is being moved: its text is the cell's already
    QString cellBefore_;     // the edited cell's text when the editor came over it
};
