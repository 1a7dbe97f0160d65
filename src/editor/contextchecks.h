#pragma once
// What the text left of the caret says about where the user is typing: inside a tag, a style attribute or block,
// a script block; and the dotted word before a "." in a script. Every search walks back line by line from the
// caret and stops at the nearest marker that decides, so a keystroke near the end of a big page reads little.

#include "editor/linesource.h"

#include <QStringList>

#include <optional>
#include <vector>

class ContextChecks
{
public:
    struct Hit
    {
        int needle = -1;   // index into the needles; -1 when none was found
        int position = -1; // where it starts
    };

    // The markers the checks look for, one bit each (case ignored); 0 for any other text.
    static int MarkerBit(const QString& needle);
    // The bits of the markers that `line` holds.
    static int MarkersIn(QStringView line);
    // The markers of each line of `text`, split where the text control starts a new line: at "\r\n", "\n",
    // "\r", U+2029 and the two frame marks U+FDD0 / U+FDD1. One pass over a page just read.
    static std::vector<int> MarkersOfLines(QStringView text);

    // The occurrence, lying wholly before `before`, of any of `needles` that starts last.
    static Hit LastOf(const LineSource& text, int before, const QStringList& needles,
                      Qt::CaseSensitivity cs = Qt::CaseInsensitive);
    // The text from `from` up to `to`, line breaks as "\n".
    static QString Text(const LineSource& text, int from, int to);

    // The last `open` before the caret comes after the last `close` (or there is none).
    static bool Inside(const LineSource& text, int caret, const QString& open, const QString& close);
    static bool InScript(const LineSource& text, int caret);
    static bool InStyleBlock(const LineSource& text, int caret);
    // The last `quote` before the caret is the one that ends "style=" + `quote`.
    static bool InStyleValue(const LineSource& text, int caret, QChar quote);
    // A ";" typed here opens the CSS property list: inside a style attribute's value (double, then single quote),
    // or after an open "{" inside a style block.
    static bool SemicolonOpensStyles(const LineSource& text, int caret);
    // A "{" typed here opens the CSS property list: inside a style block.
    static bool BraceOpensStyles(const LineSource& text, int caret);

    // The dotted word ending at the caret (up to 100 characters back) when a delimiter stands before it; nullopt
    // when a digit, a quote or the start of the window comes first.
    static std::optional<QString> ScriptPath(const LineSource& text, int caret);

    // After a blank typed just left of the caret: the start of the tag being written ("<a", lower case) when the
    // caret is inside a tag, outside any double-quoted value, and the name has no quote; nullopt otherwise.
    static std::optional<QString> TagBeforeBlank(const LineSource& text, int caret);
};
