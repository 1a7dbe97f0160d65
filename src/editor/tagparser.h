#pragma once
// Splits one tag, "<" to ">", into its element name and its attributes for editing in place.
//
// Names are matched in lower case, so they are lowered; values stay exactly as the user typed them (lowering
// script code or a file name would change what the page does). Names and values are trimmed, values lose their
// quotes. The entry that meets the closing ">" counts as an entry with an empty name, so <td nowrap> gives two
// entries and <br> one.

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <functional>

// The attributes of a parsed tag, name and value, in the order the tag has them.
using AttributeList = QList<QPair<QString, QString>>;

class TagParser
{
public:
    static constexpr int MaxEntries = 50;
    static constexpr int LongTag = 10000; // longer tags need the user's go-ahead

    enum Status
    {
        Parsed,
        TooManyEntries
    };

    // The element name ("<br" for <br>, "<a" for <a href=x>), lowered, and the position where it ends.
    // False for a tag shorter than three characters.
    static bool ParseTagHead(const QString& tag, QString& name, int& nameEnd);

    // Splits the attributes from `from` on. On success `names` and `values` hold positions 0..count, position 0
    // empty. `afterEntry` runs after each entry (the window lets pending paint events through there).
    static Status ParseAttributes(const QString& tag, int from, QStringList& names, QStringList& values, int& count,
                                  const std::function<void()>& afterEntry = {});

    // A value inside quotes for writing a tag back: double quotes, or single ones when the value holds a double
    // quote (so the attribute stays one attribute); a value holding both kinds gets &quot; for its double quotes.
    // Control characters are dropped (AttributeValue).
    static QString Quoted(const QString& value);
};
