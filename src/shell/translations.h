#pragma once
// Qt's own Chinese translations, so that the standard dialogs (open, save, font) speak the program's language;
// and the language of what the program prints in a terminal.

class QCoreApplication;
class QProcessEnvironment;

class Translations
{
public:
    // Loads Qt's Simplified Chinese catalogue into the application; false when it is not installed.
    static bool InstallQt(QCoreApplication& app);
    // Whether the user's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as gettext reads them) is Chinese: the
    // help and the version are printed in Chinese then, in English otherwise. LANGUAGE's first entry counts
    // unless the locale is set to C or POSIX.
    static bool ChineseWanted(const QProcessEnvironment& env);
};
