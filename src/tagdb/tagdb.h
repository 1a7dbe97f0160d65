#pragma once
// The tag database: data.xml loaded once into a DOM, with the lookups the lists and dialogs make on it.

#include <QDomDocument>
#include <QDomElement>
#include <QString>

class TagDb
{
public:
    enum LoadStatus { Loaded, Missing, Unreadable, ParseError, NoHtmlSection };

    // Loads the file; on failure `detail` names the file and, for a parse error, the line and column.
    LoadStatus Load(const QString& path, QString* detail = nullptr);
    // Same from bytes in memory (`name` only appears in `detail`).
    LoadStatus LoadData(const QByteArray& data, const QString& name, QString* detail = nullptr);
    void Release();

    bool IsLoaded() const { return !root_.isNull(); }
    const QDomDocument& Document() const { return doc_; }
    // The "html" element beneath the document element: every query starts from it.
    QDomElement TagRoot() const { return root_; }

    // First direct child of TagRoot named `name` (a path step).
    QDomElement Section(const QString& name) const;
    // Last direct child of `parent` named exactly `name`; null when there is none.
    static QDomElement FindSection(const QDomElement& parent, const QString& name);

private:
    QDomDocument doc_;
    QDomElement root_;
};
