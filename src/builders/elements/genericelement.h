#pragma once
// Any element of the tag database, as the pick list offers it and the small element dialog builds it: its start,
// its closing tag, its kind number, and the markup made of the content, the style and the event handlers.

#include <QString>
#include <QStringList>

class TagDb;

class GenericElement
{
public:
    static constexpr int EventMax = 100; // event positions 0..100

    // Titles of the html1 entries whose qz reads as 0, in order: the pick list.
    static QStringList PickList(const TagDb& db);
    // Their positions in html1.
    static QList<int> PickEntries(const TagDb& db);
    // Position of the first html1 entry with that title, whatever its qz; -1 when none has it.
    static int IndexOfTitle(const TagDb& db, const QString& title);
    // The html1 entry at `index` (all empty for a position outside the section).
    static GenericElement FromIndex(const TagDb& db, int index);

    QString Title;
    QString Start; // "<div"
    QString Endd;  // "</div>"; blank: no content and no closing tag
    int Lx = 0;    // the kind of element, which chooses its events

    // Inputs of the markup.
    QString Content; // CR LF line breaks
    bool HtmlFormat = false;
    QString StyleStr;
    QStringList EventNames; // positions 0..100
    QStringList EventCodes;

    GenericElement();
    bool HasContent() const { return !Endd.trimmed().isEmpty(); }
    // start, style, the events with code, ">", the content (escaped unless HtmlFormat); then for an element with a
    // closing tag that tag and CR LF.
    QString Markup() const;
};
