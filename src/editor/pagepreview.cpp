#include "editor/pagepreview.h"

#include "base/browserview.h"
#include "base/messages.h"
#include "base/pagefile.h"
#include "base/previewjournal.h"
#include "editor/pageedit.h"
#include "editor/pagewindow.h"

#include <QFrame>
#include <QSplitter>

namespace {
void ShowSource(PageWindow& form)
{
    form.previewBrowser->hide();
    form.pageEdit->setEnabled(true);
    form.pageEdit->show();
    form.sourceSplitter->show();
    form.RowFrame->show();
    form.setFocusProxy(form.pageEdit);
    form.UpdatePreviewCommands();
    form.pageEdit->setFocus();
}

// The hidden source takes no key and no focus while the page is shown: the keyboard goes to the browser view.
void HideSource(PageWindow& form)
{
    form.HideCompletion();
    form.previewBrowser->show();
    form.setFocusProxy(form.previewBrowser);
    form.pageEdit->hide();
    form.pageEdit->setEnabled(false);
    form.sourceSplitter->hide();
    form.RowFrame->hide();
    form.UpdatePreviewCommands();
    form.previewBrowser->setFocus();
}
} // namespace

bool PagePreview::IsShown(const PageWindow& form)
{
    return !form.previewBrowser->isHidden();
}

void PagePreview::Toggle(PageWindow& form)
{
    if (IsShown(form)) {
        form.previewBrowser->hide();
        form.previewBrowser->NavigateBlank();
        ShowSource(form);
        return;
    }

    HideSource(form);
    switch (WriteFile(form)) {
    case Written::Ok:
        break;
    case Written::NotEncoded:
        // Nothing can be written, so there is no page to show.
        Messages::Show(&form, QStringLiteral("出现错误"));
        ShowSource(form);
        return;
    case Written::NotWritten:
        // The window stays in preview; the next preview command returns to the source.
        Messages::Show(&form, QStringLiteral("无法建立临时文件!!"));
        return;
    }

    form.previewBrowser->NavigateFile(form.PreviewFile());
    // The engine's view may only now be there to take the keyboard.
    if (form.previewBrowser->isVisible())
        form.previewBrowser->setFocus();
    if (form.previewBrowser->EngineFailed()) {
        Messages::Show(&form, QStringLiteral("出现一个小错误!"));
        ShowSource(form);
    }
}

PagePreview::Written PagePreview::WriteFile(PageWindow& form)
{
    // The preview file holds what a save would write, beside the page so that its relative addresses resolve.
    // A character the page's code page cannot hold is shown through a character reference, as a save may write it.
    bool encoded = true;
    QByteArray bytes;
    if (form.LongLinePage()) {
        // Its long lines are shown in pieces: the preview is the page as it was read.
        bytes = form.PageAsRead();
        encoded = !bytes.isEmpty();
    } else {
        PageEncoder encoder(form.Encoding(), form.pageEdit->document()->characterCount() * 2);
        encoder.WriteReferences(true);
        form.pageEdit->EncodeInto(encoder);
        encoded = encoder.Ok();
        bytes = encoder.Take();
    }
    if (!encoded)
        return Written::NotEncoded;
    const unsigned mode = PageFile::ModeOf(form.hasFile ? form.filePath : QString());
    if (!PageFile::WriteFresh(form.PreviewFile(), bytes, nullptr, mode))
        return Written::NotWritten;
    PreviewJournal::Program().Add(form.PreviewFile());
    return Written::Ok;
}
