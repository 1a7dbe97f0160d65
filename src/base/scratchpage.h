#pragma once
// Writes the dialogs' preview page (the scratch page file): GB18030 bytes, and never through a symbolic link
// that someone left at that name.

#include <QString>

class ScratchPage
{
public:
    // Replaces whatever is at `path` by a new file holding `html`; false when it cannot be written.
    static bool Write(const QString& path, const QString& html);
};
