#include "builders/scripts/elementeffect.h"

#include "tagdb/tagdb.h"

ElementEffect ElementEffect::FromEntry(const QDomElement& entry)
{
    ElementEffect e;
    e.Name = TagDb::Field(entry, QStringLiteral("txt"));
    e.Markup = TagDb::Field(entry, QStringLiteral("name"));
    e.Load = TagDb::Field(entry, QStringLiteral("load"));
    return e;
}

QString ElementEffect::DerivedId(const QString& id)
{
    return id + QStringLiteral("1781");
}

QString ElementEffect::Fill(QString text, const QString& id)
{
    text.replace(QStringLiteral("qz**"), id, Qt::CaseInsensitive);
    return text.replace(QStringLiteral("qz@@"), DerivedId(id), Qt::CaseInsensitive);
}

QString ElementEffect::LoadStr(const QString& id) const
{
    if (Load.trimmed().isEmpty())
        return QString();
    return Fill(Load, id);
}

QString ElementEffect::PreviewPage(const QString& elementMarkup, const QString& txStr, const QString& loadStr)
{
    const QString start = loadStr.isEmpty() ? QStringLiteral("<html><body>")
                                            : QStringLiteral("<html><body onload=\"") + loadStr + QStringLiteral("\">");
    return start + elementMarkup + txStr + QStringLiteral("</body></html>");
}
