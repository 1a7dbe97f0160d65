#pragma once
// One ready-made script call of the database's javas list, as the event dialog and the argument dialog read it:
// the head of the call, the piece written after each of its ten arguments, the captions of the argument rows and
// the argument dialog's layout.

#include <QDomElement>
#include <QString>
#include <QStringList>

class JsStatement
{
public:
    static constexpr int ArgCount = 10;
    // The argument dialog's layouts (the entry's `child`).
    enum Layout : int
    {
        TextRows = 0,
        ColourButton = 1,
        WindowPanel = 2,
    };

    // Reads entry `entry` of javas; missing fields read as empty text (the layout as 0).
    static JsStatement FromEntry(const QDomElement& entry);

    QString Title;        // list label, and the colour button's tip
    QString Values;       // the head of the call
    QStringList Adds;     // add0..add9: what follows argument i
    QStringList Captions; // a0..a9: the caption of row i
    QList<bool> HasCaption;
    int Layout = TextRows;

    // A call with pieces after its arguments asks for them first.
    bool NeedsArguments() const { return !Adds.at(0).isEmpty(); }
    // Row i takes an argument when a piece follows it.
    bool RowShown(int i) const { return !Adds.value(i).isEmpty(); }
    // values + argument 0 + add0 + ... + argument 9 + add9; missing arguments read as empty.
    QString Assemble(const QStringList& args) const;
};
