#include "base/userprompts.h"

#include <QFontDialog>
#include <QWidget>

namespace {
const char* const kPromptsProperty = "kestrelUserPrompts";
} // namespace

MsgAnswer UserPrompts::Show(QWidget* parent, const MessageRecord& box)
{
    return Messages::ShowBox(parent, box);
}

QString UserPrompts::Input(QWidget* parent, const MessageRecord& box, bool multiLine)
{
    return Messages::InputBox(parent, box, multiLine);
}

QString UserPrompts::ChooseFile(QWidget* owner, const FileDialogRequest& request, int& filterIndex)
{
    return RunFileDialog(owner, request, filterIndex);
}

bool UserPrompts::ChooseFont(QWidget* parent, QFont& font)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, parent, QStringLiteral("字体"));
    if (ok)
        font = chosen;
    return ok;
}

int UserPrompts::FilterIndexFor(const QString& filter)
{
    if (filter != lastFilter_) {
        lastFilter_ = filter;
        lastIndex_ = 1;
    }
    return lastIndex_;
}

void UserPrompts::Attach(QObject* window, UserPrompts* prompts)
{
    if (window && prompts)
        window->setProperty(kPromptsProperty, QVariant::fromValue(static_cast<void*>(prompts)));
}

UserPrompts& UserPrompts::For(const QObject* widget)
{
    for (const QObject* o = widget; o; o = o->parent()) {
        const QVariant attached = o->property(kPromptsProperty);
        if (attached.isValid())
            return *static_cast<UserPrompts*>(attached.value<void*>());
    }
    return Desktop();
}

UserPrompts& UserPrompts::Desktop()
{
    static UserPrompts desktop;
    return desktop;
}
