#include "editor/bodyscript.h"

namespace {

// The test the dialogs make on optional code: it sorts above a single blank.
bool AboveBlank(const QString& text)
{
    return text > QLatin1String(" ");
}

} // namespace

QString BodyScript::MergedTag(const QString& start, const AttributeList& attrs) const
{
    AttributeList tag = attrs;
    QString t = start;
    for (int j = 0; j < EventNames.size(); ++j) {
        const QString name = EventNames.at(j).trimmed();
        const QString code = EventCodes.value(j);
        if (name.isEmpty() || code.isEmpty())
            continue;
        // Parsed names are lower case; the effect's may not be.
        bool matched = false;
        for (auto& [attr, value] : tag) {
            if (attr.compare(name, Qt::CaseInsensitive) == 0) {
                value = code + QLatin1Char(';') + value;
                matched = true;
            }
        }
        if (!matched)
            t += QLatin1Char(' ') + name + QLatin1Char('=') + TagParser::Quoted(code);
    }
    bool hasOnload = false;
    for (auto& [attr, value] : tag) {
        if (attr == QLatin1String("onload")) {
            hasOnload = true;
            if (AboveBlank(LoadTxt))
                value = LoadTxt + QLatin1Char(';') + value;
        }
        if (!attr.isEmpty())
            t += QLatin1Char(' ') + attr + QLatin1Char('=') + TagParser::Quoted(value);
    }
    if (AboveBlank(LoadTxt) && !hasOnload)
        t += QStringLiteral(" onload=") + TagParser::Quoted(LoadTxt);
    return t + QLatin1Char('>');
}

QString BodyScript::Replacement(const QString& start, const AttributeList& attrs) const
{
    return MergedTag(start, attrs) + QStringLiteral("\r\n") + JavaTxt + QStringLiteral("\r\n");
}
