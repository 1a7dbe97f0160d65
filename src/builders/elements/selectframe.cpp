#include "builders/elements/selectframe.h"

#include "base/formkit.h"
#include "base/messages.h"
#include "base/uihelpers.h"
#include "builders/elements/elementdialog.h"
#include "builders/elements/elementfield.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

SelectFrame::SelectFrame(ElementDialog* form) : KindFrame(form, QStringLiteral("SelectFrame"))
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);

    SelectList = new QListWidget(this);
    SelectList->setObjectName(QStringLiteral("SelectList"));
    SelectList->setMinimumHeight(110);
    grid->addWidget(SelectList, 0, 0, 5, 1);

    AddListCommand = FormKit::Button(this, QStringLiteral("AddListCommand"), QStringLiteral("新增一行"));
    DelListCommand = FormKit::Button(this, QStringLiteral("DelListCommand"), QStringLiteral("删除一行"));
    grid->addWidget(AddListCommand, 0, 1, 1, 2);
    grid->addWidget(DelListCommand, 1, 1, 1, 2);

    auto* fields = new QGridLayout;
    grid->addLayout(fields, 5, 0, 1, 3);
    SelectText[0] =
        FormKit::TextRow(fields, 0, QStringLiteral("本行文本"), QStringLiteral("SelectText_0"), QString(), &LineLabel);
    ValueText =
        FormKit::TextRow(fields, 1, QStringLiteral("内部值"), QStringLiteral("ValueText"), QString(), &ValueLabel);
    SelectText[1] =
        FormKit::TextRow(fields, 2, QStringLiteral("列表行数"), QStringLiteral("SelectText_1"), QString(), &CountLabel);
    FradioText = FormKit::TextRow(fields, 3, QStringLiteral("内部名称"), QStringLiteral("FradioText"), QString(),
                                  &RadioNameLabel);
    FradioText->setText(QStringLiteral("Name"));

    SelectCheck = FormKit::Check(this, QStringLiteral("SelectCheck"), QStringLiteral("允许多行选择"));
    RadioCheck = FormKit::Check(this, QStringLiteral("RadioCheck"), QStringLiteral("自动换行"));
    grid->addWidget(SelectCheck, 2, 1, 1, 2);
    grid->addWidget(RadioCheck, 3, 1, 1, 2);
    grid->setColumnStretch(0, 1);

    Form->EnterRefreshes(SelectText[0]);
    Form->EnterRefreshes(SelectText[1]);
    Form->EnterRefreshes(FradioText);

    connect(AddListCommand, &QPushButton::clicked, this, &SelectFrame::AddLine);
    connect(DelListCommand, &QPushButton::clicked, this, &SelectFrame::DeleteLine);
    connect(SelectList, &QListWidget::currentRowChanged, this, &SelectFrame::ChooseLine);
    connect(SelectText[0], &QLineEdit::textChanged, this, [this](const QString& text) {
        if (choosing_)
            return;
        const int i = SelectList->currentRow();
        if (i >= 0) {
            SelectList->item(i)->setText(text);
            M().Lines[i] = text;
        }
        BuildListContent();
    });
    connect(ValueText, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (choosing_)
            return;
        const int i = SelectList->currentRow();
        if (i >= 0)
            M().ItemValue[i] = text;
        BuildListContent();
    });
    connect(SelectText[1], &QLineEdit::textChanged, this, [this](const QString& text) {
        const QString number = ElementMarkup::NumericText(text, 0, ElementField::NumberMax);
        if (number != text) {
            SelectText[1]->setText(number);
            return;
        }
        M().SetAttr(QStringLiteral("size"), number);
    });
    connect(SelectCheck, &QCheckBox::clicked, this, [this](bool checked) {
        M().SetAttr(QStringLiteral("multiple"), checked ? QStringLiteral("multiple") : QString());
        Refresh();
    });
    connect(FradioText, &QLineEdit::textChanged, this, [this] { BuildListContent(); });
    connect(RadioCheck, &QCheckBox::clicked, this, [this] {
        BuildListContent();
        Refresh();
    });
}

void SelectFrame::Setup()
{
    const ListMode mode = M().ListKind;
    const bool select = mode == ListMode::Options;
    const bool radio = mode == ListMode::Radios;
    CountLabel->setVisible(select);
    SelectText[1]->setVisible(select);
    SelectCheck->setVisible(select);
    RadioNameLabel->setVisible(radio);
    FradioText->setVisible(radio);
    RadioCheck->setVisible(radio);
    ValueLabel->setVisible(select || radio);
    ValueText->setVisible(select || radio);
    if (!select)
        Form->CommonFrame->hide(); // radio groups and lists carry no id, title or class
    if (radio) {
        LineLabel->setText(QStringLiteral("本单选框文本"));
        AddListCommand->setText(QStringLiteral("增加一个"));
        DelListCommand->setText(QStringLiteral("删除一个"));
    } else if (!select) {
        AddListCommand->setText(QStringLiteral("增加一行"));
    }
    ChooseLine();
}

void SelectFrame::AddLine()
{
    if (!M().AddLine()) {
        Messages::Show(Form, QStringLiteral("太多了,不要添了"));
    } else {
        SelectList->addItem(M().Lines.last());
        // The new line is chosen, its text selected in the line box, ready to be typed over.
        SelectList->setCurrentRow(SelectList->count() - 1);
    }
    BuildListContent();
    Refresh();
}

void SelectFrame::DeleteLine()
{
    const int i = SelectList->currentRow();
    if (i >= 0) {
        const int next = M().DeleteLine(i);
        choosing_ = true;
        delete SelectList->takeItem(i);
        choosing_ = false;
        SelectList->setCurrentRow(next);
        ChooseLine();
    }
    BuildListContent();
    Refresh();
}

void SelectFrame::ChooseLine()
{
    const int i = SelectList->currentRow();
    const bool chosen = i >= 0;
    DelListCommand->setEnabled(chosen);
    SetBoxEnabled(SelectText[0], chosen);
    SetBoxEnabled(ValueText, chosen);
    choosing_ = true;
    if (chosen) {
        SelectText[0]->setText(SelectList->item(i)->text());
        if (M().ListKind == ListMode::Options || M().ListKind == ListMode::Radios)
            ValueText->setText(M().ItemValue.at(i));
    } else {
        SelectText[0]->clear();
        ValueText->clear();
    }
    choosing_ = false;
    if (chosen && isVisible())
        SelectAllInBox(SelectText[0]);
    emit LineChosen(i);
}

void SelectFrame::BuildListContent()
{
    Form->SetContentText(M().BuildListContent(FradioText->text(), RadioCheck->isChecked()));
}
