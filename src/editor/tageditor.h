#pragma once
// Editing the tag at the caret: finds the tag around the caret in the page window's text, parses its attributes
// and opens the dialog that rebuilds it with them, writing the result over the old tag.

#include "editor/bodyscript.h"
#include "editor/tagparser.h"

#include <QString>

class ProgramState;
class PageWindow;

class TagEditor
{
public:
    // What is done with the tag found: a script merged into the body tag, the body dialog, or the tag at the
    // caret rebuilt in the dialog that built it.
    enum class Purpose
    {
        MergeScript,
        EditBody,
        EditAtCaret
    };

    TagEditor(PageWindow& form, ProgramState& shared, Purpose purpose);

    // Finds the page's body tag and goes on with it as if the caret stood in it; a message when there is none.
    void EditBodyTag();
    // Finds the tag left of (or around) the caret and goes on to parse and dispatch it; false when no tag was
    // found there (nothing happens then).
    bool FindTagAtCaret();
    void ParseTagHead(const QString& tag);
    // Splits the attributes after the name into Attributes and does what the purpose asks.
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

    PageWindow& form_;
    Purpose purpose_;
    ProgramState& shared_;
};
