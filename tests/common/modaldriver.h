#pragma once
// Drives the next modal dialog from inside its own event loop: `act` runs on it once it is up, and whatever
// `act` left open is then cancelled, so a failing check never leaves a test waiting on a dialog. The returned
// flag stops the waiting when a test expects no dialog at all.

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>

inline std::shared_ptr<bool> OnNextModal(std::function<void(QDialog*)> act, int* seen = nullptr)
{
    auto waiting = std::make_shared<bool>(true);
    auto attempt = std::make_shared<std::function<void(int)>>();
    *attempt = [act, seen, waiting, attempt](int left) {
        if (!*waiting)
            return;
        QPointer<QDialog> dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) {
            if (left > 0)
                QTimer::singleShot(10, [attempt, left] { (*attempt)(left - 1); });
            else
                *attempt = nullptr;
            return;
        }
        *waiting = false;
        if (seen)
            ++*seen;
        act(dialog);
        if (dialog && dialog->isVisible())
            dialog->reject();
        *attempt = nullptr; // breaks the cycle
    };
    QTimer::singleShot(0, [attempt] { (*attempt)(300); });
    return waiting;
}

template <class T> T* Child(QWidget* parent, const QString& name)
{
    return parent->findChild<T*>(name);
}
