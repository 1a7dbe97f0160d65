#pragma once
// The program's command line, read before anything of the window system is started: what to do, the pages to
// open and the lines to show them at, and the texts that answer --help, --version and a wrong option.
//
//   kestrel [-h|--help] [-v|--version] [--new-instance] [--] [+LINE] FILE[:LINE]...
//
// "+LINE" puts the next file at that line; "FILE:LINE" does the same when no file is named "FILE:LINE" as given.
// After "--" every argument is a file name. Qt's own options (-platform, -style, -session, ...) are taken
// and left to Qt.

#include "shell/pagerequest.h"

#include <QStringList>

class CommandLine
{
public:
    enum Action
    {
        Run,     // start the editor (or hand the pages to the one that runs)
        Help,    // print the usage, end with 0
        Version, // print the version, end with 0
        Refuse   // print what is wrong and the usage on stderr, end with 2
    };
    static constexpr int RefusedStatus = 2;

    // `arguments` as main() has them, the program first; relative names are taken in `folder`.
    static CommandLine Parse(const QStringList& arguments, const QString& folder);

    Action action = Run;
    PageRequests pages;
    bool newInstance = false;
    QString platform;     // Qt's -platform, when given
    QStringList unknown;  // the options not understood (Refuse)
    QString missingValue; // an option of Qt's given last, without its value (Refuse)

    // The texts printed, in Chinese or in English.
    static QString Usage(bool chinese);
    static QString VersionText(bool chinese);
    // What is wrong, then the usage.
    QString Refusal(bool chinese) const;

private:
    static PageRequest PageNamed(const QString& name, const QString& folder);
    void TakePositional(const QStringList& names, qsizetype afterSeparator, const QString& folder);
};
