#pragma once
// The files of a web site as the editor sees them: which it shows in its site tree (pages, style sheets, scripts,
// pictures, never the preview and scratch pages it writes itself), and how a page refers to one of them.

#include <QString>

class SiteFiles
{
public:
    enum class Kind
    {
        Other,
        Page,
        StyleSheet,
        Script,
        Picture,
    };

    // The editor's own pages beside the pages it edits: stem + ".html", or stem + a number + ".html".
    static constexpr const char* PreviewStem = "qz78";
    static constexpr const char* ScratchStem = "qz125677";
    // What a drag from the site tree carries besides the files' addresses, so that the text they are dropped on
    // refers to them rather than opening them: their paths, one a line, in UTF-8.
    static constexpr const char* DragFormat = "application/x-kestrel-site-files";

    static Kind KindOf(const QString& fileName);
    // A preview or scratch page the editor writes (by name alone).
    static bool IsEditorFile(const QString& fileName);
    // Whether the site tree lists a file of that name: a web file that is not one of the editor's own.
    static bool Listed(const QString& fileName);

    // How a page refers to `target`: relative to the page's folder (ending in "/") once the page is saved; a page
    // never saved has no folder of its own yet, so it gets the file's full "file:///" address.
    static QString Address(const QString& pageFolder, bool pageSaved, const QString& target);

    // The markup a file dropped on a page puts in. A picture whose size could not be read gets none.
    static QString PictureTag(const QString& address, int width, int height);
    static QString PageLink(const QString& address);
    static QString ScriptTag(const QString& address);
};
