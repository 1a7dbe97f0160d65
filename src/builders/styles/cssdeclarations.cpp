#include "builders/styles/cssdeclarations.h"

#include "base/helpers.h"
#include "builders/styles/cssblocks.h"
#include "tagdb/tagdb.h"

#include <QRegularExpression>

#include <algorithm>
#include <optional>

namespace {

// The option groups whose values come from style2, by the num of their entries.
const int kDbGroups[] = {CssDeclarations::FontStyle,      CssDeclarations::BackRepeat, CssDeclarations::BackAttachment,
                         CssDeclarations::TextDecoration, CssDeclarations::TextAlign,  CssDeclarations::Positioning,
                         CssDeclarations::Visibility,     CssDeclarations::BorderStyle};

// The groups whose values are fixed in the dialog.
QStringList FixedValues(int position)
{
    switch (position) {
    case CssDeclarations::Overflow:
        return {QStringLiteral("visible"), QStringLiteral("hidden"), QStringLiteral("scroll"), QStringLiteral("auto")};
    case CssDeclarations::Float:
        return {QStringLiteral("left"), QStringLiteral("right"), QStringLiteral("none")};
    case CssDeclarations::Display:
        return {QStringLiteral("block"), QStringLiteral("inline"), QStringLiteral("list-item"), QStringLiteral("none")};
    default:
        return {};
    }
}

// A background-image value that is not a bare address: written as it stands, never wrapped in url().
bool IsImageKeyword(const QString& value)
{
    const QString v = value.trimmed();
    static const QStringList keywords{QStringLiteral("none"), QStringLiteral("inherit"), QStringLiteral("initial"),
                                      QStringLiteral("unset")};
    // Brackets would not read back from inside url(): such a value is written as it stands.
    return keywords.contains(v) || v.contains(QLatin1Char('(')) || v.contains(QLatin1Char(')'));
}

// The text after the first "=" without its last character ("alpha(opacity=30)" gives "30").
QString AfterEquals(const QString& token)
{
    const qsizetype eq = token.indexOf(QLatin1Char('='));
    QString rest = token.mid(eq + 1);
    rest.chop(1);
    return rest;
}

int Clamp(int v, int max)
{
    return std::clamp(v, 0, max);
}

using Params = QList<std::pair<QString, QString>>;

// The name=value pairs inside a filter function's brackets ("glow(strength=5, color=red)"), names lowered; a value
// keeps its own brackets whole ("color=rgb(1,2,3)"). Nothing without brackets, with them left open or with text
// after them: the controls could not write such a token back.
std::optional<Params> NamedParams(const QString& token)
{
    const qsizetype open = token.indexOf(QLatin1Char('('));
    if (open < 0 || !CssBlocks::IsClosed(token) || CssBlocks::End(token, open) < token.size())
        return std::nullopt;
    Params out;
    for (const QString& piece :
         CssBlocks::Split(QStringView(token).mid(open + 1, token.size() - open - 2), QLatin1Char(','))) {
        const qsizetype eq = piece.indexOf(QLatin1Char('='));
        if (eq > 0)
            out.append({piece.left(eq).trimmed().toLower(), piece.mid(eq + 1).trimmed()});
    }
    return out;
}

} // namespace

void CssDeclarations::Load(const TagDb& db)
{
    const QDomElement style1 = db.Section(QStringLiteral("style1"));
    const QDomElement style2 = db.Section(QStringLiteral("style2"));
    const QDomElement cursor = db.Section(QStringLiteral("cursor"));
    CssNames = style1.isNull() ? QStringList() : db.FieldTexts(style1, QStringLiteral("name"));

    groups_.clear();
    labelValues_.clear();
    BorderLabels.clear();
    BorderValues.clear();
    if (!style2.isNull()) {
        for (const int num : kDbGroups) {
            QStringList values;
            const QList<int> entries = db.EntriesWithNumber(style2, QStringLiteral("num"), num);
            for (const int i : entries) {
                const QDomElement e = db.Entry(style2, i);
                values.append(TagDb::Field(e, QStringLiteral("values")));
                if (num == BorderStyle)
                    BorderLabels.append(TagDb::Field(e, QStringLiteral("txt")));
            }
            groups_.append({num, values});
        }
        BorderValues = GroupValues(BorderStyle);
        // A chosen label maps back through the first entry of the whole list with that label.
        for (const QString& label : std::as_const(BorderLabels)) {
            const int i = db.FindChildIndex(style2, label, QStringLiteral("txt"));
            labelValues_.append({label, TagDb::Field(db.Entry(style2, i), QStringLiteral("values"))});
        }
    }
    CursorLabels = cursor.isNull() ? QStringList() : db.FieldTexts(cursor, QStringLiteral("txt"));
    CursorNames = cursor.isNull() ? QStringList() : db.FieldTexts(cursor, QStringLiteral("name"));
    Clear();
}

void CssDeclarations::Clear()
{
    CssValues = QStringList();
    FilterParts = QStringList();
    EnsureSize();
    CssText.clear();
    FilterState = FilterControls();
    Unknown.clear();
    UnknownFilters.clear();
}

void CssDeclarations::EnsureSize()
{
    while (CssValues.size() < CssNames.size())
        CssValues.append(QString());
    while (FilterParts.size() < FilterPartCount)
        FilterParts.append(QString());
}

QStringList CssDeclarations::GroupValues(int position) const
{
    for (const auto& [num, values] : groups_)
        if (num == position)
            return values;
    return {};
}

// ---- Building

QString CssDeclarations::Build()
{
    QString out;
    // A declaration with an unclosed block ("url(a", "/* a") goes last, where it took the rest of the style it
    // was read from.
    QString last;
    const auto write = [&out, &last](const QString& text, const QString& value) {
        (CssBlocks::IsClosed(value) ? out : last) += text;
    };
    for (qsizetype k = 0; k < CssNames.size(); ++k) {
        const QString& value = CssValues.at(k);
        if (value.trimmed().isEmpty())
            continue;
        if (k == BackImage && !IsImageKeyword(value))
            // A blank would end the address inside url(); picked files may well have one in their name.
            write(CssNames.at(k) + QStringLiteral(":url(") +
                      QString(value).replace(QLatin1Char(' '), QLatin1String("%20")) + QStringLiteral(");"),
                  value);
        else
            write(CssNames.at(k) + QLatin1Char(':') + value + QLatin1Char(';'), value);
    }
    for (const Declaration& d : std::as_const(Unknown)) {
        if (!d.Value.trimmed().isEmpty())
            write(d.Name + QLatin1Char(':') + d.Value + QLatin1Char(';'), d.Value);
    }
    out += last;
    if (out.endsWith(QLatin1Char(';')))
        out.chop(1);
    CssText = out;
    return CssText;
}

QString CssDeclarations::PreviewPage(const QString& cssText, const QString& htmlTxt1, const QString& htmlTxt2)
{
    const QString styleAttr =
        cssText.trimmed().isEmpty() ? QString() : QStringLiteral(" style='") + cssText + QLatin1Char('\'');
    if (htmlTxt1.isEmpty() && htmlTxt2.isEmpty())
        return QStringLiteral("<html><body><div ") + styleAttr + QStringLiteral(">Kestrel网页编辑</div></body></html>");
    return QStringLiteral("<html><body>") + htmlTxt1 + styleAttr + QLatin1Char('>') + htmlTxt2 +
           QStringLiteral("</body></html>");
}

void CssDeclarations::BuildFilter()
{
    EnsureSize();
    const QStringList& p = FilterParts;
    QString f;
    if (!p[0].isEmpty())
        f += QStringLiteral(" alpha(Opacity=") + p[0] + QLatin1Char(')');
    for (int i = 1; i <= 4; ++i)
        if (!p[i].isEmpty())
            f += QLatin1Char(' ') + p[i];
    if (!p[5].isEmpty()) {
        f += QStringLiteral(" shadow(color=") + p[5];
        if (!p[6].isEmpty())
            f += QStringLiteral(",direction=") + p[6];
        if (!p[ShadowStrengthPart].isEmpty())
            f += QStringLiteral(",strength=") + p[ShadowStrengthPart];
        f += QLatin1Char(')');
    }
    if (!p[7].isEmpty()) {
        f += QStringLiteral(" glow(color=") + p[7];
        if (!p[8].isEmpty())
            f += QStringLiteral(",strength=") + p[8];
        f += QLatin1Char(')');
    }
    if (!p[9].isEmpty())
        f += QStringLiteral(" blur(add=true,direction=") + p[9] + QStringLiteral(",strength=") + p[10] +
             QLatin1Char(')');
    if (!p[11].isEmpty())
        f += QStringLiteral(" wave(add=true,freq=") + p[11] + QStringLiteral(",lightstrength=") + p[12] +
             QStringLiteral(",phase=") + p[13] + QStringLiteral(",strength=") + p[14] + QLatin1Char(')');
    for (const QString& token : std::as_const(UnknownFilters))
        f += QLatin1Char(' ') + token;
    SetValue(Filter, f);
}

// ---- Parsing

QString CssDeclarations::LowerStyle(const QString& text)
{
    QString out;
    out.reserve(text.size());
    qsizetype plain = 0; // start of the text not yet written
    for (qsizetype i = 0; i < text.size();) {
        // Only an address keeps its case: one inside a comment or a string is no address.
        const qsizetype end = CssBlocks::LeafEnd(text, i);
        if (end > i && CssBlocks::StartsUrl(text, i)) {
            out += text.mid(plain, i - plain).toLower() + QStringLiteral("url(") + text.mid(i + 4, end - i - 4);
            plain = end;
        }
        i = end > i ? end : i + 1;
    }
    out += text.mid(plain).toLower();
    return out;
}

QList<CssDeclarations::Declaration> CssDeclarations::Split(const QString& text)
{
    QList<Declaration> out;
    for (const QString& piece : CssBlocks::Split(text, QLatin1Char(';'))) {
        const qsizetype colon = CssBlocks::IndexOf(piece, QLatin1Char(':'));
        if (colon < 0)
            continue;
        // A comment before a name ("/* a; b:c */ height") belongs to no declaration.
        const QString name = CssBlocks::WithoutComments(QStringView(piece).left(colon)).trimmed();
        if (!name.isEmpty())
            out.append({name, piece.mid(colon + 1)});
    }
    return out;
}

void CssDeclarations::Parse(const QString& text)
{
    Clear();
    for (const Declaration& d : Split(text)) {
        const QString value = d.Value.trimmed();
        bool known = false;
        for (qsizetype k = 0; k < CssNames.size(); ++k) {
            if (CssNames.at(k) == d.Name) {
                CssValues[k] = value;
                known = true;
            }
        }
        if (known)
            continue;
        auto it = std::find_if(Unknown.begin(), Unknown.end(), [&](const Declaration& u) { return u.Name == d.Name; });
        if (it != Unknown.end())
            it->Value = value;
        else
            Unknown.append({d.Name, value});
    }

    // The values as the controls write them back once they are set.
    // The weight slider takes a plain number or the two keywords it can show; anything more ("bolder",
    // "700 !important") stays as the page wrote it.
    static const QRegularExpression plainWeight(QStringLiteral("^(\\d+|bold|normal)$"));
    if (plainWeight.match(Value(FontWeight)).hasMatch())
        SetValue(FontWeight, QString::number(BoldSlider()));
    const QString image = Value(BackImage);
    // Only a single url(...) is unwrapped; a list of images ("url(a.png), url(b.png)") stays as written.
    // The address as the text box shows it: building writes a blank as "%20" again.
    // Only an address that building wraps again is unwrapped ("url(none)", "url()" and brackets stay as written).
    if (image.startsWith(QLatin1String("url(")) && image.endsWith(QLatin1Char(')'))) {
        const QString address = image.mid(4, image.size() - 5).replace(QLatin1String("%20"), QLatin1String(" "));
        if (!address.trimmed().isEmpty() && !IsImageKeyword(address))
            SetValue(BackImage, address);
    }
    if (!Value(Filter).isEmpty())
        ParseFilter(Value(Filter));
}

void CssDeclarations::ParseFilter(const QString& value)
{
    EnsureSize();
    for (QString& part : FilterParts)
        part.clear();
    FilterState = FilterControls();
    UnknownFilters.clear();

    // Split at any blank that trimming a declaration drops (a tab too), outside brackets: a token never carries
    // one at its ends, and "shadow(color=red, direction=45)" stays one token.
    for (const QString& token : CssBlocks::Words(value)) {
        const QString head = token.left(5);
        const bool keyed = token.contains(QLatin1Char('='));
        bool read = true;
        if (head == QLatin1String("alpha") && keyed) {
            // Clamped before the subtraction: a huge negative opacity would overflow it.
            const int opacity = Clamp(LeadingNumber(AfterEquals(token)), AlphaMax);
            FilterState.Alpha = AlphaMax - opacity;
            FilterParts[0] = QString::number(100 - FilterState.Alpha);
        } else if (head == QLatin1String("fliph")) {
            SetFlip(0, true);
        } else if (head == QLatin1String("flipv")) {
            SetFlip(1, true);
        } else if (head == QLatin1String("gray(")) {
            SetFlip(2, true);
        } else if (head == QLatin1String("inver")) {
            SetFlip(3, true);
        } else if ((head == QLatin1String("shado") || head == QLatin1String("glow(")) && keyed) {
            read = ParseLight(token, head == QLatin1String("shado"));
        } else if ((head == QLatin1String("blur(") || head == QLatin1String("wave(")) && keyed) {
            read = ParseMotion(token, head == QLatin1String("blur("));
        } else {
            read = false;
        }
        if (!read)
            UnknownFilters.append(token);
    }
    BuildFilter();
}

bool CssDeclarations::ParseLight(const QString& token, bool shadow)
{
    const std::optional<Params> params = NamedParams(token);
    if (!params)
        return false;
    // Parameters by name, in any order: a page may well write direction before color.
    QString color;
    std::optional<int> direction, strength;
    for (const auto& [key, number] : *params) {
        if (key == QLatin1String("color"))
            color = number;
        else if (shadow && key == QLatin1String("direction"))
            direction = LeadingNumber(number);
        else if (key == QLatin1String("strength"))
            strength = LeadingNumber(number);
    }
    // Without a colour the dialog writes no shadow or glow at all: the function is kept as it was.
    if (color.isEmpty())
        return false;
    if (shadow) {
        FilterParts[ShadowColorPart] = color;
        if (direction)
            SetShadow(Clamp(*direction, ShadowMax));
        if (strength)
            FilterParts[ShadowStrengthPart] = QString::number(Clamp(*strength, ShadowStrengthMax));
    } else {
        FilterParts[GlowColorPart] = color;
        if (strength)
            SetGlow(Clamp(*strength, GlowMax));
    }
    return true;
}

bool CssDeclarations::ParseMotion(const QString& token, bool blur)
{
    const std::optional<Params> params = NamedParams(token);
    if (!params)
        return false;
    if (blur)
        SetBlur(true);
    else
        SetWave(true);
    static const QStringList waveKeys{QStringLiteral("freq"), QStringLiteral("lightstrength"), QStringLiteral("phase"),
                                      QStringLiteral("strength")};
    for (const auto& [key, value] : *params) {
        const int number = LeadingNumber(value);
        if (!blur) {
            const qsizetype i = waveKeys.indexOf(key);
            if (i >= 0)
                SetWaveValue(int(i), Clamp(number, WaveMax));
        } else if (key == QLatin1String("direction")) {
            SetBlurDirection(Clamp(number, BlurDirectionMax));
        } else if (key == QLatin1String("strength")) {
            SetBlurStrength(Clamp(number, BlurStrengthMax));
        }
    }
    return true;
}

// ---- What the controls show

int CssDeclarations::OptionIndex(int position) const
{
    const QString v = Value(position);
    if (v.isEmpty())
        return -1;
    const QStringList fixed = FixedValues(position);
    if (!fixed.isEmpty())
        return int(fixed.indexOf(v));
    const qsizetype i = GroupValues(position).indexOf(v);
    if (i < 0)
        return -1;
    return position == TextAlign ? int(i) + 1 : int(i);
}

int CssDeclarations::BorderStyleIndex(int side) const
{
    const QString v = Value(BorderStyle + side);
    return v.isEmpty() ? -1 : int(BorderValues.indexOf(v));
}

int CssDeclarations::CursorIndex() const
{
    const QString v = Value(Cursor).trimmed();
    return v.isEmpty() ? -1 : int(CursorNames.indexOf(v));
}

int CssDeclarations::BoldSlider() const
{
    const QString v = Value(FontWeight).trimmed();
    if (v == QLatin1String("bold"))
        return 700;
    if (v == QLatin1String("normal"))
        return 400;
    return std::clamp(LeadingNumber(v), int(BoldMin), int(BoldMax));
}

// ---- Handlers

void CssDeclarations::SetValue(int position, const QString& value)
{
    EnsureSize();
    if (position >= 0 && position < CssValues.size())
        CssValues[position] = value;
}

void CssDeclarations::ChooseOption(int position, int index)
{
    const QStringList fixed = FixedValues(position);
    if (!fixed.isEmpty()) {
        SetValue(position, fixed.value(index));
        return;
    }
    const QStringList values = GroupValues(position);
    switch (position) {
    case TextAlign:
        SetValue(position, index == 0 ? QString() : values.value(index - 1));
        break;
    case Visibility:
        SetValue(position, index == 3 ? QString() : values.value(index));
        break;
    case Positioning:
        SetValue(position, values.value(index));
        if (index == 2) {
            // Static placement: left and top mean nothing.
            SetValue(Left, QString());
            SetValue(Top, QString());
        }
        break;
    default:
        SetValue(position, values.value(index));
        break;
    }
}

void CssDeclarations::SetBold(int slider)
{
    SetValue(FontWeight, QString::number(slider));
}

void CssDeclarations::CancelBold()
{
    SetValue(FontWeight, QString());
}

void CssDeclarations::SetBackImage(const QString& text)
{
    SetValue(BackImage, text.trimmed());
}

void CssDeclarations::SetBorderStyle(int side, const QString& label)
{
    for (const auto& [l, value] : std::as_const(labelValues_)) {
        if (l == label) {
            SetValue(BorderStyle + side, value);
            return;
        }
    }
}

void CssDeclarations::SetCursor(int index)
{
    if (index >= 0 && index < CursorNames.size())
        SetValue(Cursor, CursorNames.at(index));
}

void CssDeclarations::SetZindex(const QString& text)
{
    SetValue(ZIndex, text.trimmed());
}

int CssDeclarations::StartBoxSize(int base, int side)
{
    if (side == AllSides) {
        for (int i = 0; i < AllSides; ++i)
            SetValue(base + i, QString());
    } else {
        SetValue(base + AllSides, QString());
    }
    return base + side;
}

void CssDeclarations::SetAlpha(int slider)
{
    EnsureSize();
    FilterState.Alpha = slider;
    FilterParts[0] = QString::number(100 - slider);
    BuildFilter();
}

void CssDeclarations::CancelAlpha()
{
    EnsureSize();
    FilterParts[0].clear();
    BuildFilter();
}

void CssDeclarations::SetFlip(int i, bool on)
{
    static const char* const names[] = {"fliph()", "flipv()", "gray()", "invert()"};
    if (i < 0 || i > 3)
        return;
    EnsureSize();
    FilterState.Flip[i] = on;
    FilterParts[i + 1] = on ? QString::fromLatin1(names[i]) : QString();
    BuildFilter();
}

void CssDeclarations::SetShadowColor(const QString& color)
{
    EnsureSize();
    FilterParts[ShadowColorPart] = color;
    BuildFilter();
}

void CssDeclarations::SetShadow(int direction)
{
    EnsureSize();
    FilterState.Shadow = direction;
    FilterParts[6] = QString::number(direction);
    BuildFilter();
}

void CssDeclarations::SetGlowColor(const QString& color)
{
    EnsureSize();
    FilterParts[GlowColorPart] = color;
    BuildFilter();
}

void CssDeclarations::SetGlow(int strength)
{
    EnsureSize();
    FilterState.Glow = strength;
    FilterParts[8] = QString::number(strength);
    BuildFilter();
}

void CssDeclarations::SetBlur(bool on)
{
    EnsureSize();
    FilterState.Blur = on;
    if (on) {
        FilterState.BlurDirection = 270;
        FilterState.BlurStrength = 5;
        FilterParts[9] = QStringLiteral("270");
        FilterParts[10] = QStringLiteral("5");
    } else {
        FilterState.BlurDirection = 0;
        FilterState.BlurStrength = 0;
        FilterParts[9].clear();
        FilterParts[10].clear();
    }
    BuildFilter();
}

void CssDeclarations::SetBlurDirection(int value)
{
    EnsureSize();
    FilterState.BlurDirection = value;
    FilterParts[9] = QString::number(value);
    BuildFilter();
}

void CssDeclarations::SetBlurStrength(int value)
{
    EnsureSize();
    FilterState.BlurStrength = value;
    FilterParts[10] = QString::number(value);
    BuildFilter();
}

void CssDeclarations::SetWave(bool on)
{
    EnsureSize();
    FilterState.Wave = on;
    if (on) {
        const int start[4] = {2, 10, 30, 10};
        for (int i = 0; i < 4; ++i) {
            FilterState.WaveValue[i] = start[i];
            FilterParts[11 + i] = QString::number(start[i]);
        }
    } else {
        for (int i = 0; i < 4; ++i)
            FilterParts[11 + i].clear();
    }
    BuildFilter();
}

void CssDeclarations::SetWaveValue(int i, int value)
{
    if (i < 0 || i > 3)
        return;
    EnsureSize();
    FilterState.WaveValue[i] = value;
    FilterParts[11 + i] = QString::number(value);
    BuildFilter();
}
