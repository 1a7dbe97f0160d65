#include "check/textpositions.h"

#include <algorithm>

TextPositions::TextPositions(QStringView text) : text_(text)
{
    starts_.push_back(0);
    const QChar* data = text.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = data[i].unicode();
        if (c == u'\n')
            starts_.push_back(i + 1);
        else if (QChar::isHighSurrogate(c))
            surrogates_ = true;
    }
}

int TextPositions::LineOf(qsizetype offset) const
{
    return int(std::upper_bound(starts_.begin(), starts_.end(), offset) - starts_.begin());
}

int TextPositions::ColumnOf(qsizetype offset) const
{
    return int(offset - starts_[LineOf(offset) - 1]) + 1;
}

int TextPositions::ColumnOfCodePoint(int line, int codePoint) const
{
    if (!surrogates_ || line < 1 || line > LineCount() || codePoint < 1)
        return codePoint;
    const qsizetype start = starts_[line - 1];
    const qsizetype end = line < LineCount() ? starts_[line] : text_.size();
    qsizetype at = start;
    int seen = 1;
    for (; seen < codePoint && at < end; ++seen)
        at += QChar::isHighSurrogate(text_[at].unicode()) && at + 1 < end ? 2 : 1;
    // Past the line's end (a position the library gives at its break) the columns go on one by one.
    return int(at - start) + 1 + (codePoint - seen);
}
