#pragma once
// The picture of the scrolling text: browsing for it adds the picture to the end of the moving content, which is
// markup from then on.

#include "builders/elements/fieldframe.h"

class AddImgFrame : public FieldFrame
{
    Q_OBJECT

public:
    using FieldFrame::FieldFrame;

protected:
    void Browsed(const ElementField& field, QLineEdit* box) override;
};
