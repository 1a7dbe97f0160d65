#pragma once
// The media player's hook: "无数次" writes loop true and greys the count, "N次" opens the count; the start and end
// times are each written from a minutes and a seconds box as "m:s"; an edited tag's loop and times go back into
// those boxes.

#include "builders/elements/fieldframe.h"

class EmbedFrame : public FieldFrame
{
    Q_OBJECT

public:
    EmbedFrame(ElementDialog* form, const ElementKind::Frame& frame);
    bool ApplyAttr(const QString& name, const QString& value) override;

private:
    void ChooseLoop(int index);
    // Writes the play time of boxes `first` (minutes) and `first` + 1 (seconds) into `attr`.
    void WritePlayTime(int first, const QString& attr);
};
