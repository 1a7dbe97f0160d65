#include "editor/pagepreview.h"

#include "app/browserview.h"
#include "app/messages.h"
#include "editor/htmlform.h"
#include "editor/pageedit.h"
#include "editor/pagefile.h"

#include <QFrame>

namespace {
void ShowSource(htmlform& form)
{
    form.Web1->hide();
    form.text1->show();
    form.RowFrame->show();
    form.UpdatePreviewCommands();
    form.text1->setFocus();
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

    form.Web1->show();
    form.text1->hide();
    form.RowFrame->hide();
    form.UpdatePreviewCommands();

    // The preview file holds what a save would write, beside the page so that its relative addresses resolve.
    bool encoded = false;
    const QByteArray bytes = form.text1->EncodedText(form.Encoding(), &encoded);
    if (!encoded) {
        // Nothing can be written, so there is no page to show.
        Messages::Show(&form, QStringLiteral("出现错误"));
        ShowSource(form);
        return;
    }
    if (!PageFile::WriteFresh(form.PreviewFile(), bytes)) {
        // The window stays in preview; the next preview command returns to the source.
        Messages::Show(&form, QStringLiteral("无法建立临时文件!!"));
        return;
    }

    form.Web1->NavigateFile(form.PreviewFile());
    if (form.Web1->EngineFailed()) {
        Messages::Show(&form, QStringLiteral("出现一个小错误!"));
        ShowSource(form);
    }
}
