#pragma once
// The effects picker "设置特效": animated effects for the element being built in the element dialog, each shown
// live on that element before the user confirms.
//
// The caller sets Id (the element's id) and MyTxStr (the element's preview markup) and shows it; after OK TxStr
// holds the effect markup and LoadStr its onload code (empty when it has none); Cancel empties both. The
// placeholder rules are ElementEffect's.

#include "base/builderdialog.h"

class PreviewPane;
class QListWidget;
class QPushButton;

class ElementEffectDialog : public BuilderDialog
{
    Q_OBJECT

public:
    explicit ElementEffectDialog(const BuilderContext& context, QWidget* parent = nullptr);

    // In.
    QString Id;
    QString MyTxStr;
    // Out.
    QString TxStr;
    QString LoadStr;

    static const QString FailText; // "出现异常错误!"

    // ---- Controls.
    QListWidget* List1 = nullptr;
    PreviewPane* Preview = nullptr; // its view is web1
    QPushButton* OkCommand = nullptr;
    QPushButton* CanCommand = nullptr;

    void List1_Click();

public Q_SLOTS:
    // Cancel and the close box: no effect.
    void reject() override;

protected:
    void Load() override;
    QString Result() const override { return TxStr; }
};
