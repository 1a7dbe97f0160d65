#pragma once
// A script that goes into the page right after its body tag, with what it adds to that tag: onload code and up to
// four event handlers. The effects dialog fills all of it; an element that brings an effect of its own fills only
// the script and the onload code.

#include "editor/tagparser.h"

#include <QString>
#include <QStringList>

class BodyScript
{
public:
    QString JavaTxt;
    QString LoadTxt;
    QStringList EventNames; // positions 0..3; a pair with an empty name or code adds nothing
    QStringList EventCodes;

    bool IsEmpty() const { return JavaTxt.isEmpty() && LoadTxt.isEmpty(); }

    // The body tag rebuilt from its element opening `start` ("<body") and its parsed attributes: the new event
    // handlers (an event the tag already has gets the new code in front, joined by ";"), then every attribute in
    // the tag's order, the onload code in front of an existing onload value or as a new onload at the end.
    // Values are quoted afresh; an attribute without a value gets an empty one.
    QString MergedTag(const QString& start, const AttributeList& attrs) const;
    // What replaces the old tag: the merged tag, CR LF, the script, CR LF.
    QString Replacement(const QString& start, const AttributeList& attrs) const;
};
