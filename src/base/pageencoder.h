#pragma once
// Writes a page's text in its code page piece by piece (line by line from the editor), so a big page is never copied
// whole. ASCII goes through as it is, sixteen characters at a time; every other character is one look-up in the
// code page's tables (or UTF-8's arithmetic).

#include "base/pageencoding.h"

#include <QByteArray>
#include <QStringView>

class CodeTables;

class PageEncoder
{
public:
    explicit PageEncoder(const PageEncoding& encoding, qsizetype expectedBytes = 0);
    PageEncoder(const PageEncoder&) = delete;
    PageEncoder& operator=(const PageEncoder&) = delete;

    // Appends text without line breaks; false (and nothing more is appended) on a character that cannot be
    // written: a lone surrogate, or one the code page has no bytes for.
    bool Append(QStringView text);
    // From now on, characters the code page has no bytes for are written as HTML references ("&#xE78D;").
    void WriteReferences(bool on) { references_ = on; }
    // After a failure: the character that could not be written and its offset in the failing Append's text.
    char32_t FailedChar() const { return failedChar_; }
    qsizetype FailedAt() const { return failedAt_; }
    void AppendLineEnd();
    // A line break as the file had it ('c', 'n', 'r', 'p' as in DecodedPage::breaks); 0 is the page's line end.
    void AppendBreak(char kind);
    bool Ok() const { return ok_; }
    // The bytes so far (empty after a failure). Encoding may go on after it: the next Take gives what follows.
    QByteArray Take();
    // How many bytes Take would give.
    qsizetype Pending() const { return used_; }

    // The offset of the first character of `text` that `codec` cannot write (a lone surrogate, or one it has no
    // bytes for), or -1.
    static qsizetype FirstUnwritable(QStringView text, CodePageId codec);

private:
    // Appends text[from, to), which does not end inside a surrogate pair unless the text does.
    bool AppendRun(QStringView text, qsizetype from, qsizetype to);
    bool Fail(qsizetype at, char32_t c);
    // Room for `bytes` more after the bytes so far; where they go.
    char* Room(qsizetype bytes);
    void Put(const char* bytes, qsizetype size);

    const CodeTables* tables_; // null for UTF-8
    // The bytes so far are the first used_ of out_; the rest is room.
    QByteArray out_;
    qsizetype used_ = 0;
    QByteArray lineEnd_;
    qsizetype reserve_ = 0;
    bool ok_ = true;
    bool references_ = false;
    char32_t failedChar_ = 0;
    qsizetype failedAt_ = -1;
};
