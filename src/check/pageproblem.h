#pragma once
// One thing the page checker found: where it is, how bad it is, and what to tell the user.

#include <QString>

struct PageProblem
{
    enum Kind
    {
        Error,
        Warning,
        Note
    };

    int line = 0;   // from 1
    int column = 0; // from 1, in the text control's characters
    Kind kind = Warning;
    QString code; // the library's message key ("MISSING_ENDTAG_FOR") or one of our own ("FILE_MISSING")
    QString text; // what the user reads, in Chinese

    // "错误", "警告" or "提示".
    static QString KindName(Kind kind);

    bool operator==(const PageProblem&) const = default;
};
