#pragma once
// The boxes the program asks its user through: message boxes, input boxes, the open and save dialog and the font
// dialog. The running program asks on the desktop; a test hands its windows prompts that answer from a script.
//
// Which prompts a window uses travels with the context that builds it: ProgramState and BuilderContext carry them,
// the main frame, page windows and builder dialogs are attached to them, and a box asks through the prompts of
// the nearest attached window up its parent chain (the desktop's when none is attached).

#include "base/filedialog.h"
#include "base/messages.h"

#include <QFont>
#include <QString>

class QObject;
class QWidget;

class UserPrompts
{
public:
    UserPrompts() = default;
    virtual ~UserPrompts() = default;
    UserPrompts(const UserPrompts&) = delete;
    UserPrompts& operator=(const UserPrompts&) = delete;

    // A message box; the answer.
    virtual MsgAnswer Show(QWidget* parent, const MessageRecord& box);
    // An input box; the text typed, "" when cancelled.
    virtual QString Input(QWidget* parent, const MessageRecord& box, bool multiLine);
    // The open or save dialog; the chosen path, "" when cancelled. `filterIndex` (one-based) is the type the
    // dialog starts on and, after it, the type the user ended on.
    virtual QString ChooseFile(QWidget* owner, const FileDialogRequest& request, int& filterIndex);
    // The font dialog starting on `font`; false when cancelled.
    virtual bool ChooseFont(QWidget* parent, QFont& font);

    // The file type last chosen for a filter, so that the next dialog with that filter starts on it.
    int FilterIndexFor(const QString& filter);
    void KeepFilterIndex(int index) { lastIndex_ = index; }

    // The folder a file was last chosen from for a page (no folder of a page to start in): "" at first.
    QString PickFolder() const { return pickFolder_; }
    void KeepPickFolder(const QString& folder) { pickFolder_ = folder; }

    // `window` and the widgets under it ask through `prompts` (null: through whatever is above it).
    static void Attach(QObject* window, UserPrompts* prompts);
    static UserPrompts& For(const QObject* widget);
    // The desktop's boxes, for windows attached to no other prompts.
    static UserPrompts& Desktop();

private:
    QString lastFilter_;
    QString pickFolder_;
    int lastIndex_ = 0;
};
