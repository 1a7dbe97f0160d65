#pragma once
// Plain text turned into HTML for the plain-text import: reading a text file the way a page is read, and
// escaping the text so that a browser shows it as it stands.

#include <QString>

class TextImport
{
public:
    // Files above this size are refused.
    static constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;

    enum Status
    {
        Read,
        Unreadable,
        Empty,
        TooLong
    };
    struct Result
    {
        Status status = Unreadable;
        QString text;           // line breaks as they were in the file
        qsizetype badBytes = 0; // bytes that did not decode (shown as U+FFFD)
        bool utf8 = false;
    };
    static Result ReadFile(const QString& path);

    // Every line break ("\n", "\r\n", "\r" or the editor's U+2029) as CR LF, then HtmlEscape; "" stays "".
    static QString Escape(const QString& text);
};
