#include "builders/elements/kindframe.h"

#include "builders/elements/addhform.h"

KindFrame::KindFrame(AddhForm* form, const QString& name) : QFrame(form), Form(form)
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
    return Form->Markup;
}

void KindFrame::Refresh() const
{
    Form->RefreshPreview();
}
