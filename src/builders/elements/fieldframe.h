#pragma once
// The frame every ordinary element kind shows: built from the kind's field list, each field bound to its
// attribute by name, digits checked by a validator (typed or pasted), and, for an edited tag, each attribute put
// into the field that sets it. A kind whose behaviour no field describes derives from it and adds only that.

#include "builders/elements/elementkind.h"
#include "builders/elements/kindframe.h"

#include <QHash>

class QAbstractButton;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;

class FieldFrame : public KindFrame
{
    Q_OBJECT

public:
    FieldFrame(ElementDialog* form, const ElementKind::Frame& frame);

    // Edit mode: the field that sets `name` takes the value; false when no field does, or when the value is one no
    // option stands for (it is then kept among the other attributes).
    bool ApplyAttr(const QString& name, const QString& value) override;

    const QList<ElementField>& Fields() const { return fields_; }
    // The control of the field of that name (an option group: its box); null for none.
    QWidget* Control(const QString& name) const { return controls_.value(name); }
    template <class T> T* Get(const QString& name) const { return qobject_cast<T*>(Control(name)); }
    // The i-th option (from 0) of the option group of that name.
    QAbstractButton* Option(const QString& name, int i) const;

protected:
    // After a browse button put the chosen file into its box (or was cancelled): refreshes the preview.
    virtual void Browsed(const ElementField& field, QLineEdit* box);
    // What a text field writes into its attribute for `text` (a kind may add a unit, say).
    virtual QString SlotText(const ElementField& field, const QString& text) const;
    // Writes a text field's text into its attribute.
    void WriteText(const ElementField& field, const QString& text);
    const ElementField* FieldNamed(const QString& name) const;
    // The generic pre-fill of one field.
    bool Prefill(const ElementField& field, const QString& name, const QString& value);

private:
    void AddField(QGridLayout* grid, int row, const ElementField& field, bool opensLine);
    QLineEdit* AddTextField(QGridLayout* grid, int row, const ElementField& field, bool opensLine);
    // Puts a field's control on its row: alone, opening a row of several, or after the field before it. `captioned`:
    // the field's caption is a label beside the control (not its own text, as with check boxes and buttons).
    void Place(QGridLayout* grid, int row, const ElementField& field, QWidget* control, bool captioned, bool opensLine);

    QList<ElementField> fields_;
    QHash<QString, QWidget*> controls_;
    QHBoxLayout* line_ = nullptr; // the row of several fields being filled
    QGroupBox* group_ = nullptr;  // the option group a field may follow
};
