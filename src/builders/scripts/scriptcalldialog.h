#pragma once
// The argument dialog "属性设置" of a ready-made script call: one labelled row per argument, a single colour
// button, or the pop-up window panel whose ticks and size boxes build the feature list of a window-opening call.
//
// Made with the call's position in javas; Run() hands back the ten arguments after OK, nothing after Cancel. How the
// call is put together from them is JsStatement's.

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
    ScriptCallDialog(const BuilderContext& context, int callIndex, QWidget* parent = nullptr);

    // The ten arguments after OK, nothing after Cancel.
    std::optional<QStringList> Run();

    // ---- Controls.
    QGroupBox* ArgumentFrame = nullptr;
    QLabel* JsLabel[JsStatement::ArgCount] = {};
    QLineEdit* JsText[JsStatement::ArgCount] = {};
    QPushButton* ColorCom = nullptr;
    QLabel* ColorValue = nullptr;
    QGroupBox* WindowFrame = nullptr;
    QCheckBox* OpenCheck[WindowFeatures::FeatureCount] = {};
    QLabel* WinLabel[WindowFeatures::SizeCount] = {};
    QLineEdit* WinText[WindowFeatures::SizeCount] = {};
    QPushButton* OkCommand = nullptr;
    QPushButton* CancelCommand = nullptr;

protected:
    // Reads the call and lays the dialog out for it.
    void Load() override;

private:
    void StoreArgument(int i);
    void PickArgumentColour();
    void TickFeature(int i);
    void StoreWindowSize(int i);
    // Row 2 takes the window's argument.
    void Compose();

    const int callIndex_;
    QStringList values_; // the arguments, one per row
    JsStatement statement_;
    WindowFeatures window_;
    bool settingSizes_ = false;
};
