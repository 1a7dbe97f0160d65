#pragma once
// Offsets into a page's text as the text control shows them: line and column, both from 1.

#include <QStringView>

#include <vector>

class TextPositions
{
public:
    explicit TextPositions(QStringView text);

    int LineOf(qsizetype offset) const;
    // The column of `offset` in its line, from 1.
    int ColumnOf(qsizetype offset) const;
    // The control's column of the `codePoint`th character (from 1) of a line (from 1): a character outside the
    // BMP takes two of the control's columns.
    int ColumnOfCodePoint(int line, int codePoint) const;
    int LineCount() const { return int(starts_.size()); }

private:
    QStringView text_;
    std::vector<qsizetype> starts_; // where each line starts
    bool surrogates_ = false;
};
