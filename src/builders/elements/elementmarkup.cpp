#include "builders/elements/elementmarkup.h"

#include "base/helpers.h"
#include "builders/elements/elementkind.h"
#include "editor/tagparser.h"
#include "tagdb/tagdb.h"

#include <algorithm>
#include <cmath>

const QString ElementMarkup::SampleText = QStringLiteral("Kestrel网页编辑软件");
const QString ElementMarkup::SampleCells = QStringLiteral(
    "<th>第一列</th><th>第二列</th><th>第三列</th><tr><td>第一行</td><td>第一行</td><td>第一行</td><tr><td>第二行</td>"
    "<td>第二行</td><td>第二行</td><tr><td>第三行</td><td>第三行</td><td>第三行</td>");
const QString ElementMarkup::NewLineText = QStringLiteral("新的一行");

namespace {

QStringList Blank(int n)
{
    QStringList list;
    list.reserve(n);
    for (int i = 0; i < n; ++i)
        list.append(QString());
    return list;
}

bool HasText(const QString& s)
{
    return !s.trimmed().isEmpty();
}

} // namespace

ElementMarkup::ElementMarkup()
{
    Reset();
}

void ElementMarkup::Reset()
{
    SetSlotCount(0);
    StyleStr.clear();
    OtherCount = 0;
    CommonName = {QStringLiteral("id"), QStringLiteral("title"), QStringLiteral("class")};
    CommonValue = Blank(3);
    OtherName = Blank(OtherMax + 1);
    OtherValue = Blank(OtherMax + 1);
    EventName = Blank(EventMax + 1);
    EventValue = Blank(EventMax + 1);
    ItemValue = Blank(MaxLines + 1);
    Lines.clear();
    Content.clear();
    HtmlFormat = false;
    TagType = 0;
    EndTag.clear();
    PreviewWrap = Wrapping::None;
    ListKind = ListMode::None;
    Kind = nullptr;
    Title.clear();
}

void ElementMarkup::SetSlotCount(int n)
{
    SlotMax = n;
    SlotName = Blank(n + 1);
    SlotValue = Blank(n + 1);
}

bool ElementMarkup::SetupKind(const TagDb& db)
{
    const QDomElement html1 = db.Section(QStringLiteral("html1"));
    const int i = html1.isNull() ? -1 : db.FindChildIndex(html1, HtmlN, QStringLiteral("start"));
    if (i != -1) {
        const QDomElement entry = db.Entry(html1, i);
        TagType = TagDb::NumField(entry, QStringLiteral("lx"));
        Title = QStringLiteral("添加") + TagDb::Field(entry, QStringLiteral("title"));
        EndTag = TagDb::Field(entry, QStringLiteral("endd"));
    }
    PreviewWrap = Wrapping::None;
    Kind = ElementKind::Find(HtmlN);
    if (!Kind)
        return false;
    if (Kind->EndTag)
        EndTag = *Kind->EndTag;
    if (Kind->TagType)
        TagType = *Kind->TagType;
    PreviewWrap = Kind->Wrap;
    if (!Kind->Title.isEmpty())
        Title = Kind->Title;
    SetSlotCount(Kind->SlotMax());
    for (int i = 0; i <= SlotMax; ++i)
        SlotName[i] = Kind->IsFlag(i) ? QStringLiteral("0") : Kind->SlotNames.at(i);
    ListKind = Kind->List;
    HtmlFormat = Kind->HtmlFormat;
    if (!Kind->WriteAs.isEmpty())
        HtmlN = Kind->WriteAs;
    return true;
}

bool ElementMarkup::SetAttr(const QString& attr, const QString& value)
{
    const int slot = Kind ? Kind->SlotOf(attr) : -1;
    if (slot < 0 || slot >= SlotValue.size())
        return false;
    SlotValue[slot] = value;
    DropOtherAttr(attr); // the control's value replaces what the edited tag kept
    return true;
}

QString ElementMarkup::Attr(const QString& attr) const
{
    const int slot = Kind ? Kind->SlotOf(attr) : -1;
    return SlotValue.value(slot);
}

QString ElementMarkup::BuildStartTag() const
{
    // Each attribute is written once (a browser reads only the first): the opening text's own, the style and
    // events (written after the start tag), the controls' and the common boxes' win over a free attribute.
    QStringList written = WrittenAfterStartTag();
    for (const QString& part : HtmlN.split(QLatin1Char(' '), Qt::SkipEmptyParts).mid(1))
        written << part.section(QLatin1Char('='), 0, 0);
    QString s = HtmlN;
    const auto add = [&](const QString& name, const QString& value, bool bare) {
        if (written.contains(name, Qt::CaseInsensitive))
            return;
        written << name;
        s += QLatin1Char(' ') + (bare ? value : name + QLatin1Char('=') + TagParser::Quoted(value));
    };
    for (int i = 0; i <= SlotMax && i < SlotValue.size(); ++i) {
        const QString& v = SlotValue.at(i);
        if (!HasText(v))
            continue;
        const bool bare = SlotName.value(i) == QLatin1String("0");
        add(bare ? v.trimmed() : SlotName.value(i), v, bare);
    }
    for (int i = 0; i < 3; ++i)
        if (HasText(CommonValue.value(i)))
            add(CommonName.value(i), CommonValue.value(i), false);
    for (int i = 0; i < OtherName.size(); ++i)
        if (!OtherName.at(i).isEmpty())
            add(OtherName.at(i), OtherValue.value(i), false);
    return s;
}

QStringList ElementMarkup::WrittenAfterStartTag() const
{
    QStringList names;
    if (StyleStr > QLatin1String(" "))
        names << QStringLiteral("style");
    for (int i = 0; i < EventValue.size(); ++i)
        if (!EventValue.at(i).isEmpty())
            names << EventName.value(i);
    return names;
}

QString ElementMarkup::BuildStyleEvents() const
{
    QString s;
    // Binary order: an empty style and a lone blank give no attribute.
    if (StyleStr > QLatin1String(" "))
        s = QStringLiteral(" style=") + TagParser::Quoted(StyleStr);
    for (int i = 0; i < EventValue.size(); ++i)
        if (!EventValue.at(i).isEmpty())
            s += QLatin1Char(' ') + EventName.value(i) + QLatin1Char('=') + TagParser::Quoted(EventValue.at(i));
    return s;
}

QString ElementMarkup::GetContent() const
{
    // Blanks typed into the content box are no content; a content the kind builds out of sight (the form's blank
    // lines) is written as built.
    const bool built = Kind && Kind->Content == ContentBox::Hidden;
    if (!built && !HasText(Content))
        return QString();
    return HtmlFormat ? Content : HtmlEscape(Content);
}

QString ElementMarkup::OkMarkup() const
{
    QString s = BuildStartTag() + BuildStyleEvents() + QLatin1Char('>');
    if (EditTag == 0)
        s += GetContent() + EndTag + CrLf;
    return s;
}

void ElementMarkup::GetPreviewWrap(QString& prefix, QString& suffix) const
{
    prefix.clear();
    suffix.clear();
    if (PreviewWrap == Wrapping::Caption) {
        prefix = QStringLiteral("<table border=1>");
        suffix = SampleCells + QStringLiteral("</table>");
    } else if (PreviewWrap == Wrapping::Table) {
        suffix = SampleCells + QStringLiteral("</table>");
    }
}

QString ElementMarkup::PreviewMarkup() const
{
    QString prefix, suffix;
    GetPreviewWrap(prefix, suffix);
    return prefix + BuildStartTag() + BuildStyleEvents() + QLatin1Char('>') + GetContent() + EndTag + suffix;
}

QString ElementMarkup::PreviewPage(const QString& markup)
{
    return QStringLiteral("<html><body>") + markup + QStringLiteral("</body></html>");
}

void ElementMarkup::StyleBuilderTexts(QString& htmlTxt1, QString& htmlTxt2) const
{
    QString prefix, suffix;
    GetPreviewWrap(prefix, suffix);
    const QString content = EditTag != 0 ? SampleText : GetContent();
    htmlTxt1 = prefix + BuildStartTag();
    htmlTxt2 = content + EndTag + suffix;
}

bool ElementMarkup::ApplyCommonAttr(const QString& name, const QString& value, const TagDb& db)
{
    if (name.startsWith(QLatin1String("on")))
        return ApplyEventAttr(name, value, db);
    const int i = int(CommonName.indexOf(name));
    if (i >= 0) {
        CommonValue[i] = value;
        return true;
    }
    if (name == QLatin1String("style")) {
        StyleStr = value;
        return true;
    }
    return false;
}

bool ElementMarkup::ApplyEventAttr(const QString& name, const QString& value, const TagDb& db)
{
    const QDomElement events = db.Section(QStringLiteral("event"));
    int k = 0;
    for (QDomElement e = events.firstChildElement(); !e.isNull() && k <= EventMax; e = e.nextSiblingElement()) {
        const int lx = TagDb::NumField(e, QStringLiteral("lx"));
        if (lx != 0 && lx != TagType)
            continue;
        if (TagDb::Field(e, QStringLiteral("name")).toLower().trimmed() == name) {
            EventName[k] = name;
            EventValue[k] = value;
            return true;
        }
        ++k;
    }
    return false;
}

void ElementMarkup::AddOtherAttr(const QString& name, const QString& value)
{
    // Kept from an edited tag, it replaces what the kind's set-up put into that slot (the form's method).
    const int slot = Kind ? Kind->SlotOf(name) : -1;
    if (slot >= 0 && slot < SlotValue.size())
        SlotValue[slot].clear();
    // An edited tag may carry more attributes than the 31 entries: they are kept, never dropped.
    while (OtherName.size() <= OtherCount) {
        OtherName.append(QString());
        OtherValue.append(QString());
    }
    OtherName[OtherCount] = name;
    OtherValue[OtherCount] = value;
    ++OtherCount;
}

void ElementMarkup::DropOtherAttr(const QString& name)
{
    for (int i = int(OtherName.size()) - 1; i >= 0; --i) {
        if (OtherName.at(i).compare(name, Qt::CaseInsensitive) != 0)
            continue;
        OtherName.removeAt(i);
        OtherValue.removeAt(i);
        OtherName.append(QString());
        OtherValue.append(QString());
        if (i < OtherCount)
            --OtherCount;
    }
}

void ElementMarkup::ApplyGenericAttr(const QString& name, const QString& value, const TagDb& db)
{
    if (!ApplyCommonAttr(name, value, db))
        AddOtherAttr(name, value);
}

bool ElementMarkup::AddLine()
{
    if (Lines.size() >= MaxLines)
        return false;
    Lines.append(NewLineText);
    return true;
}

int ElementMarkup::DeleteLine(int i)
{
    if (i < 0 || i >= Lines.size())
        return int(Lines.size()) - 1;
    Lines.removeAt(i);
    ItemValue.removeAt(i);
    ItemValue.append(QString());
    return int(Lines.size()) - 1;
}

QString ElementMarkup::BuildListContent(const QString& radioName, bool radioBreak)
{
    QString out;
    for (int i = 0; i < Lines.size(); ++i) {
        const QString& t = Lines.at(i);
        const QString v =
            ItemValue.at(i).isEmpty() ? QString() : QStringLiteral(" value=") + AttributeValue(ItemValue.at(i));
        switch (ListKind) {
        case ListMode::Options:
            out += QStringLiteral("<option") + v + QLatin1Char('>') + t;
            break;
        case ListMode::Radios:
            out += QStringLiteral("<input type=radio name=") + AttributeValue(radioName) + v + QLatin1Char('>') + t +
                   (radioBreak ? QStringLiteral("<br>") : QString());
            break;
        case ListMode::Bullets:
            if (ItemValue.at(i).isEmpty())
                ItemValue[i] = QStringLiteral("disc");
            out += QStringLiteral("<li type=") + AttributeValue(ItemValue.at(i)) + QLatin1Char('>') + t;
            break;
        case ListMode::Numbers:
            out += QStringLiteral("<li>") + t;
            break;
        case ListMode::Definitions:
            out += QStringLiteral("<dd>") + t;
            break;
        case ListMode::None:
            continue;
        }
        out += CrLf;
    }
    Content = out;
    return out;
}

QString ElementMarkup::NumericText(const QString& text, int minimum, int maximum)
{
    QString s;
    for (const QChar c : text)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            s += c;
    int p = 0;
    const int n = int(s.size());
    if (p < n && (s[p] == QLatin1Char('+') || s[p] == QLatin1Char('-')))
        ++p;
    int digits = 0;
    while (p < n && s[p].isDigit() && s[p].unicode() < 128) {
        ++p;
        ++digits;
    }
    if (p < n && s[p] == QLatin1Char('.')) {
        ++p;
        while (p < n && s[p].isDigit() && s[p].unicode() < 128) {
            ++p;
            ++digits;
        }
    }
    if (digits == 0)
        return QString::number(std::clamp(0, minimum, maximum));
    int end = p;
    if (p < n && (s[p] == QLatin1Char('e') || s[p] == QLatin1Char('E'))) {
        int q = p + 1;
        if (q < n && (s[q] == QLatin1Char('+') || s[q] == QLatin1Char('-')))
            ++q;
        const int expStart = q;
        while (q < n && s[q].isDigit() && s[q].unicode() < 128)
            ++q;
        if (q > expStart)
            end = q;
    }
    // Clamped as a double: 1e20 or 1e400 would overflow any integer (and the box would show "1e+20").
    const double v = std::trunc(s.left(end).toDouble());
    if (std::isnan(v))
        return QString::number(std::clamp(0, minimum, maximum));
    return QString::number(qint64(std::clamp(v, double(minimum), double(maximum))));
}

QString ElementMarkup::RuleWidth(const QString& text, bool percent)
{
    return text.trimmed() + (percent ? QStringLiteral("%") : QString());
}
