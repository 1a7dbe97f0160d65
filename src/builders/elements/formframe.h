#pragma once
// The form's hook: it is sent by "post" until "Get" is chosen, "开新的窗口" opens the window-name box, and the two
// button boxes rebuild the content the form starts with.

#include "builders/elements/fieldframe.h"

class FormFrame : public FieldFrame
{
    Q_OBJECT

public:
    FormFrame(ElementDialog* form, const ElementKind::Frame& frame);
    void Setup() override;

private:
    void ToggleNewWindow();
    void ChooseSendButtons();
};
