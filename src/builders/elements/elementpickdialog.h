#pragma once
// The element pick list "添加HTML元素": every element of the database meant to be offered (qz 0) by its title.
// Adding one opens the small element dialog for it. Run() hands back the markup after the element was added ("" when
// the element dialog was cancelled), nothing after Cancel.

#include "base/builderdialog.h"

class QListWidget;
class QPushButton;

class ElementPickDialog : public BuilderDialog
{
    Q_OBJECT

public:
    explicit ElementPickDialog(const BuilderContext& context, QWidget* parent = nullptr);

    // ---- Controls.
    QListWidget* ElementList = nullptr;
    QPushButton* AddCommand = nullptr;
    QPushButton* CancelCommand = nullptr;

protected:
    void Load() override;
    QString Result() const override { return markup_; }

private:
    void ChooseElement(int row);
    // Opens the element dialog for the element chosen and closes with its markup.
    void AddChosen();

    int chosen_ = -1; // position in html1 of the element chosen
    QString markup_;
};
