#pragma once
// The small kit every builder dialog lays itself out with: labelled rows, option groups, sliders with their value
// shown, buttons that are never the default. Each control gets the object name it has in the dialog's vocabulary
// ("LinkText_0" for element 0 of an indexed array), so tests and screenshots find it by that name.

#include <QList>
#include <QString>
#include <QStringList>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace FormKit {

// "Name_3" for element 3 of the indexed control "Name".
QString Indexed(const QString& name, int index);

// A push button that Enter in a text box never presses.
QPushButton* Button(QWidget* parent, const QString& name, const QString& caption, const QString& tip = QString());

QCheckBox* Check(QWidget* parent, const QString& name, const QString& caption, const QString& tip = QString());

// A caption in column 0 and a text box in column 1 of `row`; the caption is the box's buddy and shares its tip.
QLineEdit* TextRow(QGridLayout* grid, int row, const QString& caption, const QString& name,
                   const QString& tip = QString(), QLabel** captionOut = nullptr);

// Lets only the digits 0 to 9 into the box, typed or pasted, up to the number `maximum` (a key or a paste that
// would make anything else changes nothing).
void DigitsOnly(QLineEdit* box, int maximum);

// The same with any field widget (a combo box, a slider with its value...).
QLabel* Row(QGridLayout* grid, int row, const QString& caption, QWidget* field, const QString& tip = QString());

// A row of fields side by side: `caption` in column 0 (the buddy of `first`), then `first` and its `unit` in
// column 1, packed to the left. Further fields join it through AddToLine.
QHBoxLayout* LineRow(QGridLayout* grid, int row, const QString& caption, QWidget* first,
                     const QString& unit = QString(), const QString& tip = QString());
// Adds a field to such a row: its caption before it, its unit after it. Text boxes in a row are kept short.
void AddToLine(QHBoxLayout* line, QWidget* field, const QString& caption = QString(), const QString& unit = QString());

// A titled group of option buttons side by side, named name_0, name_1... (name_1, name_2... with `firstIndex` 1);
// the group's ids are the positions. With `columns` > 0 the buttons wrap into that many columns.
struct Options
{
    QGroupBox* Box = nullptr;
    QButtonGroup* Group = nullptr;
    QList<QRadioButton*> Buttons;
};
Options OptionGroup(QWidget* parent, const QString& title, const QString& name, const QStringList& captions,
                    int columns = 0, int firstIndex = 0);
// Puts a field after the buttons of an OptionGroup's first line (the count that goes with the last option).
void AddToGroup(QGroupBox* box, QWidget* field, const QString& caption = QString());

// A horizontal scroll bar from `minimum` to `maximum` with a label beside it that shows its value (the label is
// named name + "Value"). `valueOut` receives the label.
QWidget* Slider(QWidget* parent, const QString& name, int minimum, int maximum, int pageStep, QScrollBar** barOut,
                QLabel** valueOut = nullptr);
// Moves a Slider's bar without running its handlers (a dialog setting itself from its input); the value beside it
// follows all the same.
void SetQuietly(QScrollBar* bar, int value);

// A label that shows the current value of a setting: grey "未设置" while it is blank, a colour with a swatch
// before its text.
enum class Shown
{
    Text,
    Colour
};
QLabel* ValueLabel(QWidget* parent, const QString& name);
// A colour shown on a label whose buddy is a button shows on the button too (ShowColour).
void ShowValue(QLabel* label, const QString& value, Shown kind = Shown::Text);

// A colour button: a swatch of `colour` before its caption (a hollow one while none is set), the colour's text
// ("#ff0000", "未设置") in its tip after the tip it had.
void ShowColour(QPushButton* button, const QString& colour);

// A button that opens a picker, at (row, column) of `grid`, with a ValueLabel named name + "Value" beside it (the
// label's buddy is the button).
struct Picker
{
    QPushButton* Button = nullptr;
    QLabel* Value = nullptr;
};
Picker PickerRow(QGridLayout* grid, int row, int column, const QString& name, const QString& caption,
                 const QString& tip = QString());

// What the tip of an option only old Internet Explorer understood says: the preview, like every current browser,
// ignores it.
extern const QString OldIeOnly;
// Adds that to the tip of `control`.
void MarkOldIeOnly(QWidget* control);

// An element of the tag database in a list: its tag before its description ("abbr 缩写", from the start text
// "<abbr"), so that typing a tag name in the list jumps to it. The item keeps `id` (Qt::UserRole).
QListWidgetItem* TagItem(QListWidget* list, const QString& start, const QString& title, int id);

// An editable or fixed list of choices.
QComboBox* Combo(QWidget* parent, const QString& name, const QStringList& items, bool editable = false);

} // namespace FormKit
