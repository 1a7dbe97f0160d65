#include "builders/elements/ulframe.h"

#include "builders/elements/elementdialog.h"
#include "builders/elements/selectframe.h"

#include <QAbstractButton>
#include <QListWidget>

namespace {
const QString Bullets = QStringLiteral("UlOption");
}

UlFrame::UlFrame(ElementDialog* form, const ElementKind::Frame& frame) : FieldFrame(form, frame)
{
    const int count = int(FieldNamed(Bullets)->OptionCaptions.size());
    for (int i = 0; i < count; ++i)
        connect(Option(Bullets, i), &QAbstractButton::clicked, this, [this, i] { ChooseBullet(i); });
}

void UlFrame::Setup()
{
    lines_ = qobject_cast<SelectFrame*>(Form->Frame(QStringLiteral("SelectFrame")));
    if (lines_)
        connect(lines_, &SelectFrame::LineChosen, this, &UlFrame::ShowLine, Qt::UniqueConnection);
}

void UlFrame::ChooseBullet(int index)
{
    const int line = lines_ ? lines_->SelectList->currentRow() : -1;
    if (line >= 0 && line < ElementMarkup::MaxLines) {
        M().ItemValue[line] = FieldNamed(Bullets)->OptionValues.value(index);
        lines_->BuildListContent();
    }
    Refresh();
}

void UlFrame::ShowLine(int line)
{
    if (line < 0)
        return;
    // A line without a bullet yet shows the first, which it gets when the list is written.
    const int i = FieldNamed(Bullets)->OptionFor(M().ItemValue.value(line));
    Option(Bullets, i < 0 ? 0 : i)->setChecked(true);
}
