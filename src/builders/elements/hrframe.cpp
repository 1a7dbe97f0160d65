#include "builders/elements/hrframe.h"

#include "builders/elements/elementmarkup.h"

#include <QAbstractButton>
#include <QLineEdit>

namespace {
const QString Width = QStringLiteral("HrText_1");
const QString Unit = QStringLiteral("HrOption");
} // namespace

HrFrame::HrFrame(ElementDialog* form, const ElementKind::Frame& frame) : FieldFrame(form, frame) {}

QString HrFrame::SlotText(const ElementField& field, const QString& text) const
{
    if (field.Name != Width)
        return text;
    return ElementMarkup::RuleWidth(text, Option(Unit, 0)->isChecked());
}

bool HrFrame::ApplyAttr(const QString& name, const QString& value)
{
    if (name != QLatin1String("width"))
        return FieldFrame::ApplyAttr(name, value);
    const bool percent = value.trimmed().endsWith(QLatin1Char('%'));
    Option(Unit, percent ? 0 : 1)->setChecked(true);
    const ElementField& width = *FieldNamed(Width);
    auto* box = Get<QLineEdit>(Width);
    box->setText(ElementMarkup::NumericText(value, width.Minimum, width.Maximum));
    WriteText(width, box->text()); // the unit may have changed while the number did not
    return true;
}
