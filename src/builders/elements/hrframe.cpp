#include "builders/elements/hrframe.h"

#include "builders/elements/addhform.h"
#include "builders/styles/colorform.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

HrFrame::HrFrame(AddhForm* form) : KindFrame(form, QStringLiteral("HrFrame"))
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    HrText[0] = AddText(grid, 0, QStringLiteral("高度"), QStringLiteral("HrText_0"));
    HrText[1] = AddText(grid, 1, QStringLiteral("宽度"), QStringLiteral("HrText_1"));

    auto* unitBox = new QGroupBox(this);
    auto* unitRow = new QHBoxLayout(unitBox);
    unitRow->setContentsMargins(6, 2, 6, 2);
    HrOption[0] = new QRadioButton(QStringLiteral("百分比"), unitBox);
    HrOption[1] = new QRadioButton(QStringLiteral("像素"), unitBox);
    for (int i = 0; i < 2; ++i) {
        HrOption[i]->setObjectName(QStringLiteral("HrOption_%1").arg(i));
        unitRow->addWidget(HrOption[i]);
    }
    unitRow->addStretch(1);
    HrOption[0]->setChecked(true);
    grid->addWidget(unitBox, 1, 2);

    HrColorCommand = new QPushButton(QStringLiteral("颜色"), this);
    HrColorCommand->setObjectName(QStringLiteral("HrColorCommand"));
    HrColorCommand->setAutoDefault(false);
    HrCheck = new QCheckBox(QStringLiteral("立体感"), this);
    HrCheck->setObjectName(QStringLiteral("HrCheck"));
    HrCheck->setChecked(true);
    grid->addWidget(HrColorCommand, 2, 1, Qt::AlignLeft);
    grid->addWidget(HrCheck, 3, 1);

    for (int i = 0; i < 2; ++i)
        connect(HrText[i], &QLineEdit::textChanged, this, [this, i] { HrText_Change(i); });
    connect(HrColorCommand, &QPushButton::clicked, this, &HrFrame::HrColorCommand_Click);
    connect(HrCheck, &QCheckBox::clicked, this, [this](bool checked) {
        M().SlotValue[6] = checked ? QString() : QStringLiteral("noshade");
        Refresh();
    });
}

void HrFrame::HrText_Change(int i)
{
    const QString number = ElementMarkup::NumericText(HrText[i]->text());
    if (number != HrText[i]->text()) {
        HrText[i]->setText(number); // comes back here with the number
        return;
    }
    if (i == 0) {
        M().SlotValue[3] = number;
    } else {
        M().SlotValue[5] = ElementMarkup::RuleWidth(number, HrOption[0]->isChecked());
        Refresh();
    }
}

void HrFrame::HrColorCommand_Click()
{
    PickColor(M().SlotValue[4], Form);
    Refresh();
}

bool HrFrame::ApplyAttr(const QString& name, const QString& value)
{
    if (name == QLatin1String("size")) {
        HrText[0]->setText(value);
        return true;
    }
    if (name == QLatin1String("width")) {
        const bool percent = value.trimmed().endsWith(QLatin1Char('%'));
        HrOption[percent ? 0 : 1]->setChecked(true);
        HrText[1]->setText(ElementMarkup::NumericText(value));
        HrText_Change(1); // the unit may have changed while the number did not
        return true;
    }
    if (name == QLatin1String("color")) {
        M().SlotValue[4] = value;
        return true;
    }
    if (name == QLatin1String("noshade")) {
        if (HrCheck->isChecked())
            HrCheck->click();
        return true;
    }
    return false;
}
