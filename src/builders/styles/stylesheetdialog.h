#pragma once
// The style sheet dialog "设置样式表": selectors (an element, a class, an element with a class, a link state)
// gathered in a list, each given its declaration list in the style dialog.
//
// Run() hands back the rules after OK, nothing after Cancel; an OK with no style set hands back "".
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
    // What OK says when selectors were added but none was given a style.
    static const QString NoStyleSet;

    explicit StyleSheetDialog(const BuilderContext& context, QWidget* parent = nullptr);

    // ---- Controls.
    QListWidget* ElementList = nullptr;    // elements
    QCheckBox* AllElementsCheck = nullptr; // "所有元素"
    QLineEdit* NameText = nullptr;
    QPushButton* AddCom = nullptr;
    QListWidget* SelectorList = nullptr; // selectors
    QPushButton* StyleCommand = nullptr;
    QFrame* LinkStateFrame = nullptr;
    QLabel* LinkStateLabel = nullptr;
    QListWidget* LinkStateList = nullptr; // link states
    QPushButton* OkCommand = nullptr;
    QPushButton* CancelCommand = nullptr;

protected:
    void Load() override;
    QString Result() const override { return sheet_.CssTxt(); }

private:
    // OK: closes with the rules, or says why there are none to insert.
    void AcceptRules();

private:
    void AddSelector();
    void EditSelectorStyle();
    void ShowElementChoice();
    void ChooseLinkState();
    void ToggleAllElements(bool ticked);

    StyleSheet sheet_;
    QDomElement elementNode_;
    QDomElement linkNode_;
};
