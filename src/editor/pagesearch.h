#pragma once
// Searching and replacing in a page's text document. Positions are the document's: one character per line break.
// A match never spans a line break.

#include "editor/textmatcher.h"

#include <QString>
#include <Qt>

#include <functional>

class QTextCharFormat;
class QTextDocument;

class PageSearch
{
public:
    // Zero-based position of the first occurrence of `what` at or after `from`; -1 when there is none.
    // An empty `what` is found at `from` itself while `from` lies within the text.
    static int Find(const QTextDocument* document, const QString& what, int from, Qt::CaseSensitivity cs);
    // Zero-based position of the last occurrence of `what` that starts before `before`; -1 when there is none or
    // `what` is empty.
    static int FindBefore(const QTextDocument* document, const QString& what, int before, Qt::CaseSensitivity cs);

    // The same for any search the matcher describes (whole words, regular expressions): where the match starts
    // and how long it is. Far from `from` the text is copied once, as for plain text; a regular expression is
    // then still matched a line at a time within that copy.
    struct Hit
    {
        int position = -1;
        int length = 0;
        bool operator==(const Hit&) const = default;
    };
    static Hit Find(const QTextDocument* document, const TextMatcher& matcher, int from);
    // The match that starts last before `before`.
    static Hit FindBefore(const QTextDocument* document, const TextMatcher& matcher, int before);

    // Replaces every occurrence of `what`, scanning from the first character; replaced text is not scanned again.
    // All of it is one edit: one change notification and one undo step. Returns the number replaced; with none
    // (or an empty `what`) the document is not touched.
    // `progress`, when given, is told now and then how far the scan has come (a position in the document as it
    // was); when it returns false the scan stops and what was replaced so far is taken back (0 is returned).
    using Progress = std::function<bool(int position)>;
    static int ReplaceAll(QTextDocument* document, const QString& what, const QString& with, Qt::CaseSensitivity cs,
                          const QTextCharFormat& format, const Progress& progress = {});
    // The same for any search the matcher describes; a regular expression's replacement may name its groups
    // (TextMatcher::Replacement). Matches are taken from each line as it stood.
    static int ReplaceAll(QTextDocument* document, const TextMatcher& matcher, const QString& with,
                          const QTextCharFormat& format, const Progress& progress = {});
};
