#include "base/uihelpers.h"

#include "base/filedialog.h"
#include "base/userprompts.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QUrl>

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

void PickFileUrl(QLineEdit* box, const QString& filter, QWidget* owner, const QString& initialDir)
{
    const QString path =
        FileDialog(owner, FileDialogMode::Open, QStringLiteral("打开文件"), QString(), filter, initialDir, QString());
    if (!path.isEmpty())
        box->setText(QUrl::fromLocalFile(path).toString());
}

bool ShowFontDialog(QWidget* target, bool* failed)
{
    if (failed)
        *failed = false;
    QFont font = target->font();
    if (!UserPrompts::For(target).ChooseFont(target, font))
        return false;
    target->setFont(font);
    return true;
}
