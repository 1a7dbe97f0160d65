#pragma once
// The code pages the editor reads and writes, one row each: everything the program knows about a code page is in
// its row, so that a new code page is one more row (and its id in CodePageId).

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

#include <span>

// A page's code page (PageEncoding::Codec); ints where "none chosen" is -1.
struct CodePageIds
{
    enum Id
    {
        Gb18030,
        Utf8,
        Big5
    };
};
using CodePageId = CodePageIds::Id;

struct CodePage
{
    CodePageId id;
    const char* shown;    // in the status row, messages and the reopen menu ("GB18030")
    const char* asked;    // in the question about bytes that do not decode ("GB2312/GBK")
    const char* iconv;    // the name iconv converts with
    const char* declared; // written into a page's charset declaration ("gb2312": what browsers read as GB)
    QByteArrayList aliases; // charset names a page may declare it by (lower case)
    QByteArrayList detected; // names the charset detector gives for it (upper case)
    const char* stored;   // its id in recovery files; never changes once written
    const char* command;  // the key of its entry in the reopen menu ("ReopenGb18030")
};

class CodePages
{
public:
    static std::span<const CodePage> All();
    static const CodePage& Of(CodePageId id);
    // The code page a declared charset (lower case), a detector's answer (any case) or a recovery file's id
    // names, or null for one the editor does not read.
    static const CodePage* Declared(const QByteArray& charset);
    static const CodePage* Detected(const QByteArray& name);
    static const CodePage* Stored(const QByteArray& id);
};
