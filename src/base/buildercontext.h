#pragma once
// What a builder dialog needs from the running program, handed to it when it is made: the tag database, the
// file-dialog filters, the scratch page its preview writes and the prompts its boxes ask through. A dialog never
// reaches for the process-wide state.

#include <QString>

class TagDb;
class UserPrompts;

struct BuilderContext
{
    const TagDb& Db;
    QString ImageFilter; // "description" NUL "pattern" ... as the file dialog takes it
    QString HtmlFilter;
    QString ScratchFile;            // the dialogs' preview page
    QString ProgramDir;             // ends in "/"; the program's own pictures are in its qzimg/ folder
    UserPrompts* Prompts = nullptr; // the dialogs' boxes ask through these; null: those of the dialog's owner
    QString PageFolder;             // the saved page's folder, ending in "/": "" for a page never saved
};
