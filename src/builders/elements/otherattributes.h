#pragma once
// What the other-attributes dialog computes: the free name and value pairs of an element as list rows, taken from
// and written back to the element's positions (31 of them; an edited tag may bring more, which are kept).

#include <QString>
#include <QStringList>

class OtherAttributes
{
public:
    static constexpr int Positions = 31; // positions 0..30
    static constexpr int AddLimit = 29;  // no attribute is added to a list this long

    QStringList Names; // the rows
    QStringList Values;

    enum class Added
    {
        Yes,
        Full,    // the list already holds AddLimit rows
        Ignored, // a blank name, or one the list holds already
    };

    // The positions whose trimmed name is not blank become rows, the name trimmed.
    void Load(const QStringList& values, const QStringList& names);
    bool CanAdd() const { return Names.size() < AddLimit; }
    // A new row with the trimmed name, unless it is blank or listed already.
    Added Add(const QString& name, const QString& value);
    // Row `row` takes the pair. The name is trimmed; a blank name, or the name of another row, keeps the row's
    // own name (the value is taken all the same). False when there is no such row.
    bool Edit(int row, const QString& name, const QString& value);
    void Delete(int row);
    // Row r into position r; the positions from the row count on are emptied. The lists keep at least Positions
    // entries, and more when they had more.
    void WriteBack(QStringList& values, QStringList& names) const;
};
