#include "builders/styles/sizedialog.h"

#include "base/dialogbuttons.h"
#include "base/formkit.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

SizeDialog::SizeDialog(Input input, QWidget* parent) : BuilderDialog(parent), input_(std::move(input))
{
    setObjectName(QStringLiteral("SizeSetForm"));
    setWindowTitle(QStringLiteral("大小设置"));

    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    PositionBar = new QScrollBar(Qt::Horizontal, this);
    PositionBar->setObjectName(QStringLiteral("HScroll1"));
    PositionBar->setFocusPolicy(Qt::StrongFocus);
    PositionBar->setMinimumWidth(300);
    NumberBox = new QLineEdit(QStringLiteral("0"), this);
    NumberBox->setObjectName(QStringLiteral("Text1"));
    NumberBox->setReadOnly(true);
    NumberBox->setFocusPolicy(Qt::NoFocus);
    NumberBox->setFixedWidth(NumberBox->fontMetrics().horizontalAdvance(QStringLiteral("-000.0")) + 16);
    row->addWidget(PositionBar, 1);
    row->addWidget(NumberBox);
    layout->addLayout(row);

    const FormKit::Options units =
        FormKit::OptionGroup(this, QStringLiteral("单位"), QStringLiteral("fontoption"),
                             {QStringLiteral("pt"), QStringLiteral("px"), QStringLiteral("em"), QStringLiteral("%"),
                              QStringLiteral("无"), QStringLiteral("缺省值")});
    std::copy(units.Buttons.cbegin(), units.Buttons.cend(), std::begin(UnitOption));
    layout->addWidget(units.Box);

    const DialogButtons buttons =
        DialogButtons::Make(this, QStringLiteral("OkCommand"), QStringLiteral("CancelCommand"));
    OkCommand = buttons.Ok;
    CancelCommand = buttons.Cancel;
    OkCommand->setEnabled(false);
    layout->addLayout(buttons.Row);

    connect(units.Group, &QButtonGroup::idClicked, this, [this](int i) { ChooseUnit(i, true); });
    connect(PositionBar, &QScrollBar::valueChanged, this, &SizeDialog::MoveTo);
    buttons.CloseOnClick(this);

    setTabOrder(PositionBar, UnitOption[0]);
    setTabOrder(UnitOption[0], OkCommand);
    setTabOrder(OkCommand, CancelCommand);
    PositionBar->setFocus();
}

void SizeDialog::Load()
{
    scrollMoves_ = 0;
    value_ = input_.value;
    OkCommand->setEnabled(false);
    const SizeSetting::Parsed parsed = SizeSetting::Parse(value_);
    position_ = parsed.Position;
    UnitOption[parsed.UnitChoice]->setChecked(true);
    ChooseUnit(parsed.UnitChoice, false);
    // Without a value the first thing to choose is a unit.
    if (PositionBar->isEnabled())
        PositionBar->setFocus();
    else
        UnitOption[parsed.UnitChoice]->setFocus();
}

void SizeDialog::ChooseUnit(int i, bool byUser)
{
    unit_ = SizeSetting::Unit(i);
    if (unit_ == SizeSetting::Default) {
        PositionBar->setEnabled(false);
        value_.clear();
        // Choosing no value is a choice the user can confirm.
        if (byUser)
            OkCommand->setEnabled(true);
    } else {
        PositionBar->setEnabled(true);
        SetScrollRange();
        // The number shown is now in the new unit: so is the value.
        if (byUser)
            value_ = SizeSetting::Text(position_, unit_);
    }
    ShowNumber();
    Notify();
}

void SizeDialog::SetScrollRange()
{
    const SizeSetting::Range r = SizeSetting::ScrollRange(input_.kind, unit_);
    positioning_ = true;
    PositionBar->setRange(r.Minimum, r.Maximum);
    PositionBar->setSingleStep(r.SmallStep);
    PositionBar->setPageStep(r.LargeStep);
    position_ = std::clamp(position_, r.Minimum, r.Maximum);
    PositionBar->setValue(position_);
    positioning_ = false;
}

void SizeDialog::ShowNumber()
{
    NumberBox->setText(SizeSetting::NumberText(SizeSetting::NumberAt(position_, unit_)));
}

void SizeDialog::MoveTo(int value)
{
    if (positioning_)
        return;
    ++scrollMoves_;
    position_ = value;
    ShowNumber();
    value_ = SizeSetting::Text(position_, unit_);
    OkCommand->setEnabled(true);
    Notify();
}

void SizeDialog::Notify()
{
    if (input_.onChange)
        input_.onChange(value_);
}
