#pragma once
// The horizontal rule's fields: height, width in per cent or pixels, colour and the 3-D look.

#include "builders/elements/kindframe.h"

class QCheckBox;
class QPushButton;
class QRadioButton;

class HrFrame : public KindFrame
{
    Q_OBJECT

public:
    explicit HrFrame(AddhForm* form);
    bool ApplyAttr(const QString& name, const QString& value) override;

    QLineEdit* HrText[2] = {};
    QRadioButton* HrOption[2] = {};
    QPushButton* HrColorCommand = nullptr;
    QCheckBox* HrCheck = nullptr;

    void HrText_Change(int i);
    void HrColorCommand_Click();
};
