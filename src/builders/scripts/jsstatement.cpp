#include "builders/scripts/jsstatement.h"

#include "tagdb/tagdb.h"

JsStatement JsStatement::FromEntry(const QDomElement& entry)
{
    JsStatement s;
    s.Title = TagDb::Field(entry, QStringLiteral("title"));
    s.Values = TagDb::Field(entry, QStringLiteral("values"));
    s.Layout = TagDb::NumField(entry, QStringLiteral("child"));
    for (int i = 0; i < ArgCount; ++i) {
        s.Adds.append(TagDb::Field(entry, QStringLiteral("add") + QString::number(i)));
        const QString caption = QStringLiteral("a") + QString::number(i);
        s.HasCaption.append(!entry.firstChildElement(caption).isNull());
        s.Captions.append(TagDb::Field(entry, caption));
    }
    return s;
}

QString JsStatement::Assemble(const QStringList& args) const
{
    QString code = Values;
    for (int i = 0; i < ArgCount; ++i)
        code += args.value(i) + Adds.value(i);
    return code;
}
