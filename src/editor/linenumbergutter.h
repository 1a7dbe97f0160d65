#pragma once
// The strip left of a page's text that shows each line's number; the text control paints it, the strip only
// takes its place beside the text.

#include <QWidget>

class PageEdit;

class LineNumberGutter : public QWidget
{
    Q_OBJECT

public:
    explicit LineNumberGutter(PageEdit* edit);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PageEdit* edit_;
};
