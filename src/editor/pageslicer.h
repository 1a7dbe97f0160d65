#pragma once
// Gives a page's text a piece at a time, each line with the break saving writes after it, straight from the text
// control's lines: a copy of the page is made without the whole text in memory a second time.

#include "base/pagecodec.h"

#include <QByteArray>
#include <QString>
#include <QTextBlock>

class PageEdit;

class PageSlicer
{
public:
    PageSlicer(const PageEdit& edit, PageEncoding::LineEnd usual);

    // The next piece, of whole lines and about `size` characters (a longer line is a piece of its own); false
    // after the last one.
    bool Next(QString& piece, qsizetype size = 1 << 19);

private:
    QTextBlock block_;
    QByteArray kinds_; // as PageEdit::LineBreakKinds
    qsizetype line_ = 0;
    char usual_;
};
