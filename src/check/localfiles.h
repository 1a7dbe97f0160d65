#pragma once
// Whether the local file a page's link, picture, script or style sheet points to is there, as a web server would
// find it: relative to the page's folder ("/..." from its site's root), letters in exactly the case written.

#include <QHash>
#include <QSet>
#include <QString>

class LocalFiles
{
public:
    enum Status
    {
        NotLocal, // an address elsewhere (http:, mailto:, "#top", data:) or nothing to look up
        Present,
        Missing
    };

    // `folder`: the page's folder; `siteRoot`: the folder "/" stands for (empty: such references are not looked
    // up).
    LocalFiles(const QString& folder, const QString& siteRoot);

    // Looks up a reference as written in the page. When a file or folder on the way is missing but there in other
    // letter case, `otherCase` gets the name it has there (else "").
    Status Look(QStringView reference, QString* otherCase = nullptr);

    // The path part of a reference to a local file, decoded ("img/a b.gif" for "img/a%20b.gif?x#y"), or "" for
    // one that points elsewhere.
    static QString LocalPart(QStringView reference);

private:
    // The names in `folder`, read once.
    const QSet<QString>& NamesIn(const QString& folder);
    // The entry `name` of `folder` in other letter case, or "".
    QString OtherCase(const QString& folder, const QString& name);

    QString folder_;
    QString siteRoot_;
    QHash<QString, QSet<QString>> names_;
};
