#include "builders/elements/fieldframe.h"

#include "base/formkit.h"
#include "base/uihelpers.h"
#include "builders/elements/elementdialog.h"
#include "builders/styles/colordialog.h"

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
#include <QVBoxLayout>

FieldFrame::FieldFrame(ElementDialog* form, const ElementKind::Frame& frame)
    : KindFrame(form, frame.Name), fields_(frame.Fields)
{
    QGridLayout* grid = nullptr;
    if (frame.Title.isEmpty()) {
        grid = new QGridLayout(this);
        grid->setContentsMargins(0, 0, 0, 0);
    } else {
        auto* outer = new QVBoxLayout(this);
        outer->setContentsMargins(0, 0, 0, 0);
        auto* box = new QGroupBox(frame.Title, this);
        box->setObjectName(frame.Name + QStringLiteral("Box"));
        outer->addWidget(box);
        grid = new QGridLayout(box);
        grid->setContentsMargins(6, 2, 6, 4);
    }
    int row = -1;
    for (qsizetype i = 0; i < fields_.size(); ++i) {
        const ElementField& field = fields_.at(i);
        if (field.Hidden) {
            AddField(grid, -1, field, false);
            continue;
        }
        if (!field.SameRow || row < 0)
            ++row;
        // A field opens a row of several when one beside it follows, or when a unit goes after it.
        bool followed = false;
        for (qsizetype j = i + 1; j < fields_.size(); ++j) {
            if (!fields_.at(j).Hidden) {
                followed = fields_.at(j).SameRow;
                break;
            }
        }
        AddField(grid, row, field, !field.SameRow && (followed || !field.Unit.isEmpty()));
    }
}

void FieldFrame::Place(QGridLayout* grid, int row, const ElementField& field, QWidget* control, bool captioned,
                       bool opensLine)
{
    const QString caption = captioned ? field.Caption : QString();
    if (field.SameRow && line_) {
        FormKit::AddToLine(line_, control, caption, field.Unit);
        return;
    }
    if (field.SameRow && group_) {
        FormKit::AddToGroup(group_, control, caption);
        return;
    }
    line_ = nullptr;
    group_ = nullptr;
    if (field.Kind == FieldKind::Options) {
        group_ = qobject_cast<QGroupBox*>(control);
        grid->addWidget(control, row, 0, 1, 3);
    } else if (opensLine) {
        line_ = FormKit::LineRow(grid, row, caption, control, field.Unit, field.Tip);
    } else if (captioned) {
        FormKit::Row(grid, row, caption, control, field.Tip);
    } else {
        grid->addWidget(control, row, 1, field.Kind == FieldKind::Colour ? Qt::AlignLeft : Qt::Alignment());
    }
}

QLineEdit* FieldFrame::AddTextField(QGridLayout* grid, int row, const ElementField& field, bool opensLine)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(field.Name);
    if (row < 0)
        box->hide();
    else
        Place(grid, row, field, box, true, opensLine);
    box->setText(field.StartText);
    if (field.Kind == FieldKind::Digits)
        FormKit::DigitsOnly(box, field.Maximum);
    if (field.EnterRefreshes)
        Form->EnterRefreshes(box);
    if (field.StartsGreyed)
        SetBoxEnabled(box, false);
    connect(box, &QLineEdit::textChanged, this, [this, box, field](const QString& text) {
        if (field.Kind == FieldKind::Number) {
            const QString number = ElementMarkup::NumericText(text, field.Minimum, field.Maximum);
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

void FieldFrame::AddField(QGridLayout* grid, int row, const ElementField& field, bool opensLine)
{
    QWidget* control = nullptr;
    switch (field.Kind) {
    case FieldKind::Text:
    case FieldKind::Digits:
    case FieldKind::Number:
        control = AddTextField(grid, row, field, opensLine);
        break;
    case FieldKind::File: {
        QLineEdit* box = AddTextField(grid, row, field, opensLine);
        control = box;
        QPushButton* browse = FormKit::Button(this, field.ButtonName, QStringLiteral("浏览"));
        if (row < 0)
            browse->hide();
        else if (line_)
            FormKit::AddToLine(line_, browse);
        else
            grid->addWidget(browse, row, 2);
        connect(browse, &QPushButton::clicked, this, [this, box, field] {
            const QChar nul(0);
            const QString filter = field.Filter == BrowseFilter::Images
                                       ? Form->Context().ImageFilter
                                       : QStringLiteral("所有文件") + nul + QStringLiteral("*.*");
            PickFileUrl(box, filter, Form, Form->Context().PageFolder);
            Browsed(field, box);
        });
        break;
    }
    case FieldKind::Options: {
        const FormKit::Options options = FormKit::OptionGroup(this, field.Caption, field.Name, field.OptionCaptions,
                                                              field.Columns, field.FirstIndex);
        options.Box->setToolTip(field.Tip);
        Place(grid, row, field, options.Box, false, opensLine);
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
        Place(grid, row, field, check, false, opensLine);
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
        Place(grid, row, field, holder, true, opensLine);
        connect(bar, &QScrollBar::valueChanged, this, [this, field](int value) {
            M().SetAttr(field.Attr, QString::number(value));
            Refresh();
        });
        control = bar;
        break;
    }
    case FieldKind::Colour: {
        QPushButton* button = FormKit::Button(this, field.Name, field.Caption, field.Tip);
        FormKit::ShowColour(button, QString());
        Place(grid, row, field, button, false, opensLine);
        connect(button, &QPushButton::clicked, this, [this, field, button] {
            QString colour = M().Attr(field.Attr);
            PickColor(Form->Context().Db, colour, Form);
            M().SetAttr(field.Attr, colour);
            FormKit::ShowColour(button, colour);
            Refresh();
        });
        control = button;
        break;
    }
    case FieldKind::Combo: {
        QComboBox* combo = FormKit::Combo(this, field.Name, field.OptionCaptions, true);
        combo->setCurrentIndex(-1);
        combo->setEnabled(!field.StartsGreyed);
        Place(grid, row, field, combo, true, opensLine);
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
    const ElementField* field = FieldNamed(name);
    return findChild<QAbstractButton*>(FormKit::Indexed(name, (field ? field->FirstIndex : 0) + i));
}

void FieldFrame::Browsed(const ElementField&, QLineEdit*)
{
    Refresh();
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
        auto* check = Get<QCheckBox>(field.Name);
        if (!on) {
            // A word the box has no state for ("auto" scrolling) shows it unchecked; the tag keeps the word until
            // the box is clicked.
            check->setChecked(false);
            return false;
        }
        if (check->isChecked() != *on)
            check->click();
        else if (!field.Attr.isEmpty())
            M().SetAttr(field.Attr, *on ? field.OnValue : field.OffValue); // the box shows it already: the tag keeps it
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
        FormKit::ShowColour(Get<QPushButton>(field.Name), value);
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
