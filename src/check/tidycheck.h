#pragma once
// Runs the HTML library (tidy-html5) over a page's text with its HTML5 rules and collects its warnings and errors,
// in Chinese where the message has a translation. Reads the text only; the library's repaired page is dropped.

#include "check/pageproblem.h"

#include <QList>
#include <QStringView>

class TextPositions;

class TidyCheck
{
public:
    // The problems in `text` (lines as the control shows them, "\n" breaks); `positions` is of the same text.
    static QList<PageProblem> Run(QStringView text, const TextPositions& positions);
};
