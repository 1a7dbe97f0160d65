#pragma once
// The argument dialog "属性设置" of a ready-made script call: one labelled row per argument, a single colour
// button, or the pop-up window panel whose ticks and size boxes build the feature list of a window-opening call.
//
// The caller sets RsIndex (the call's position in javas) and Confirm()s it; GetV then gives the ten arguments, all
// empty after Cancel. How the call is put together from them is JsStatement's.

#include "base/builderdialog.h"
#include "builders/scripts/jsstatement.h"
#include "builders/scripts/windowfeatures.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class ScriptCallDialog : public BuilderDialog
{
    Q_OBJECT

public:
    explicit ScriptCallDialog(const BuilderContext& context, QWidget* parent = nullptr);

    int RsIndex = 0;      // in
    bool Yn = false;      // true after OK
    QStringList JsValues; // the arguments, one per row
    JsStatement Statement;
    WindowFeatures Window;

    // Copies the ten arguments into positions 0 to 9 of `values`; all empty unless the dialog was confirmed.
    void GetV(QStringList& values) const;

    // ---- Controls.
    QGroupBox* Frame1 = nullptr;
    QLabel* JsLabel[JsStatement::ArgCount] = {};
    QLineEdit* JsText[JsStatement::ArgCount] = {};
    QPushButton* ColorCom = nullptr;
    QLabel* ColorValue = nullptr;
    QGroupBox* OPenFrame = nullptr;
    QCheckBox* OpenCheck[WindowFeatures::FeatureCount] = {};
    QLabel* WinLabel[WindowFeatures::SizeCount] = {};
    QLineEdit* WinText[WindowFeatures::SizeCount] = {};
    QPushButton* OkCommand = nullptr;
    QPushButton* CancelCommand = nullptr;

protected:
    // Reads the call at RsIndex and lays the dialog out for it.
    void Load() override;

private:
    void JsText_Change(int i);
    void ColorCom_Click();
    void OpenCheck_Click(int i);
    void WinText_Change(int i);
    // Row 2 takes the window's argument.
    void Compose();
    void OkCommand_Click();

    bool settingSizes_ = false;
};
