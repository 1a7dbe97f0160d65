#pragma once
// The style sheet dialog "设置样式表": selectors (an element, a class, an element with a class, a link state)
// gathered in a list, each given its declaration list in the style dialog.
//
// Run() hands back the rules (CssTxt) after OK, nothing after Cancel; an OK with no style set hands back "".
// The rules' text is StyleSheet's.

#include "base/builderdialog.h"
#include "builders/styles/stylesheet.h"

#include <QDomElement>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class StyleSheetDialog : public BuilderDialog
{
    Q_OBJECT

public:
    explicit StyleSheetDialog(const BuilderContext& context, QWidget* parent = nullptr);

    QString CssTxt; // out: the rules after OK
    StyleSheet Sheet;

    // ---- Controls.
    QListWidget* List1 = nullptr; // elements
    QCheckBox* Check1 = nullptr;  // "所有元素"
    QLineEdit* NameText = nullptr;
    QPushButton* AddCom = nullptr;
    QListWidget* List2 = nullptr; // selectors
    QPushButton* StyleCommand = nullptr;
    QFrame* Frame1 = nullptr;
    QLabel* Label3 = nullptr;
    QListWidget* List3 = nullptr; // link states
    QPushButton* OkCommand = nullptr;
    QPushButton* CancelCommand = nullptr;

    void AddCom_Click();
    void StyleCommand_Click();

protected:
    void Load() override;
    QString Result() const override { return CssTxt; }

private:
    void List1_Click();
    void List3_Click();
    void Check1_Click(bool ticked);
    void OkCommand_Click();

    QDomElement ElementNode;
    QDomElement LinkNode;
};
