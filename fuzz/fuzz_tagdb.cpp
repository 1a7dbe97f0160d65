// The tag database loader on any bytes, and lookups on whatever loads.
#include "tagdb/tagdb.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TagDb db;
    if (db.LoadData(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), QStringLiteral("fuzz")) !=
        TagDb::Loaded)
        return 0;
    db.TagIndexByStart(db.Section(QStringLiteral("html1")), QStringLiteral("<img"));
    db.AttributesOf(1);
    db.ScriptObject(QStringLiteral("document"));
    return 0;
}
