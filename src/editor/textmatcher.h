#pragma once
// What the find dialog looks for, and finding it within one line of text: plain text (with or without case),
// whole words only, or a regular expression (Qt's, Perl-compatible). A match never spans a line break: every
// search here is handed one line, or a text whose breaks no match can cross.

#include <QRegularExpression>
#include <QString>

#include <optional>

struct SearchOptions
{
    QString text;
    bool matchCase = false;
    bool wholeWord = false;
    bool regex = false;

    bool operator==(const SearchOptions&) const = default;
};

class TextMatcher
{
public:
    struct Match
    {
        qsizetype start = -1;
        qsizetype length = 0;
        bool Found() const { return start >= 0; }
        bool operator==(const Match&) const = default;
    };

    explicit TextMatcher(const SearchOptions& options);

    const SearchOptions& Options() const { return options_; }
    // False for a regular expression that does not compile; ErrorMessage() then says why, in the program's words.
    bool IsValid() const;
    QString ErrorMessage() const;
    // A regular expression: a match is bounded by the line it is found in (the caller hands lines one at a time).
    bool NeedsLines() const { return options_.regex; }

    // The first match starting at or after `from`. Plain text and whole words may be searched in a text of many
    // lines as long as its breaks are characters the text never holds (U+2029).
    Match IndexIn(QStringView text, qsizetype from) const;
    // The match that starts last at or before `lastStart` (regular expressions: among those found scanning from
    // the start of `text`, overlapping ones included).
    Match LastIndexIn(QStringView text, qsizetype lastStart) const;
    // Every match of `line` from its start, none overlapping the one before: what replacing all replaces.
    QList<Match> AllIn(QStringView line) const;
    // What a match is replaced by: `with` itself, or for a regular expression `with` with \1 to \99 standing for
    // the groups the match captured (Qt's own rule: a number past the expression's groups stays as written).
    QString Replacement(QStringView line, const Match& match, const QString& with) const;
    // The match that starts exactly at `at` and is `length` long, if there is one (a selection made by a find).
    bool MatchesAt(QStringView line, qsizetype at, qsizetype length) const;

private:
    bool WholeWordAt(QStringView text, qsizetype at, qsizetype length) const;
    qsizetype PlainIndex(QStringView text, qsizetype from) const;
    QRegularExpressionMatch RegexMatch(QStringView text, qsizetype from) const;

    SearchOptions options_;
    QRegularExpression regex_;
    QString error_;
};
