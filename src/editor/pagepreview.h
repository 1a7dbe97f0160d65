#pragma once
// A page window's preview: its text written to the window's preview file and shown in its browser view in place
// of the source.

class PageWindow;

class PagePreview
{
public:
    // Switches the preview on or off (the window's TogglePreview).
    static void Toggle(PageWindow& form);
    // The preview is shown exactly while the browser view is.
    static bool IsShown(const PageWindow& form);

    enum class Written
    {
        Ok,
        NotEncoded, // the text could not be turned into the page's bytes
        NotWritten, // the preview file could not be written
    };
    // Writes the window's text to its preview file as a save would write it (both previews show that file).
    static Written WriteFile(PageWindow& form);
};
