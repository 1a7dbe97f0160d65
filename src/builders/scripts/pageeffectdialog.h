#pragma once
// The effects dialog "Javascript特效": a list of ready-made page effects from the database, the chosen effect's
// description and up to five parameters (a colour, a picture, a text, a font size or a number).
//
// The caller Confirm()s it; after OK Yn is true, JavaTxt holds the assembled script, LoadTxt the body's onload code
// and SetEstr gives the effect's body event handlers. Cancel leaves JavaTxt and LoadTxt empty. The effect's rules
// are PageEffect's.

#include "base/builderdialog.h"
#include "builders/scripts/pageeffect.h"

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

    bool Yn = false;
    QString JavaTxt;
    QString LoadTxt;
    // The chosen effect's four body event names into NameStr and their code into CodeStr (positions 0 to 3); a
    // pair the effect does not define is empty.
    void SetEstr(QStringList& NameStr, QStringList& CodeStr) const;

    // ---- Controls.
    QListWidget* List1 = nullptr;
    QLabel* CountLabel = nullptr;
    QPlainTextEdit* HelpText = nullptr;
    QGroupBox* TxFrame = nullptr;
    QLabel* TxLabel[PageEffect::ParamCount] = {};
    QLineEdit* TxText[PageEffect::ParamCount] = {};
    QPushButton* TxCom[PageEffect::ParamCount] = {};
    QComboBox* FontList[PageEffect::ParamCount] = {};
    QLabel* NoSetLabel = nullptr;
    QPushButton* Okcom = nullptr;
    QPushButton* Cancelcom = nullptr;

    // The effect chosen last (an empty one before the first choice).
    const PageEffect& Effect() const { return effect_; }

    void List1_Click();
    void TxCom_Click(int i);
    void FontList_Click(int i);
    void Okcom_Click();

public Q_SLOTS:
    // Cancel and the close box: no script.
    void reject() override;

protected:
    void Load() override;
    QString Result() const override { return JavaTxt; }

private:
    void ShowParam(int i);

    PageEffect effect_;
    QStringList names_, codes_;
};
