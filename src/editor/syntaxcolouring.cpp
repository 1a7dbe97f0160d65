#include "editor/syntaxcolouring.h"

#include "editor/pageedit.h"
#include "editor/pagelayout.h"

#include <QElapsedTimer>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextLayout>

namespace {

// Lines an edit colours or re-scans at once; the rest follows on screen or when idle.
constexpr int EditLines = 200;
constexpr int EditScanLines = 2000;

QTextCharFormat Foreground(const QColor& colour)
{
    QTextCharFormat f;
    f.setForeground(colour);
    return f;
}

} // namespace

QColor SyntaxColouring::ColourOf(SyntaxScanner::Kind kind)
{
    // None of them blue or violet: those mark inserted and rewritten markup.
    switch (kind) {
    case SyntaxScanner::Tag:
    case SyntaxScanner::Selector:
        return QColor(0x80, 0x00, 0x00);
    case SyntaxScanner::Attribute:
    case SyntaxScanner::Property:
        return QColor(0xB3, 0x5C, 0x00);
    case SyntaxScanner::Value:
    case SyntaxScanner::CssValue:
    case SyntaxScanner::String:
        return QColor(0x1B, 0x7F, 0x1B);
    case SyntaxScanner::Comment:
        return QColor(0x8C, 0x8C, 0x8C);
    case SyntaxScanner::Entity:
    case SyntaxScanner::Number:
        return QColor(0xA0, 0x52, 0x2D);
    case SyntaxScanner::Keyword:
        return QColor(0x9A, 0x67, 0x00);
    }
    return QColor(0, 0, 0);
}

SyntaxColouring::SyntaxColouring(PageEdit* edit) : QObject(edit), edit_(edit), doc_(edit->document())
{
    setObjectName(QStringLiteral("SyntaxColouring"));
    blockCount_ = doc_->blockCount();
    ends_.assign(size_t(blockCount_), 0);
    coloured_.assign(size_t(blockCount_), 0);
    connect(doc_, &QTextDocument::contentsChange, this, &SyntaxColouring::ContentsChange);
    connect(edit_, &QPlainTextEdit::updateRequest, this, &SyntaxColouring::Schedule);
    connect(edit_->verticalScrollBar(), &QScrollBar::valueChanged, this, &SyntaxColouring::Schedule);
    idle_.setInterval(0);
    connect(&idle_, &QTimer::timeout, this, &SyntaxColouring::Advance);
    ColourVisible();
}

void SyntaxColouring::ClearAll()
{
    idle_.stop();
    QTextBlock block = doc_->firstBlock();
    int line = 0;
    for (int i = 0; i < int(coloured_.size()) && block.isValid(); ++i) {
        if (!coloured_[size_t(i)])
            continue;
        if (i - line > 64) {
            block = doc_->findBlockByNumber(i);
            line = i;
        }
        for (; line < i && block.isValid(); ++line)
            block = block.next();
        if (!block.isValid())
            break;
        block.layout()->clearFormats();
        Relayout(block);
    }
    coloured_.assign(coloured_.size(), 0);
}

void SyntaxColouring::Relayout(const QTextBlock& block)
{
    if (auto* layout = qobject_cast<PageLayout*>(doc_->documentLayout()))
        layout->Recolour(block);
    else
        doc_->markContentsDirty(block.position(), block.length());
}

void SyntaxColouring::Schedule()
{
    // Colours go on after the edit is through (the document must not be told of a layout change in the middle
    // of its own) and before the screen is drawn, which waits behind every other event.
    if (scheduled_)
        return;
    scheduled_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            scheduled_ = false;
            ColourPending();
            ColourVisible();
        },
        Qt::QueuedConnection);
}

void SyntaxColouring::ColourPending()
{
    if (pendingFrom_ < 0)
        return;
    const int count = doc_->blockCount();
    QTextBlock block = doc_->findBlockByNumber(qMin(pendingFrom_, count - 1));
    for (int k = block.blockNumber(); k <= qMin(pendingTo_, count - 1) && block.isValid(); ++k, block = block.next())
        ColourBlock(block, StateBefore(k));
    pendingFrom_ = pendingTo_ = -1;
}

int SyntaxColouring::StateBefore(int line) const
{
    return line > 0 && line <= valid_ ? ends_[size_t(line - 1)] : SyntaxScanner::StartState;
}

void SyntaxColouring::Store(int line, int state)
{
    const bool meets = line > changedEnd_ && line < staleValid_ && ends_[size_t(line)] == state;
    ends_[size_t(line)] = quint16(state);
    valid_ = line + 1;
    if (meets || valid_ >= staleValid_) {
        // From here on the page reads as it did before the edit.
        valid_ = qMax(valid_, staleValid_);
        staleValid_ = 0;
        changedEnd_ = -1;
    }
}

int SyntaxColouring::ColourBlock(QTextBlock block, int state)
{
    const QString text = block.text();
    spans_.clear();
    const int end = SyntaxScanner::ScanLine(text, state, &spans_);

    // Inserted and rewritten markup keeps its own colour. Nothing is laid behind it: a tinted background reads as a
    // selection.
    struct Marked
    {
        int start, end;
    };
    QList<Marked> marked;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QColor colour = fragment.charFormat().foreground().color();
        if (colour == PageEdit::InsertColor || colour == PageEdit::RewriteColor) {
            const int start = fragment.position() - block.position();
            marked.append({start, start + fragment.length()});
        }
    }

    QList<QTextLayout::FormatRange> ranges;
    for (const SyntaxScanner::Span& span : std::as_const(spans_)) {
        int from = span.start;
        const int to = span.start + span.length;
        for (const Marked& m : std::as_const(marked)) {
            if (m.end <= from || m.start >= to)
                continue;
            if (m.start > from)
                ranges.append({from, m.start - from, Foreground(ColourOf(span.kind))});
            from = qMax(from, m.end);
        }
        if (from < to)
            ranges.append({from, to - from, Foreground(ColourOf(span.kind))});
    }

    QTextLayout* layout = block.layout();
    const int line = block.blockNumber();
    if (layout->formats() != ranges) {
        layout->setFormats(ranges);
        // The line is laid out and drawn again; the document's listeners hear of no change of its text.
        Relayout(block);
    }
    if (size_t(line) < coloured_.size())
        coloured_[size_t(line)] = ranges.isEmpty() ? 0 : 1;
    return end;
}

void SyntaxColouring::ContentsChange(int position, int, int added)
{
    const int count = doc_->blockCount();
    const int end = doc_->characterCount() - 1;
    const QTextBlock first = doc_->findBlock(qBound(0, position, end));
    const int line = first.isValid() ? first.blockNumber() : count - 1;
    const int delta = count - blockCount_;
    blockCount_ = count;
    const auto at = size_t(line + 1);
    if (delta > 0) {
        ends_.insert(ends_.begin() + qMin(at, ends_.size()), size_t(delta), 0);
        coloured_.insert(coloured_.begin() + qMin(at, coloured_.size()), size_t(delta), 0);
    } else if (delta < 0) {
        const size_t gone = qMin(size_t(-delta), ends_.size() - qMin(at, ends_.size()));
        ends_.erase(ends_.begin() + at, ends_.begin() + at + gone);
        coloured_.erase(coloured_.begin() + at, coloured_.begin() + at + gone);
    }
    ends_.resize(size_t(count), 0);
    coloured_.resize(size_t(count), 0);

    const QTextBlock last = doc_->findBlock(qBound(0, position + added, end));
    const int lastLine = last.isValid() ? last.blockNumber() : count - 1;
    // Lines below an edit keep their old states; an edit inside the part not yet re-scanned moves that part
    // along, and the states may be met again only below every line edited since.
    const bool gap = staleValid_ > valid_;
    const int shiftedEnd = gap && changedEnd_ > line ? changedEnd_ + delta : changedEnd_;
    if (line < valid_) {
        staleValid_ = qMax(gap ? staleValid_ : 0, valid_) + delta;
        valid_ = line;
        changedEnd_ = gap ? qMax(shiftedEnd, lastLine) : lastLine;
    } else if (gap && line < staleValid_) {
        staleValid_ += delta;
        changedEnd_ = qMax(shiftedEnd, lastLine);
    }
    dirty_ = true;

    if (lastLine - line > EditLines) {
        // A page loaded or replaced whole: the idle pass works it out, the screen is coloured as it comes.
        pendingFrom_ = pendingTo_ = -1;
        Schedule();
        return;
    }
    // The edited lines get their states now and their colours before they are drawn.
    QTextBlock block = first;
    for (int k = line; k <= lastLine && block.isValid(); ++k, block = block.next())
        if (k == valid_)
            Store(k, SyntaxScanner::ScanLine(block.text(), StateBefore(k), nullptr));
    pendingFrom_ = pendingFrom_ < 0 ? line : qMin(pendingFrom_, line);
    pendingTo_ = qMax(pendingTo_ + (pendingTo_ > line ? delta : 0), lastLine);
    Schedule();
    // Then the lines below follow until they start as they did before.
    for (int n = 0; n < EditScanLines && block.isValid() && valid_ < count && valid_ == lastLine + 1 + n;
         ++n, block = block.next())
        Store(valid_, SyntaxScanner::ScanLine(block.text(), StateBefore(valid_), nullptr));
    if (valid_ < Needed())
        idle_.start();
}

void SyntaxColouring::ColourVisible()
{
    if (colouring_)
        return;
    int first = -1;
    int last = -1;
    edit_->ForEachVisibleBlock([&](const QTextBlock& block, qreal, qreal) {
        last = block.blockNumber();
        if (first < 0)
            first = last;
        return true;
    });
    if (first < 0 || (!dirty_ && first == shownFirst_ && last == shownLast_))
        return;
    colouring_ = true;
    dirty_ = false;
    shownFirst_ = first;
    shownLast_ = last;
    provisional_ = first > valid_;
    if (valid_ < Needed())
        idle_.start();
    QTextBlock block = doc_->findBlockByNumber(first);
    int state = StateBefore(first);
    for (int k = first; k <= last && block.isValid(); ++k, block = block.next()) {
        const bool known = k <= valid_;
        state = ColourBlock(block, state);
        if (known && k == valid_)
            Store(k, state);
    }
    colouring_ = false;
}

int SyntaxColouring::Needed() const
{
    // The states are worked out as far as the screen shows, no further: a big page costs nothing until it is
    // scrolled through.
    return qMin(doc_->blockCount(), shownLast_ + 1);
}

void SyntaxColouring::Advance()
{
    const int needed = Needed();
    if (valid_ >= needed) {
        idle_.stop();
        return;
    }
    QElapsedTimer t;
    t.start();
    QTextBlock block = doc_->findBlockByNumber(valid_);
    for (int n = 1; block.isValid() && valid_ < needed; ++n) {
        const int line = valid_;
        Store(line, SyntaxScanner::ScanLine(block.text(), StateBefore(line), nullptr));
        block = valid_ == line + 1 ? block.next() : doc_->findBlockByNumber(valid_);
        if (n % 256 == 0 && t.elapsed() >= 4)
            break;
    }
    if (valid_ >= needed)
        idle_.stop();
    if (provisional_ && valid_ > shownFirst_) {
        dirty_ = true;
        ColourVisible();
    }
}
