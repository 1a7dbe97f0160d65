#pragma once
// What the event dialog computes: the events that apply to a kind of element, one list row each, with the
// handler code of each row kept by its position, and the ready-made calls it offers. Row k is the k-th event
// entry whose lx is 0 or the kind's, the same numbering an edited tag's event attributes are filed under.

#include <QString>
#include <QStringList>

class TagDb;

class EventSettings
{
public:
    static constexpr int EventMax = 100; // positions 0..100

    EventSettings();

    int Id = 0;             // the kind of element (lx)
    QStringList Labels;     // one per row: the event's txt
    QStringList EventNames; // positions 0..100: the attribute of row k
    QStringList EventCodes; // positions 0..100: the handler code of row k
    QStringList Calls;      // titles of the ready-made calls

    // The rows of the events for Id (at most 101) and the titles of the calls; the codes stay as they are.
    void Fill(const TagDb& db);
    // Copies positions 0 to 100 of `codes`.
    void SetValue(const QStringList& codes);
    // Copies the names and codes of positions 0 to 100 out.
    void GetValue(QStringList& names, QStringList& codes) const;
    // The code after a ready-made call: the call alone into an empty (or blank) code, joined with ";" otherwise;
    // an empty call changes nothing.
    static QString JoinCall(const QString& code, const QString& call);
};
