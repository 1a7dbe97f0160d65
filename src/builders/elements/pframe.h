#pragma once
// The text containers' fields (paragraph, span, block, preformatted text; also under the inline frame):
// direction, alignment and name.

#include "builders/elements/kindframe.h"

class QRadioButton;

class PFrame : public KindFrame
{
    Q_OBJECT

public:
    explicit PFrame(AddhForm* form);
    bool ApplyAttr(const QString& name, const QString& value) override;
    // name, dir and align of an edited tag; false for any other attribute.
    bool ApplyTextAttr(const QString& name, const QString& value);

    QRadioButton* DirOption[3] = {};
    QRadioButton* AlignOption[5] = {};
    QLineEdit* NameText = nullptr;
};
