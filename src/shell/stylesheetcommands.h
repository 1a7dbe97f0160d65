#pragma once
// The page's style sheet commands: an internal style block built in the style sheet dialog, the same rules saved
// as a file, and a link line to an external sheet in the head.

#include "base/buildercontext.h"

class PageWindow;
class QWidget;

class StyleSheetCommands
{
public:
    // "添加内嵌式样式表": the block goes before the body (or after <html>), the caret kept on its character.
    static void MakeInCss(const BuilderContext& context, PageWindow& doc);
    // "生成外联样式表": the rules saved to a .css file in the page's code page.
    static void MakeOutCss(const BuilderContext& context, PageWindow& doc);
    // "链接外部样式表": asks for the sheet's path and puts the link line before </head (or <body).
    static void LinkCss(PageWindow& doc);
    // The link line to the sheet at `address`, put where LinkCss puts it, without asking.
    static void LinkSheet(PageWindow& doc, const QString& address);
};
