#include "tagdb/tagdb.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>

namespace {

// Text of the child node at position `k` of `entry`; empty when there is none or it is not an element.
QString ChildText(const QDomNode& entry, int k)
{
    QDomNode child = entry.firstChild();
    for (; k > 0 && !child.isNull(); --k)
        child = child.nextSibling();
    return child.toElement().text();
}

} // namespace

namespace {

// The deepest nesting of elements in an XML text, counted without building anything; stops counting once
// `limit` is passed. The DOM parser's time grows with the square of the depth, so a deep file is refused first.
int NestingDepth(const QByteArray& data, int limit)
{
    const char* p = data.constData();
    const qsizetype n = data.size();
    int depth = 0, deepest = 0;
    auto skipPast = [&](qsizetype from, const char* end) {
        const qsizetype at = data.indexOf(end, from);
        return at < 0 ? n : at + qsizetype(strlen(end));
    };
    auto startsAt = [&](qsizetype at, const char* text) {
        const qsizetype len = qsizetype(strlen(text));
        return at + len <= n && memcmp(p + at, text, size_t(len)) == 0;
    };
    qsizetype i = 0;
    while (i < n) {
        if (p[i] != '<') {
            ++i;
            continue;
        }
        if (i + 1 >= n)
            break;
        if (startsAt(i, "<!--")) {
            i = skipPast(i + 4, "-->");
        } else if (startsAt(i, "<![CDATA[")) {
            i = skipPast(i + 9, "]]>");
        } else if (p[i + 1] == '?' || p[i + 1] == '!') {
            i = skipPast(i + 2, ">");
        } else if (p[i + 1] == '/') {
            --depth;
            i = skipPast(i + 2, ">");
        } else {
            // An opening tag: find its end past quoted attribute values, which may hold '>'.
            char quote = 0;
            qsizetype k = i + 1;
            for (; k < n; ++k) {
                if (quote) {
                    if (p[k] == quote)
                        quote = 0;
                } else if (p[k] == '"' || p[k] == '\'') {
                    quote = p[k];
                } else if (p[k] == '>') {
                    break;
                }
            }
            if (k >= n || p[k - 1] != '/')
                deepest = std::max(deepest, ++depth);
            if (deepest > limit)
                return deepest;
            i = k + 1;
        }
    }
    return deepest;
}

} // namespace

TagDb::LoadStatus TagDb::Load(const QString& path, QString* detail)
{
    Release();
    QFile file(path);
    if (!QFileInfo::exists(path)) {
        if (detail)
            *detail = path;
        return Missing;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (detail)
            *detail = path;
        return Unreadable;
    }
    if (file.size() > MaxFileSize) {
        // Not even read: a file that big is no database of this program, and would take minutes and gigabytes.
        if (detail)
            *detail = QStringLiteral("%1\n文件大于 %2 MB").arg(path).arg(MaxFileSize / (1024 * 1024));
        return ParseError;
    }
    return LoadData(file.readAll(), path, detail);
}

TagDb::LoadStatus TagDb::LoadData(const QByteArray& data, const QString& name, QString* detail)
{
    Release();
    if (data.size() > MaxFileSize) {
        if (detail)
            *detail = QStringLiteral("%1\n文件大于 %2 MB").arg(name).arg(MaxFileSize / (1024 * 1024));
        return ParseError;
    }
    if (NestingDepth(data, MaxDepth) > MaxDepth) {
        if (detail)
            *detail = QStringLiteral("%1\n元素嵌套超过 %2 层").arg(name).arg(MaxDepth);
        return ParseError;
    }
    QString message;
    int line = 0, column = 0;
    if (!doc_.setContent(data, &message, &line, &column)) {
        if (detail)
            *detail = QStringLiteral("%1\n第 %2 行, 第 %3 列: %4").arg(name).arg(line).arg(column).arg(message);
        doc_.clear();
        return ParseError;
    }
    root_ = doc_.documentElement().firstChildElement(QStringLiteral("html"));
    if (root_.isNull()) {
        if (detail)
            *detail = name;
        doc_.clear();
        return NoHtmlSection;
    }
    BuildIndexes();
    return Loaded;
}

void TagDb::Release()
{
    indexes_.clear();
    root_ = QDomElement();
    doc_.clear();
}

QDomElement TagDb::Section(const QString& name) const
{
    return root_.firstChildElement(name);
}

QDomElement TagDb::FindSection(const QDomElement& parent, const QString& name)
{
    return parent.lastChildElement(name);
}

// ---- Indexes

void TagDb::BuildIndexes()
{
    // What the completion lists ask on every keystroke or list opening, for both the first and the last
    // html1 / style1 (the document window and the dialogs disagree on which one they take).
    EntryIndex scratch;
    const auto texts = [&](const QDomElement& section, const QString& field) {
        if (!section.isNull())
            FirstByText(IndexFor(section, scratch), field);
    };
    const auto numbers = [&](const QDomElement& section, const QString& field) {
        if (!section.isNull())
            ByNumber(IndexFor(section, scratch), field);
    };
    for (const QString& name : {QStringLiteral("html1"), QStringLiteral("style1")}) {
        const QString key = name == QLatin1String("html1") ? QStringLiteral("start") : QStringLiteral("name");
        texts(Section(name), key);
        texts(FindSection(root_, name), key);
    }
    numbers(Section(QStringLiteral("property1")), QStringLiteral("id"));
    texts(Section(QStringLiteral("offten")), QStringLiteral("name"));
    numbers(Section(QStringLiteral("property2")), QStringLiteral("child"));
    texts(Section(QStringLiteral("property2")), QStringLiteral("values"));
    numbers(Section(QStringLiteral("style2")), QStringLiteral("myid"));
    numbers(Section(QStringLiteral("style2")), QStringLiteral("num"));
    texts(Section(QStringLiteral("style2")), QStringLiteral("values"));
    texts(Section(QStringLiteral("Jstyle")), QStringLiteral("name"));
    const QDomElement window = Section(QStringLiteral("window"));
    if (!window.isNull()) {
        Objects(IndexFor(window, scratch));
        texts(window, QStringLiteral("name"));
    }
}

TagDb::EntryIndex& TagDb::IndexFor(const QDomElement& parent, EntryIndex& scratch) const
{
    // Only elements inside the loaded tree are cached: copies and elements of other documents can change.
    bool ours = false;
    if (!root_.isNull()) {
        for (QDomNode node = parent; !node.isNull() && !ours; node = node.parentNode())
            ours = node == root_;
    }
    if (ours) {
        for (EntryIndex& index : indexes_) {
            if (index.Parent == parent)
                return index;
        }
    }
    if (!ours)
        scratch = EntryIndex();
    EntryIndex& index = ours ? indexes_.emplace_back() : scratch;
    index.Parent = parent;
    for (QDomNode child = parent.firstChild(); !child.isNull(); child = child.nextSibling())
        index.Entries.append(child);
    return index;
}

const QHash<QString, int>& TagDb::FirstByText(EntryIndex& index, const QString& field)
{
    const auto found = index.FirstByText.constFind(field);
    if (found != index.FirstByText.constEnd())
        return *found;
    QHash<QString, int>& table = index.FirstByText[field];
    table.reserve(index.Entries.size());
    for (int i = 0; i < index.Entries.size(); ++i) {
        const QDomElement value = index.Entries.at(i).firstChildElement(field);
        if (value.isNull())
            continue;
        const QString text = value.text();
        if (!table.contains(text))
            table.insert(text, i);
    }
    return table;
}

const QHash<int, QList<int>>& TagDb::ByNumber(EntryIndex& index, const QString& field)
{
    const auto found = index.ByNumber.constFind(field);
    if (found != index.ByNumber.constEnd())
        return *found;
    QHash<int, QList<int>>& table = index.ByNumber[field];
    for (int i = 0; i < index.Entries.size(); ++i) {
        const QDomNode& entry = index.Entries.at(i);
        if (entry.isElement())
            table[NumField(entry.toElement(), field)].append(i);
    }
    return table;
}

const QHash<QString, int>& TagDb::Objects(EntryIndex& index)
{
    if (index.ObjectsBuilt)
        return index.Objects;
    index.ObjectsBuilt = true;
    for (int i = 0; i < index.Entries.size(); ++i) {
        const QDomElement entry = index.Entries.at(i).toElement();
        if (entry.isNull() || NumField(entry, QStringLiteral("lx")) != ObjectLx)
            continue;
        const QString key = Field(entry, QStringLiteral("name")).trimmed().toLower();
        if (!index.Objects.contains(key))
            index.Objects.insert(key, i);
    }
    return index.Objects;
}

// ---- Entries

int TagDb::EntryCount(const QDomElement& parent) const
{
    EntryIndex scratch;
    return int(IndexFor(parent, scratch).Entries.size());
}

QDomElement TagDb::Entry(const QDomElement& parent, int i) const
{
    EntryIndex scratch;
    return IndexFor(parent, scratch).Entries.value(i).toElement();
}

QString TagDb::Field(const QDomElement& entry, const QString& name)
{
    return entry.firstChildElement(name).text();
}

int TagDb::NumField(const QDomElement& entry, const QString& name)
{
    return LeadingNumber(Field(entry, name));
}

int TagDb::FindChildIndex(const QDomElement& node, const QString& value, const QString& childName) const
{
    EntryIndex scratch;
    return FirstByText(IndexFor(node, scratch), childName).value(value, -1);
}

QList<int> TagDb::EntriesWithNumber(const QDomElement& node, const QString& field, int number) const
{
    EntryIndex scratch;
    return ByNumber(IndexFor(node, scratch), field).value(number);
}

QStringList TagDb::FieldTexts(const QDomElement& node, const QString& field) const
{
    EntryIndex scratch;
    const EntryIndex& index = IndexFor(node, scratch);
    QStringList texts;
    texts.reserve(index.Entries.size());
    for (const QDomNode& entry : index.Entries)
        texts.append(entry.firstChildElement(field).text());
    return texts;
}

std::optional<QString> TagDb::TextOfFirst(const QDomElement& parent, const QString& key, const QString& keyField,
                                          const QString& field) const
{
    const int i = FindChildIndex(parent, key, keyField);
    if (i < 0)
        return std::nullopt;
    return Field(Entry(parent, i), field);
}

QStringList TagDb::TextsWithNumber(const QDomElement& parent, const QString& keyField, int number,
                                   const QString& field) const
{
    EntryIndex scratch;
    EntryIndex& index = IndexFor(parent, scratch);
    QStringList texts;
    for (int i : ByNumber(index, keyField).value(number))
        texts.append(index.Entries.at(i).firstChildElement(field).text());
    return texts;
}

// ---- Completion lists

QStringList TagDb::TagNames(const QDomElement& tags) const
{
    EntryIndex scratch;
    const EntryIndex& index = IndexFor(tags, scratch);
    QStringList names;
    names.reserve(index.Entries.size());
    for (const QDomNode& entry : index.Entries)
        names.append(ChildText(entry, 2).mid(1));
    return names;
}

int TagDb::TagIndexByStart(const QDomElement& tags, const QString& start) const
{
    return FindChildIndex(tags, start, QStringLiteral("start"));
}

std::optional<QString> TagDb::TagDescription(const QDomElement& tags, const QString& start) const
{
    const int i = TagIndexByStart(tags, start);
    if (i < 0)
        return std::nullopt;
    EntryIndex scratch;
    return ChildText(IndexFor(tags, scratch).Entries.at(i), 1);
}

QList<QDomElement> TagDb::AttributesOf(int id) const
{
    const QDomElement section = Section(QStringLiteral("property1"));
    EntryIndex scratch;
    EntryIndex& index = IndexFor(section, scratch);
    QList<QDomElement> entries;
    for (int i : ByNumber(index, QStringLiteral("id")).value(id))
        entries.append(index.Entries.at(i).toElement());
    return entries;
}

QStringList TagDb::OffTenNames() const
{
    return FieldTexts(Section(QStringLiteral("offten")), QStringLiteral("name"));
}

std::optional<QString> TagDb::OffTenDescription(const QString& name) const
{
    return TextOfFirst(Section(QStringLiteral("offten")), name, QStringLiteral("name"), QStringLiteral("txt"));
}

std::optional<QString> TagDb::AttributeDescription(const QDomElement& attrs, const QString& name) const
{
    const std::optional<QString> own = TextOfFirst(attrs, name, QStringLiteral("name"), QStringLiteral("txt"));
    return own ? own : OffTenDescription(name);
}

QStringList TagDb::AttributeValues(int chid) const
{
    if (chid == NoValueList || chid == BareAttribute)
        return {};
    return TextsWithNumber(Section(QStringLiteral("property2")), QStringLiteral("child"), chid,
                           QStringLiteral("values"));
}

std::optional<QString> TagDb::ValueDescription(const QString& values) const
{
    return TextOfFirst(Section(QStringLiteral("property2")), values, QStringLiteral("values"), QStringLiteral("txt"));
}

QStringList TagDb::CssProperties(const QDomElement& styles) const
{
    return FieldTexts(styles, QStringLiteral("name"));
}

std::optional<QString> TagDb::CssPropertyDescription(const QDomElement& styles, const QString& name) const
{
    return TextOfFirst(styles, name, QStringLiteral("name"), QStringLiteral("txt"));
}

int TagDb::CssDtype(const QDomElement& styles, const QString& name) const
{
    const int i = FindChildIndex(styles, name, QStringLiteral("name"));
    return i < 0 ? NoValueList : NumField(Entry(styles, i), QStringLiteral("dtype"));
}

QStringList TagDb::CssValues(int dtype) const
{
    if (dtype == NoValueList || dtype == FontDtype)
        return {};
    return TextsWithNumber(Section(QStringLiteral("style2")), QStringLiteral("myid"), dtype, QStringLiteral("values"));
}

std::optional<QString> TagDb::CssValueDescription(const QString& value) const
{
    return TextOfFirst(Section(QStringLiteral("style2")), value, QStringLiteral("values"), QStringLiteral("txt"));
}

QStringList TagDb::JstyleNames() const
{
    return FieldTexts(Section(QStringLiteral("Jstyle")), QStringLiteral("name"));
}

std::optional<QString> TagDb::JstyleDescription(const QString& name) const
{
    return TextOfFirst(Section(QStringLiteral("Jstyle")), name, QStringLiteral("name"), QStringLiteral("txt"));
}

// ---- Script members

QDomElement TagDb::ScriptObject(const QString& path) const
{
    const QDomElement window = Section(QStringLiteral("window"));
    const QStringList parts = path.toLower().split(QLatin1Char('.'));
    QDomElement current;
    for (int p = 0; p < parts.size(); ++p) {
        const QString& part = parts.at(p);
        if (p == 0 && part == QLatin1String("window")) {
            current = window;
            continue;
        }
        if (current.isNull())
            current = window;
        EntryIndex scratch;
        EntryIndex& index = IndexFor(current, scratch);
        const int i = Objects(index).value(part, -1);
        if (i < 0)
            return QDomElement();
        const QDomElement member = index.Entries.at(i).toElement();
        // An object without its member element is not an object: the walk ends rather than restart at window.
        current = NumField(member, QStringLiteral("id")) == WindowMembersId ? window : member.firstChildElement(part);
        if (current.isNull())
            return QDomElement();
    }
    return current;
}

QStringList TagDb::ScriptMemberNames(const QDomElement& object) const
{
    return FieldTexts(object, QStringLiteral("name"));
}

std::optional<QString> TagDb::ScriptMemberDescription(const QDomElement& object, const QString& name) const
{
    return TextOfFirst(object, name, QStringLiteral("name"), QStringLiteral("txt"));
}

