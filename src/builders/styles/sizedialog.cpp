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

SizeDialog::SizeDialog(QWidget* parent) : BuilderDialog(parent)
{
    setObjectName(QStringLiteral("SizeSetForm"));
    setWindowTitle(QStringLiteral("大小设置"));

    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setFocusPolicy(Qt::StrongFocus);
    HScroll1->setMinimumWidth(300);
    Text1 = new QLineEdit(QStringLiteral("0"), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setFocusPolicy(Qt::NoFocus);
    Text1->setFixedWidth(Text1->fontMetrics().horizontalAdvance(QStringLiteral("-000.0")) + 16);
    row->addWidget(HScroll1, 1);
    row->addWidget(Text1);
    layout->addLayout(row);

    const FormKit::Options units =
        FormKit::OptionGroup(this, QStringLiteral("单位"), QStringLiteral("fontoption"),
                             {QStringLiteral("pt"), QStringLiteral("px"), QStringLiteral("em"), QStringLiteral("%"),
                              QStringLiteral("无"), QStringLiteral("缺省值")});
    std::copy(units.Buttons.cbegin(), units.Buttons.cend(), std::begin(fontoption));
    layout->addWidget(units.Box);

    const DialogButtons buttons =
        DialogButtons::Make(this, QStringLiteral("OkCommand"), QStringLiteral("CancelCommand"));
    OkCommand = buttons.Ok;
    CancelCommand = buttons.Cancel;
    OkCommand->setEnabled(false);
    layout->addLayout(buttons.Row);

    connect(units.Group, &QButtonGroup::idClicked, this, [this](int i) { fontoption_Click(i, true); });
    connect(HScroll1, &QScrollBar::valueChanged, this, &SizeDialog::HScroll1_Change);
    connect(OkCommand, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelCommand, &QPushButton::clicked, this, &SizeDialog::reject);

    setTabOrder(HScroll1, fontoption[0]);
    setTabOrder(fontoption[0], OkCommand);
    setTabOrder(OkCommand, CancelCommand);
    HScroll1->setFocus();
}

void SizeDialog::Load()
{
    ScrollChangeCount = 0;
    SizeAtOpen = SizeValue;
    OkCommand->setEnabled(false);
    const SizeSetting::Parsed parsed = SizeSetting::Parse(SizeValue);
    position_ = parsed.Position;
    fontoption[parsed.UnitChoice]->setChecked(true);
    fontoption_Click(parsed.UnitChoice, false);
    // Without a value the first thing to choose is a unit.
    if (HScroll1->isEnabled())
        HScroll1->setFocus();
    else
        fontoption[parsed.UnitChoice]->setFocus();
}

void SizeDialog::fontoption_Click(int i, bool byUser)
{
    unit_ = SizeSetting::Unit(i);
    if (unit_ == SizeSetting::Default) {
        HScroll1->setEnabled(false);
        SizeUnit.clear();
        SizeValue.clear();
        // Choosing no value is a choice the user can confirm.
        if (byUser)
            OkCommand->setEnabled(true);
    } else {
        HScroll1->setEnabled(true);
        SizeUnit = SizeSetting::UnitText(unit_);
        SetScrollRange();
        // The number shown is now in the new unit: so is the value.
        if (byUser)
            SizeValue = SizeSetting::Text(position_, unit_);
    }
    ShowNumber();
    Notify();
}

void SizeDialog::SetScrollRange()
{
    const SizeSetting::Range r = SizeSetting::ScrollRange(Dtype, unit_);
    positioning_ = true;
    HScroll1->setRange(r.Minimum, r.Maximum);
    HScroll1->setSingleStep(r.SmallStep);
    HScroll1->setPageStep(r.LargeStep);
    position_ = std::clamp(position_, r.Minimum, r.Maximum);
    HScroll1->setValue(position_);
    positioning_ = false;
}

void SizeDialog::ShowNumber()
{
    SizeNumber = float(SizeSetting::NumberAt(position_, unit_ == SizeSetting::Default ? SizeSetting::NoUnit : unit_));
    Text1->setText(SizeSetting::NumberText(SizeSetting::NumberAt(position_, unit_)));
}

void SizeDialog::HScroll1_Change(int value)
{
    if (positioning_)
        return;
    ++ScrollChangeCount;
    position_ = value;
    ShowNumber();
    SizeValue = SizeSetting::Text(position_, unit_);
    OkCommand->setEnabled(true);
    Notify();
}

void SizeDialog::Notify()
{
    if (SetIndexCss)
        SetIndexCss(SizeValue);
}

void SizeDialog::reject()
{
    SizeValue = SizeAtOpen;
    QDialog::reject();
}
