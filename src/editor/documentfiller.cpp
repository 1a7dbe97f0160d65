#include "editor/documentfiller.h"

#include "editor/textdocumentprivate.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QtGlobal>
#include <array>
#include <cstdlib>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// The fast way writes the text document's private structures; without them pages go in the ordinary way.
#define KESTREL_FILL_FAST KESTREL_TEXT_PRIVATE

namespace {

// Says once per run why pages go in the ordinary (slower) way.
void NoteOrdinaryWay(const char* why)
{
    static bool said = false;
    if (!said) {
        said = true;
        qInfo("kestrel: pages are put into the text control the ordinary way (%s)", why);
    }
}

} // namespace

#if KESTREL_FILL_FAST
namespace {

// A fragment map keeps its node array private. An explicit instantiation may name a private member, which gives
// this file (and only it) a pointer to the array's owner.
template <class Tag, typename Tag::Type Member> struct Reach
{
    friend typename Tag::Type Reached(Tag) { return Member; }
};

struct TextRunsTag
{
    using Type = QFragmentMapData<QTextFragmentData> QTextDocumentPrivate::FragmentMap::*;
    friend Type Reached(TextRunsTag);
};
struct BlocksTag
{
    using Type = QFragmentMapData<QTextBlockData> QTextDocumentPrivate::BlockMap::*;
    friend Type Reached(BlocksTag);
};
template struct Reach<TextRunsTag, &QTextDocumentPrivate::FragmentMap::data>;
template struct Reach<BlocksTag, &QTextDocumentPrivate::BlockMap::data>;

constexpr char16_t Separator = QChar::ParagraphSeparator;

// The node array's colours (the map's own enum is private).
constexpr quint32 Red = 0;
constexpr quint32 Black = 1;

// Links the nodes in slots lo+1 .. hi (in order) into a balanced subtree and returns the slot of its root. Every
// node's own sizes are set already; the sizes of its left subtree are filled in here and the subtree's totals
// added to `total`. Splitting at the middle leaves all empty places at the two deepest levels, so colouring the
// deepest level red gives every path the same number of black nodes.
template <class Node>
quint32 Link(Node* nodes, quint32 lo, quint32 hi, quint32 parent, int depth, int redDepth,
             std::array<quint32, Node::size_array_max>& total)
{
    total.fill(0);
    if (lo >= hi)
        return 0;
    const quint32 mid = lo + (hi - lo) / 2;
    const quint32 slot = mid + 1;
    std::array<quint32, Node::size_array_max> left{}, right{};
    Node& node = nodes[slot];
    node.parent = parent;
    node.left = Link(nodes, lo, mid, slot, depth + 1, redDepth, left);
    node.right = Link(nodes, mid + 1, hi, slot, depth + 1, redDepth, right);
    node.color = depth == redDepth ? Red : Black;
    for (int field = 0; field < Node::size_array_max; ++field) {
        node.size_left_array[field] = left[field];
        total[field] = left[field] + node.size_array[field] + right[field];
    }
    return slot;
}

// Replaces the map's nodes with `count` new ones, in order, each set by fill(node, index) before linking.
template <class Node, class Fill> void Rewrite(QFragmentMapData<Node>& map, quint32 count, Fill fill)
{
    auto* nodes = static_cast<Node*>(std::realloc(map.fragments, size_t(count + 1) * sizeof(Node)));
    Q_CHECK_PTR(nodes);
    map.fragments = nodes;
    for (quint32 i = 0; i < count; ++i)
        fill(nodes[i + 1], i);
    int deepest = 0;
    while ((quint32(2) << deepest) <= count)
        ++deepest;
    std::array<quint32, Node::size_array_max> total{};
    const quint32 root = Link(nodes, 0, count, 0, 0, deepest > 0 ? deepest : -1, total);
    map.head->root = root;
    map.head->node_count = count;
    map.head->allocated = count + 1;
    map.head->freelist = count + 1; // full: the next node makes the array grow
}

// One run of text or one separator, in document order.
struct Run
{
    quint32 stringPosition;
    quint32 size;
};

// The revisions line-by-line insertion (without undo) gives the blocks: a line break after text leaves the line's
// block as it was and makes the next one current; one at the start of a line does the opposite.
std::vector<int> BlockRevisions(const std::vector<quint32>& blockSizes, int first, int current)
{
    std::vector<int> revisions(blockSizes.size());
    int carried = first;
    for (size_t i = 0; i + 1 < blockSizes.size(); ++i) {
        const bool text = blockSizes[i] > 1;
        revisions[i] = text ? carried : current;
        if (text)
            carried = current;
    }
    if (!revisions.empty())
        revisions.back() = carried;
    return revisions;
}

} // namespace
#endif

DocumentFiller::DocumentFiller(QTextDocument* document, const QTextCharFormat& charFormat,
                               const QTextBlockFormat& blockFormat)
    : document_(document), charFormat_(charFormat), blockFormat_(blockFormat)
{
#if KESTREL_FILL_FAST
    if (!TextDocumentPrivateUsable()) {
        NoteOrdinaryWay("it runs with another Qt than the one it was built against");
    } else if (document->isUndoRedoEnabled() || document->characterCount() != 1 || document->blockCount() != 1) {
        NoteOrdinaryWay("the text control was not empty");
    } else {
        fast_ = true;
        revision_ = document->firstBlock().revision();
        QTextDocumentPrivate::get(document_)->beginEditBlock();
    }
#else
    NoteOrdinaryWay("it was built against another Qt");
#endif
}

void DocumentFiller::Add(int position, const QString& text)
{
    if (text.isEmpty())
        return;
    if (!fast_) {
        Keep(position, text);
        return;
    }
#if KESTREL_FILL_FAST
    // One run of characters, separators and all; Finish cuts it into lines.
    QTextDocumentPrivate* d = QTextDocumentPrivate::get(document_);
    d->insert(position, text, d->formatCollection()->indexForFormat(charFormat_));
#endif
}

void DocumentFiller::Keep(int position, const QString& text)
{
    // The pieces wait, in order, for one insertion: one change and one layout instead of one per piece.
    if (pieces_.empty())
        start_ = position;
    qsizetype at = position - start_;
    auto it = pieces_.begin();
    while (it != pieces_.end() && at >= it->size()) {
        at -= it->size();
        ++it;
    }
    if (it != pieces_.end() && at > 0) {
        QString tail = it->sliced(at);
        it->truncate(at);
        it = pieces_.insert(it + 1, std::move(tail));
    }
    pieces_.insert(it, text);
}

void DocumentFiller::InsertKept()
{
    if (pieces_.empty())
        return;
    QString all;
    qsizetype size = 0;
    for (const QString& piece : pieces_)
        size += piece.size();
    all.reserve(size);
    for (QString& piece : pieces_) {
        all += piece;
        piece = QString();
    }
    pieces_.clear();
    QTextCursor c(document_);
    c.setPosition(start_);
    c.insertText(all, charFormat_);
}

void DocumentFiller::Finish()
{
    if (!fast_) {
        InsertKept();
        return;
    }
#if KESTREL_FILL_FAST
    fast_ = false;
    QTextDocumentPrivate* d = QTextDocumentPrivate::get(document_);
    auto& textRuns = d->fragmentMap().*Reached(TextRunsTag{});
    auto& blocks = d->blockMap().*Reached(BlocksTag{});
    const int charFormat = d->formatCollection()->indexForFormat(charFormat_);
    const int blockFormat = d->formatCollection()->indexForFormat(blockFormat_);

    // The runs as they stand: the pieces added, then the document's closing separator, which ends the last line.
    std::vector<Run> runs;
    for (auto it = d->fragmentMap().begin(); !it.atEnd(); ++it)
        runs.push_back({quint32(it->stringPosition), textRuns.size(it.n)});
    const int closingFormat = d->fragmentMap().last()->format;

    // Cut them at their separators: a run per line's text (none for an empty line), a run per separator, and a
    // block per separator.
    std::vector<Run> cut;
    std::vector<quint32> blockSizes;
    cut.reserve(runs.size() * 2);
    {
        const QString buffer = d->buffer(); // shares the document's buffer
        const QStringView all(buffer);
        quint32 line = 0;
        for (const Run& run : runs) {
            quint32 from = run.stringPosition;
            const quint32 end = run.stringPosition + run.size;
            while (from < end) {
                const qsizetype found = all.sliced(from, end - from).indexOf(QChar(Separator));
                const quint32 stop = found < 0 ? end : from + quint32(found);
                if (stop > from) {
                    cut.push_back({from, stop - from});
                    line += stop - from;
                }
                if (found < 0)
                    break;
                cut.push_back({stop, 1});
                blockSizes.push_back(line + 1);
                line = 0;
                from = stop + 1;
            }
        }
    }

    for (auto it = d->fragmentMap().begin(); !it.atEnd(); ++it)
        it.value()->free();
    Rewrite(textRuns, quint32(cut.size()), [&](QTextFragmentData& node, quint32 i) {
        node.size_array[0] = cut[i].size;
        node.stringPosition = int(cut[i].stringPosition);
        node.format = i + 1 == cut.size() ? closingFormat : charFormat;
    });
    const std::vector<int> revisions = BlockRevisions(blockSizes, revision_, document_->revision());
    for (auto it = d->blockMap().begin(); !it.atEnd(); ++it)
        it.value()->free();
    Rewrite(blocks, quint32(blockSizes.size()), [&](QTextBlockData& node, quint32 i) {
        node.size_array[0] = blockSizes[i];
        for (int field = 1; field < QTextBlockData::size_array_max; ++field)
            node.size_array[field] = 1;
        node.initialize();
        node.format = blockFormat;
        node.revision = revisions[i];
    });
    d->endEditBlock();
#endif
}

namespace {

// One character of the text moved down from `in` to `out`: a line break (CR LF taken whole) becomes a separator.
void MoveOne(char16_t* p, qsizetype n, qsizetype& in, qsizetype& out)
{
    char16_t c = p[in++];
    if (c == u'\r') {
        if (in < n && p[in] == u'\n')
            ++in;
        c = Separator;
    } else if (c == u'\n' || c == char16_t(0xFDD0) || c == char16_t(0xFDD1)) {
        c = Separator;
    }
    p[out++] = c;
}

} // namespace

void DocumentFiller::ToBlockText(QString& text)
{
    const qsizetype n = text.size();
    if (n == 0)
        return;
    auto* p = reinterpret_cast<char16_t*>(text.data());
    qsizetype in = 0, out = 0;
#if defined(__SSE2__)
    // Eight characters at a time: LFs and frame marks become separators where they stand, and the text moves down
    // (behind what was read) by one for each CR LF; only eight that hold a CR go one at a time.
    const __m128i cr = _mm_set1_epi16(u'\r');
    const __m128i lf = _mm_set1_epi16(u'\n');
    const __m128i mark0 = _mm_set1_epi16(short(0xFDD0));
    const __m128i mark1 = _mm_set1_epi16(short(0xFDD1));
    const __m128i separator = _mm_set1_epi16(short(Separator));
    while (in + 8 <= n) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + in));
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(v, cr)) != 0) {
            for (const qsizetype stop = in + 8; in < stop;)
                MoveOne(p, n, in, out);
            continue;
        }
        const __m128i breaks =
            _mm_or_si128(_mm_cmpeq_epi16(v, lf), _mm_or_si128(_mm_cmpeq_epi16(v, mark0), _mm_cmpeq_epi16(v, mark1)));
        const __m128i blocked = _mm_or_si128(_mm_andnot_si128(breaks, v), _mm_and_si128(breaks, separator));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p + out), blocked);
        in += 8;
        out += 8;
    }
#endif
    while (in < n)
        MoveOne(p, n, in, out);
    text.truncate(out);
}
