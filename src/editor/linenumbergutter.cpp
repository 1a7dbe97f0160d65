#include "editor/linenumbergutter.h"

#include "editor/pageedit.h"

LineNumberGutter::LineNumberGutter(PageEdit* edit) : QWidget(edit), edit_(edit)
{
    setObjectName(QStringLiteral("LineNumbers"));
}

QSize LineNumberGutter::sizeHint() const
{
    return QSize(edit_->GutterWidth(), 0);
}

void LineNumberGutter::paintEvent(QPaintEvent* event)
{
    edit_->PaintGutter(event);
}
