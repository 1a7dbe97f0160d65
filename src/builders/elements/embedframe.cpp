#include "builders/elements/embedframe.h"

#include "base/formkit.h"
#include "base/uihelpers.h"
#include "builders/elements/elementmarkup.h"
#include "builders/elements/mediavalues.h"

#include <QAbstractButton>
#include <QLineEdit>

namespace {
const QString Loop = QStringLiteral("EmbedLoopOption");
const QString Count = QStringLiteral("NumText");
const QString Times = QStringLiteral("EmbedText");
constexpr int Endless = 0, Counted = 1; // the options "无数次" and "N次"

struct PlayTimeBoxes
{
    int First; // EmbedText index of the minutes
    const char* Attr;
};
constexpr PlayTimeBoxes PlayTimes[] = {{1, "starttime"}, {3, "endtime"}};
} // namespace

EmbedFrame::EmbedFrame(ElementDialog* form, const ElementKind::Frame& frame) : FieldFrame(form, frame)
{
    for (int i : {Endless, Counted})
        connect(Option(Loop, i), &QAbstractButton::clicked, this, [this, i] { ChooseLoop(i); });
    for (const PlayTimeBoxes& time : PlayTimes) {
        const QString attr = QString::fromLatin1(time.Attr);
        for (int box : {time.First, time.First + 1}) {
            // Connected after the box's own handler, so the text read is already the number.
            connect(Get<QLineEdit>(FormKit::Indexed(Times, box)), &QLineEdit::textChanged, this,
                    [this, time, attr] { WritePlayTime(time.First, attr); });
        }
    }
}

void EmbedFrame::ChooseLoop(int index)
{
    if (index == Endless)
        M().SetAttr(QStringLiteral("loop"), QStringLiteral("true"));
    // The count keeps the loop it wrote until it changes again.
    SetBoxEnabled(Get<QLineEdit>(Count), index == Counted);
    Refresh();
}

void EmbedFrame::WritePlayTime(int first, const QString& attr)
{
    M().SetAttr(attr, MediaValues::PlayTime(Get<QLineEdit>(FormKit::Indexed(Times, first))->text(),
                                            Get<QLineEdit>(FormKit::Indexed(Times, first + 1))->text()));
}

bool EmbedFrame::ApplyAttr(const QString& name, const QString& value)
{
    if (name == QLatin1String("loop")) {
        if (MediaValues::IsCount(value)) {
            Get<QLineEdit>(Count)->setText(value.trimmed());
            Option(Loop, Counted)->click();
            return true;
        }
        if (MediaValues::IsEndless(value)) {
            Option(Loop, Endless)->click();
            return true;
        }
        return false; // "false", say: no option stands for it, the tag keeps it
    }
    for (const PlayTimeBoxes& time : PlayTimes) {
        if (name != QLatin1String(time.Attr))
            continue;
        QString minutes, seconds;
        if (!MediaValues::SplitPlayTime(value, minutes, seconds))
            return false;
        Get<QLineEdit>(FormKit::Indexed(Times, time.First))->setText(minutes);
        Get<QLineEdit>(FormKit::Indexed(Times, time.First + 1))->setText(seconds);
        return true;
    }
    return FieldFrame::ApplyAttr(name, value);
}
