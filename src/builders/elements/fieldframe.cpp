#include "builders/elements/fieldframe.h"

#include "base/formkit.h"
#include "base/uihelpers.h"
#include "builders/elements/addhform.h"
#include "builders/styles/colorform.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

FieldFrame::FieldFrame(AddhForm* form, const ElementKind::Frame& frame)
    : KindFrame(form, frame.Name), fields_(frame.Fields)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    for (const ElementField& field : std::as_const(fields_))
        AddField(grid, field.Hidden ? -1 : row++, field);
}

QLineEdit* FieldFrame::AddTextField(QGridLayout* grid, int row, const ElementField& field)
{
    QLineEdit* box = nullptr;
    if (row < 0) {
        box = new QLineEdit(this);
        box->setObjectName(field.Name);
        box->hide();
    } else {
        box = FormKit::TextRow(grid, row, field.Caption, field.Name, field.Tip);
    }
    box->setText(field.StartText);
    if (field.Kind == FieldKind::Digits)
        FormKit::DigitsOnly(box);
    if (field.EnterRefreshes)
        Form->EnterRefreshes(box);
    if (field.StartsGreyed)
        SetBoxEnabled(box, false);
    connect(box, &QLineEdit::textChanged, this, [this, box, field](const QString& text) {
        if (field.Kind == FieldKind::Number) {
            const QString number = ElementMarkup::NumericText(text);
            if (number != text) {
                box->setText(number); // comes back here with the number
                return;
            }
        }
        WriteText(field, text);
        if (field.ChangeRefreshes)
            Refresh();
    });
    return box;
}

void FieldFrame::AddField(QGridLayout* grid, int row, const ElementField& field)
{
    QWidget* control = nullptr;
    switch (field.Kind) {
    case FieldKind::Text:
    case FieldKind::Digits:
    case FieldKind::Number:
        control = AddTextField(grid, row, field);
        break;
    case FieldKind::File: {
        QLineEdit* box = AddTextField(grid, row, field);
        control = box;
        QPushButton* browse = FormKit::Button(this, field.ButtonName, QStringLiteral("浏览"));
        grid->addWidget(browse, row, 2);
        connect(browse, &QPushButton::clicked, this, [this, box, field] {
            const QChar nul(0);
            const QString filter = field.Filter == BrowseFilter::Images
                                       ? Form->Context().ImageFilter
                                       : QStringLiteral("所有文件") + nul + QStringLiteral("*.*");
            PickFileUrl(box, filter, Form);
            Refresh();
        });
        break;
    }
    case FieldKind::Options: {
        const FormKit::Options options = FormKit::OptionGroup(this, field.Caption, field.Name, field.OptionCaptions);
        options.Box->setToolTip(field.Tip);
        grid->addWidget(options.Box, row, 0, 1, 3);
        if (field.StartOption >= 0)
            options.Buttons.at(field.StartOption)->setChecked(true);
        for (int i = 0; i < options.Buttons.size(); ++i) {
            connect(options.Buttons.at(i), &QRadioButton::clicked, this, [this, field, i] {
                if (field.Attr.isEmpty())
                    return;
                M().SetAttr(field.Attr, field.OptionValues.value(i));
                Refresh();
            });
        }
        control = options.Box;
        break;
    }
    case FieldKind::Check: {
        QCheckBox* check = FormKit::Check(this, field.Name, field.Caption, field.Tip);
        check->setChecked(field.StartsChecked);
        grid->addWidget(check, row, 1);
        connect(check, &QCheckBox::clicked, this, [this, field](bool checked) {
            if (field.Attr.isEmpty())
                return;
            M().SetAttr(field.Attr, checked ? field.OnValue : field.OffValue);
            Refresh();
        });
        control = check;
        break;
    }
    case FieldKind::Slider: {
        QScrollBar* bar = nullptr;
        QWidget* holder = FormKit::Slider(this, field.Name, field.Minimum, field.Maximum, field.PageStep, &bar);
        FormKit::Row(grid, row, field.Caption, holder, field.Tip);
        connect(bar, &QScrollBar::valueChanged, this, [this, field](int value) {
            M().SetAttr(field.Attr, QString::number(value));
            Refresh();
        });
        control = bar;
        break;
    }
    case FieldKind::Colour: {
        QPushButton* button = FormKit::Button(this, field.Name, field.Caption, field.Tip);
        grid->addWidget(button, row, 1, Qt::AlignLeft);
        connect(button, &QPushButton::clicked, this, [this, field] {
            QString colour = M().Attr(field.Attr);
            PickColor(Form->Context().Db, colour, Form);
            M().SetAttr(field.Attr, colour);
            Refresh();
        });
        control = button;
        break;
    }
    case FieldKind::Combo: {
        QComboBox* combo = FormKit::Combo(this, field.Name, field.OptionCaptions, true);
        combo->setCurrentIndex(-1);
        combo->setEnabled(!field.StartsGreyed);
        FormKit::Row(grid, row, field.Caption, combo, field.Tip);
        if (!field.Attr.isEmpty()) {
            connect(combo, &QComboBox::activated, this,
                    [this, field](int i) { M().SetAttr(field.Attr, field.OptionValues.value(i)); });
            connect(combo->lineEdit(), &QLineEdit::textEdited, this,
                    [this, field](const QString& text) { M().SetAttr(field.Attr, text); });
        }
        control = combo;
        break;
    }
    }
    controls_.insert(field.Name, control);
}

QAbstractButton* FieldFrame::Option(const QString& name, int i) const
{
    return findChild<QAbstractButton*>(FormKit::Indexed(name, i));
}

QString FieldFrame::SlotText(const ElementField&, const QString& text) const
{
    return text;
}

void FieldFrame::WriteText(const ElementField& field, const QString& text)
{
    if (!field.Attr.isEmpty())
        M().SetAttr(field.Attr, SlotText(field, text));
}

const ElementField* FieldFrame::FieldNamed(const QString& name) const
{
    for (const ElementField& field : fields_)
        if (field.Name == name)
            return &field;
    return nullptr;
}

bool FieldFrame::ApplyAttr(const QString& name, const QString& value)
{
    for (const ElementField& field : std::as_const(fields_))
        if (field.Attr == name)
            return Prefill(field, name, value);
    return false;
}

bool FieldFrame::Prefill(const ElementField& field, const QString& name, const QString& value)
{
    switch (field.Kind) {
    case FieldKind::Text:
    case FieldKind::Digits:
    case FieldKind::Number:
    case FieldKind::File:
        Get<QLineEdit>(field.Name)->setText(value);
        return true;
    case FieldKind::Options: {
        const int i = field.OptionFor(value);
        if (i < 0)
            return false;
        Option(field.Name, i)->click();
        return true;
    }
    case FieldKind::Check: {
        // A bare word stands for itself.
        const ElementKind* kind = M().Kind;
        const bool flag = kind && kind->IsFlag(kind->SlotOf(name));
        const std::optional<bool> on = field.CheckedFor(flag ? name : value);
        if (!on)
            return false;
        auto* check = Get<QCheckBox>(field.Name);
        if (check->isChecked() != *on)
            check->click();
        return true;
    }
    case FieldKind::Slider: {
        bool ok = false;
        const double v = value.trimmed().toDouble(&ok);
        if (!ok || v <= field.Minimum || v >= field.Maximum)
            return false;
        Get<QScrollBar>(field.Name)->setValue(int(v));
        return true;
    }
    case FieldKind::Colour:
        M().SetAttr(field.Attr, value);
        return true;
    case FieldKind::Combo: {
        auto* combo = Get<QComboBox>(field.Name);
        const int i = field.OptionFor(value);
        if (i >= 0)
            combo->setCurrentIndex(i);
        else
            combo->setEditText(value);
        M().SetAttr(field.Attr, i >= 0 ? field.OptionValues.at(i) : value);
        return true;
    }
    }
    return false;
}
