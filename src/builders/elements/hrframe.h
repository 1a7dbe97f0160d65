#pragma once
// The rule's hook: the width carries its unit, "%" while "百分比" is chosen, read whenever the width changes.

#include "builders/elements/fieldframe.h"

class HrFrame : public FieldFrame
{
    Q_OBJECT

public:
    HrFrame(ElementDialog* form, const ElementKind::Frame& frame);
    bool ApplyAttr(const QString& name, const QString& value) override;

protected:
    QString SlotText(const ElementField& field, const QString& text) const override;
};
