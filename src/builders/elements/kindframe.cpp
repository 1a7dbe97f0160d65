#include "builders/elements/kindframe.h"

#include "builders/elements/elementdialog.h"

KindFrame::KindFrame(ElementDialog* form, const QString& name) : QFrame(form), Form(form)
{
    setObjectName(name);
    hide();
}

bool KindFrame::ApplyAttr(const QString&, const QString&)
{
    return false;
}

ElementMarkup& KindFrame::M() const
{
    return Form->markup_;
}

void KindFrame::Refresh() const
{
    Form->RefreshPreview();
}
