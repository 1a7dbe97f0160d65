#pragma once
// One entry of the command registry: what a menu entry, toolbar button and key of the main frame are made from.

#include "shell/command.h"

#include <QFlags>
#include <QKeySequence>
#include <QList>
#include <QString>

#include <functional>

class PageWindow;

struct CommandEntry
{
    enum Flag
    {
        NeedsPage = 0x1,       // does nothing without a page
        ChangesText = 0x2,     // edits the page's text
        ReadOnlyOk = 0x4,      // runs on a page shown read-only for its long lines
        PreviewOk = 0x8,       // runs while the page shows its preview
        NeedsUndo = 0x10,      // offered while the page has an edit to take back
        NeedsRedo = 0x20,      // offered while it has one to make again
        NeedsSelection = 0x40, // offered while text is selected
        NeedsClipboard = 0x80, // offered while the clipboard holds text
        Checkable = 0x100,     // carries a check mark that the command sets
        Switch = 0x200,        // a check mark that applies itself when it changes; run as a command it flips
    };
    Q_DECLARE_FLAGS(Flags, Flag)

    Command id = Command::NewPage;
    int argument = -1; // ReopenAs: the code page; InsertElement: the kind's place in ElementKind::All()
    QString key;       // the action's object name, and the name KESTREL_TEST_COMMANDS runs it by
    QString caption;
    QList<QKeySequence> keys; // the first is shown in the menus
    // Qt::WidgetShortcut: the page's text control takes these keys itself, and the menus only show them.
    Qt::ShortcutContext keyContext = Qt::WindowShortcut;
    Flags flags;
    std::function<void(PageWindow*)> run; // given the active page, null for a command that needs none
};
Q_DECLARE_OPERATORS_FOR_FLAGS(CommandEntry::Flags)
