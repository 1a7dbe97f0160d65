#pragma once
// The protocol every builder dialog follows. It is made with what it needs (a BuilderContext for the dialogs that
// reach the database, the filters or the scratch page; nothing for the small pickers) and its inputs; Run() loads it
// once, shows it modally and hands back its result, or nothing when the user cancelled. A dialog whose result is
// more than one text has a Run() of its own that hands back its result struct (RunFor below).

#include "base/buildercontext.h"

#include <QDialog>

#include <optional>

class BuilderDialog : public QDialog
{
    Q_OBJECT

public:
    BuilderDialog(const BuilderContext& context, QWidget* parent);
    // A dialog that needs nothing from the running program.
    explicit BuilderDialog(QWidget* parent);

    // Loads (once), shows modally; the result after OK, nothing after Cancel or the close box.
    std::optional<QString> Run();
    // The same for dialogs whose results are several members: true after OK.
    bool Confirm();

    // Enter in a text box does what the box says (refreshes the preview...), never closes the dialog.
    bool KeepsOpenOnEnter() const { return keepOpenOnEnter_; }

    // Only for a dialog made with a context.
    const BuilderContext& Context() const;

    // exec() and show() load the dialog first too, so a dialog driven without Run() is set up the same way.
    int exec() override;
    // Loads, and starts its previews' engine, before the dialog takes its size and goes on screen (a show event comes
    // too late for either).
    void setVisible(bool visible) override;

protected:
    // Reads the inputs into the controls; runs once, before the dialog is first shown.
    virtual void Load() {}
    // What Run() hands back after OK.
    virtual QString Result() const { return QString(); }
    void EnsureLoaded();
    // Shows it modally like Run(): what `result` makes of the dialog after OK, nothing after Cancel or the close box.
    template <class Make> auto RunFor(Make result) -> std::optional<decltype(result())>
    {
        if (!Confirm())
            return std::nullopt;
        return result();
    }
    // Dialogs with many fields: Enter in a field never closes the dialog; on a button it presses the button. No
    // button looks like the default one then.
    void KeepOpenOnEnter() { keepOpenOnEnter_ = true; }
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::optional<BuilderContext> context_;
    bool loaded_ = false;
    bool keepOpenOnEnter_ = false;
};
