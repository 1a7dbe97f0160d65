#pragma once
// The text control's document seen line by line (one block per line), for the checks of the typing assistance.

#include "editor/linesource.h"

#include <QTextBlock>

#include <vector>

class QTextDocument;

class DocumentLines : public LineSource
{
public:
    // `memo`: kept by the caller across searches, told of every change of the document.
    explicit DocumentLines(const QTextDocument* document, ScanMemo* memo = nullptr) : document_(document), memo_(memo)
    {
    }

    int LineCount() const override;
    int LineOf(int position) const override;
    int LineStart(int line) const override;
    QString LineText(int line) const override;
    // Kept in each block's user state, worked out when first asked; Forget clears it where the text changed.
    int LineMarkers(int line) const override;
    ScanMemo* Memo() const override { return memo_; }

    static void Forget(QTextDocument* document, int from, int to);
    // Gives every line of a page just put in the markers `markers` holds for it (one per line, as
    // ContextChecks::MarkersOfLines gives them). False, and nothing learnt, when the counts differ.
    static bool Learn(QTextDocument* document, const std::vector<int>& markers);

private:
    // The checks walk back one line at a time: keep the block last read.
    QTextBlock Block(int line) const;

    const QTextDocument* document_;
    ScanMemo* memo_;
    mutable QTextBlock block_;
    mutable int line_ = -1;
};
