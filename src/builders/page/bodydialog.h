#pragma once
// The body dialog "设置主体": the page's background picture, background and text colours, scroll bars, style and
// event handlers, read from the body tag; attributes it does not know stay in the tag.
//
// Made with the body tag's parsed attributes; Run() hands back the new tag after OK, nothing after Cancel. The tag's
// rules are BodyTag's.

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
    BodyDialog(const BuilderContext& context, const AttributeList& attrs, QWidget* parent = nullptr);

    // ---- Controls.
    QLineEdit* BodyText = nullptr; // background picture
    QPushButton* ImgCommand = nullptr;
    QPushButton* FgCommand = nullptr;
    QLabel* FgValue = nullptr;
    QPushButton* BgCommand = nullptr;
    QLabel* BgValue = nullptr;
    QGroupBox* ScrollFrame = nullptr;
    QRadioButton* ScrollOption[3] = {};
    QPushButton* EventCommand = nullptr;
    QPushButton* StyleCommand = nullptr;
    QLabel* StyleValue = nullptr;
    QPushButton* OkCommand = nullptr;
    QPushButton* CanCommand = nullptr;

protected:
    void Load() override;
    QString Result() const override { return bodyTag_; }

private:
    void EditEvents();
    void EditStyle();
    void Accept();
    void ShowValues();

    const AttributeList attrs_;
    BodyTag body_;
    QString bodyTag_; // the new tag, made by OK
    QButtonGroup* scrollGroup_ = nullptr;
};
