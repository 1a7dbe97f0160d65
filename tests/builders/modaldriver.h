#pragma once
// Drives the next modal dialog from inside its own event loop: `act` runs on it once it is shown, and whatever
// `act` left open is then cancelled, so a failing check never leaves a test waiting on a dialog.

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <functional>

inline void OnNextModal(std::function<void(QDialog*)> act, int* seen = nullptr)
{
    QTimer::singleShot(0, [act, seen] {
        QPointer<QDialog> dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        if (seen)
            ++*seen;
        act(dialog);
        if (dialog && dialog->isVisible())
            dialog->reject();
    });
}

template <class T>
T* Child(QWidget* parent, const QString& name)
{
    return parent->findChild<T*>(name);
}
