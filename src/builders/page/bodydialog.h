#pragma once
// The body dialog "设置主体": the page's background picture, background and text colours, scroll bars, style and
// event handlers, read from the body tag; attributes it does not know stay in the tag.
//
// The caller sets Attrs (the body tag's parsed attributes) and Run()s it: the new tag after OK (Yn true), nothing
// after Cancel. The tag's rules are BodyTag's.

#include "base/builderdialog.h"
#include "builders/page/bodytag.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class BodyDialog : public BuilderDialog
{
    Q_OBJECT

public:
    explicit BodyDialog(const BuilderContext& context, QWidget* parent = nullptr);

    AttributeList Attrs; // in
    bool Yn = false;     // out: true after OK
    QString BodyStr;     // out: the new tag
    BodyTag Body;

    // ---- Controls.
    QLineEdit* BodyText = nullptr; // background picture
    QPushButton* ImgCommand = nullptr;
    QPushButton* FgCommand = nullptr;
    QLabel* FgValue = nullptr;
    QPushButton* BgCommand = nullptr;
    QLabel* BgValue = nullptr;
    QGroupBox* ScrollFrame = nullptr;
    QRadioButton* ScrollOption[3] = {};
    QPushButton* ECommand = nullptr;
    QPushButton* StyleCommand = nullptr;
    QLabel* StyleValue = nullptr;
    QPushButton* OkCommand = nullptr;
    QPushButton* CanCommand = nullptr;

protected:
    void Load() override;
    QString Result() const override { return BodyStr; }

private:
    void ECommand_Click();
    void StyleCommand_Click();
    void OkCommand_Click();
    void ShowValues();

    QButtonGroup* scrollGroup_ = nullptr;
};
