#pragma once
// Prompts that answer from a test's script instead of showing boxes, and keep every message and input box asked.
// A test hands them to the windows it makes through ProgramState::Prompts or BuilderContext::Prompts.

#include "base/userprompts.h"

#include <QFont>
#include <QList>

#include <functional>

class ScriptedPrompts : public UserPrompts
{
public:
    // Answers a box; for an input box it returns the typed text through `reply` and Ok or Cancel.
    using Responder = std::function<MsgAnswer(const MessageRecord& box, QString& reply)>;
    // Returns the path ("" = cancel) and may set the file type the user "ended on".
    using FileResponder = std::function<QString(const FileDialogRequest& request, int& filterIndex)>;
    // Returns false for a cancelled font dialog.
    using FontResponder = std::function<bool(QFont& font)>;

    void SetResponder(Responder responder) { responder_ = std::move(responder); }
    void SetFileResponder(FileResponder responder) { file_ = std::move(responder); }
    void SetFontResponder(FontResponder responder) { font_ = std::move(responder); }
    QList<MessageRecord>& Record() { return record_; }
    const QList<MessageRecord>& Record() const { return record_; }

    // With no responder a box is answered as its default button would (Ok, else Cancel) and a dialog is cancelled:
    // a test never waits on a real box.
    MsgAnswer Show(QWidget*, const MessageRecord& box) override
    {
        record_.append(box);
        QString unused;
        if (responder_)
            return responder_(box, unused);
        return box.buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
    }
    QString Input(QWidget*, const MessageRecord& box, bool) override
    {
        record_.append(box);
        QString reply = box.defaultText;
        return responder_ && responder_(box, reply) == MsgAnswer::Ok ? reply : QString();
    }
    QString ChooseFile(QWidget*, const FileDialogRequest& request, int& filterIndex) override
    {
        return file_ ? file_(request, filterIndex) : QString();
    }
    bool ChooseFont(QWidget* parent, QFont& font) override
    {
        fontParent = parent;
        return font_ && font_(font);
    }
    QWidget* fontParent = nullptr; // what the last font dialog was to open over

private:
    Responder responder_;
    FileResponder file_;
    FontResponder font_;
    QList<MessageRecord> record_;
};
