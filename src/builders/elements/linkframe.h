#pragma once
// The link's fields: address, and the target window with its names.

#include "builders/elements/kindframe.h"

class QCheckBox;
class QComboBox;

class LinkFrame : public KindFrame
{
    Q_OBJECT

public:
    explicit LinkFrame(AddhForm* form);
    void Setup() override;
    bool ApplyAttr(const QString& name, const QString& value) override;

    QLineEdit* LinkText[2] = {};
    QCheckBox* LinkCheck1 = nullptr;
    QComboBox* LinkCombo = nullptr;

    void LinkCheck1_Click();
    void LinkCombo_Click(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
