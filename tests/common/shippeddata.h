#pragma once
// The shipped data.xml, read the way the program's readers take it, for the tests of its sections.

#include <QDomDocument>
#include <QFile>
#include <QRegularExpression>
#include <QString>

namespace shippeddata {

inline const QString DataPath = QStringLiteral(KESTREL_SOURCE_DIR "/data/data.xml");

// Parses the file into `doc` and finds its html element; an error text on failure, "" when all is well.
inline QString Load(QDomDocument& doc, QDomElement& tagRoot)
{
    QFile file(DataPath);
    if (!file.open(QIODevice::ReadOnly))
        return DataPath + QStringLiteral(": cannot be read");
    QString error;
    int line = 0;
    if (!doc.setContent(&file, &error, &line))
        return QStringLiteral("%1 at line %2").arg(error).arg(line);
    tagRoot = doc.documentElement().firstChildElement(QStringLiteral("html"));
    return tagRoot.isNull() ? QStringLiteral("no html element") : QString();
}

inline QString Field(const QDomElement& entry, const QString& name)
{
    return entry.firstChildElement(name).text();
}

inline bool Has(const QDomElement& entry, const QString& name)
{
    return !entry.firstChildElement(name).isNull();
}

// Numeric fields read as a leading number: blanks skipped, empty or non-numeric text is 0.
inline int Num(const QString& text)
{
    static const QRegularExpression lead(QStringLiteral("^\\s*(-?\\d+)"));
    const auto m = lead.match(text);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

inline int Num(const QDomElement& entry, const QString& name)
{
    return Num(Field(entry, name));
}

inline QList<QDomElement> Entries(const QDomElement& section)
{
    QList<QDomElement> out;
    for (QDomElement e = section.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        out.append(e);
    return out;
}

inline bool HasChinese(const QString& s)
{
    for (const QChar c : s)
        if (c.unicode() >= 0x4e00 && c.unicode() <= 0x9fff)
            return true;
    return false;
}

} // namespace shippeddata
