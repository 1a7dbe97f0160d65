#pragma once
// Qt's own Chinese translations, so that the standard dialogs (open, save, font) speak the program's language.

class QCoreApplication;

class Translations
{
public:
    // Loads Qt's Simplified Chinese catalogue into the application; false when it is not installed.
    static bool InstallQt(QCoreApplication& app);
};
