#pragma once
// The lines that the refresh and transition commands write into a page's head, and the numeric boxes of their
// dialogs.

#include <QString>

class HeadMarkup
{
public:
    // The decimal form of the number that `text` starts with: leading blanks skipped, an optional sign, digits
    // and an optional fraction; trailing zeros of the fraction and leading zeros dropped; nothing readable is "0".
    // "  007x" gives "7", "3.50" gives "3.5", "-0" gives "0".
    static QString NumericText(const QString& text);
    static double NumericValue(const QString& text);

    // The refresh interval of `text` rounded to whole seconds (halves to even); false when it does not fit in
    // 0 .. 2147483647.
    static bool IntervalSeconds(const QString& text, int& seconds);

    // "<meta http-equiv='refresh' content='5;url=next.html'>" CR LF; the address is left out when it is empty or
    // blank, and written as typed otherwise.
    static QString RefreshLine(int seconds, const QString& url);
    // "<meta http-equiv='Page-Enter' content='revealTrans(Duration=4 ,Transition=3)'>" CR LF.
    static QString TransitionLine(const QString& duration, int transition);
};
