#pragma once
// The program's own icon: a kestrel in flight between the brackets of a tag, on the bird's rust colour.

#include <QIcon>
#include <QPixmap>

class ProgramIcon
{
public:
    // The sizes kept as pictures in the resources (and installed for the desktop entry).
    static constexpr int Sizes[] = {16, 24, 32, 48, 64, 128, 256};

    // The icon from the resources, every size.
    static QIcon Icon();
    // Draws the icon at `size` pixels square (what tools/make-icon writes into resources/icons/).
    static QPixmap Draw(int size);
};
