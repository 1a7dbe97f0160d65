#include "base/builderdialog.h"

#include "base/dialogbuttons.h"
#include "base/userprompts.h"

#include "base/browserview.h"

#include <QKeyEvent>
#include <QPushButton>

BuilderDialog::BuilderDialog(const BuilderContext& context, QWidget* parent) : QDialog(parent), context_(context)
{
    UserPrompts::Attach(this, context.Prompts);
}

BuilderDialog::BuilderDialog(QWidget* parent) : QDialog(parent) {}

const BuilderContext& BuilderDialog::Context() const
{
    Q_ASSERT_X(context_, "BuilderDialog::Context", "the dialog was made without a context");
    return *context_;
}

std::optional<QString> BuilderDialog::Run()
{
    if (!Confirm())
        return std::nullopt;
    return Result();
}

bool BuilderDialog::Confirm()
{
    return exec() == QDialog::Accepted;
}

int BuilderDialog::exec()
{
    EnsureLoaded();
    return QDialog::exec();
}

void BuilderDialog::setVisible(bool visible)
{
    if (visible) {
        EnsureLoaded();
        // A preview's engine comes before the dialog's window: coming later, it would have the window rebuilt
        // under the user's hands.
        for (BrowserView* view : findChildren<BrowserView*>())
            view->PrepareEngine();
    }
    QDialog::setVisible(visible);
    // After the button box has been shown: it makes its OK the default button then.
    if (visible && keepOpenOnEnter_)
        DialogButtons::NoDefault(this);
}

void BuilderDialog::EnsureLoaded()
{
    if (loaded_)
        return;
    loaded_ = true;
    Load();
}

void BuilderDialog::keyPressEvent(QKeyEvent* event)
{
    if (keepOpenOnEnter_ && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
