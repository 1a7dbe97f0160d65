#pragma once
// How a page's text is written to its file: the code page, a UTF-8 byte-order mark, the line end.

#include "base/codepages.h"

struct PageEncoding
{
    // The code pages are the rows of CodePages (PageEncoding::Utf8 ...).
    using Codec = CodePageId;
    using enum CodePageIds::Id;
    enum LineEnd
    {
        CrLf,
        Lf,
        Cr
    };
    Codec codec = Gb18030;
    bool bom = false;
    LineEnd lineEnd = CrLf;

    bool operator==(const PageEncoding&) const = default;
};
