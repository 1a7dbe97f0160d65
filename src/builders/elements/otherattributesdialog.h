#pragma once
// The other-attributes dialog "其他属性": the element's free name and value pairs as two lists, row by row, with
// buttons to add, edit and delete them.
//
// The caller hands in its 31 positions with SetOtherP (values, names), Confirm()s the dialog and, after OK, takes
// them back with GetOtherp. Edit() does all three. The rows' rules are OtherAttributes'.

#include "base/builderdialog.h"
#include "builders/elements/otherattributes.h"

class QListWidget;
class QPushButton;

class OtherAttributesDialog : public BuilderDialog
{
    Q_OBJECT

public:
    explicit OtherAttributesDialog(QWidget* parent = nullptr);

    bool Yn = false; // true after OK
    OtherAttributes Rows;

    void SetOtherP(const QStringList& values, const QStringList& names);
    void GetOtherp(QStringList& values, QStringList& names) const;
    // The dialog on these positions; they change only when it is confirmed. True after OK.
    static bool Edit(QStringList& values, QStringList& names, QWidget* owner);

    // ---- Controls.
    QListWidget* List1 = nullptr; // names
    QListWidget* List2 = nullptr; // values
    QPushButton* AddCommand = nullptr;
    QPushButton* EditCommand = nullptr;
    QPushButton* DelCommand = nullptr;
    QPushButton* OkCommand = nullptr;
    QPushButton* CanCommand = nullptr;

    void AddCommand_Click();
    void EditCommand_Click();
    void DelCommand_Click();

    // Closing, by OK or Cancel, writes the rows back into the positions.
    void done(int result) override;

protected:
    void Load() override;

private:
    void ShowRows(int chosen);
    void Choose(int row);
    int Chosen() const;

    QStringList values_;
    QStringList names_;
    bool loaded_ = false; // rows to write back
};
