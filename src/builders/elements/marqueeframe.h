#pragma once
// The scrolling text's hook: "无数次" empties the loop and greys the count; unchecked, the count is the loop again.
// An edited tag's count unchecks "无数次".

#include "builders/elements/fieldframe.h"

class MarqueeFrame : public FieldFrame
{
    Q_OBJECT

public:
    MarqueeFrame(ElementDialog* form, const ElementKind::Frame& frame);
    bool ApplyAttr(const QString& name, const QString& value) override;

private:
    void ToggleEndless();
};
