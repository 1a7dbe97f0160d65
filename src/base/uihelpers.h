#pragma once
// Helpers the dialogs share for their boxes and lists.

#include <QString>

class QLineEdit;
class QPlainTextEdit;
class QFont;
class QWidget;

// Enabled: the box takes input on a white background; disabled: it refuses input on the grey of the window.
void SetBoxEnabled(QLineEdit* box, bool enabled);
void SetBoxEnabled(QPlainTextEdit* box, bool enabled);
// Focuses the box and selects its whole text.
void SelectAllInBox(QLineEdit* box);
// Open dialog titled "打开文件" with `filter`. It starts in `initialDir` when given, else in the page's folder
// `pageFolder` (a saved page's), else in the folder a file was last chosen from. The file chosen goes into the box
// as the page addresses it (PageAddress: relative to `pageFolder`, a file:/// address without one), and the
// dialogs' previews may show it.
void PickFileUrl(QLineEdit* box, const QString& filter, QWidget* owner, const QString& pageFolder = QString(),
                 const QString& initialDir = QString());
// The font dialog on `target`'s font; true and the font applied on OK. `failed` tells a dialog that could not be
// shown from a cancel.
bool ShowFontDialog(QWidget* target, bool* failed = nullptr);
