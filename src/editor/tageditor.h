#pragma once
// Editing the tag at the caret: finds the tag around the caret in the page window's text, parses its attributes
// and opens the dialog that rebuilds it with them, writing the result over the old tag.

#include "editor/bodyscript.h"
#include "editor/tagparser.h"

#include <QString>

class Shared;
class htmlform;

class TagEditor
{
public:
    TagEditor(htmlform& form, Shared& shared);

    // The page window's purposes: 1 merge a script into the body tag, 2 the body dialog, 3 the tag at the caret.
    enum Purpose
    {
        MergeScript = 1,
        BodyDialog = 2,
        EditAtCaret = 3
    };

    // Finds the page's body tag and goes on with it as if the caret stood in it; a message when there is none.
    void EditBodyTag();
    // Finds the tag left of (or around) the caret and goes on to parse and dispatch it; false when no tag was
    // found there (nothing happens then).
    bool FindTagAtCaret();
    void ParseTagHead(const QString& tag);
    // Splits the attributes after the name into Attributes and does what EditPurpose asks.
    void ParseAttributes(const QString& tag, int nameEnd);
    void OpenTagEditor(const QString& name);
    void EditStyleOfTag(const QString& name);

    // Zero-based position of the "<" of the tag found, and the tag's length in the control.
    int TagStart = -1;
    int TagLength = 0;
    // The element name of the tag found, lowered ("<img").
    QString TagName;
    // Its attributes as parsed (the entry that met the closing ">" has an empty name).
    AttributeList Attributes;
    // What purpose 1 merges into the body tag.
    BodyScript Script;
    // The effect the element dialog chose for the tag it rebuilt (purpose 3); the page window merges it.
    BodyScript Effect;

    static const QString FailText; // "无法查看!!!!"

private:
    void SelectTag();
    void WriteOverSelection(const QString& text);
    // The body dialog on the tag found; its result replaces the tag and the caret goes back where it was.
    void EditBodyInDialog();
    // The body tag found rebuilt with Script's handlers and onload code, the script written right after it.
    void MergeScriptIntoBody();

    htmlform& form_;
    Shared& shared_;
};
