#pragma once
// The text control's document seen line by line (one block per line), for the checks of the typing assistance.

#include "editor/linesource.h"

class QTextDocument;

class DocumentLines : public LineSource
{
public:
    explicit DocumentLines(const QTextDocument* document) : document_(document) {}

    int LineCount() const override;
    int LineOf(int position) const override;
    int LineStart(int line) const override;
    QString LineText(int line) const override;

private:
    const QTextDocument* document_;
};
