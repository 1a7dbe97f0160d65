#include "builders/elements/selectframe.h"

#include "app/messages.h"
#include "app/uihelpers.h"
#include "builders/elements/addhform.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

SelectFrame::SelectFrame(AddhForm* form) : KindFrame(form, QStringLiteral("SelectFrame"))
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);

    SelectList = new QListWidget(this);
    SelectList->setObjectName(QStringLiteral("SelectList"));
    SelectList->setMinimumHeight(110);
    grid->addWidget(SelectList, 0, 0, 5, 1);

    AddListCommand = new QPushButton(QStringLiteral("新增一行"), this);
    AddListCommand->setObjectName(QStringLiteral("AddListCommand"));
    DelListCommand = new QPushButton(QStringLiteral("删除一行"), this);
    DelListCommand->setObjectName(QStringLiteral("DelListCommand"));
    for (QPushButton* b : {AddListCommand, DelListCommand})
        b->setAutoDefault(false);
    grid->addWidget(AddListCommand, 0, 1, 1, 2);
    grid->addWidget(DelListCommand, 1, 1, 1, 2);

    auto* fields = new QGridLayout;
    LineLabel = new QLabel(QStringLiteral("本行文本"), this);
    SelectText[0] = new QLineEdit(this);
    SelectText[0]->setObjectName(QStringLiteral("SelectText_0"));
    ValueLabel = new QLabel(QStringLiteral("内部值"), this);
    ValueText = new QLineEdit(this);
    ValueText->setObjectName(QStringLiteral("ValueText"));
    CountLabel = new QLabel(QStringLiteral("列表行数"), this);
    SelectText[1] = new QLineEdit(this);
    SelectText[1]->setObjectName(QStringLiteral("SelectText_1"));
    RadioNameLabel = new QLabel(QStringLiteral("内部名称"), this);
    FradioText = new QLineEdit(QStringLiteral("Name"), this);
    FradioText->setObjectName(QStringLiteral("FradioText"));
    LineLabel->setBuddy(SelectText[0]);
    ValueLabel->setBuddy(ValueText);
    CountLabel->setBuddy(SelectText[1]);
    RadioNameLabel->setBuddy(FradioText);
    fields->addWidget(LineLabel, 0, 0);
    fields->addWidget(SelectText[0], 0, 1);
    fields->addWidget(ValueLabel, 1, 0);
    fields->addWidget(ValueText, 1, 1);
    fields->addWidget(CountLabel, 2, 0);
    fields->addWidget(SelectText[1], 2, 1);
    fields->addWidget(RadioNameLabel, 3, 0);
    fields->addWidget(FradioText, 3, 1);
    grid->addLayout(fields, 5, 0, 1, 3);

    SelectCheck = new QCheckBox(QStringLiteral("允许多行选择"), this);
    SelectCheck->setObjectName(QStringLiteral("SelectCheck"));
    RadioCheck = new QCheckBox(QStringLiteral("自动换行"), this);
    RadioCheck->setObjectName(QStringLiteral("RadioCheck"));
    grid->addWidget(SelectCheck, 2, 1, 1, 2);
    grid->addWidget(RadioCheck, 3, 1, 1, 2);
    grid->setColumnStretch(0, 1);

    Form->EnterRefreshes(SelectText[0]);
    Form->EnterRefreshes(SelectText[1]);
    Form->EnterRefreshes(FradioText);

    connect(AddListCommand, &QPushButton::clicked, this, &SelectFrame::AddListCommand_Click);
    connect(DelListCommand, &QPushButton::clicked, this, &SelectFrame::DelListCommand_Click);
    connect(SelectList, &QListWidget::currentRowChanged, this, &SelectFrame::SelectList_Click);
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
        const QString number = ElementMarkup::NumericText(text);
        if (number != text) {
            SelectText[1]->setText(number);
            return;
        }
        if (M().SlotMax >= 1)
            M().SlotValue[1] = number;
    });
    connect(SelectCheck, &QCheckBox::clicked, this, [this](bool checked) {
        if (M().SlotMax >= 2)
            M().SlotValue[2] = checked ? QStringLiteral("multiple") : QString();
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
    const int kind = M().ListKind;
    const bool select = kind == 0;
    const bool radio = kind == 1;
    CountLabel->setVisible(select);
    SelectText[1]->setVisible(select);
    SelectCheck->setVisible(select);
    RadioNameLabel->setVisible(radio);
    FradioText->setVisible(radio);
    RadioCheck->setVisible(radio);
    ValueLabel->setVisible(select || radio);
    ValueText->setVisible(select || radio);
    if (!select)
        Form->OfftFrame1->hide(); // radio groups and lists carry no id, title or class
    if (radio) {
        LineLabel->setText(QStringLiteral("本单选框文本"));
        AddListCommand->setText(QStringLiteral("增加一个"));
        DelListCommand->setText(QStringLiteral("删除一个"));
    } else if (!select) {
        AddListCommand->setText(QStringLiteral("增加一行"));
    }
    SelectList_Click();
}

void SelectFrame::AddListCommand_Click()
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

void SelectFrame::DelListCommand_Click()
{
    const int i = SelectList->currentRow();
    if (i >= 0) {
        const int next = M().DeleteLine(i);
        choosing_ = true;
        delete SelectList->takeItem(i);
        choosing_ = false;
        SelectList->setCurrentRow(next);
        SelectList_Click();
    }
    BuildListContent();
    Refresh();
}

void SelectFrame::SelectList_Click()
{
    const int i = SelectList->currentRow();
    const bool chosen = i >= 0;
    DelListCommand->setEnabled(chosen);
    SetBoxEnabled(SelectText[0], chosen);
    SetBoxEnabled(ValueText, chosen);
    choosing_ = true;
    if (chosen) {
        SelectText[0]->setText(SelectList->item(i)->text());
        if (M().ListKind == 0 || M().ListKind == 1)
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
