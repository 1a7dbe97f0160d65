#pragma once
// Colour texts of the colour dialog: "#" and six hex digits, or empty for no colour.

#include <QString>

class TagDb;

class ColorSetting
{
public:
    static constexpr int SwatchCount = 7;
    static constexpr int NoColorSwatch = 6;

    // The text a swatch gives: red, blue, green, black, yellow, white, then "" for no colour.
    static QString SwatchText(int index);
    // The working colour for a text: lower-cased, a colour name of the database's color list replaced by its
    // value.
    static QString Resolve(const TagDb& db, const QString& text);
    // The slider form: upper-case digits ("#FF8000").
    static QString FromRgb(int red, int green, int blue);
};
