#pragma once
// The address a page uses for a file chosen in a file dialog: relative to the page's folder once the page has one
// ("img/logo.gif", "../img/a.gif"), a file:/// address for a page never saved.

#include <QString>

class PageAddress
{
public:
    // `pageFolder` is the saved page's folder, "" for a page that has none yet.
    static QString For(const QString& file, const QString& pageFolder);
    // The page text a dialog's preview shows: its file:/// addresses as plain absolute paths, which the preview
    // serves when the file was chosen in a dialog (a preview never reads file:/// addresses).
    static QString ForPreview(const QString& html);
};
