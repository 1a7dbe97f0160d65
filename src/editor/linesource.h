#pragma once
// A text seen line by line, the way the typing checks walk back from the caret without copying the whole page.
// Positions count one break character between lines (the text control's own positions).

#include <QString>

class ScanMemo;

class LineSource
{
public:
    virtual ~LineSource() = default;
    virtual int LineCount() const = 0;
    // The line holding `position` (a position at the end of a line belongs to that line).
    virtual int LineOf(int position) const = 0;
    virtual int LineStart(int line) const = 0;
    // The line's text without its break.
    virtual QString LineText(int line) const = 0;
    // The markers the line holds (ContextChecks::MarkersIn), when the text keeps them; -1 when it does not know
    // (the line is then read).
    virtual int LineMarkers(int line) const
    {
        Q_UNUSED(line);
        return -1;
    }
    // What earlier searches of this text found, when the text keeps one.
    virtual ScanMemo* Memo() const { return nullptr; }
};
