#pragma once
// What the style sheet dialog computes: the selectors the user adds (at most 50, no two alike), the declaration
// list set for each, the rules they make and the style block they go into; and where a block or a link to an
// external sheet goes in a page.

#include <QString>
#include <QStringList>

class StyleSheet
{
public:
    static constexpr int MaxSelectors = 50;
    static constexpr int Positions = 51; // 0..50

    enum AddResult
    {
        Nothing,   // no selector to add
        Added,     // appended to Selectors
        Duplicate, // already there: that entry is the one to select
        TooMany    // the list is full
    };

    StyleSheet();

    QString ClassSep = QStringLiteral(".");
    QStringList Selectors;      // the selector list, in the order added
    QStringList SheetSelectors; // positions 0..50: the selector a style was set for
    QStringList SheetStyles;    // positions 0..50: its declaration list

    // The selector the add button makes: the element's start without its "<", joined to `name` by `sep` ("p",
    // "p.red", "a:hover"); with `allElements` a bare class (".red") and nothing without a name.
    static QString Selector(const QString& start, bool allElements, const QString& sep, const QString& name);
    // Adds `selector` unless it is empty, already there or the list is full; `index` is the entry added or found.
    AddResult Add(const QString& selector, int& index);
    // Records the style set for entry `i`.
    void SetStyle(int i, const QString& style);
    // One rule per entry with a style, in position order: selector + " {" + style + "}" + CR LF.
    QString CssTxt() const;

    // The internal style block around `rules` ("" for no rules).
    static QString Block(const QString& rules);
    // Zero-based insertion point of the internal block: before "<body", else right after "<html>", else after the
    // first character (positions of those texts, -1 when absent); never past `length`.
    static int BlockOffset(int bodyAt, int htmlAt, int length);
    static int BlockOffset(const QString& page);
    // Whether an input-box answer names a sheet: it sorts above a single blank.
    static bool IsLinkPath(const QString& answer);
    static QString LinkLine(const QString& path);
};
