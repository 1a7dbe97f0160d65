#include "builders/elements/linkframe.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QTimer>

namespace {
const QString Address = QStringLiteral("LinkText_0");
const QString Target = QStringLiteral("LinkText_1");
const QString NewWindow = QStringLiteral("LinkCheck1");
const QString Windows = QStringLiteral("LinkCombo");
} // namespace

LinkFrame::LinkFrame(ElementDialog* form, const ElementKind::Frame& frame) : FieldFrame(form, frame)
{
    Get<QLineEdit>(Address)->installEventFilter(this);
    connect(Get<QCheckBox>(NewWindow), &QCheckBox::clicked, this, &LinkFrame::ToggleNewWindow);
    auto* combo = Get<QComboBox>(Windows);
    connect(combo, &QComboBox::activated, this, &LinkFrame::ChooseTargetWindow);
    connect(combo->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { Get<QLineEdit>(Target)->setText(text); });
}

void LinkFrame::ToggleNewWindow()
{
    const bool on = Get<QCheckBox>(NewWindow)->isChecked();
    Get<QComboBox>(Windows)->setEnabled(on);
    if (!on)
        Get<QLineEdit>(Target)->clear();
    Refresh();
}

void LinkFrame::ChooseTargetWindow(int index)
{
    const QStringList& targets = FieldNamed(Windows)->OptionValues;
    if (index >= 0 && index < targets.size())
        Get<QLineEdit>(Target)->setText(targets.at(index));
}

bool LinkFrame::ApplyAttr(const QString& name, const QString& value)
{
    if (name != QLatin1String("target"))
        return FieldFrame::ApplyAttr(name, value);
    if (!Get<QCheckBox>(NewWindow)->isChecked())
        Get<QCheckBox>(NewWindow)->click();
    Get<QLineEdit>(Target)->setText(value);
    const int i = FieldNamed(Windows)->OptionFor(value);
    if (i >= 0) {
        Get<QComboBox>(Windows)->setCurrentIndex(i);
        ChooseTargetWindow(i);
    } else {
        Get<QComboBox>(Windows)->setEditText(value); // a named frame
    }
    return true;
}

bool LinkFrame::eventFilter(QObject* watched, QEvent* event)
{
    auto* address = Get<QLineEdit>(Address);
    if (watched == address && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, address, [address] { address->selectAll(); });
    return FieldFrame::eventFilter(watched, event);
}
