#pragma once
// The commands of the main frame: its menus, its context menu, its toolbar and its keys run these.

enum class Command
{
    // File
    NewPage,
    OpenFile,
    OpenFolder,
    Save,
    SaveAs,
    ReopenAs, // one entry per code page (CodePages::All())
    Close,
    Exit,
    // Edit
    Undo,
    Redo,
    Cut,
    Copy,
    Paste,
    Delete,
    FindReplace,
    FindNext,
    FindPrevious,
    FindInFolder,
    ChooseFont,
    SelectAll,
    BigToGb,
    GbToBig,
    // Page settings
    EditBody,
    EditTag,
    LinkStyleSheet,
    EmbedStyleSheet,
    ExportStyleSheet,
    AutoRefresh,
    PageTransition,
    AddEffect,
    CheckPage,
    NextProblem,
    PreviousProblem,
    ToggleCheckWhileTyping,
    // Insert
    InsertElement, // one entry per element kind the Insert menu offers (ElementKind::All())
    InsertTable,
    InsertSubmitButton,
    InsertResetButton,
    InsertHiddenField,
    InsertAnchor,
    InsertPlainText,
    InsertLineBreak,
    InsertScript,
    InsertOtherElement,
    // Settings
    ToggleWordWrap,
    ToggleCompletion,
    ToggleLineNumbers,
    ToggleSyntaxColouring,
    ToggleAutoClose,
    ZoomIn,
    ZoomOut,
    ZoomReset,
    // Window
    ToggleTabs,
    NextPage,
    PreviousPage,
    SidePreview,
    ToggleSiteFiles,
    // Elsewhere: the menu bar, the context menu, the toolbar, Help
    Preview,
    AddColour,
    WrapInStyle,
    Help,
    About,
};
