#pragma once
// Finding text in the web files of a folder and its subfolders, each file read in its own code page as opening
// it would read it. Runs on any thread: nothing here touches a window.

#include "editor/textmatcher.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

struct FolderHit
{
    QString path;
    int line = 0;   // one-based, as the editor counts lines
    int column = 0; // zero-based, in the line
    int length = 0;
    QString text;      // the line, or for a long one the stretch around the match
    int textStart = 0; // where the match starts in `text`
};

class FolderSearch
{
public:
    struct Summary
    {
        int files = 0;      // files searched
        int matches = 0;
        int unreadable = 0; // files that could not be read
        bool stopped = false;
    };

    // The pages, style sheets and scripts (.html .htm .css .js) in `folder` and below, sorted by path; hidden files
    // and folders, folders reached through a link and the editor's own preview pages are left out.
    static QStringList WebFiles(const QString& folder);
    // The matches of one file, line by line; false when it cannot be read.
    static bool SearchFile(const QString& path, const TextMatcher& matcher, QList<FolderHit>& hits);
    // Every web file of `folder`: `found` is handed each file's matches (on the thread this runs on) and returns
    // false to stop; so does `cancel` when it becomes true.
    static Summary Run(const QString& folder, const TextMatcher& matcher,
                       const std::function<bool(const QList<FolderHit>&)>& found,
                       const std::atomic_bool* cancel = nullptr);
    // A line longer than this shows only the stretch around its match.
    static constexpr int LongLine = 300;
};
