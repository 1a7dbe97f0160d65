#pragma once
// What the frame's commands depend on at a moment: whether there is a page, the active page's mode, and what it
// offers to work on.

struct CommandState
{
    bool page = false;       // a page is open
    bool readOnly = false;   // the active page is shown read-only for its long lines
    bool previewing = false; // the active page shows its preview
    bool undo = false;       // it has an edit to take back
    bool redo = false;       // and one to make again
    bool selection = false;  // text is selected in it
    bool clipboard = false;  // the clipboard holds text to paste
};
