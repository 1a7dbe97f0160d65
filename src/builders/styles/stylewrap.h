#pragma once
// The toolbar's style button: the selection goes into a span whose style is built in the style dialog.

class PageEdit;
class QWidget;

class StyleWrap
{
public:
    // Opens the style dialog on the selection of `text` and replaces the selection by
    // <span style="...">selection</span>; also after Cancel (the span then has whatever style came back).
    static void Run(PageEdit* text, QWidget* owner);
};
