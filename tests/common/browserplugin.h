#pragma once
// The tests that need the real browser skip, saying why, where the browser plugin was not built or does not load;
// everything else about the browser view is tested without it.

#include "base/browserview.h"

#include <QFileInfo>
#include <QPluginLoader>
#include <QStringList>
#include <QtTest>

// Why the real browser cannot run here (the plugin is looked for where the view looks); "" when it can.
inline QString BrowserMissing()
{
    static const QString reason = []() -> QString {
        QStringList tried;
        for (const QString& folder : BrowserView::PluginFolders()) {
            const QString path = folder + QStringLiteral("/kestrel_browser.so");
            if (!QFileInfo::exists(path)) {
                tried.append(path + QStringLiteral(" is missing"));
                continue;
            }
            QPluginLoader loader(path);
            if (loader.load())
                return QString();
            tried.append(path + QStringLiteral(" does not load: ") + loader.errorString());
        }
        return QStringLiteral("needs the browser plugin (build target kestrel_browser): ") +
               tried.join(QStringLiteral("; "));
    }();
    return reason;
}

#define SKIP_WITHOUT_BROWSER()                                                                                         \
    do {                                                                                                               \
        if (!BrowserMissing().isEmpty())                                                                               \
            QSKIP(qPrintable(BrowserMissing()));                                                                       \
    } while (false)
