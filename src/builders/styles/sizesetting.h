#pragma once
// Length texts of the size dialog: "12pt", "1.5em", "150%", "30" or nothing, and the scroll ranges that go
// with a kind of length and a unit.

#include <QString>
#include <QStringList>

#include <optional>

class SizeSetting
{
public:
    // The unit options, in the order the dialog shows them.
    enum Unit : int
    {
        Pt = 0,
        Px = 1,
        Em = 2,
        Percent = 3,
        NoUnit = 4, // a number without unit
        Default = 5 // no value at all
    };

    // The kinds of length the style dialog asks for; each has its own range.
    enum Kind : int
    {
        AnyLength = 0,       // no kind: the range is left as it is
        FontSizeLength = 1,  // font size
        SpacingLength = 2,   // letter spacing, line height
        PlacementLength = 3, // left, top
        SpareLength = 4,     // no present caller
        ExtentLength = 5,    // width, height
        BoxLength = 6        // margins, paddings, border widths
    };

    struct Range
    {
        int Minimum = 0;
        int Maximum = 100;
        int SmallStep = 1;
        int LargeStep = 20;
        bool operator==(const Range&) const = default;
    };

    struct Parsed
    {
        Unit UnitChoice = Default;
        int Position = 0; // scroll position: the number, or tenths of an em
        bool operator==(const Parsed&) const = default;
    };

    // The unit text of an option ("pt", "px", "em", "%", "" for NoUnit and Default).
    static QString UnitText(Unit unit);
    // Range of a kind of length; false for AnyLength (or any other number), whose range the dialog leaves as it is.
    static bool KindRange(Kind dtype, int& minimum, int& maximum);
    // Scroll settings for a kind and a unit.
    static Range ScrollRange(Kind dtype, Unit unit);
    // Reads a length text (case and blanks around it do not matter).
    static Parsed Parse(const QString& text);
    // The number a scroll position stands for in a unit (tenths for em).
    static double NumberAt(int position, Unit unit);
    // Shortest decimal form of a number ("12", "1.5").
    static QString NumberText(double number);
    // The scroll position of a number typed in a unit, when the number is one the scroll range `r` holds (whole
    // numbers; tenths for em); nothing for anything else.
    static std::optional<int> PositionOf(const QString& typed, Unit unit, const Range& r);
    // The length text for a scroll position: number + unit, or "" for Default.
    static QString Text(int position, Unit unit);
};
