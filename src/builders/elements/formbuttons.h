#pragma once
// The content a new form starts with: three blank lines for its fields, then its send and reset buttons.

#include <QString>

class FormButtons
{
public:
    static const QString Submit; // "<input type=submit value=发送>"
    static const QString Reset;  // "<input type=reset value=重写>"

    // The blank lines, then the buttons asked for. At set-up each button ends its own line; once either box has
    // been clicked the buttons follow one another without line breaks.
    static QString Content(bool submit, bool reset, bool lineBreaks);
};
