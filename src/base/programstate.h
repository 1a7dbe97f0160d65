#pragma once
// Process-wide state: paths, file-dialog filters and the tag database.
// Created by Main before the first window and alive until the program ends.

#include "base/buildercontext.h"
#include "tagdb/tagdb.h"

#include <QDomDocument>
#include <QStringList>

class ProgramState
{
public:
    // Sets every path from the program folder (which need not end in "/").
    explicit ProgramState(const QString& programDir);

    // Where data.xml and readme.html are: the program folder (a build tree), else <datadir>/kestrel/ beside it (an
    // installed program), else the program folder again, so that the missing database is reported there.
    static QString DataFolder(const QString& programDir);
    // Where a user's new pages go: the documents folder, or home when there is none.
    static QString PagesFolder();

    QString ProgramDir; // ends in "/"
    QString DataDir;    // ends in "/"
    QString HtmlFilter;
    QString ImageFilter;
    QString lastFolder; // ends in "/"
    QString DataFile;
    QString HelpFile;
    QString ScratchFile; // the builder dialogs' preview page when no page window makes them (each page has its own)
    // The file the main frame keeps its settings in between runs; "" keeps nothing (tests, benchmarks).
    QString SettingsFile;
    // What the program's windows ask their user through; null: the desktop's boxes. Tests set their own.
    UserPrompts* Prompts = nullptr;

    TagDb Db;
    // What a builder dialog is made with: the database, the filters and the scratch page of the active page.
    BuilderContext Context() const
    {
        return BuilderContext{Db, ImageFilter, HtmlFilter, ScratchFile, ProgramDir, Prompts, QString()};
    }
    QDomElement TagRoot() const { return Db.TagRoot(); }

    // The "自动完成(&O)" check mark of the System menu: completion lists pop up while typing. Lives for one run.
    bool AutoComplete = true;
    // The "自动闭合标记" check mark: a ">" that ends a start tag puts its end tag after the caret.
    bool AutoCloseTags = false;

    // Releases the databases when the main frame goes.
    void Release();
};
