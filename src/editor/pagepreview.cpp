#include "editor/pagepreview.h"

#include "base/browserview.h"
#include "base/messages.h"
#include "base/pagefile.h"
#include "base/previewjournal.h"
#include "editor/htmlform.h"
#include "editor/pageedit.h"

#include <QFrame>

namespace {
void ShowSource(htmlform& form)
{
    form.Web1->hide();
    form.text1->setEnabled(true);
    form.text1->show();
    form.RowFrame->show();
    form.setFocusProxy(form.text1);
    form.UpdatePreviewCommands();
    form.text1->setFocus();
}

// The hidden source takes no key and no focus while the page is shown: the keyboard goes to the browser view.
void HideSource(htmlform& form)
{
    form.SetYnFalse();
    form.Web1->show();
    form.setFocusProxy(form.Web1);
    form.text1->hide();
    form.text1->setEnabled(false);
    form.RowFrame->hide();
    form.UpdatePreviewCommands();
    form.Web1->setFocus();
}
} // namespace

bool PagePreview::IsShown(const htmlform& form)
{
    return !form.Web1->isHidden();
}

void PagePreview::ShowHtml(htmlform& form)
{
    if (IsShown(form)) {
        form.Web1->hide();
        form.Web1->NavigateBlank();
        ShowSource(form);
        return;
    }

    HideSource(form);

    // The preview file holds what a save would write, beside the page so that its relative addresses resolve.
    // A character the page's code page cannot hold is shown through a character reference, as a save may write it.
    bool encoded = true;
    QByteArray bytes;
    if (form.LongLinePage()) {
        // Its long lines are shown in pieces: the preview is the page as it was read.
        bytes = form.PageAsRead();
        encoded = !bytes.isEmpty();
    } else {
        PageEncoder encoder(form.Encoding(), form.text1->document()->characterCount() * 2);
        encoder.WriteReferences(true);
        form.text1->EncodeInto(encoder);
        encoded = encoder.Ok();
        bytes = encoder.Take();
    }
    if (!encoded) {
        // Nothing can be written, so there is no page to show.
        Messages::Show(&form, QStringLiteral("出现错误"));
        ShowSource(form);
        return;
    }
    const unsigned mode = PageFile::ModeOf(form.SavedYn ? form.Filename : QString());
    if (!PageFile::WriteFresh(form.PreviewFile(), bytes, nullptr, mode)) {
        // The window stays in preview; the next preview command returns to the source.
        Messages::Show(&form, QStringLiteral("无法建立临时文件!!"));
        return;
    }
    PreviewJournal::Program().Add(form.PreviewFile());

    form.Web1->NavigateFile(form.PreviewFile());
    // The engine's view may only now be there to take the keyboard.
    if (form.Web1->isVisible())
        form.Web1->setFocus();
    if (form.Web1->EngineFailed()) {
        Messages::Show(&form, QStringLiteral("出现一个小错误!"));
        ShowSource(form);
    }
}
