#include "builders/styles/sizedialog.h"

#include "base/dialogbuttons.h"
#include "base/formkit.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
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
    // The number can be typed too; the scroll bar follows it.
    NumberBox = new QLineEdit(QStringLiteral("0"), this);
    NumberBox->setObjectName(QStringLiteral("Text1"));
    NumberBox->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?\\d{0,5}(\\.\\d?)?")), NumberBox));
    NumberBox->setFixedWidth(NumberBox->fontMetrics().horizontalAdvance(QStringLiteral("-0000.0")) + 16);
    row->addWidget(PositionBar, 1);
    row->addWidget(NumberBox);
    layout->addLayout(row);
    RangeLabel = new QLabel(this);
    RangeLabel->setObjectName(QStringLiteral("RangeLabel"));
    RangeLabel->setStyleSheet(QStringLiteral("color:#c00000"));
    RangeLabel->hide();
    layout->addWidget(RangeLabel);

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
    connect(NumberBox, &QLineEdit::textEdited, this, &SizeDialog::TypeNumber);
    buttons.CloseOnClick(this);

    setTabOrder(PositionBar, NumberBox);
    setTabOrder(NumberBox, UnitOption[0]);
    setTabOrder(UnitOption[0], OkCommand);
    setTabOrder(OkCommand, CancelCommand);
    PositionBar->setFocus();
}

void SizeDialog::Load()
{
    scrollMoves_ = 0;
    value_ = input_.value;
    const SizeSetting::Parsed parsed = SizeSetting::Parse(value_);
    position_ = parsed.Position;
    UnitOption[parsed.UnitChoice]->setChecked(true);
    ChooseUnit(parsed.UnitChoice, false);
    // A unit and a number are there already: that is a size OK can confirm.
    OkCommand->setEnabled(parsed.UnitChoice != SizeSetting::Default);
    // Without a value the first thing to choose is a unit.
    if (PositionBar->isEnabled())
        PositionBar->setFocus();
    else
        UnitOption[parsed.UnitChoice]->setFocus();
}

void SizeDialog::ChooseUnit(int i, bool byUser)
{
    unit_ = SizeSetting::Unit(i);
    const bool sized = unit_ != SizeSetting::Default;
    PositionBar->setEnabled(sized);
    NumberBox->setEnabled(sized);
    if (!sized) {
        value_.clear();
    } else {
        SetScrollRange();
        // The number shown is now in the new unit: so is the value.
        if (byUser)
            value_ = SizeSetting::Text(position_, unit_);
    }
    // Choosing no value is a choice as well as a unit with its number.
    if (byUser)
        OkCommand->setEnabled(true);
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
    RangeLabel->hide();
}

void SizeDialog::TypeNumber(const QString& text)
{
    const SizeSetting::Range r = SizeSetting::ScrollRange(input_.kind, unit_);
    const std::optional<int> position = SizeSetting::PositionOf(text, unit_, r);
    OkCommand->setEnabled(position.has_value());
    if (!position) {
        const auto shown = [this](int p) { return SizeSetting::NumberText(SizeSetting::NumberAt(p, unit_)); };
        RangeLabel->setText(QStringLiteral("请输入%1到%2之间的数%3")
                                .arg(shown(r.Minimum), shown(r.Maximum),
                                     unit_ == SizeSetting::Em ? QStringLiteral("(最多一位小数)") : QString()));
        RangeLabel->show();
        return;
    }
    RangeLabel->hide();
    ++scrollMoves_;
    position_ = *position;
    positioning_ = true;
    PositionBar->setValue(position_);
    positioning_ = false;
    value_ = SizeSetting::Text(position_, unit_);
    Notify();
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
