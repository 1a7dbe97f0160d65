#include "builders/elements/otherattributes.h"

#include <algorithm>

void OtherAttributes::Load(const QStringList& values, const QStringList& names)
{
    Names.clear();
    Values.clear();
    for (int i = 0; i < names.size(); ++i) {
        const QString name = names.at(i).trimmed();
        if (name.isEmpty())
            continue;
        Names.append(name);
        Values.append(values.value(i));
    }
}

OtherAttributes::Added OtherAttributes::Add(const QString& name, const QString& value)
{
    if (!CanAdd())
        return Added::Full;
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty() || Names.contains(trimmed))
        return Added::Ignored;
    Names.append(trimmed);
    Values.append(value);
    return Added::Yes;
}

bool OtherAttributes::Edit(int row, const QString& name, const QString& value)
{
    if (row < 0 || row >= Names.size())
        return false;
    const QString trimmed = name.trimmed();
    const qsizetype other = Names.indexOf(trimmed);
    // A blank name would write a bare "=" into the tag, a repeated one the same attribute twice.
    if (!trimmed.isEmpty() && (other < 0 || other == row))
        Names[row] = trimmed;
    Values[row] = value;
    return true;
}

void OtherAttributes::Delete(int row)
{
    if (row < 0 || row >= Names.size())
        return;
    Names.removeAt(row);
    Values.removeAt(row);
}

void OtherAttributes::WriteBack(QStringList& values, QStringList& names) const
{
    const qsizetype count = std::max({qsizetype(Positions), Names.size(), values.size(), names.size()});
    while (names.size() < count)
        names.append(QString());
    while (values.size() < count)
        values.append(QString());
    for (qsizetype r = 0; r < count; ++r) {
        names[r] = Names.value(r);
        values[r] = Values.value(r);
    }
}
