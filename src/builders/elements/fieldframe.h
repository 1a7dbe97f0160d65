#pragma once
// The frame every ordinary element kind shows: built from the kind's field list, each field bound to its
// attribute by name, digits checked by a validator (typed or pasted), and, for an edited tag, each attribute put
// into the field that sets it. A kind whose behaviour no field describes derives from it and adds only that.

#include "builders/elements/elementkind.h"
#include "builders/elements/kindframe.h"

#include <QHash>

class QAbstractButton;
class QGridLayout;
class QLineEdit;

class FieldFrame : public KindFrame
{
    Q_OBJECT

public:
    FieldFrame(AddhForm* form, const ElementKind::Frame& frame);

    // Edit mode: the field that sets `name` takes the value; false when no field does, or when the value is one no
    // option stands for (it is then kept among the other attributes).
    bool ApplyAttr(const QString& name, const QString& value) override;

    const QList<ElementField>& Fields() const { return fields_; }
    // The control of the field of that name (an option group: its box); null for none.
    QWidget* Control(const QString& name) const { return controls_.value(name); }
    template <class T> T* Get(const QString& name) const { return qobject_cast<T*>(Control(name)); }
    // Option i of the option group of that name.
    QAbstractButton* Option(const QString& name, int i) const;

protected:
    // What a text field writes into its attribute for `text` (a kind may add a unit, say).
    virtual QString SlotText(const ElementField& field, const QString& text) const;
    // Writes a text field's text into its attribute.
    void WriteText(const ElementField& field, const QString& text);
    const ElementField* FieldNamed(const QString& name) const;
    // The generic pre-fill of one field.
    bool Prefill(const ElementField& field, const QString& name, const QString& value);

private:
    void AddField(QGridLayout* grid, int row, const ElementField& field);
    QLineEdit* AddTextField(QGridLayout* grid, int row, const ElementField& field);

    QList<ElementField> fields_;
    QHash<QString, QWidget*> controls_;
};
