#pragma once
// The open and save dialogs of the program, with the filter index remembered between calls.

#include <QString>
#include <QStringList>

class QWidget;

enum class FileDialogMode
{
    Open,  // an existing file
    Save,  // a file to write, asked for by name
    Folder // an existing folder (the filter is not used)
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

// Asks through the prompts `owner` is attached to (UserPrompts) for a file, starting on the file type last chosen
// with that filter; returns the chosen full path or "" when cancelled.
QString FileDialog(QWidget* owner, FileDialogMode mode, const QString& title, const QString& defaultName,
                   const QString& filter, const QString& initialDir, const QString& defaultExt);
// The desktop's own dialog: the request's filterIndex is the type it starts on, `filterIndex` the one it ended on.
QString RunFileDialog(QWidget* owner, const FileDialogRequest& request, int& filterIndex);
// Qt name filters ("HTML 文件 (*.html *.htm)") from the program's NUL-separated form.
QStringList FileNameFilters(const QString& filter);
