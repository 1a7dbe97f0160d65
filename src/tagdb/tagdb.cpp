#include "tagdb/tagdb.h"

#include <QFile>
#include <QFileInfo>

TagDb::LoadStatus TagDb::Load(const QString& path, QString* detail)
{
    Release();
    QFile file(path);
    if (!QFileInfo::exists(path)) {
        if (detail)
            *detail = path;
        return Missing;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (detail)
            *detail = path;
        return Unreadable;
    }
    return LoadData(file.readAll(), path, detail);
}

TagDb::LoadStatus TagDb::LoadData(const QByteArray& data, const QString& name, QString* detail)
{
    Release();
    QString message;
    int line = 0, column = 0;
    if (!doc_.setContent(data, &message, &line, &column)) {
        if (detail)
            *detail = QStringLiteral("%1\n第 %2 行, 第 %3 列: %4").arg(name).arg(line).arg(column).arg(message);
        doc_.clear();
        return ParseError;
    }
    root_ = doc_.documentElement().firstChildElement(QStringLiteral("html"));
    if (root_.isNull()) {
        if (detail)
            *detail = name;
        doc_.clear();
        return NoHtmlSection;
    }
    return Loaded;
}

void TagDb::Release()
{
    root_ = QDomElement();
    doc_.clear();
}

QDomElement TagDb::Section(const QString& name) const
{
    return root_.firstChildElement(name);
}

QDomElement TagDb::FindSection(const QDomElement& parent, const QString& name)
{
    return parent.lastChildElement(name);
}
