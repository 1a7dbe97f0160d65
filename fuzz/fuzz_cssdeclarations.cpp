// The CSS declaration builder: parse any style and build it, twice over (as a page reads back what it wrote).
#include "builders/styles/cssdeclarations.h"
#include "tagdb/tagdb.h"

#include <cstdlib>

namespace {

QString RoundTrip(const TagDb& db, const QString& style)
{
    CssDeclarations css;
    css.Load(db);
    css.Parse(CssDeclarations::LowerStyle(style));
    return css.Build();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static TagDb* db = [] {
        auto* d = new TagDb;
        if (d->Load(QStringLiteral(KESTREL_BUILD_DIR "/data.xml")) != TagDb::Loaded)
            abort();
        return d;
    }();
    const QString style = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    RoundTrip(*db, RoundTrip(*db, style));
    return 0;
}
