#pragma once
// The small element dialog "添加元素" for any element of the database: its content, its style and its event
// handlers. Made with the element's position in html1; Run() hands back the markup after OK, nothing after Cancel.
// The markup is GenericElement's.

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
    GenericElementDialog(const BuilderContext& context, int elementIndex, QWidget* parent = nullptr);

    // ---- Controls.
    QLabel* TitleLabel = nullptr; // the element's title
    QPlainTextEdit* ContentText = nullptr;
    QCheckBox* HtmlCheck = nullptr;
    QPushButton* StyleCommand = nullptr;
    QPushButton* EventCommand = nullptr;
    QPushButton* OkCommand = nullptr;
    QPushButton* CancelCommand = nullptr;

protected:
    void Load() override;
    QString Result() const override { return element_.Markup(); }

private:
    void EditStyle();
    void EditEvents();
    void Accept();

    const int elementIndex_;
    GenericElement element_; // the element with its style and events
};
