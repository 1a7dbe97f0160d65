#pragma once
// The OK / Cancel row at the foot of the small dialogs: right-aligned, OK the default button.

#include <QString>

class QHBoxLayout;
class QPushButton;
class QWidget;

struct DialogButtons
{
    QHBoxLayout* Row = nullptr;
    QPushButton* Ok = nullptr;
    QPushButton* Cancel = nullptr;

    // `okName` and `cancelName` become the buttons' object names (each dialog keeps its own control names).
    static DialogButtons Make(QWidget* parent, const QString& okName, const QString& cancelName);
};
