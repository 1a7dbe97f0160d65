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

int DocumentLines::LineStart(int line) const
{
    return document_->findBlockByNumber(line).position();
}

QString DocumentLines::LineText(int line) const
{
    return document_->findBlockByNumber(line).text();
}
