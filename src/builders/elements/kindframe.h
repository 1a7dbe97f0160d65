#pragma once
// One kind's group of fields in the element dialog. The dialog shows the frames its kind lists; each frame
// wires its controls to the kind's attribute slots and, for an edited tag, maps the tag's attributes onto its
// controls. A frame of a kind still to be built is a bare KindFrame that shows nothing.

#include <QFrame>

class AddhForm;
class ElementMarkup;
class QGridLayout;
class QLabel;
class QLineEdit;

class KindFrame : public QFrame
{
    Q_OBJECT

public:
    KindFrame(AddhForm* form, const QString& name);

    // The kind's own set-up, after the dialog has declared the kind's slots.
    virtual void Setup() {}
    // Edit mode: puts one attribute of the edited tag into the frame's controls. False when the attribute is not
    // one of the frame's (the dialog then keeps it as a common, event or other attribute).
    virtual bool ApplyAttr(const QString& name, const QString& value);

protected:
    ElementMarkup& M() const;
    void Refresh() const;
    // A label and a text box in row `row` of `grid`; Enter in the box refreshes the preview when `enter`.
    QLineEdit* AddText(QGridLayout* grid, int row, const QString& label, const QString& name, bool enter = true,
                       QLabel** labelOut = nullptr);
    // Text box change -> slot value.
    void BindSlot(QLineEdit* box, int slot);

    AddhForm* Form;
};
