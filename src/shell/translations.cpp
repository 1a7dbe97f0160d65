#include "shell/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QProcessEnvironment>
#include <QTranslator>

bool Translations::InstallQt(QCoreApplication& app)
{
    // Whatever the desktop's language, the program is Chinese: so are its file and font dialogs.
    auto* translator = new QTranslator(&app);
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    if (!translator->load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

bool Translations::ChineseWanted(const QProcessEnvironment& env)
{
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = env.value(QString::fromLatin1(name));
        if (!locale.isEmpty())
            break;
    }
    const bool plain = locale == QLatin1String("C") || locale.startsWith(QLatin1String("C.")) ||
                       locale == QLatin1String("POSIX");
    const QString language = env.value(QStringLiteral("LANGUAGE")).section(QLatin1Char(':'), 0, 0);
    const QString chosen = !language.isEmpty() && !plain ? language : locale;
    return chosen.startsWith(QLatin1String("zh"));
}
