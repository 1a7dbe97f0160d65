#pragma once
// Lines too long for the text control. It lays a whole line out again on every change: measured here, a key
// press costs about 2 ms per thousand characters of its line, and a line of megabytes takes minutes per key and
// gigabytes to open. A page with such a line opens read-only, each long line shown cut into fixed pieces; saving
// writes the page as it was read, never the pieces.

#include <QString>

class LongLines
{
public:
    // The longest line the editor edits: a key press on it stays well under 100 ms.
    static constexpr qsizetype Threshold = 20000;
    // The length of the pieces a longer line is shown in.
    static constexpr qsizetype PieceLength = 10000;

    // The length of the longest line, in UTF-16 units (CR, LF, CR LF and U+2029 end a line, as in the control).
    static qsizetype Longest(const QString& text);
    // The text with every line longer than Threshold cut by "\n" into pieces of PieceLength (a surrogate pair is
    // never cut); other lines as they are.
    static QString Pieces(const QString& text);
};
