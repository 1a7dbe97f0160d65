#include "builders/elements/marqueeframe.h"

#include "base/uihelpers.h"
#include "builders/elements/elementmarkup.h"
#include "builders/elements/mediavalues.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {
const QString Count = QStringLiteral("MarText_0");
const QString Endless = QStringLiteral("MarNumCheck");
const QString Loop = QStringLiteral("loop");
} // namespace

MarqueeFrame::MarqueeFrame(ElementDialog* form, const ElementKind::Frame& frame) : FieldFrame(form, frame)
{
    connect(Get<QCheckBox>(Endless), &QCheckBox::clicked, this, &MarqueeFrame::ToggleEndless);
}

void MarqueeFrame::ToggleEndless()
{
    const bool endless = Get<QCheckBox>(Endless)->isChecked();
    auto* count = Get<QLineEdit>(Count);
    M().SetAttr(Loop, endless ? QString() : count->text());
    SetBoxEnabled(count, !endless);
    Refresh();
}

bool MarqueeFrame::ApplyAttr(const QString& name, const QString& value)
{
    if (name != Loop)
        return FieldFrame::ApplyAttr(name, value);
    if (!MediaValues::IsCount(value))
        return false; // -1, infinite: "无数次" shows it already, and the tag keeps its own word for it
    Get<QLineEdit>(Count)->setText(value.trimmed());
    if (Get<QCheckBox>(Endless)->isChecked())
        Get<QCheckBox>(Endless)->click();
    return true;
}
