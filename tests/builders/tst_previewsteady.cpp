// Builder dialogs with a live preview stay where they opened, in the same native window, with the keyboard where the
// user put it, while the browser engine starts and loads their first preview. On a real display the engine draws
// through OpenGL, and an engine coming into a window made without it has Qt make the window again (ctest runs this
// under Xvfb too).

#include "base/browserview.h"
#include "base/previewpane.h"
#include "browserplugin.h"
#include "builders/elements/elementdialog.h"
#include "builders/scripts/elementeffectdialog.h"
#include "pagewindowfixture.h"

#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class TestPreviewSteady : public QObject
{
    Q_OBJECT

    PageWindowFixture f_;

    // Where the dialog opened: its native window and its place on the screen.
    struct Opened
    {
        WId window;
        QRect geometry;
    };

    static void Show(QDialog* d)
    {
        d->show();
        d->activateWindow();
        if (!QTest::qWaitForWindowActive(d))
            qWarning("the dialog did not become active");
        // A window manager may still place the window once it is mapped.
        QTest::qWait(300);
    }
    // Waits for the preview's first page, then a while longer for anything the engine does after it.
    static bool WaitForPreview(BrowserView* view, QSignalSpy& loaded)
    {
        if (loaded.isEmpty() && !loaded.wait(60000))
            return false;
        QTest::qWait(1000);
        return view->EngineLoaded();
    }
    // The dialog is where it opened, in the same window, with the keyboard in `focus`.
    static void Compare(QDialog* d, const Opened& opened, QWidget* focus)
    {
        QVERIFY2(d->winId() == opened.window, "the dialog's window was rebuilt");
        QCOMPARE(d->geometry(), opened.geometry);
        QCOMPARE(QApplication::focusWidget(), focus);
    }

private Q_SLOTS:
    void initTestCase() { f_.Start(true); }
    void cleanupTestCase() { f_.Stop(); }

    // Typed into the first field, Tab, the preview asked for: the keyboard stays in the second field.
    void elementDialog_data()
    {
        QTest::addColumn<QString>("htmlN");
        QTest::newRow("link") << "<a";
        QTest::newRow("image") << "<img";
        QTest::newRow("table settings") << "<table";
        QTest::newRow("marquee") << "<marquee";
    }
    void elementDialog()
    {
        SKIP_WITHOUT_BROWSER();
        QFETCH(QString, htmlN);
        ElementDialog d(f_.shared->Context(), {ElementDialog::Purpose::Insert, htmlN});
        Show(&d);
        const Opened opened{d.winId(), d.geometry()};
        QSignalSpy loaded(d.previewBrowser, &BrowserView::LoadFinished);
        QWidget* first = QApplication::focusWidget();
        QVERIFY(first && d.isAncestorOf(first));
        QTest::keyClicks(first, QStringLiteral("1"));
        QTest::keyClick(first, Qt::Key_Tab);
        QWidget* second = QApplication::focusWidget();
        QVERIFY(second && second != first);
        d.ShowCommand->click();
        QVERIFY(WaitForPreview(d.previewBrowser, loaded));
        Compare(&d, opened, second);
        if (QTest::currentTestFailed())
            return;
        // Tab goes on through the fields, never into the preview.
        QTest::keyClick(second, Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() && !d.Preview->isAncestorOf(QApplication::focusWidget()));
    }

    // A click chooses an effect and loads its preview; a second click aimed at the screen lands on the row aimed at.
    void effectPicker()
    {
        SKIP_WITHOUT_BROWSER();
        ElementEffectDialog d(f_.shared->Context(), {QStringLiteral("x"), QStringLiteral("<p id=x>x</p>")});
        Show(&d);
        QVERIFY(d.EffectList->count() > 4);
        QWidget* rows = d.EffectList->viewport();
        const QPoint aimed = rows->mapToGlobal(d.EffectList->visualItemRect(d.EffectList->item(4)).center());
        const Opened opened{d.winId(), d.geometry()};
        QSignalSpy loaded(d.Preview->View(), &BrowserView::LoadFinished);
        QTest::mouseClick(rows, Qt::LeftButton, {}, d.EffectList->visualItemRect(d.EffectList->item(1)).center());
        QCOMPARE(d.EffectList->currentRow(), 1);
        QVERIFY(WaitForPreview(d.Preview->View(), loaded));
        Compare(&d, opened, d.EffectList);
        if (QTest::currentTestFailed())
            return;
        QTest::mouseClick(rows, Qt::LeftButton, {}, rows->mapFromGlobal(aimed));
        QCOMPARE(d.EffectList->currentRow(), 4);
    }
};

QTEST_MAIN(TestPreviewSteady)
#include "tst_previewsteady.moc"
