#include "builders/styles/cssblocks.h"

namespace {

bool At(QStringView text, qsizetype i, char c)
{
    return i >= 0 && i < text.size() && text[i] == QLatin1Char(c);
}

// Visits each position outside every block from `from` on until `stop` says so; that position, or -1.
template <class Stop> qsizetype FindTop(QStringView text, qsizetype from, Stop stop)
{
    for (qsizetype i = from; i < text.size();) {
        const qsizetype end = CssBlocks::End(text, i);
        if (end > i) {
            i = end;
            continue;
        }
        if (stop(i))
            return i;
        ++i;
    }
    return -1;
}

template <class Cut> QStringList Pieces(QStringView text, Cut cut)
{
    QStringList out;
    qsizetype start = 0;
    for (;;) {
        const qsizetype at = FindTop(text, start, cut);
        out.append(text.mid(start, (at < 0 ? text.size() : at) - start).toString());
        if (at < 0)
            return out;
        start = at + 1;
    }
}

} // namespace

bool CssBlocks::StartsUrl(QStringView text, qsizetype at)
{
    return text.mid(at, 4).compare(QLatin1String("url("), Qt::CaseInsensitive) == 0;
}

qsizetype CssBlocks::LeafEnd(QStringView text, qsizetype at, bool* closed)
{
    qsizetype end = at;
    bool ended = true;
    if (At(text, at, '/') && At(text, at + 1, '*')) {
        const qsizetype close = text.indexOf(u"*/", at + 2);
        ended = close >= 0;
        end = ended ? close + 2 : text.size();
    } else if (At(text, at, '"') || At(text, at, '\'')) {
        const QChar quote = text[at];
        ended = false;
        end = text.size();
        for (qsizetype i = at + 1; i < text.size(); ++i) {
            if (text[i] == QLatin1Char('\\')) {
                ++i; // an escaped character, a quote too
            } else if (text[i] == quote) {
                ended = true;
                end = i + 1;
                break;
            }
        }
    } else if (StartsUrl(text, at)) {
        // An address holds no other block: it ends at the first ")" (a data: address may hold ";").
        const qsizetype close = text.indexOf(QLatin1Char(')'), at + 4);
        ended = close >= 0;
        end = ended ? close + 1 : text.size();
    }
    if (closed)
        *closed = ended;
    return end;
}

qsizetype CssBlocks::End(QStringView text, qsizetype at, bool* closed)
{
    if (!At(text, at, '('))
        return LeafEnd(text, at, closed);
    // Counted rather than recursed: a page full of "(" must not run out of stack.
    qsizetype depth = 0;
    for (qsizetype i = at; i < text.size();) {
        const qsizetype leaf = LeafEnd(text, i);
        if (leaf > i) {
            i = leaf;
            continue;
        }
        if (text[i] == QLatin1Char('('))
            ++depth;
        else if (text[i] == QLatin1Char(')') && --depth == 0) {
            if (closed)
                *closed = true;
            return i + 1;
        }
        ++i;
    }
    if (closed)
        *closed = false;
    return text.size();
}

qsizetype CssBlocks::IndexOf(QStringView text, QChar c, qsizetype from)
{
    return FindTop(text, from, [&](qsizetype i) { return text[i] == c; });
}

QStringList CssBlocks::Split(QStringView text, QChar separator)
{
    return Pieces(text, [&](qsizetype i) { return text[i] == separator; });
}

QStringList CssBlocks::Words(QStringView text)
{
    QStringList words = Pieces(text, [&](qsizetype i) { return text[i].isSpace(); });
    words.removeAll(QString());
    return words;
}

bool CssBlocks::IsClosed(QStringView text)
{
    for (qsizetype i = 0; i < text.size();) {
        bool closed = true;
        const qsizetype end = End(text, i, &closed);
        if (!closed)
            return false;
        i = end > i ? end : i + 1;
    }
    return true;
}

QString CssBlocks::WithoutComments(QStringView text)
{
    QString out;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype end = End(text, i);
        if (end == i)
            out += text[i++];
        else {
            if (!(At(text, i, '/') && At(text, i + 1, '*')))
                out += text.mid(i, end - i);
            i = end;
        }
    }
    return out;
}
