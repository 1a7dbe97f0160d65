#pragma once
// A script block: its language, and either the address of an existing script or the code itself.

#include <QString>

class ScriptBlock
{
public:
    enum Language : int
    {
        JavaScript = 0,
        VbScript = 1,
        Other = 2, // named by the user
    };

    QString ScriptLang = QStringLiteral("JavaScript");
    bool UseSrc = false;
    QString Src;  // the address, when UseSrc
    QString Code; // CR LF line breaks

    // The language written for option `language`; `typedName` is the name box's text for Other.
    static QString LanguageName(int language, const QString& typedName);
    // <script language="..." src="...">, an empty line, </script>; or the start tag, the code and the end tag.
    // Nothing is checked or escaped.
    QString Text() const;
};
