#include "builders/elements/elementfield.h"

namespace {

ElementField Make(FieldKind kind, const QString& name, const QString& caption, const QString& attr,
                  const QString& tip = QString())
{
    ElementField f;
    f.Kind = kind;
    f.Name = name;
    f.Caption = caption;
    f.Attr = attr;
    f.Tip = tip;
    return f;
}

} // namespace

int ElementField::OptionFor(const QString& value) const
{
    // Values that differ only in case ("A" and "a" of a numbered list) are told apart by the exact one first.
    for (int i = 0; i < OptionValues.size(); ++i)
        if (!OptionValues.at(i).isEmpty() && value == OptionValues.at(i))
            return i;
    for (int i = 0; i < OptionValues.size(); ++i)
        if (!OptionValues.at(i).isEmpty() && value.compare(OptionValues.at(i), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

std::optional<bool> ElementField::CheckedFor(const QString& value) const
{
    if (value.compare(OnValue, Qt::CaseInsensitive) == 0 || ReadsOn.contains(value, Qt::CaseInsensitive))
        return true;
    if (value.compare(OffValue, Qt::CaseInsensitive) == 0 || ReadsOff.contains(value, Qt::CaseInsensitive))
        return false;
    return std::nullopt;
}

ElementField ElementField::Text(const QString& name, const QString& caption, const QString& attr, const QString& tip)
{
    return Make(FieldKind::Text, name, caption, attr, tip);
}

ElementField ElementField::Digits(const QString& name, const QString& caption, const QString& attr, const QString& tip)
{
    ElementField f = Make(FieldKind::Digits, name, caption, attr, tip);
    f.Maximum = NumberMax;
    return f;
}

ElementField ElementField::Number(const QString& name, const QString& caption, const QString& attr)
{
    ElementField f = Make(FieldKind::Number, name, caption, attr);
    f.Maximum = NumberMax;
    return f;
}

ElementField ElementField::File(const QString& name, const QString& caption, const QString& attr,
                                const QString& buttonName, BrowseFilter filter, const QString& tip)
{
    ElementField f = Make(FieldKind::File, name, caption, attr, tip);
    f.ButtonName = buttonName;
    f.Filter = filter;
    return f;
}

ElementField ElementField::Options(const QString& name, const QString& title, const QString& attr,
                                   const QStringList& captions, const QStringList& values, int startOption)
{
    ElementField f = Make(FieldKind::Options, name, title, attr);
    f.OptionCaptions = captions;
    f.OptionValues = values;
    f.StartOption = startOption;
    return f;
}

ElementField ElementField::Check(const QString& name, const QString& caption, const QString& attr,
                                 const QString& onValue, const QString& offValue, bool startsChecked)
{
    ElementField f = Make(FieldKind::Check, name, caption, attr);
    f.OnValue = onValue;
    f.OffValue = offValue;
    f.StartsChecked = startsChecked;
    return f;
}

ElementField ElementField::Slider(const QString& name, const QString& caption, const QString& attr, int minimum,
                                  int maximum, int pageStep)
{
    ElementField f = Make(FieldKind::Slider, name, caption, attr);
    f.Minimum = minimum;
    f.Maximum = maximum;
    f.PageStep = pageStep;
    return f;
}

ElementField ElementField::Colour(const QString& name, const QString& caption, const QString& attr)
{
    return Make(FieldKind::Colour, name, caption, attr);
}

ElementField ElementField::Combo(const QString& name, const QString& caption, const QString& attr,
                                 const QStringList& captions, const QStringList& values)
{
    ElementField f = Make(FieldKind::Combo, name, caption, attr);
    f.OptionCaptions = captions;
    f.OptionValues = values;
    return f;
}

ElementField& ElementField::WithTip(const QString& tip)
{
    Tip = tip;
    return *this;
}

ElementField& ElementField::Greyed()
{
    StartsGreyed = true;
    return *this;
}

ElementField& ElementField::Invisible()
{
    Hidden = true;
    return *this;
}

ElementField& ElementField::NoEnter()
{
    EnterRefreshes = false;
    return *this;
}

ElementField& ElementField::RefreshOnChange()
{
    ChangeRefreshes = true;
    return *this;
}

ElementField& ElementField::Starting(const QString& text)
{
    StartText = text;
    return *this;
}

ElementField& ElementField::Numbered(int firstIndex)
{
    FirstIndex = firstIndex;
    return *this;
}

ElementField& ElementField::InColumns(int columns)
{
    Columns = columns;
    return *this;
}

ElementField& ElementField::Beside()
{
    SameRow = true;
    return *this;
}

ElementField& ElementField::Followed(const QString& unit)
{
    Unit = unit;
    return *this;
}

ElementField& ElementField::AlsoReads(const QStringList& on, const QStringList& off)
{
    ReadsOn = on;
    ReadsOff = off;
    return *this;
}
