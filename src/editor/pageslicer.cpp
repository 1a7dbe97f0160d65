#include "editor/pageslicer.h"

#include "editor/pageedit.h"

#include <QTextDocument>

PageSlicer::PageSlicer(const PageEdit& edit, PageEncoding::LineEnd usual)
    : block_(edit.document()->firstBlock()), kinds_(edit.LineBreakKinds()), usual_(PageCodec::BreakCode(usual))
{
}

static QString BreakOf(char kind)
{
    switch (kind) {
    case 'c':
        return QStringLiteral("\r\n");
    case 'n':
        return QStringLiteral("\n");
    case 'p':
        return QString(QChar::ParagraphSeparator);
    default:
        return QStringLiteral("\r");
    }
}

bool PageSlicer::Next(QString& piece, qsizetype size)
{
    if (!block_.isValid())
        return false;
    piece.clear();
    while (block_.isValid() && piece.size() < size) {
        piece += block_.text();
        const QTextBlock next = block_.next();
        if (next.isValid())
            piece += BreakOf(line_ < kinds_.size() && kinds_.at(line_) ? kinds_.at(line_) : usual_);
        block_ = next;
        ++line_;
    }
    return true;
}
