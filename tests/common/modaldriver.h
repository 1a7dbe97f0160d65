#pragma once
// Drives the next modal dialog from inside its own event loop, and finds controls by name.
//
// OnNextModal<T>(act) runs `act` on the next modal dialog once it is up (a dialog already up when it was called is
// not the next one), then cancels whatever `act` left open, so a failing check never leaves a test waiting on a
// dialog. A dialog of another type fails the test at once, naming the dialog met, and is cancelled. The returned
// flag stops the waiting when a test expects no dialog at all; `seen` counts the dialogs acted on. RunDriven(dialog,
// act) does the same for a dialog the test made itself and hands back its result.

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>
#include <type_traits>

template <class T = QDialog>
std::shared_ptr<bool> OnNextModal(std::type_identity_t<std::function<void(T*)>> act, int* seen = nullptr)
{
    auto waiting = std::make_shared<bool>(true);
    auto attempt = std::make_shared<std::function<void(int)>>();
    const QPointer<QWidget> outer = QApplication::activeModalWidget();
    *attempt = [act, seen, waiting, attempt, outer](int left) {
        if (!*waiting)
            return;
        QPointer<QDialog> dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible() || dialog.data() == outer.data()) {
            if (left > 0)
                QTimer::singleShot(10, [attempt, left] { (*attempt)(left - 1); });
            else
                *attempt = nullptr;
            return;
        }
        *waiting = false;
        if (T* typed = qobject_cast<T*>(dialog.data())) {
            if (seen)
                ++*seen;
            act(typed);
        } else {
            const QString met = QStringLiteral("waited for a %1, met a %2 titled \"%3\"")
                                    .arg(QLatin1String(T::staticMetaObject.className()),
                                         QLatin1String(dialog->metaObject()->className()), dialog->windowTitle());
            QTest::qFail(qPrintable(met), __FILE__, __LINE__);
        }
        if (dialog && dialog->isVisible())
            dialog->reject();
        *attempt = nullptr; // breaks the cycle
    };
    QTimer::singleShot(0, [attempt] { (*attempt)(300); });
    return waiting;
}

// Runs `dialog` modally, doing `act` on it once it is up: what its Run() hands back.
template <class D> auto RunDriven(D& dialog, std::type_identity_t<std::function<void(D*)>> act)
{
    OnNextModal<D>(act);
    return dialog.Run();
}

// The control named `name` among the children of `parent`; a missing one is named before the test trips over it.
template <class T> T* Child(QWidget* parent, const QString& name)
{
    T* child = parent->findChild<T*>(name);
    if (!child)
        qWarning("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return child;
}
