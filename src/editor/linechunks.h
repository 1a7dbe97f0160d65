#pragma once
// A page's text cut into pieces that each end where a line ends, so that a big page goes into the text control a
// piece at a time. A cut never falls inside a CR LF pair: the control would see two breaks.

#include <QStringView>

class LineChunks
{
public:
    // Where the piece that ends at `end` starts: at the start of a line, about `size` units before `end` (later
    // when a line starts there, earlier when none does), or 0.
    static qsizetype PieceStart(QStringView text, qsizetype end, qsizetype size);
    // Whether a line of the control starts at `at` (after "\n", U+2029 or a CR not followed by LF).
    static bool LineStartsAt(QStringView text, qsizetype at);
};
