// The CSS declaration builder: parse any style, build it, and parse what was built: the declarations must come
// back the same (what the dialog writes, a page reads back unchanged), and building them again gives the same text.
// The declarations of the style and of the built text are also read here on their own, the way a browser splits
// a list, and compared name by name: the builder may put a value in its own form, never cut one or lose one.
#include "builders/styles/cssdeclarations.h"
#include "tagdb/tagdb.h"

#include <QMap>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Declaration = CssDeclarations::Declaration;

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
QList<Declaration> Written(const QList<Declaration>& declarations)
{
    QList<Declaration> out;
    for (const Declaration& d : declarations)
        if (!d.Value.trimmed().isEmpty())
            out.append(d);
    std::sort(out.begin(), out.end(), [](const auto& a, const auto& b) { return a.Name < b.Name; });
    return out;
}

// ---- A reading of its own, kept apart from the builder's so that a fault there is not repeated here.

enum class Place
{
    Top,     // outside every block
    Comment, // a comment, its marks included
    Inside,  // a string, an address or a bracketed group
};

struct Reading
{
    std::vector<Place> Places;
    bool Closed = true; // every block ends inside the text
};

Reading Read(const QString& s)
{
    Reading r;
    r.Places.assign(size_t(s.size()), Place::Inside);
    enum
    {
        Plain,
        InComment,
        InString,
        InUrl
    } state = Plain;
    QChar quote;
    qsizetype depth = 0;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        const bool commentEnd = c == QLatin1Char('*') && i + 1 < s.size() && s.at(i + 1) == QLatin1Char('/');
        switch (state) {
        case InComment:
            r.Places[size_t(i)] = depth ? Place::Inside : Place::Comment;
            if (commentEnd) {
                r.Places[size_t(i + 1)] = r.Places[size_t(i)];
                ++i;
                state = Plain;
            }
            continue;
        case InString:
            if (c == QLatin1Char('\\'))
                ++i;
            else if (c == quote)
                state = Plain;
            continue;
        case InUrl:
            if (c == QLatin1Char(')'))
                state = Plain;
            continue;
        case Plain:
            break;
        }
        if (c == QLatin1Char('/') && i + 1 < s.size() && s.at(i + 1) == QLatin1Char('*')) {
            state = InComment;
            r.Places[size_t(i)] = r.Places[size_t(i + 1)] = depth ? Place::Inside : Place::Comment;
            ++i;
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            state = InString;
            quote = c;
        } else if (QStringView(s).mid(i, 4).compare(QLatin1String("url("), Qt::CaseInsensitive) == 0) {
            state = InUrl;
            i += 3;
        } else if (c == QLatin1Char('(')) {
            ++depth;
        } else if (c == QLatin1Char(')') && depth > 0) {
            --depth;
        } else if (depth == 0) {
            r.Places[size_t(i)] = Place::Top;
        }
    }
    r.Closed = state == Plain && depth == 0;
    return r;
}

// The pieces of `s` between the separators that stand outside every block (white space for a null separator).
QStringList Pieces(const QString& s, QChar separator)
{
    const Reading r = Read(s);
    QStringList out;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= s.size(); ++i) {
        const bool cut = i == s.size() || (r.Places[size_t(i)] == Place::Top &&
                                           (separator.isNull() ? s.at(i).isSpace() : s.at(i) == separator));
        if (cut) {
            out.append(s.mid(start, i - start));
            start = i + 1;
        }
    }
    return out;
}

// Name -> value, the later of two alike winning, those without a value left out.
QMap<QString, QString> Declarations(const QString& style)
{
    QMap<QString, QString> all;
    for (const QString& piece : Pieces(style, QChar(';'))) {
        const Reading r = Read(piece);
        QString name;
        qsizetype colon = 0;
        for (; colon < piece.size() && !(r.Places[size_t(colon)] == Place::Top && piece.at(colon) == QLatin1Char(':'));
             ++colon) {
            if (r.Places[size_t(colon)] != Place::Comment)
                name += piece.at(colon);
        }
        name = name.trimmed();
        if (colon < piece.size() && !name.isEmpty())
            all[name] = piece.mid(colon + 1).trimmed();
    }
    all.removeIf([](const auto& d) { return d.value().isEmpty(); });
    return all;
}

// The filter functions: those the dialog has controls for by their kind (one of each is written), the others
// whole.
QStringList FilterItems(const QString& value)
{
    QStringList known, others;
    for (const QString& item : Pieces(value, QChar())) {
        if (item.isEmpty())
            continue;
        CssDeclarations probe;
        probe.ParseFilter(item);
        if (probe.UnknownFilters.isEmpty()) {
            if (!known.contains(item.left(5)))
                known.append(item.left(5));
        } else {
            others.append(item);
        }
    }
    known.sort();
    others.sort();
    return known + QStringList{QStringLiteral("|")} + others;
}

// Whether the builder wrote `in` as `out`: in its own form where the dialog has one, else exactly.
bool SameValue(const QString& name, const QString& in, const QString& out)
{
    if (!Read(out).Closed && Read(in).Closed)
        return false;
    if (name == QLatin1String("font-weight")) {
        static const QRegularExpression plain(QStringLiteral("^(\\d+|bold|normal)$"));
        static const QRegularExpression number(QStringLiteral("^\\d+$"));
        return plain.match(in).hasMatch() ? number.match(out).hasMatch() : in == out;
    }
    if (name == QLatin1String("background-image")) {
        const QString blank = QStringLiteral(" "), escaped = QStringLiteral("%20");
        const QString i = QString(in).replace(blank, escaped), o = QString(out).replace(blank, escaped);
        return o == i || o == QStringLiteral("url(") + i + QLatin1Char(')');
    }
    if (name == QLatin1String("filter"))
        return FilterItems(in) == FilterItems(out);
    return in == out;
}

void CompareDeclarations(const QString& style, const QString& built)
{
    const QMap<QString, QString> in = Declarations(CssDeclarations::LowerStyle(style));
    const QMap<QString, QString> out = Declarations(CssDeclarations::LowerStyle(built));
    Check(in.keys() == out.keys(), "the declared names differ", style, built);
    for (auto it = in.cbegin(); it != in.cend(); ++it)
        Check(SameValue(it.key(), it.value(), out.value(it.key())),
              qPrintable(
                  QStringLiteral("%1 was \"%2\", is written \"%3\"").arg(it.key(), it.value(), out.value(it.key()))),
              style, built);
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
    CompareDeclarations(style, built);
    return 0;
}
