#pragma once
// One group of fields in the element dialog. The dialog shows the frames its kind lists; a frame writes its
// controls' values into the kind's attributes and, for an edited tag, puts the tag's attributes into its controls.
// A frame of a kind still to be built is a bare KindFrame that shows nothing.

#include <QFrame>

class ElementDialog;
class ElementMarkup;

class KindFrame : public QFrame
{
    Q_OBJECT

public:
    KindFrame(ElementDialog* form, const QString& name);

    // The kind's own set-up, after the dialog has declared the kind's slots.
    virtual void Setup() {}
    // Edit mode: puts one attribute of the edited tag into the frame's controls. False when the attribute is not
    // one of the frame's (the dialog then keeps it as a common, event or other attribute).
    virtual bool ApplyAttr(const QString& name, const QString& value);

protected:
    ElementMarkup& M() const;
    void Refresh() const;

    ElementDialog* Form;
};
