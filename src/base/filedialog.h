#pragma once
// The open and save dialogs of the program, with the filter index remembered between calls.

#include <QString>

#include <functional>

class QWidget;

enum class FileDialogMode
{
    Open, // an existing file
    Save  // a file to write, asked for by name
};

struct FileDialogRequest
{
    FileDialogMode mode = FileDialogMode::Open;
    QString title;
    QString defaultName;
    QString filter; // "description" NUL "pattern" NUL ... as the program's filters are written
    QString initialDir;
    QString defaultExt;
    int filterIndex = 1; // one-based, the type the dialog starts on
};

// Shows the dialog; returns the chosen full path or "" when cancelled.
QString FileDialog(QWidget* owner, FileDialogMode mode, const QString& title, const QString& defaultName,
                   const QString& filter, const QString& initialDir, const QString& defaultExt);

class FileDialogHooks
{
public:
    // A test responder answers in place of the dialog: it returns the path ("" = cancel) and may set the
    // filter index the user "ended on".
    using Responder = std::function<QString(const FileDialogRequest& request, int& filterIndex)>;
    static void SetResponder(Responder responder);
    // Forgets the remembered filter (a fresh run).
    static void Reset();
    // Qt name filters ("HTML 文件 (*.html *.htm)") from the program's NUL-separated form.
    static QStringList NameFilters(const QString& filter);
};
