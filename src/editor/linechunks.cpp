#include "editor/linechunks.h"

bool LineChunks::LineStartsAt(QStringView text, qsizetype at)
{
    if (at <= 0 || at >= text.size())
        return false;
    const char16_t before = text.at(at - 1).unicode();
    if (before == u'\r')
        return text.at(at).unicode() != u'\n';
    return before == u'\n' || before == 0x2029;
}

qsizetype LineChunks::PieceStart(QStringView text, qsizetype end, qsizetype size)
{
    const qsizetype wanted = end - size;
    if (wanted <= 0)
        return 0;
    for (qsizetype at = wanted; at < end; ++at) {
        if (LineStartsAt(text, at))
            return at;
    }
    // One line longer than a piece: it goes in whole.
    for (qsizetype at = wanted - 1; at > 0; --at) {
        if (LineStartsAt(text, at))
            return at;
    }
    return 0;
}
