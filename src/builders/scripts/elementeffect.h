#pragma once
// One animated element effect of the database's mytx list, as the effects picker reads it: a markup template in
// which "qz**" stands for the element's id and "qz@@" for an identifier derived from it, and an optional onload
// code that may use the derived identifier too.

#include <QDomElement>
#include <QString>

class ElementEffect
{
public:
    // Missing fields read as empty texts.
    static ElementEffect FromEntry(const QDomElement& entry);

    QString Name;   // txt
    QString Markup; // name
    QString Load;

    // The id followed by "1781".
    static QString DerivedId(const QString& id);
    // Every "qz**" replaced by the id and then every "qz@@" by the derived id, in any letter case.
    static QString Fill(QString text, const QString& id);

    // The effect's markup and onload code for the element `id` (the code empty when the effect has none).
    QString TxStr(const QString& id) const { return Fill(Markup, id); }
    QString LoadStr(const QString& id) const;
    // The preview page: the element's own preview markup followed by the effect, with the onload code.
    static QString PreviewPage(const QString& elementMarkup, const QString& txStr, const QString& loadStr);
};
