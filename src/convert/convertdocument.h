#pragma once
// The Edit menu's "Big To Gb" and "Gb to Big": the active page's whole text, converted as one edit.

#include "convert/conversiontables.h"

class QWidget;
class PageWindow;

// Replaces the page's whole text by its conversion (one change, one undo step). Characters without a
// counterpart become the full-width space, and the user is told how many. A page read as Big5 is converted
// as a Big5 page read as GB would be: "Big To Gb" makes it a GB page, "Gb to Big" leaves it Big5. The charset
// the page declares names the code page of what it holds now (gb2312 after "Big To Gb", big5 after "Gb to Big").
void ConvertDocument(PageWindow* doc, ConversionDirection direction, QWidget* parent);
