// Every test program finds the browser plugin in the build folder that ctest names (KESTREL_TEST_PLUGIN_DIR):
// the program itself looks only beside itself and in its private library folder.
#include "base/browserview.h"

#include <QCoreApplication>

static void AddTestPluginFolder()
{
    const QString folder = qEnvironmentVariable("KESTREL_TEST_PLUGIN_DIR");
    if (!folder.isEmpty())
        BrowserView::AddPluginFolder(folder);
}
Q_COREAPP_STARTUP_FUNCTION(AddTestPluginFolder)
