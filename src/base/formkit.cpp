#include "base/formkit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QValidator>

namespace {

// Digits whose number is at most the maximum: a key or a paste that would make anything else changes nothing.
class DigitsValidator : public QValidator
{
public:
    DigitsValidator(int maximum, QObject* parent) : QValidator(parent), maximum_(maximum) {}

    State validate(QString& input, int&) const override
    {
        for (const QChar c : std::as_const(input))
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return Invalid;
        // The length first: a long paste would overflow the number.
        if (input.size() > QString::number(maximum_).size() || input.toLongLong() > maximum_)
            return Invalid;
        return Acceptable;
    }

private:
    int maximum_;
};

// A text box that shares its row holds a number or a size: room for ten digits.
void KeepShort(QWidget* field)
{
    if (auto* box = qobject_cast<QLineEdit*>(field))
        box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 12);
}

} // namespace

namespace FormKit {

QString Indexed(const QString& name, int index)
{
    return name + QLatin1Char('_') + QString::number(index);
}

QPushButton* Button(QWidget* parent, const QString& name, const QString& caption, const QString& tip)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    if (!tip.isEmpty())
        button->setToolTip(tip);
    return button;
}

QCheckBox* Check(QWidget* parent, const QString& name, const QString& caption, const QString& tip)
{
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(name);
    if (!tip.isEmpty())
        check->setToolTip(tip);
    return check;
}

QLabel* Row(QGridLayout* grid, int row, const QString& caption, QWidget* field, const QString& tip)
{
    auto* label = new QLabel(caption, field->parentWidget());
    label->setBuddy(field);
    if (!tip.isEmpty()) {
        label->setToolTip(tip);
        field->setToolTip(tip);
    }
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    return label;
}

QLineEdit* TextRow(QGridLayout* grid, int row, const QString& caption, const QString& name, const QString& tip,
                   QLabel** captionOut)
{
    auto* box = new QLineEdit(grid->parentWidget());
    box->setObjectName(name);
    QLabel* label = Row(grid, row, caption, box, tip);
    if (captionOut)
        *captionOut = label;
    return box;
}

void DigitsOnly(QLineEdit* box, int maximum)
{
    box->setValidator(new DigitsValidator(maximum, box));
}

Options OptionGroup(QWidget* parent, const QString& title, const QString& name, const QStringList& captions,
                    int columns, int firstIndex)
{
    Options options;
    options.Box = new QGroupBox(title, parent);
    options.Box->setObjectName(name + QStringLiteral("Box"));
    options.Group = new QButtonGroup(options.Box);
    auto* grid = new QGridLayout(options.Box);
    grid->setContentsMargins(6, 2, 6, 2);
    const int perRow = columns > 0 ? columns : int(captions.size());
    for (int i = 0; i < captions.size(); ++i) {
        auto* button = new QRadioButton(captions.at(i), options.Box);
        button->setObjectName(Indexed(name, firstIndex + i));
        options.Group->addButton(button, i);
        grid->addWidget(button, i / perRow, i % perRow);
        options.Buttons.append(button);
    }
    grid->setColumnStretch(perRow, 1);
    return options;
}

QHBoxLayout* LineRow(QGridLayout* grid, int row, const QString& caption, QWidget* first, const QString& unit,
                     const QString& tip)
{
    auto* line = new QHBoxLayout;
    line->setContentsMargins(0, 0, 0, 0);
    line->addStretch(1);
    grid->addLayout(line, row, 1);
    if (!caption.isEmpty()) {
        auto* label = new QLabel(caption, grid->parentWidget());
        label->setBuddy(first);
        label->setToolTip(tip);
        grid->addWidget(label, row, 0);
    }
    if (!tip.isEmpty())
        first->setToolTip(tip);
    AddToLine(line, first, QString(), unit);
    return line;
}

void AddToLine(QHBoxLayout* line, QWidget* field, const QString& caption, const QString& unit)
{
    // Everything goes before the stretch that packs the row to the left.
    const auto insert = [line](QWidget* w) { line->insertWidget(line->count() - 1, w); };
    if (!caption.isEmpty()) {
        auto* label = new QLabel(caption, field->parentWidget());
        label->setBuddy(field);
        if (line->count() > 1)
            line->insertSpacing(line->count() - 1, 8);
        insert(label);
    }
    KeepShort(field);
    insert(field);
    if (!unit.isEmpty())
        insert(new QLabel(unit, field->parentWidget()));
}

void AddToGroup(QGroupBox* box, QWidget* field, const QString& caption)
{
    auto* grid = qobject_cast<QGridLayout*>(box->layout());
    if (!grid)
        return;
    // The last column is the stretch that packs the buttons to the left: the field takes it, the stretch moves on.
    int column = grid->columnCount() - 1;
    grid->setColumnStretch(column, 0);
    if (!caption.isEmpty()) {
        auto* label = new QLabel(caption, box);
        label->setBuddy(field);
        grid->addWidget(label, 0, column++);
    }
    KeepShort(field);
    grid->addWidget(field, 0, column);
    grid->setColumnStretch(column + 1, 1);
}

QWidget* Slider(QWidget* parent, const QString& name, int minimum, int maximum, int pageStep, QScrollBar** barOut,
                QLabel** valueOut)
{
    auto* holder = new QWidget(parent);
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QScrollBar(Qt::Horizontal, holder);
    bar->setObjectName(name);
    bar->setRange(minimum, maximum);
    bar->setPageStep(pageStep);
    bar->setValue(minimum);
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setMinimumWidth(160);
    auto* value = new QLabel(QString::number(minimum), holder);
    value->setObjectName(name + QStringLiteral("Value"));
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
    QObject::connect(bar, &QScrollBar::valueChanged, value, [value](int v) { value->setText(QString::number(v)); });
    row->addWidget(bar, 1);
    row->addWidget(value);
    holder->setFocusProxy(bar);
    if (barOut)
        *barOut = bar;
    if (valueOut)
        *valueOut = value;
    return holder;
}

void SetQuietly(QScrollBar* bar, int value)
{
    {
        const QSignalBlocker block(bar);
        bar->setValue(value);
    }
    // The value label is the bar's sibling in the holder Slider made.
    if (QWidget* holder = bar->parentWidget()) {
        if (auto* label =
                holder->findChild<QLabel*>(bar->objectName() + QStringLiteral("Value"), Qt::FindDirectChildrenOnly))
            label->setText(QString::number(bar->value()));
    }
}

QLabel* ValueLabel(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::RichText);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("#000000 未设置")));
    ShowValue(label, QString());
    return label;
}

void ShowValue(QLabel* label, const QString& value, Shown kind)
{
    const QString text = value.toHtmlEscaped();
    if (value.trimmed().isEmpty())
        label->setText(QStringLiteral("<span style='color:#808080'>未设置</span>"));
    else if (kind == Shown::Colour)
        label->setText(
            QStringLiteral("<span style='background-color:%1'>&nbsp;&nbsp;&nbsp;&nbsp;</span> %1").arg(text));
    else
        label->setText(text);
    if (auto* button = qobject_cast<QPushButton*>(label->buddy()); button && kind == Shown::Colour)
        ShowColour(button, value);
}

void ShowColour(QPushButton* button, const QString& colour)
{
    const char* plainTip = "kestrelPlainTip";
    if (!button->property(plainTip).isValid())
        button->setProperty(plainTip, button->toolTip());
    const QColor shown(colour.trimmed());
    const int side = button->fontMetrics().height() - 2;
    QPixmap swatch(side, side);
    swatch.fill(Qt::transparent);
    QPainter paint(&swatch);
    if (shown.isValid())
        paint.fillRect(swatch.rect(), shown);
    paint.setPen(QColor(0x60, 0x60, 0x60));
    paint.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    paint.end();
    button->setIcon(QIcon(swatch));
    button->setIconSize(swatch.size());
    const QString value = colour.trimmed().isEmpty() ? QStringLiteral("未设置") : colour.trimmed();
    const QString tip = button->property(plainTip).toString();
    button->setToolTip(tip.isEmpty() ? value : tip + QLatin1Char('\n') + value);
}

Picker PickerRow(QGridLayout* grid, int row, int column, const QString& name, const QString& caption,
                 const QString& tip)
{
    QWidget* parent = grid->parentWidget();
    Picker picker;
    picker.Button = Button(parent, name, caption, tip);
    picker.Value = ValueLabel(parent, name + QStringLiteral("Value"));
    picker.Value->setBuddy(picker.Button);
    grid->addWidget(picker.Button, row, column);
    grid->addWidget(picker.Value, row, column + 1);
    return picker;
}

QListWidgetItem* TagItem(QListWidget* list, const QString& start, const QString& title, int id)
{
    QString tag = start.trimmed();
    if (tag.startsWith(QLatin1Char('<')))
        tag.remove(0, 1);
    auto* item = new QListWidgetItem(tag.isEmpty() ? title : tag + QLatin1Char(' ') + title, list);
    item->setData(Qt::UserRole, id);
    item->setToolTip(item->text()); // long ones are cut off by the list
    return item;
}

const QString OldIeOnly = QStringLiteral("仅旧版IE支持");

void MarkOldIeOnly(QWidget* control)
{
    const QString tip = control->toolTip();
    control->setToolTip(tip.isEmpty() ? OldIeOnly : tip + QLatin1Char('\n') + OldIeOnly);
}

QComboBox* Combo(QWidget* parent, const QString& name, const QStringList& items, bool editable)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(editable);
    if (editable)
        combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    return combo;
}

} // namespace FormKit
