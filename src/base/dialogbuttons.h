#pragma once
// The OK / Cancel row at the foot of a dialog: a QDialogButtonBox carrying our captions (with their accelerators)
// and the control names the dialog gives them, OK the default button. The dialog connects the buttons itself.

#include <QString>

class QDialog;
class QDialogButtonBox;
class QHBoxLayout;
class QPushButton;
class QWidget;

struct DialogButtons
{
    QDialogButtonBox* Box = nullptr;
    QHBoxLayout* Row = nullptr; // holds Box; add it to the dialog's layout
    QPushButton* Ok = nullptr;
    QPushButton* Cancel = nullptr;

    // OK accepts `dialog`; Cancel rejects it.
    void CloseOnClick(QDialog* dialog) const;

    static DialogButtons Make(QWidget* parent, const QString& okName, const QString& cancelName,
                              const QString& okCaption = QStringLiteral("确定"),
                              const QString& cancelCaption = QStringLiteral("取消"));
};
