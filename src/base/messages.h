#pragma once
// Every message box and input box of the program goes through here, so that tests can script the answers
// and read what was asked.

#include <QString>
#include <QStringList>

#include <functional>

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
};

class Messages
{
public:
    static const QString ProgramTitle; // "Kestrel网页编辑"

    static MsgAnswer Show(QWidget* parent, const QString& text, const QString& title = ProgramTitle,
                          MsgButtons buttons = MsgButtons::Ok);
    // An input box; returns "" when cancelled (as the platform's input box does).
    static QString Input(QWidget* parent, const QString& prompt, const QString& title,
                         const QString& defaultText = QString(), bool multiLine = false);

    // Test hooks: a responder answers instead of a real box. For input boxes it returns the typed text
    // through `reply` and Ok or Cancel. Every box shown is recorded.
    using Responder = std::function<MsgAnswer(const MessageRecord& box, QString& reply)>;
    static void SetResponder(Responder responder);
    static QList<MessageRecord>& Record();
};
