#pragma once
// The effects picker "设置特效": animated effects for the element being built in the element dialog, each shown
// live on that element before the user confirms.
//
// Made with the element's id and its preview markup; Run() hands back the chosen effect's script and its onload
// code (empty when it has none; both empty when none was chosen) after OK, nothing after Cancel. The placeholder
// rules are ElementEffect's.

#include "base/builderdialog.h"

class PreviewPane;
class QListWidget;
class QPushButton;

class ElementEffectDialog : public BuilderDialog
{
    Q_OBJECT

public:
    struct Input
    {
        QString id;            // the element's id
        QString elementMarkup; // the element as the element dialog last previewed it
    };
    struct Effect
    {
        QString script;
        QString onload;
    };

    ElementEffectDialog(const BuilderContext& context, Input input, QWidget* parent = nullptr);

    // The chosen effect after OK, nothing after Cancel.
    std::optional<Effect> Run();
    // The effect chosen last (empty before the first choice and after Cancel).
    const Effect& Chosen() const { return chosen_; }
    QString ElementId() const { return input_.id; }

    static const QString FailText; // "出现异常错误!"

    // ---- Controls.
    QListWidget* EffectList = nullptr;
    PreviewPane* Preview = nullptr; // its view is the objectName "web1"
    QPushButton* OkCommand = nullptr;
    QPushButton* CanCommand = nullptr;

public Q_SLOTS:
    // Cancel and the close box: no effect.
    void reject() override;

protected:
    void Load() override;

private:
    void ChooseEffect();

    const Input input_;
    Effect chosen_;
};
