#include "builders/elements/formframe.h"

#include "base/formkit.h"
#include "base/uihelpers.h"
#include "builders/elements/elementdialog.h"
#include "builders/elements/formbuttons.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {
const QString NewWindow = QStringLiteral("FCheck");
const QString WindowName = QStringLiteral("FText");
const QString Send = QStringLiteral("SendCheck");
} // namespace

FormFrame::FormFrame(ElementDialog* form, const ElementKind::Frame& frame) : FieldFrame(form, frame)
{
    connect(Get<QCheckBox>(NewWindow), &QCheckBox::clicked, this, &FormFrame::ToggleNewWindow);
    for (int i = 0; i < 2; ++i)
        connect(Get<QCheckBox>(FormKit::Indexed(Send, i)), &QCheckBox::clicked, this, &FormFrame::ChooseSendButtons);
}

void FormFrame::Setup()
{
    // The option chosen from the start is what the form is sent by.
    const ElementField* method = FieldNamed(QStringLiteral("MethodOption"));
    M().SetAttr(method->Attr, method->OptionValues.value(method->StartOption));
    Form->SetContentText(FormButtons::Content(true, true, true));
}

void FormFrame::ToggleNewWindow()
{
    auto* name = Get<QLineEdit>(WindowName);
    SetBoxEnabled(name, Get<QCheckBox>(NewWindow)->isChecked());
    name->clear();
    Refresh();
}

void FormFrame::ChooseSendButtons()
{
    Form->SetContentText(FormButtons::Content(Get<QCheckBox>(FormKit::Indexed(Send, 0))->isChecked(),
                                              Get<QCheckBox>(FormKit::Indexed(Send, 1))->isChecked(), false));
    Refresh();
}
