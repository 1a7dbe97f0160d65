#pragma once
// The Edit menu's "Big To Gb" and "Gb to Big": the active page's whole text, converted as one edit.

#include "convert/conversiontables.h"

class QWidget;
class htmlform;

// Replaces the page's whole text by its conversion (one change, one undo step). Characters without a
// counterpart become the full-width space, and the user is told how many.
void ConvertDocument(htmlform* doc, ConversionDirection direction, QWidget* parent);
