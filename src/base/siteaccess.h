#pragma once
// Which local files a previewed page may load: what a web server rooted at the page's site would serve, so a page
// opened from anywhere (a download, a mail) can read nothing else of the user's. Computes paths only; the browser
// plugin asks it for every request.

#include <QString>
#include <QStringList>

class SiteAccess
{
public:
    // The site folder that a page in `folder` may read from. Inside a home folder (the user's, /root or one in
    // /home) it is the folder just below that home on the way to the page (~/sites for ~/sites/a/b); elsewhere
    // the folder two levels below "/" (/var/www, /tmp/site), or the page's folder where that is shallower.
    // A page in a home folder itself, or in "/", may read only the files beside it (`flat`); a page in a hidden
    // folder, only its own folder and below.
    struct Site
    {
        QString root; // canonical, no trailing "/"
        bool flat = false;
        bool operator==(const Site&) const = default;
    };
    static Site SiteOf(const QString& folder, const QString& home);

    // The path, relative to the site's root, by which a page at `pagePath` (inside the site) is addressed.
    static QString RelativePath(const Site& site, const QString& pagePath);

    // The canonical file that the decoded URL path `urlPath` ("/img/a.gif") names in `site`, or "" when it is
    // not to be served: outside the root once links are followed, a hidden file or folder on the way, or not a
    // regular file. `shared` are folders any page may read from besides its site (the program's pictures); an
    // absolute file path inside one of them is served too. A shared entry that is a file is served by its own
    // absolute path alone.
    static QString Resolve(const Site& site, const QString& urlPath, const QStringList& shared = {});

    // Opens `path` for reading, without blocking on a FIFO, when it is a regular file; -1 otherwise.
    static int OpenRegular(const QString& path);

private:
    static QString Within(const QString& root, const QString& relative, bool flat);
};
