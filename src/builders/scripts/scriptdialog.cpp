#include "builders/scripts/scriptdialog.h"

#include "base/dialogbuttons.h"
#include "base/formkit.h"
#include "base/helpers.h"
#include "base/uihelpers.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

ScriptDialog::ScriptDialog(QWidget* parent) : BuilderDialog(parent)
{
    setObjectName(QStringLiteral("ScriptForm"));
    setWindowTitle(QStringLiteral("添加脚本"));

    const FormKit::Options languages = FormKit::OptionGroup(
        this, QStringLiteral("脚本语言"), QStringLiteral("ScriptOption"),
        {QStringLiteral("JavaScript语言"), QStringLiteral("VBScript语言"), QStringLiteral("其他语言")});
    for (int i = 0; i < 3; ++i)
        ScriptOption[i] = languages.Buttons.at(i);
    FormKit::MarkOldIeOnly(ScriptOption[1]);
    SNameText = new QLineEdit(languages.Box);
    SNameText->setObjectName(QStringLiteral("SNameText"));
    static_cast<QGridLayout*>(languages.Box->layout())->addWidget(SNameText, 0, 3);
    connect(languages.Group, &QButtonGroup::idClicked, this, &ScriptDialog::ChooseLanguage);
    connect(SNameText, &QLineEdit::textChanged, this, [this](const QString& name) {
        if (ScriptOption[ScriptBlock::Other]->isChecked())
            block_.ScriptLang = name;
    });

    const FormKit::Options source =
        FormKit::OptionGroup(this, QStringLiteral("脚本代码"), QStringLiteral("SrcYnOption"),
                             {QStringLiteral("使用已有的代码"), QStringLiteral("输入新的代码")}, 1);
    for (int i = 0; i < 2; ++i)
        SrcYnOption[i] = source.Buttons.at(i);
    auto* grid = static_cast<QGridLayout*>(source.Box->layout());
    SrcText = new QLineEdit(source.Box);
    SrcText->setObjectName(QStringLiteral("SrcText"));
    SrcText->setToolTip(QStringLiteral("脚本文件的地址"));
    grid->addWidget(SrcText, 0, 1);
    ScriptText = new QPlainTextEdit(source.Box);
    ScriptText->setObjectName(QStringLiteral("ScriptText"));
    ScriptText->setTabChangesFocus(true);
    ScriptText->setMinimumSize(460, 200);
    grid->addWidget(ScriptText, 2, 0, 1, 2);
    connect(source.Group, &QButtonGroup::idClicked, this, &ScriptDialog::ChooseSource);

    const DialogButtons buttons = DialogButtons::Make(this, QStringLiteral("OkCommand"), QStringLiteral("CanCommand"));
    OkCommand = buttons.Ok;
    CanCommand = buttons.Cancel;
    connect(OkCommand, &QPushButton::clicked, this, &ScriptDialog::Accept);
    connect(CanCommand, &QPushButton::clicked, this, &QDialog::reject);

    auto* main = new QVBoxLayout(this);
    main->addWidget(languages.Box);
    main->addWidget(source.Box, 1);
    main->addLayout(buttons.Row);

    setTabOrder(ScriptOption[0], ScriptOption[1]);
    setTabOrder(ScriptOption[1], ScriptOption[2]);
    setTabOrder(ScriptOption[2], SNameText);
    setTabOrder(SNameText, SrcYnOption[0]);
    setTabOrder(SrcYnOption[0], SrcYnOption[1]);
    setTabOrder(SrcYnOption[1], SrcText);
    setTabOrder(SrcText, ScriptText);
    setTabOrder(ScriptText, OkCommand);
    setTabOrder(OkCommand, CanCommand);
}

void ScriptDialog::Load()
{
    block_ = ScriptBlock();
    ScriptOption[ScriptBlock::JavaScript]->setChecked(true);
    SrcYnOption[1]->setChecked(true);
    SetBoxEnabled(SNameText, false);
    SetBoxEnabled(SrcText, false);
    SetBoxEnabled(ScriptText, true);
    ScriptOption[ScriptBlock::JavaScript]->setFocus();
}

void ScriptDialog::ChooseLanguage(int i)
{
    block_.ScriptLang = ScriptBlock::LanguageName(i, SNameText->text());
    SetBoxEnabled(SNameText, i == ScriptBlock::Other);
}

void ScriptDialog::ChooseSource(int i)
{
    block_.UseSrc = i == 0;
    SetBoxEnabled(SrcText, block_.UseSrc);
    SetBoxEnabled(ScriptText, !block_.UseSrc);
}

void ScriptDialog::Accept()
{
    block_.Src = SrcText->text();
    QString code = ScriptText->toPlainText();
    code.replace(QLatin1Char('\n'), CrLf);
    block_.Code = code;
    accept();
}
