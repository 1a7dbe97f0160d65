#include "base/codepages.h"

#include <iterator>

namespace {

// clang-format off
const CodePage kCodePages[] = {
    // GB pages are declared as new pages are, gb2312: browsers read that name with the GB18030 decoder.
    {CodePageIds::Gb18030, "GB18030", "GB2312/GBK", "GB18030", "gb2312",
     {"gb2312", "gbk", "gb18030", "x-gbk", "cp936", "euc-cn"},
     {"GB18030", "GB2312", "GBK", "EUC-CN"},
     "GB18030", "ReopenGb18030"},
    {CodePageIds::Utf8, "UTF-8", "UTF-8", "UTF-8", "utf-8",
     {"utf-8", "utf8"},
     {"UTF-8"},
     "UTF-8", "ReopenUtf8"},
    {CodePageIds::Big5, "Big5", "Big5", "BIG5", "big5",
     {"big5", "big5-hkscs", "x-x-big5", "cp950"},
     {"BIG5", "BIG5-HKSCS", "EUC-TW"},
     "Big5", "ReopenBig5"},
};
// clang-format on

template <typename Match>
const CodePage* Find(Match match)
{
    for (const CodePage& page : kCodePages)
        if (match(page))
            return &page;
    return nullptr;
}

} // namespace

std::span<const CodePage> CodePages::All()
{
    return kCodePages;
}

const CodePage& CodePages::Of(CodePageId id)
{
    const CodePage* page = Find([id](const CodePage& p) { return p.id == id; });
    return page ? *page : kCodePages[0];
}

const CodePage* CodePages::Declared(const QByteArray& charset)
{
    return Find([&](const CodePage& p) { return p.aliases.contains(charset); });
}

const CodePage* CodePages::Detected(const QByteArray& name)
{
    const QByteArray upper = name.toUpper();
    return Find([&](const CodePage& p) { return p.detected.contains(upper); });
}

const CodePage* CodePages::Stored(const QByteArray& id)
{
    return Find([&](const CodePage& p) { return id == p.stored; });
}
