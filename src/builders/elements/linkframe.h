#pragma once
// The link's hook: the target box is kept out of sight; "打开新的窗口" opens the window-name combo, whose choice or
// typed name becomes the target, and the address is selected whole when it gets the focus.

#include "builders/elements/fieldframe.h"

class LinkFrame : public FieldFrame
{
    Q_OBJECT

public:
    LinkFrame(ElementDialog* form, const ElementKind::Frame& frame);
    bool ApplyAttr(const QString& name, const QString& value) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ToggleNewWindow();
    void ChooseTargetWindow(int index);
};
