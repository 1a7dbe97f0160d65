#pragma once
// What an element dialog driven without Run() settled on: its markup once OK was pressed, "" before.

#include "builders/elements/elementdialog.h"

inline QString OkMarkup(const ElementDialog& dialog)
{
    const std::optional<ElementDialog::Result> result = dialog.Outcome();
    return result ? result->markup : QString();
}
