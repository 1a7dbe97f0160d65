#pragma once
// Whether the window system can be reached at all, asked before Qt is: without a display Qt ends the program
// with a long message about platform plugins; we say it in one line.

#include <QProcessEnvironment>
#include <QString>

class DisplayCheck
{
public:
    // What the program says on stderr before it ends with 1.
    static const QString NoDisplay;

    // With the platform given by -platform (`platform`, or empty) or else QT_QPA_PLATFORM: true when one of the
    // platforms named needs no display (offscreen, ...) or finds the one it needs (DISPLAY for xcb,
    // WAYLAND_DISPLAY for wayland), and for platforms this check does not know; with none named, when DISPLAY or
    // WAYLAND_DISPLAY is set.
    static bool Available(const QString& platform, const QProcessEnvironment& env);

private:
    static bool PlatformAvailable(const QString& name, const QProcessEnvironment& env);
};
