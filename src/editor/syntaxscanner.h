#pragma once
// Splits one line of a page into the pieces that syntax colouring paints: tags, attributes and their values,
// comments, entities, style sheet rules and script. A line is scanned on its own, starting from the state the line
// before it ended in, so a page can be coloured a screenful at a time.

#include <QList>
#include <QStringView>

class SyntaxScanner
{
public:
    enum Kind : quint8
    {
        Tag,       // "<p", "</p", ">" and "/>"
        Attribute, // an attribute's name
        Value,     // an attribute's value, quotes included
        Comment,   // <!-- -->, /* */ and // comments
        Entity,    // &nbsp;
        Selector,  // a style sheet rule's selector
        Property,  // a declaration's property name
        CssValue,  // a declaration's value
        Keyword,   // a script keyword
        String,    // a script string
        Number,    // a script number
    };

    struct Span
    {
        int start;
        int length;
        Kind kind;
        bool operator==(const Span&) const = default;
    };

    // The state before the first line of a page: plain text.
    static constexpr int StartState = 0;

    // Scans `line` (no line break) from `state`; appends its pieces to `spans` when given. Returns the state the
    // line ends in.
    static int ScanLine(QStringView line, int state, QList<Span>* spans);
};
