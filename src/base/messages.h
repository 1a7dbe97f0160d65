#pragma once
// Every message box and input box of the program goes through here, and on through the prompts of the window
// that asks (UserPrompts), so that tests can script the answers and read what was asked.

#include <QString>
#include <QStringList>

class QWidget;

enum class MsgButtons
{
    Ok,
    OkCancel,
    YesNo,
    YesNoCancel
};
enum class MsgAnswer
{
    Ok,
    Cancel,
    Yes,
    No
};

struct MessageRecord
{
    QString text;
    QString title;
    MsgButtons buttons = MsgButtons::Ok;
    bool input = false;  // an input box rather than a message box
    QString defaultText; // input boxes only
    // An input box for a file's address: the file dialog's filter of its 浏览 button ("" for no button), and the
    // saved page's folder the address is relative to ("": a file:/// address).
    QString browseFilter;
    QString pageFolder;
};

class Messages
{
public:
    static const QString ProgramTitle; // "Kestrel网页编辑"

    // Asks through the prompts `parent` is attached to (UserPrompts::For).
    static MsgAnswer Show(QWidget* parent, const QString& text, const QString& title = ProgramTitle,
                          MsgButtons buttons = MsgButtons::Ok);
    // An input box; returns "" when cancelled (as the platform's input box does).
    static QString Input(QWidget* parent, const QString& prompt, const QString& title,
                         const QString& defaultText = QString(), bool multiLine = false);
    // An input box for a file's address, with a 浏览 button beside the box.
    static QString InputAddress(QWidget* parent, const QString& prompt, const QString& title, const QString& filter,
                                const QString& pageFolder);

    // The desktop's own boxes.
    static MsgAnswer ShowBox(QWidget* parent, const MessageRecord& box);
    static QString InputBox(QWidget* parent, const MessageRecord& box, bool multiLine);
};
