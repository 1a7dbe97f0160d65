#pragma once
// The values the media and scrolling-text fields read and write beyond a plain box: the play time made of a
// minutes and a seconds box, and the repeat counts of an edited tag.

#include <QString>

class MediaValues
{
public:
    // "m:s" from the two boxes' numbers, unpadded ("1:30", "0:5"); "" unless one of them is above 0. An empty box
    // counts as 0, so seconds alone still give a time a player reads.
    static QString PlayTime(const QString& minutes, const QString& seconds);
    // An edited tag's "m:s" split into its two numbers; false for any other text (the tag then keeps it as it is).
    static bool SplitPlayTime(const QString& value, QString& minutes, QString& seconds);
    // A repeat count: a number above 0.
    static bool IsCount(const QString& value);
    // A repeat value that means without end: "true", "infinite" or a negative number, in any case.
    static bool IsEndless(const QString& value);
};
