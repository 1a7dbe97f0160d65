#pragma once
// Walks a page's markup once, start to end, and hands over each start tag with its attributes and the text of
// each style block. Comments, end tags and declarations are passed over; the contents of script, style,
// textarea and title elements are not read as markup.

#include <QList>
#include <QStringView>

#include <functional>

class MarkupWalker
{
public:
    struct Attribute
    {
        QStringView name;
        QStringView value;     // without its quotes
        qsizetype valueOffset; // where the value starts in the text
    };
    struct Tag
    {
        QStringView name;
        qsizetype offset; // of its "<"
        QList<Attribute> attributes;
        // The value of the attribute `name` (ignoring case), or a null view.
        QStringView Value(QStringView name) const;
    };

    std::function<void(const Tag& tag)> onTag;
    // A style block's text and where it starts.
    std::function<void(QStringView css, qsizetype offset)> onStyle;

    void Walk(QStringView text) const;

private:
    // Reads the tag starting at `at` (its "<"); returns where the walk goes on.
    qsizetype ReadTag(QStringView text, qsizetype at) const;
    // Reads one attribute from `at`; returns where the next one may start.
    static qsizetype ReadAttribute(QStringView text, qsizetype at, QList<Attribute>& into);
    // Past the contents of an element that holds no markup and its end tag; `endTag` is where that starts.
    static qsizetype SkipRawText(QStringView text, qsizetype from, QStringView element, qsizetype& endTag);
};
