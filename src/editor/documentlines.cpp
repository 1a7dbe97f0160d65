#include "editor/documentlines.h"

#include "editor/contextchecks.h"

#include <QTextBlock>
#include <QTextDocument>

namespace {

// Marks a user state that holds the markers of its block (the default -1 means not known yet).
constexpr int Known = 1 << 30;

} // namespace

int DocumentLines::LineCount() const
{
    return document_->blockCount();
}

int DocumentLines::LineOf(int position) const
{
    const QTextBlock block = document_->findBlock(qBound(0, position, document_->characterCount() - 1));
    return block.isValid() ? block.blockNumber() : document_->blockCount() - 1;
}

QTextBlock DocumentLines::Block(int line) const
{
    if (line != line_) {
        block_ = line == line_ - 1 && block_.isValid()   ? block_.previous()
                 : line == line_ + 1 && block_.isValid() ? block_.next()
                                                         : document_->findBlockByNumber(line);
        line_ = line;
    }
    return block_;
}

int DocumentLines::LineStart(int line) const
{
    return Block(line).position();
}

QString DocumentLines::LineText(int line) const
{
    return Block(line).text();
}

int DocumentLines::LineMarkers(int line) const
{
    QTextBlock block = Block(line);
    const int state = block.userState();
    if (state >= 0 && (state & Known))
        return state & ~Known;
    const int markers = ContextChecks::MarkersIn(block.text());
    block.setUserState(markers | Known);
    return markers;
}

void DocumentLines::Forget(QTextDocument* document, int from, int to)
{
    const int end = document->characterCount() - 1;
    const QTextBlock last = document->findBlock(qBound(0, to, end));
    for (QTextBlock block = document->findBlock(qBound(0, from, end)); block.isValid(); block = block.next()) {
        block.setUserState(-1);
        if (block == last)
            break;
    }
}

bool DocumentLines::Learn(QTextDocument* document, const std::vector<int>& markers)
{
    if (markers.size() != size_t(document->blockCount()))
        return false;
    size_t line = 0;
    for (QTextBlock block = document->firstBlock(); block.isValid(); block = block.next())
        block.setUserState(markers[line++] | Known);
    return true;
}
