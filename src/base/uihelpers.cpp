#include "base/uihelpers.h"

#include "base/browserview.h"
#include "base/filedialog.h"
#include "base/pageaddress.h"
#include "base/userprompts.h"

#include <QFileInfo>
#include <QFontInfo>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

// A disabled box is drawn from the palette's disabled group, so that is where its grey must go; the style's
// "light" colour is white in some styles and would make the box look as if it took input.
void PaintBox(QWidget* box, bool enabled)
{
    QPalette pal = box->palette();
    const QColor grey = pal.color(QPalette::Disabled, QPalette::Window);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        pal.setColor(group, QPalette::Base, enabled ? QColor(Qt::white) : grey);
    pal.setColor(QPalette::Disabled, QPalette::Base, grey);
    box->setPalette(pal);
}
} // namespace

void SetBoxEnabled(QLineEdit* box, bool enabled)
{
    box->setEnabled(enabled);
    box->setReadOnly(!enabled);
    PaintBox(box, enabled);
}

void SetBoxEnabled(QPlainTextEdit* box, bool enabled)
{
    box->setEnabled(enabled);
    box->setReadOnly(!enabled);
    PaintBox(box, enabled);
}

void SelectAllInBox(QLineEdit* box)
{
    box->setFocus();
    box->setSelection(0, int(box->text().size()));
}

void PickFileUrl(QLineEdit* box, const QString& filter, QWidget* owner, const QString& pageFolder,
                 const QString& initialDir)
{
    UserPrompts& prompts = UserPrompts::For(owner);
    const QString start = !initialDir.isEmpty()   ? initialDir
                          : !pageFolder.isEmpty() ? pageFolder
                                                  : prompts.PickFolder();
    const QString path =
        FileDialog(owner, FileDialogMode::Open, QStringLiteral("打开文件"), QString(), filter, start, QString());
    if (path.isEmpty())
        return;
    prompts.KeepPickFolder(QFileInfo(path).absolutePath());
    const QString address = PageAddress::For(path, pageFolder);
    // A file:/// address shows in a preview as the file's path, which only a file chosen here is served by.
    if (pageFolder.isEmpty())
        BrowserView::ShareFile(path);
    box->setText(address);
}

bool ShowFontDialog(QWidget* target, bool* failed)
{
    if (failed)
        *failed = false;
    // The dialog lists installed families: it is given the one the text is drawn in, not the wish list asked for,
    // so that it opens on it. It opens over the target's window.
    QFont font = target->font();
    font.setFamilies({QFontInfo(font).family()});
    if (!UserPrompts::For(target).ChooseFont(target->window(), font))
        return false;
    target->setFont(font);
    return true;
}
