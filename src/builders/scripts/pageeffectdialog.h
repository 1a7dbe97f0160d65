#pragma once
// The effects dialog "JavaScript特效": a list of ready-made page effects from the database, the chosen effect's
// description and up to five parameters (a colour, a picture, a text, a font size or a number).
//
// Run() hands back the assembled script, the body's onload code and the effect's body event handlers (positions 0
// to 3; a pair the effect does not define is empty) after OK, nothing after Cancel. The effect's rules are
// PageEffect's.

#include "base/builderdialog.h"
#include "builders/scripts/pageeffect.h"
#include "editor/bodyscript.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class PageEffectDialog : public BuilderDialog
{
    Q_OBJECT

public:
    explicit PageEffectDialog(const BuilderContext& context, QWidget* parent = nullptr);

    // The script with what it adds to the body tag after OK, nothing after Cancel or the close box.
    std::optional<BodyScript> Run();
    // The same for a dialog shown without Run(): the script once OK was pressed, nothing before.
    std::optional<BodyScript> Outcome() const { return outcome_; }

    // ---- Controls.
    QListWidget* EffectList = nullptr;
    QLabel* CountLabel = nullptr;
    QPlainTextEdit* HelpText = nullptr;
    QGroupBox* ParamFrame = nullptr;
    QLabel* ParamLabel[PageEffect::ParamCount] = {};
    QLineEdit* TxText[PageEffect::ParamCount] = {};
    QPushButton* ParamCommand[PageEffect::ParamCount] = {};
    QComboBox* ParamFontList[PageEffect::ParamCount] = {};
    QLabel* NoSetLabel = nullptr;
    QPushButton* OkCommand = nullptr;
    QPushButton* CancelCommand = nullptr;

    // The effect chosen last (an empty one before the first choice).
    const PageEffect& Effect() const { return effect_; }

public Q_SLOTS:
    // Cancel and the close box: no script.
    void reject() override;

protected:
    void Load() override;

private:
    void ChooseEffect();
    void PickParam(int i);
    void TakeFont(int i);
    void Accept();
    void ShowParam(int i);

    PageEffect effect_;
    std::optional<BodyScript> outcome_; // set by OK
    QStringList names_, codes_;
};
