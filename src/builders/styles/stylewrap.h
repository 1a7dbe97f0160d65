#pragma once
// The toolbar's style button: the selection goes into a span whose style is built in the style dialog.

class PageEdit;
class QWidget;
struct BuilderContext;

class StyleWrap
{
public:
    // Opens the style dialog on the selection of `text` and replaces the selection by
    // <span style="...">selection</span>; also after Cancel, with an empty style.
    static void Run(const BuilderContext& context, PageEdit* text, QWidget* owner);
};
