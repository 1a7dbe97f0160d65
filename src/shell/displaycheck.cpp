#include "shell/displaycheck.h"

#include <QStringList>

const QString DisplayCheck::NoDisplay =
    QStringLiteral("kestrel：没有图形显示（DISPLAY 和 WAYLAND_DISPLAY 都没有设置），Kestrel网页编辑无法打开窗口。");

bool DisplayCheck::Available(const QString& platform, const QProcessEnvironment& env)
{
    const QString named = platform.isEmpty() ? env.value(QStringLiteral("QT_QPA_PLATFORM")) : platform;
    // Qt tries the platforms of a ";" list in turn.
    const QStringList platforms = named.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (platforms.isEmpty())
        return !env.value(QStringLiteral("DISPLAY")).isEmpty() ||
               !env.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty();
    for (const QString& entry : platforms)
        if (PlatformAvailable(entry.section(QLatin1Char(':'), 0, 0).trimmed(), env))
            return true;
    return false;
}

bool DisplayCheck::PlatformAvailable(const QString& name, const QProcessEnvironment& env)
{
    if (name == QLatin1String("xcb"))
        return !env.value(QStringLiteral("DISPLAY")).isEmpty();
    if (name.startsWith(QLatin1String("wayland")))
        return !env.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty();
    // offscreen, minimal, vnc, linuxfb, eglfs and whatever else: Qt knows best.
    return !name.isEmpty();
}
