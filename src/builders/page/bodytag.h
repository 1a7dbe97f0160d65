#pragma once
// What the body dialog computes: the body tag's attributes taken apart into the settings it offers (background,
// colours, scroll bars, style, event handlers) and the ones it does not know, and the tag rebuilt from them:
// unknown attributes first, then background, bgcolor, text, style, scroll and the events.

#include "editor/tagparser.h"

#include <QString>
#include <QStringList>

class BodyTag
{
public:
    static constexpr int EventMax = 100; // positions 0..100

    BodyTag();

    QString Background; // the picture's address, as typed
    QString BodyStyle;
    QString BodyTextColor;
    QString BodyBgColor;
    QString BodyScroll;      // "yes", "no", "auto", "" or whatever the page had
    QStringList EventNames;  // positions 0..100: the events on offer
    QStringList EventCodes;  // positions 0..100: their handler code
    QStringList OtherNames;  // the attributes the dialog keeps as they are
    QStringList OtherValues; // emptied where the dialog took the attribute over

    // Reads the parsed attributes of the tag; `events` are the events on offer, in order.
    void Load(const AttributeList& attrs, const QStringList& events);
    // The tag: "<body " then the attributes, each " name=" + the value in quotes, then ">".
    QString BodyStr() const;

    // The scroll option of a value (-1 for none) and the value of an option.
    static int ScrollIndex(const QString& value);
    static QString ScrollValue(int index);
};
