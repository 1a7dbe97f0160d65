#pragma once
// The other-attributes dialog "其他属性": the element's free name and value pairs as two lists, row by row, with
// buttons to add, edit and delete them.
//
// Made with the element's 31 positions (values, names); Run() hands them back after OK, nothing after Cancel. Edit()
// does both on a caller's lists. The rows' rules are OtherAttributes'.

#include "base/builderdialog.h"
#include "builders/elements/otherattributes.h"

class QListWidget;
class QPushButton;

class OtherAttributesDialog : public BuilderDialog
{
    Q_OBJECT

public:
    struct Positions
    {
        QStringList values;
        QStringList names;
    };

    explicit OtherAttributesDialog(const Positions& start, QWidget* parent = nullptr);

    // The 31 positions after OK, nothing after Cancel.
    std::optional<Positions> Run();
    // The dialog on these positions; they change only when it is confirmed. True after OK.
    static bool Edit(QStringList& values, QStringList& names, QWidget* owner);

    // ---- Controls.
    QListWidget* NameList = nullptr;
    QListWidget* ValueList = nullptr;
    QPushButton* AddCommand = nullptr;
    QPushButton* EditCommand = nullptr;
    QPushButton* DelCommand = nullptr;
    QPushButton* OkCommand = nullptr;
    QPushButton* CanCommand = nullptr;

    // Closing, by OK or Cancel, writes the rows back into the positions.
    void done(int result) override;

protected:
    void Load() override;

private:
    void AddRow();
    void EditRow();
    void DeleteRow();
    void ShowRows(int chosen);
    void Choose(int row);
    int Chosen() const;

    QStringList values_;
    QStringList names_;
    OtherAttributes rows_;
    bool loaded_ = false; // rows to write back
};
