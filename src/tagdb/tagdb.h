#pragma once
// The tag database: data.xml loaded once into a DOM, with the lookups the lists and dialogs make on it.
//
// Entries are the child nodes of a section, counted in document order (whitespace-only text is dropped by the
// parser, so it never takes a position). Lookups that run per keystroke or per list opening go through indexes
// kept per parent element: built for the hot sections at load, for any other element of the database on first
// use. The loaded tree is never written; elements outside it (the completion lists' scratch tree, copies of
// entries) are looked up by walking them, never cached, because their content changes.

#include "tagdb/numbertext.h"

#include <QDomDocument>
#include <QDomElement>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

class TagDb
{
public:
    enum LoadStatus
    {
        Loaded,
        Missing,
        Unreadable,
        ParseError,
        NoHtmlSection
    };

    // Special values of the numeric keys.
    enum : int
    {
        NoValueList = 0,    // chid / dtype: nothing to list
        BareAttribute = -1, // chid: the attribute takes no value
        FontDtype = 2,      // dtype: the value is an installed font name
        ObjectLx = 3,       // window member lx: an object whose members can be listed
        WindowMembersId = 2 // window object id: its members are those of window itself
    };

    // Limits of a database file: beyond them it is refused as damaged before any tree is built.
    static constexpr qint64 MaxFileSize = 64 * 1024 * 1024;
    static constexpr int MaxDepth = 256;

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

    // ---- Entries of any element (a section, a script object, or an element of another document).

    int EntryCount(const QDomElement& parent) const;
    // The entry at zero-based position `i`; null when out of range or not an element.
    QDomElement Entry(const QDomElement& parent, int i) const;
    // Text of the entry's first child element named `name`, as it stands; empty when there is none.
    static QString Field(const QDomElement& entry, const QString& name);
    // The field read as a leading number (LeadingNumber): missing, empty or non-numeric reads 0.
    static int NumField(const QDomElement& entry, const QString& name);
    // Same result as the helper FindChildIndex: position of the first entry whose field `childName` holds
    // exactly `value`, -1 if none; entries without that field never match.
    int FindChildIndex(const QDomElement& node, const QString& value, const QString& childName) const;
    // Positions, in order, of the entries whose field `field` reads numerically as `number` (a missing field
    // reads 0).
    QList<int> EntriesWithNumber(const QDomElement& node, const QString& field, int number) const;
    // The field `field` of every entry, in order (empty text for an entry without it).
    QStringList FieldTexts(const QDomElement& node, const QString& field) const;

    // ---- Lookups of the completion lists. `tags` and `styles` are the html1 / style1 section that the caller
    // holds: the document window takes the last one (FindSection), the dialogs the first (Section).

    // Tag list: the third child of every entry without its first character ("<a" gives "a").
    QStringList TagNames(const QDomElement& tags) const;
    // Position of the first entry whose `start` is exactly `start`; -1 if none.
    int TagIndexByStart(const QDomElement& tags, const QString& start) const;
    // Second child of the first entry with that `start`; nullopt when no entry has it.
    std::optional<QString> TagDescription(const QDomElement& tags, const QString& start) const;
    // The property1 entries whose `id` reads as `id`, in document order.
    QList<QDomElement> AttributesOf(int id) const;
    QStringList OffTenNames() const;
    // `txt` of the first offten entry named `name`.
    std::optional<QString> OffTenDescription(const QString& name) const;
    // Description of an attribute in the list: `txt` of the first entry of `attrs` (the tag's own attributes)
    // named `name`, else of the first offten entry so named.
    std::optional<QString> AttributeDescription(const QDomElement& attrs, const QString& name) const;
    // `values` of the property2 entries whose `child` reads as `chid`, in order; empty for NoValueList and
    // BareAttribute.
    QStringList AttributeValues(int chid) const;
    // `txt` of the first property2 entry, over the whole section, whose `values` is exactly `values`.
    std::optional<QString> ValueDescription(const QString& values) const;
    // `name` of every style1 entry in order.
    QStringList CssProperties(const QDomElement& styles) const;
    std::optional<QString> CssPropertyDescription(const QDomElement& styles, const QString& name) const;
    // `dtype` of the first style1 entry named `name`; 0 when there is none.
    int CssDtype(const QDomElement& styles, const QString& name) const;
    // `values` of the style2 entries whose `myid` reads as `dtype`, in order; empty for NoValueList and
    // FontDtype (the caller shows the font list).
    QStringList CssValues(int dtype) const;
    // `txt` of the first style2 entry whose `values` is exactly `value`.
    std::optional<QString> CssValueDescription(const QString& value) const;
    QStringList JstyleNames() const;
    std::optional<QString> JstyleDescription(const QString& name) const;

    // Script members: walks `window` along a dotted path (parts lower-cased; a leading "window" is the section
    // itself; each further part is the first member whose trimmed, lower-cased `name` equals it and whose `lx`
    // is 3; such a member with `id` 2 leads back to `window`, any other to its child element named like the
    // part). Null when a part does not lead to an object.
    QDomElement ScriptObject(const QString& path) const;
    QStringList ScriptMemberNames(const QDomElement& object) const;
    // `txt` of the first member of `object` whose `name` is exactly `name`.
    std::optional<QString> ScriptMemberDescription(const QDomElement& object, const QString& name) const;

private:
    // The indexes of one parent element.
    struct EntryIndex
    {
        QDomElement Parent;
        QList<QDomNode> Entries;
        QHash<QString, QHash<QString, int>> FirstByText; // field -> text -> first position
        QHash<QString, QHash<int, QList<int>>> ByNumber; // field -> number -> positions in order
        QHash<QString, int> Objects;                     // trimmed lower-case name -> first member with lx 3
        bool ObjectsBuilt = false;
    };

    // The cached index of `parent`, or `scratch` filled for this one call when `parent` is not inside TagRoot.
    EntryIndex& IndexFor(const QDomElement& parent, EntryIndex& scratch) const;
    static const QHash<QString, int>& FirstByText(EntryIndex& index, const QString& field);
    static const QHash<int, QList<int>>& ByNumber(EntryIndex& index, const QString& field);
    static const QHash<QString, int>& Objects(EntryIndex& index);
    std::optional<QString> TextOfFirst(const QDomElement& parent, const QString& key, const QString& keyField,
                                       const QString& field) const;
    QStringList TextsWithNumber(const QDomElement& parent, const QString& keyField, int number,
                                const QString& field) const;
    void BuildIndexes();

    QDomDocument doc_;
    QDomElement root_;
    mutable std::deque<EntryIndex> indexes_;
};
