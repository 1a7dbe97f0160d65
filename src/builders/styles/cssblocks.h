#pragma once
// Reading CSS text a block at a time, as a browser does: a comment, a quoted string, an address url(...) and a
// bracketed group are each read whole, so the ";", ":", "," or blank they hold separates nothing. A block left
// open runs to the end of the text.

#include <QString>
#include <QStringList>
#include <QStringView>

namespace CssBlocks {

// Whether an address "url(" (any case) starts at `at`.
bool StartsUrl(QStringView text, qsizetype at);
// Index just past the comment, string or address that starts at `at`; `at` when none does.
qsizetype LeafEnd(QStringView text, qsizetype at, bool* closed = nullptr);
// The same for any block, a bracketed group with the blocks inside it included.
qsizetype End(QStringView text, qsizetype at, bool* closed = nullptr);

// Where `c` first stands outside every block, looking from `from` (itself outside them); -1 if nowhere.
qsizetype IndexOf(QStringView text, QChar c, qsizetype from = 0);
// The pieces between the separators that stand outside every block, empty ones included.
QStringList Split(QStringView text, QChar separator);
// The same split at white space, empty pieces left out.
QStringList Words(QStringView text);
// Whether every block of the text ends inside it.
bool IsClosed(QStringView text);
// The text without its comments (those outside every other block).
QString WithoutComments(QStringView text);

} // namespace CssBlocks
