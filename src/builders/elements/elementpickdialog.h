#pragma once
// The element pick list "添加HMTL元素": every element of the database meant to be offered (qz 0) by its title.
// Adding one opens the small element dialog for it. Run() hands back the markup after the element was added
// (addHTML holds it too; "" when the element dialog was cancelled), nothing after Cancel.

#include "base/builderdialog.h"

class QListWidget;
class QPushButton;

class ElementPickDialog : public BuilderDialog
{
    Q_OBJECT

public:
    explicit ElementPickDialog(const BuilderContext& context, QWidget* parent = nullptr);

    int MyIndex = -1; // position in html1 of the element chosen
    QString addHTML;  // out

    QListWidget* List1 = nullptr;
    QPushButton* Okcom = nullptr;
    QPushButton* Cancelcom = nullptr;

    void Okcom_Click();

protected:
    void Load() override;
    QString Result() const override { return addHTML; }

private:
    void List1_Click(int row);
};
