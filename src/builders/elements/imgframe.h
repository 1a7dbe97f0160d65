#pragma once
// The image's fields: address with a browse button, text, border, size, name and alignment.

#include "builders/elements/kindframe.h"

class QPushButton;
class QRadioButton;

class ImgFrame : public KindFrame
{
    Q_OBJECT

public:
    explicit ImgFrame(AddhForm* form);
    bool ApplyAttr(const QString& name, const QString& value) override;

    QLineEdit* ImgText[5] = {};
    QPushButton* ImgCommand = nullptr;
    QLineEdit* ImgNameText = nullptr;
    QRadioButton* ImgOption[3] = {};

    void ImgCommand_Click();
};
