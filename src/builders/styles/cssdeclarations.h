#pragma once
// The declaration list behind the style dialog: one value per CSS property of the database's style1 list,
// written out in position order, parsed back from an existing style, and the parts of the filter property.
//
// The dialog only moves values between its controls and this object; every rule about what text is written
// lives here.

#include <QDomElement>
#include <QList>
#include <QString>
#include <QStringList>

class TagDb;

class CssDeclarations
{
public:
    // Positions of the style1 list that the dialog's controls write.
    enum Position : int
    {
        FontColor = 0,
        FontFamily = 1,
        FontSize = 2,
        FontWeight = 3,
        FontStyle = 4,
        BackColor = 5,
        BackImage = 6,
        BackRepeat = 7,
        BackAttachment = 8,
        LetterSpacing = 10,
        TextDecoration = 11,
        Overflow = 12,
        TextAlign = 13,
        Left = 14,
        Top = 15,
        Width = 16,
        Height = 17,
        Positioning = 18,
        Visibility = 19,
        ZIndex = 20,
        Margin = 21,      // top, bottom, left, right, all sides
        Padding = 26,     // same order
        BorderStyle = 31, // same order
        BorderWidth = 36, // same order
        BorderColor = 41, // same order
        LineHeight = 46,
        Filter = 47,
        Cursor = 48,
        Float = 49,
        Display = 53
    };
    static constexpr int BoxSides = 5; // top, bottom, left, right, shorthand
    static constexpr int AllSides = 4;
    static constexpr int FilterPartCount = 21;
    // Parts of the filter value that the dialog shows beside their own buttons.
    enum FilterPart : int
    {
        ShadowColorPart = 5,
        GlowColorPart = 7,
        ShadowStrengthPart = 15 // no control; kept so that a parsed shadow is written back whole
    };
    static constexpr int BoldMin = 100;
    static constexpr int BoldMax = 900;

    // What the filter controls show; kept here so that a parsed filter and the controls agree.
    struct FilterControls
    {
        int Alpha = 0; // slider: 100 - opacity
        bool Flip[4] = {false, false, false, false};
        int Shadow = 0;
        int Glow = 0;
        bool Blur = false;
        int BlurDirection = 0;
        int BlurStrength = 0;
        bool Wave = false;
        int WaveValue[4] = {0, 0, 0, 0}; // freq, lightstrength, phase, strength
    };
    // Slider ranges of the filter controls (minimum 0).
    static constexpr int AlphaMax = 100, ShadowMax = 360, GlowMax = 255, BlurDirectionMax = 360, BlurStrengthMax = 100,
                         WaveMax = 100, ShadowStrengthMax = 255;

    struct Declaration
    {
        QString Name;
        QString Value;
        bool operator==(const Declaration&) const = default;
    };

    // ---- State, public as the dialog names it.
    QStringList CssNames;
    QStringList CssValues;
    QStringList FilterParts;
    QString CssText;
    FilterControls FilterState;
    // Declarations of the incoming style whose names the database does not list: kept and written after the
    // known ones, so that editing a style never drops what the dialog has no control for.
    QList<Declaration> Unknown;
    // Filter functions the dialog has no control for (kept, written after the known parts).
    QStringList UnknownFilters;

    // Names from the database (style1 by position), option values (style2 by num), border labels and cursors.
    void Load(const TagDb& db);
    // Empties every value, the filter parts and what was kept of the incoming style.
    void Clear();

    // ---- Building.
    // Position order, blanks skipped, no spaces, no trailing ";"; stores and returns CssText.
    QString Build();
    // The page shown in the preview.
    static QString PreviewPage(const QString& cssText, const QString& htmlTxt1, const QString& htmlTxt2);
    // Rebuilds position 47 from the filter parts.
    void BuildFilter();

    // ---- Parsing.
    // Lower-cases a style for matching; addresses inside url(...) keep their case (file names are case-sensitive).
    // Comments and strings are lowered whole: an "url(" inside one is no address.
    static QString LowerStyle(const QString& text);
    // Splits a declaration list at each ";" outside comments, strings, url(...) and brackets: the first colon
    // outside them divides a declaration's name (trimmed, without comments) from its value. Every declaration is
    // kept, however many there are.
    static QList<Declaration> Split(const QString& text);
    // Fills the values from a (lowered) style and brings them to the form the controls write back.
    void Parse(const QString& text);
    // Filter value -> parts and FilterState.
    void ParseFilter(const QString& value);

    // ---- What the controls show for the current values (-1: nothing selected).
    // Database option groups 4, 7, 8, 11, 13, 18, 19 and the fixed groups 12, 49, 53.
    int OptionIndex(int position) const;
    int BorderStyleIndex(int side) const;
    int CursorIndex() const;
    int BoldSlider() const;
    // The picture address as the text box shows it (without url( and )).
    QString BackImageText() const { return CssValues.value(BackImage); }

    // ---- Control handlers.
    void SetValue(int position, const QString& value);
    QString Value(int position) const { return CssValues.value(position); }
    // Option group `position`, choice `index` (database-driven or fixed, as the group is).
    void ChooseOption(int position, int index);
    void SetBold(int slider);
    void CancelBold();
    void SetBackImage(const QString& text);
    // Border style combo `side` showing the label `label`.
    void SetBorderStyle(int side, const QString& label);
    void SetCursor(int index);
    void SetZindex(const QString& text);
    // Box size picking: empties the shorthand for a side, or the four sides for the shorthand; returns the
    // position to pick.
    int StartBoxSize(int base, int side);

    void SetAlpha(int slider);
    void CancelAlpha();
    void SetFlip(int i, bool on);
    void SetShadowColor(const QString& color);
    void SetShadow(int direction);
    void SetGlowColor(const QString& color);
    void SetGlow(int strength);
    void SetBlur(bool on);
    void SetBlurDirection(int value);
    void SetBlurStrength(int value);
    void SetWave(bool on);
    void SetWaveValue(int i, int value);

    // Lists read from the database at Load.
    QStringList BorderLabels; // txt of the style2 entries with num 31
    QStringList BorderValues; // their values
    QStringList CursorLabels; // txt of each cursor entry
    QStringList CursorNames;  // name of each cursor entry

    // The database option groups, by position (values of the style2 entries with that num, in order).
    QStringList GroupValues(int position) const;

private:
    void EnsureSize();
    // One filter function the controls show; false when they cannot write it back (it is then kept as it was).
    bool ParseLight(const QString& token, bool shadow); // shadow(...) or glow(...)
    bool ParseMotion(const QString& token, bool blur);  // blur(...) or wave(...)
    QList<QPair<int, QStringList>> groups_;
    // Label -> value over the whole style2 list (first entry with that txt), for the border combos.
    QList<QPair<QString, QString>> labelValues_;
};
