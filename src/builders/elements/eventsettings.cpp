#include "builders/elements/eventsettings.h"

#include "tagdb/tagdb.h"

namespace {
void CopyPositions(const QStringList& from, QStringList& to, int count)
{
    while (to.size() < count)
        to.append(QString());
    for (int i = 0; i < count; ++i)
        to[i] = from.value(i);
}
} // namespace

EventSettings::EventSettings()
{
    for (int i = 0; i <= EventMax; ++i) {
        EventNames.append(QString());
        EventCodes.append(QString());
    }
}

void EventSettings::Fill(const TagDb& db)
{
    Labels.clear();
    const QDomElement events = db.Section(QStringLiteral("event"));
    for (QDomElement e = events.firstChildElement(); !e.isNull() && Labels.size() <= EventMax;
         e = e.nextSiblingElement()) {
        const int lx = TagDb::NumField(e, QStringLiteral("lx"));
        if (lx != 0 && lx != Id)
            continue;
        EventNames[Labels.size()] = TagDb::Field(e, QStringLiteral("name"));
        Labels.append(TagDb::Field(e, QStringLiteral("txt")));
    }
    Calls = db.FieldTexts(db.Section(QStringLiteral("javas")), QStringLiteral("title"));
}

void EventSettings::SetValue(const QStringList& codes)
{
    CopyPositions(codes, EventCodes, EventMax + 1);
}

void EventSettings::GetValue(QStringList& names, QStringList& codes) const
{
    CopyPositions(EventNames, names, EventMax + 1);
    CopyPositions(EventCodes, codes, EventMax + 1);
}

QString EventSettings::JoinCall(const QString& code, const QString& call)
{
    if (call.isEmpty())
        return code;
    if (code.trimmed().isEmpty())
        return call;
    return code + QLatin1Char(';') + call;
}
