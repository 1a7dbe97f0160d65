#include "builders/page/bodytag.h"

namespace {
const char* const kScroll[3] = {"yes", "no", "auto"};

QString Attribute(const QString& name, const QString& value)
{
    return QLatin1Char(' ') + name + QLatin1Char('=') + TagParser::Quoted(value);
}
} // namespace

BodyTag::BodyTag() : EventNames(EventMax + 1, QString()), EventCodes(EventMax + 1, QString()) {}

void BodyTag::Load(const AttributeList& attrs, const QStringList& events)
{
    *this = BodyTag();
    for (int i = 0; i < events.size() && i <= EventMax; ++i)
        EventNames[i] = events.at(i);
    for (const auto& [name, value] : attrs) {
        OtherNames.append(name);
        OtherValues.append(value);
    }
    for (int i = 0; i < OtherNames.size(); ++i) {
        const QString& name = OtherNames.at(i);
        const QString& value = OtherValues.at(i);
        if (name.isEmpty() || value.isEmpty())
            continue;
        if (name == QLatin1String("style"))
            BodyStyle = value;
        else if (name == QLatin1String("background"))
            Background = value;
        else if (name == QLatin1String("text"))
            BodyTextColor = value;
        else if (name == QLatin1String("bgcolor"))
            BodyBgColor = value;
        else if (name == QLatin1String("scroll"))
            BodyScroll = value.trimmed();
        else if (const int e = int(EventNames.indexOf(name)); e >= 0)
            EventCodes[e] = value;
        else
            continue;
        OtherValues[i].clear();
    }
}

QString BodyTag::BodyStr() const
{
    QString tag = QStringLiteral("<body ");
    for (int i = 0; i < OtherNames.size(); ++i)
        if (!OtherNames.at(i).isEmpty() && !OtherValues.at(i).isEmpty())
            tag += Attribute(OtherNames.at(i), OtherValues.at(i));
    if (!Background.trimmed().isEmpty())
        tag += Attribute(QStringLiteral("background"), Background);
    if (!BodyBgColor.isEmpty())
        tag += Attribute(QStringLiteral("bgcolor"), BodyBgColor);
    if (!BodyTextColor.isEmpty())
        tag += Attribute(QStringLiteral("text"), BodyTextColor);
    if (!BodyStyle.isEmpty())
        tag += Attribute(QStringLiteral("style"), BodyStyle);
    if (!BodyScroll.isEmpty())
        tag += Attribute(QStringLiteral("scroll"), BodyScroll);
    for (int i = 0; i <= EventMax; ++i)
        if (!EventNames.at(i).isEmpty() && !EventCodes.at(i).isEmpty())
            tag += Attribute(EventNames.at(i), EventCodes.at(i));
    return tag + QLatin1Char('>');
}

int BodyTag::ScrollIndex(const QString& value)
{
    // The page may have written the value in capitals; it is written back as it was.
    const QString v = value.trimmed().toLower();
    for (int i = 0; i < 3; ++i)
        if (v == QLatin1String(kScroll[i]))
            return i;
    return -1;
}

QString BodyTag::ScrollValue(int index)
{
    return index >= 0 && index < 3 ? QString::fromLatin1(kScroll[index]) : QString();
}
