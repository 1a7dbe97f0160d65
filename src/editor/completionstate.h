#pragma once
// The state behind the completion lists: which list is open, where the user's filter text starts and what was
// typed since, and the small text rules of filtering and accepting.

#include <QString>
#include <QStringList>

class CompletionState
{
public:
    enum Mode
    {
        NoList = 0,
        Tags = 1,
        Attributes = 2,
        Values = 3,
        Styles = 4,
        StyleValues = 5,
        Fonts = 6,
        AttributeWritten = 7, // an attribute without values was written: the next key release opens nothing
        JStyles = 8,
        Members = 9
    };

    int ListMode = NoList;
    int ListAnchor = 0; // where the filter text begins
    QString TypedText;  // a one-character seed, then every character typed since the list opened
    bool SkipNextKey = false;
    int TagIndex = -1; // the tag in html1, or the attribute among the current ones

    // Modes that have a list the keys are forwarded to.
    static bool HasList(int mode) { return (mode >= Tags && mode <= Fonts) || mode == JStyles || mode == Members; }
    // Modes whose filter follows the typing.
    static bool Filters(int mode) { return HasList(mode) && mode != Fonts; }

    enum TrackResult
    {
        Kept,
        Close
    };
    // A character typed while a list is open ('\b' for Backspace). Close: the list is to close.
    TrackResult TrackTypedKey(QChar key);
    // How many characters of the text, from ListAnchor, an accepted entry replaces.
    int ReplacedLength() const { return qMax(0, int(TypedText.size()) - 1); }
    void Clear();

    // The first item that begins with the filter (TypedText without its seed), ignoring case; -1 when none matches
    // or nothing was typed yet.
    static int PrefixRow(const QStringList& items, const QString& typedText);
    // What accepting an attribute writes: name="" or, for one that takes no value, the name and two blanks.
    static QString AttributeText(const QString& name, bool takesNoValue);
};
