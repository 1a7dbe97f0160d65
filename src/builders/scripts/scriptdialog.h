#pragma once
// The script dialog "添加脚本": a script block in JavaScript, VBScript or a language the user names, with the
// address of an existing script or with the code typed here.
//
// Run() hands back the block after OK, nothing after Cancel. The block's text is
// ScriptBlock's.

#include "base/builderdialog.h"
#include "builders/scripts/scriptblock.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

class ScriptDialog : public BuilderDialog
{
    Q_OBJECT

public:
    explicit ScriptDialog(QWidget* parent = nullptr);

    // ---- Controls.
    QRadioButton* ScriptOption[3] = {};
    QLineEdit* SNameText = nullptr;
    QRadioButton* SrcYnOption[2] = {};
    QLineEdit* SrcText = nullptr;
    QPlainTextEdit* ScriptText = nullptr;
    QPushButton* OkCommand = nullptr;
    QPushButton* CanCommand = nullptr;

protected:
    void Load() override;
    QString Result() const override { return block_.Text(); }

private:
    void ChooseLanguage(int i);
    void ChooseSource(int i);
    void Accept();

    ScriptBlock block_; // language, src or code
};
