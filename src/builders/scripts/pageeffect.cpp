#include "builders/scripts/pageeffect.h"

#include "tagdb/tagdb.h"

namespace {

// The dialog's test for an optional text: present and sorting above a single blank.
bool AboveBlank(const QDomElement& entry, const QString& name)
{
    return !entry.firstChildElement(name).isNull() && TagDb::Field(entry, name) > QLatin1String(" ");
}

bool Has(const QDomElement& entry, const QString& name)
{
    return !entry.firstChildElement(name).isNull();
}

} // namespace

PageEffect PageEffect::FromEntry(const QDomElement& entry)
{
    PageEffect e;
    e.Name = TagDb::Field(entry, QStringLiteral("txt"));
    e.Help = TagDb::Field(entry, QStringLiteral("help"));
    e.HasValue = Has(entry, QStringLiteral("value"));
    e.Value = TagDb::Field(entry, QStringLiteral("value"));
    e.Start = TagDb::Field(entry, QStringLiteral("start"));
    for (int k = 1; k <= ParamCount; ++k) {
        const QString piece = QStringLiteral("v%1").arg(2 * k - 1);
        e.Pieces.append(AboveBlank(entry, piece) ? TagDb::Field(entry, piece) : QString());
        const QString definition = QStringLiteral("v%1").arg(2 * k);
        Param& p = e.Params[k - 1];
        p.Caption = TagDb::Field(entry, QStringLiteral("d%1").arg(k));
        if (!AboveBlank(entry, definition))
            continue;
        const QString text = TagDb::Field(entry, definition);
        p.Defined = true;
        p.Default = text.mid(2);
        const QString marker = text.left(2);
        static const QString markers[] = {QStringLiteral("1*"), QStringLiteral("2*"), QStringLiteral("3*"),
                                          QStringLiteral("4*"), QStringLiteral("5*")};
        p.Type = Fixed;
        for (int m = 0; m < 5; ++m)
            if (marker == markers[m])
                p.Type = Kind(m);
    }
    for (int j = 1; j <= EventCount; ++j) {
        const QString b = QStringLiteral("b%1").arg(j), a = QStringLiteral("a%1").arg(j);
        const bool both = Has(entry, b) && Has(entry, a);
        e.EventNames.append(both ? TagDb::Field(entry, b) : QString());
        e.EventCodes.append(both ? TagDb::Field(entry, a) : QString());
    }
    return e;
}

bool PageEffect::HasParameters() const
{
    return HasValue && !Pieces.at(0).isEmpty();
}

QString PageEffect::Script(const QStringList& values) const
{
    QString s;
    if (HasParameters()) {
        for (int k = 0; k < ParamCount; ++k)
            if (!Pieces.at(k).isEmpty())
                s += Pieces.at(k) + values.value(k);
    }
    return s + Value;
}

QString PageEffect::InitialValue(int k, const QString& pictureDir) const
{
    const Param& p = Params[k];
    return p.Type == Picture ? pictureDir + p.Default : p.Default;
}

QStringList PageEffect::FontSizes()
{
    QStringList items;
    for (int i = 1; i <= 200; ++i)
        items.append(QString::number(i) + QStringLiteral("pt"));
    return items;
}

QStringList PageEffect::Numbers()
{
    QStringList items;
    for (int i = 10; i <= 800; ++i)
        items.append(QString::number(i));
    return items;
}

int PageEffect::ListIndex(Kind kind, const QString& value)
{
    const int n = LeadingNumber(value);
    if (kind == FontSize)
        return n >= 1 && n <= 200 ? n - 1 : -1;
    if (kind == Number)
        return n >= 10 && n <= 800 ? n - 10 : -1;
    return -1;
}

QString PageEffect::PictureDir(QString programDir)
{
    programDir.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!programDir.endsWith(QLatin1Char('/')))
        programDir += QLatin1Char('/');
    return programDir + QStringLiteral("qzimg/");
}
