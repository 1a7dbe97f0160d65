#pragma once
// The attribute dialog "属性设置": one name and its value. The caller sets MyName and MyValue and Confirm()s it;
// after OK both hold the two boxes' texts, after Cancel they are as they were.

#include "base/builderdialog.h"

class QLineEdit;
class QPushButton;

class AttributeDialog : public BuilderDialog
{
    Q_OBJECT

public:
    explicit AttributeDialog(QWidget* parent = nullptr);

    QString MyName;  // in and out
    QString MyValue; // in and out

    QLineEdit* NameText = nullptr;
    QLineEdit* ValueText = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

protected:
    void Load() override;

private:
    void Command1_Click();
};
