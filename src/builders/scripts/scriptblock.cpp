#include "builders/scripts/scriptblock.h"

#include "base/helpers.h"

QString ScriptBlock::LanguageName(int language, const QString& typedName)
{
    switch (language) {
    case JavaScript:
        return QStringLiteral("JavaScript");
    case VbScript:
        return QStringLiteral("VbScript");
    default:
        return typedName;
    }
}

QString ScriptBlock::Text() const
{
    const QChar q(u'"');
    QString s = QStringLiteral("<script language=") + q + AttributeValue(ScriptLang) + q;
    if (UseSrc)
        s += QStringLiteral(" src=") + q + AttributeValue(Src) + q + QLatin1Char('>') + CrLf;
    else
        s += QLatin1Char('>') + CrLf + Code;
    return s + CrLf + QStringLiteral("</script>") + CrLf;
}
