#pragma once
// The bullets of an unordered list belong to its lines, not to the list: choosing a line in the list-line editor
// shows that line's bullet, and clicking a bullet gives it to the chosen line.

#include "builders/elements/fieldframe.h"

class SelectFrame;

class UlFrame : public FieldFrame
{
    Q_OBJECT

public:
    UlFrame(ElementDialog* form, const ElementKind::Frame& frame);
    void Setup() override;

    void ChooseBullet(int index);

private:
    void ShowLine(int line);

    SelectFrame* lines_ = nullptr;
};
