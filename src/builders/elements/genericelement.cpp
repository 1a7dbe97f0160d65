#include "builders/elements/genericelement.h"

#include "base/helpers.h"
#include "editor/tagparser.h"
#include "tagdb/tagdb.h"

namespace {
const QString Html1 = QStringLiteral("html1");
const QString TitleField = QStringLiteral("title");
} // namespace

GenericElement::GenericElement()
{
    for (int i = 0; i <= EventMax; ++i) {
        EventNames.append(QString());
        EventCodes.append(QString());
    }
}

QStringList GenericElement::PickList(const TagDb& db)
{
    const QDomElement html1 = db.Section(Html1);
    QStringList titles;
    for (const int i : PickEntries(db))
        titles.append(TagDb::Field(db.Entry(html1, i), TitleField));
    return titles;
}

QList<int> GenericElement::PickEntries(const TagDb& db)
{
    return db.EntriesWithNumber(db.Section(Html1), QStringLiteral("qz"), 0);
}

int GenericElement::IndexOfTitle(const TagDb& db, const QString& title)
{
    return db.FindChildIndex(db.Section(Html1), title, TitleField);
}

GenericElement GenericElement::FromIndex(const TagDb& db, int index)
{
    GenericElement e;
    const QDomElement entry = db.Entry(db.Section(Html1), index);
    e.Title = TagDb::Field(entry, TitleField);
    e.Start = TagDb::Field(entry, QStringLiteral("start"));
    e.Endd = TagDb::Field(entry, QStringLiteral("endd"));
    e.Lx = TagDb::NumField(entry, QStringLiteral("lx"));
    return e;
}

QString GenericElement::Markup() const
{
    QString s = Start;
    if (!StyleStr.trimmed().isEmpty())
        s += QStringLiteral(" style=") + TagParser::Quoted(StyleStr);
    for (int i = 0; i < EventCodes.size() && i <= EventMax; ++i)
        if (!EventCodes.at(i).isEmpty())
            s += QLatin1Char(' ') + EventNames.value(i) + QLatin1Char('=') + TagParser::Quoted(EventCodes.at(i));
    s += QLatin1Char('>') + (HtmlFormat ? Content : HtmlEscape(Content));
    if (HasContent())
        s += Endd + CrLf;
    return s;
}
