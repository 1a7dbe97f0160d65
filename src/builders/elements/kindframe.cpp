#include "builders/elements/kindframe.h"

#include "builders/elements/addhform.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

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

QLineEdit* KindFrame::AddText(QGridLayout* grid, int row, const QString& label, const QString& name, bool enter,
                              QLabel** labelOut)
{
    auto* caption = new QLabel(label, this);
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    caption->setBuddy(box);
    grid->addWidget(caption, row, 0);
    grid->addWidget(box, row, 1);
    if (enter)
        Form->EnterRefreshes(box);
    if (labelOut)
        *labelOut = caption;
    return box;
}

void KindFrame::BindSlot(QLineEdit* box, int slot)
{
    connect(box, &QLineEdit::textChanged, this, [this, slot](const QString& text) { M().SlotValue[slot] = text; });
}
