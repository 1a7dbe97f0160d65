// The CSS declaration builder: parse any style, build it, and parse what was built: the declarations must come
// back the same (what the dialog writes, a page reads back unchanged), and building them again gives the same text.
#include "builders/styles/cssdeclarations.h"
#include "tagdb/tagdb.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

void Check(bool ok, const char* what, const QString& style, const QString& built)
{
    if (ok)
        return;
    std::fprintf(stderr, "round trip: %s\n  style: %s\n  built: %s\n", what, qUtf8Printable(style),
                 qUtf8Printable(built));
    abort();
}

// The declarations that say something (one without a value writes nothing, by design), by name: their names are
// unique, so their order means nothing (one with an unclosed address is written last).
QList<CssDeclarations::Declaration> Written(const QList<CssDeclarations::Declaration>& declarations)
{
    QList<CssDeclarations::Declaration> out;
    for (const CssDeclarations::Declaration& d : declarations)
        if (!d.Value.trimmed().isEmpty())
            out.append(d);
    std::sort(out.begin(), out.end(), [](const auto& a, const auto& b) { return a.Name < b.Name; });
    return out;
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
    CssDeclarations first;
    first.Load(*db);
    first.Parse(CssDeclarations::LowerStyle(style));
    const QString built = first.Build();
    CssDeclarations again;
    again.Load(*db);
    again.Parse(CssDeclarations::LowerStyle(built));
    for (qsizetype k = 0; k < first.CssValues.size(); ++k)
        Check(again.CssValues.value(k) == first.CssValues.at(k),
              qPrintable(QStringLiteral("%1 was \"%2\", reads back as \"%3\"")
                             .arg(first.CssNames.value(k), first.CssValues.at(k), again.CssValues.value(k))),
              style, built);
    Check(Written(again.Unknown) == Written(first.Unknown), "other declarations differ", style, built);
    Check(again.Build() == built, "built text differs", style, built);
    return 0;
}
