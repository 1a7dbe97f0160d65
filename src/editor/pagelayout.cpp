#include "editor/pagelayout.h"

#include <QTextBlock>
#include <QTextDocument>

void PageLayout::Recolour(const QTextBlock& block)
{
    // The document reports the line as removed and inserted again, which reaches into the next line and makes
    // the plain layout redraw everything: here it is one changed character at the line's start.
    recolouring_ = true;
    document()->markContentsDirty(block.position(), block.length());
    recolouring_ = false;
}

void PageLayout::documentChanged(int from, int charsRemoved, int charsAdded)
{
    if (recolouring_)
        QPlainTextDocumentLayout::documentChanged(from, 0, 1);
    else
        QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
}
