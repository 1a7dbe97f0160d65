#pragma once
// Which frame class shows which of a kind's frames: the generic field frame unless the frame has a hook of its
// own. The list of hooks is the one place a kind with behaviour beyond its fields is wired in.

#include "builders/elements/elementkind.h"

class ElementDialog;
class KindFrame;

class ElementFrames
{
public:
    static KindFrame* Create(ElementDialog* form, const ElementKind::Frame& frame);
};
