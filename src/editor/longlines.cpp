#include "editor/longlines.h"

#include <algorithm>

namespace {

bool IsBreak(char16_t c)
{
    return c == u'\n' || c == u'\r' || c == 0x2029;
}

} // namespace

qsizetype LongLines::Longest(const QString& text)
{
    const QChar* p = text.constData();
    const qsizetype n = text.size();
    qsizetype longest = 0, start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (!IsBreak(p[i].unicode()))
            continue;
        longest = std::max(longest, i - start);
        start = i + 1;
    }
    return std::max(longest, n - start);
}

QString LongLines::Pieces(const QString& text)
{
    QString out;
    out.reserve(text.size() + text.size() / PieceLength + 1);
    const QChar* p = text.constData();
    const qsizetype n = text.size();
    qsizetype start = 0;
    const auto line = [&](qsizetype end) {
        if (end - start <= Threshold) {
            out.append(p + start, end - start);
            return;
        }
        for (qsizetype at = start; at < end;) {
            qsizetype piece = std::min(PieceLength, end - at);
            if (at + piece < end && p[at + piece - 1].isHighSurrogate())
                --piece;
            out.append(p + at, piece);
            at += piece;
            if (at < end)
                out.append(QLatin1Char('\n'));
        }
    };
    for (qsizetype i = 0; i < n; ++i) {
        if (!IsBreak(p[i].unicode()))
            continue;
        line(i);
        out.append(p[i]);
        start = i + 1;
    }
    line(n);
    return out;
}
