#pragma once
// One field of an element kind, as data: the control the dialog builds for it, its caption and tip, and the
// attribute it sets, named (the kind's slot table says where that attribute goes). The dialog builds, binds and
// pre-fills every field from this alone; a kind's hook adds only what no field says.

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

enum class FieldKind
{
    Text,    // a text box
    Digits,  // a text box that takes digits only, typed or pasted, up to its maximum
    Number,  // a text box whose text becomes the whole number it starts with ("0" when none), brought into its range,
             // on every change
    File,    // a text box with a browse button beside it
    Options, // a titled group of option buttons, each standing for one value
    Check,   // a check box writing one of two values
    Slider,  // a scroll bar whose position is the value
    Colour,  // a button: the colour picked goes straight into the attribute
    Combo,   // an editable list of choices: a choice writes its value, typed text itself
};

enum class BrowseFilter
{
    Images,
    AllFiles,
};

struct ElementField
{
    // The largest number a number or digits box takes: more than any size, count or time a page sets.
    static constexpr int NumberMax = 99999;

    FieldKind Kind = FieldKind::Text;
    QString Name;    // control name ("ImgText_4"); the buttons of an option group are Name_0, Name_1...
    QString Caption; // label, check box text, group title or button caption
    QString Tip;
    QString Attr; // the attribute it sets; "" for a field only the kind's hook reads
    QStringList OptionCaptions;
    QStringList OptionValues; // "" for an option that removes the attribute
    int StartOption = -1;     // option chosen at first (-1 none); it writes nothing until clicked
    int FirstIndex = 0;       // the index the first option's name carries (Name_1 when its array starts at 1)
    int Columns = 0;          // options on one line before the next begins; 0: all on one line
    QString OnValue;          // check box: value when checked / unchecked
    QString OffValue;
    QStringList ReadsOn; // check box, edit mode: further values that stand for checked / unchecked
    QStringList ReadsOff;
    bool StartsChecked = false;
    int Minimum = 0, Maximum = 100, PageStep = 10; // slider; a number or digits box: its range
    QString ButtonName;                            // File: the browse button
    BrowseFilter Filter = BrowseFilter::AllFiles;
    QString StartText;    // text shown at first; it writes nothing until edited
    bool SameRow = false; // sits on the row of the field before it, after it (its caption before it)
    QString Unit;         // a word shown after the control ("分")
    bool StartsGreyed = false;
    bool Hidden = false;
    bool EnterRefreshes = true;   // Enter in its box refreshes the preview
    bool ChangeRefreshes = false; // every change refreshes the preview (clicks always do)

    // Edit mode: the option an attribute value stands for (the same text, else the same without regard to case; an
    // option that removes the attribute stands for nothing); -1 for a value no option stands for.
    int OptionFor(const QString& value) const;
    // Edit mode: whether a check box is checked for that value; nothing for a value it has no state for.
    std::optional<bool> CheckedFor(const QString& value) const;

    // The builders the kind tables are written with.
    static ElementField Text(const QString& name, const QString& caption, const QString& attr,
                             const QString& tip = QString());
    static ElementField Digits(const QString& name, const QString& caption, const QString& attr,
                               const QString& tip = QString());
    static ElementField Number(const QString& name, const QString& caption, const QString& attr);
    static ElementField File(const QString& name, const QString& caption, const QString& attr,
                             const QString& buttonName, BrowseFilter filter, const QString& tip = QString());
    static ElementField Options(const QString& name, const QString& title, const QString& attr,
                                const QStringList& captions, const QStringList& values, int startOption = -1);
    static ElementField Check(const QString& name, const QString& caption, const QString& attr, const QString& onValue,
                              const QString& offValue, bool startsChecked = false);
    static ElementField Slider(const QString& name, const QString& caption, const QString& attr, int minimum,
                               int maximum, int pageStep);
    static ElementField Colour(const QString& name, const QString& caption, const QString& attr);
    static ElementField Combo(const QString& name, const QString& caption, const QString& attr,
                              const QStringList& captions, const QStringList& values);

    ElementField& WithTip(const QString& tip);
    ElementField& Greyed();
    ElementField& Invisible();
    ElementField& NoEnter();
    ElementField& RefreshOnChange();
    ElementField& Starting(const QString& text);
    ElementField& Numbered(int firstIndex);
    ElementField& InColumns(int columns);
    ElementField& Beside();
    ElementField& Followed(const QString& unit);
    ElementField& AlsoReads(const QStringList& on, const QStringList& off);
};
