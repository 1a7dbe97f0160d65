// The shared helpers that read text: escaping, colour text, leading numbers, folders, C strings.
#include "base/helpers.h"
#include "tagdb/tagdb.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QString text = QString::fromUtf8(bytes);
    HtmlEscape(text);
    LeadingNumber(text);
    ParentFolderOf(text);
    BytesToString(bytes);
    int red = 0, green = 0, blue = 0;
    ParseColorText(text, red, green, blue);
    return 0;
}
