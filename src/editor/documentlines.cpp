#include "editor/documentlines.h"

#include <QTextBlock>
#include <QTextDocument>

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
