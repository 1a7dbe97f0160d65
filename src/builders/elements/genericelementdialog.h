#pragma once
// The small element dialog "添加元素" for any element of the database: its content, its style and its event
// handlers. The caller sets MyIndex (the element's position in html1); Run() hands back the markup after OK
// (HtmlTxt holds it too), nothing after Cancel. The markup is GenericElement's.

#include "base/builderdialog.h"
#include "builders/elements/genericelement.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class GenericElementDialog : public BuilderDialog
{
    Q_OBJECT

public:
    explicit GenericElementDialog(const BuilderContext& context, QWidget* parent = nullptr);

    int MyIndex = 0;        // in
    QString HtmlTxt;        // out: "" after Cancel
    GenericElement Element; // the element with its style and events

    // ---- Controls.
    QLabel* Label2 = nullptr; // the element's title
    QPlainTextEdit* Text1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* StyleCommand = nullptr;
    QPushButton* ECommand = nullptr;
    QPushButton* OkCommand = nullptr;
    QPushButton* CancelCommand = nullptr;

    void StyleCommand_Click();
    void ECommand_Click();
    void OkCommand_Click();

protected:
    void Load() override;
    QString Result() const override { return HtmlTxt; }
};
