// Every page effect of the shipped database, chosen in the effects dialog with its default parameters and inserted
// into the new page, runs in the embedded browser without a script error: the page the editor holds is written
// as it would be saved and shown, and the browser's console errors fail its row.

#include "base/browserview.h"
#include "base/scratchpage.h"
#include "browserplugin.h"
#include "builders/scripts/pageeffectdialog.h"
#include "modaldriver.h"
#include "pagewindowfixture.h"

#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>

class TestPageEffectsBrowser : public QObject
{
    Q_OBJECT

    PageWindowFixture f_;

private Q_SLOTS:
    void initTestCase()
    {
        f_.Start(true);
        // The picture parameters start in the program's picture folder: give the scratch program folder one.
        const QDir source(QStringLiteral(KESTREL_SOURCE_DIR "/data/qzimg"));
        QVERIFY(QDir(f_.dir->path()).mkpath(QStringLiteral("qzimg")));
        for (const QString& name : source.entryList(QDir::Files))
            QVERIFY(QFile::copy(source.filePath(name), f_.Path(QStringLiteral("qzimg/") + name)));
    }
    void cleanupTestCase() { f_.Stop(); }

    void noScriptError_data()
    {
        QTest::addColumn<int>("row");
        TagDb db;
        QCOMPARE(db.Load(QStringLiteral(KESTREL_BUILD_DIR "/data.xml")), TagDb::Loaded);
        const QDomElement javas1 = db.Section(QStringLiteral("javas1"));
        QVERIFY(db.EntryCount(javas1) > 0);
        for (int i = 0; i < db.EntryCount(javas1); ++i)
            QTest::newRow(qPrintable(TagDb::Field(db.Entry(javas1, i), QStringLiteral("txt")))) << i;
    }
    void noScriptError()
    {
        SKIP_WITHOUT_BROWSER();
        QFETCH(int, row);
        PageWindow* doc = f_.Active();
        PageWindowFixture::SetText(doc, PageWindow::NewPageTemplate(), 0);
        int seen = 0;
        OnNextModal<PageEffectDialog>(
            [row](PageEffectDialog* form) {
                form->EffectList->setCurrentRow(row);
                form->OkCommand->click();
            },
            &seen);
        f_.frame->RunCommand(Command::AddEffect);
        QCOMPARE(seen, 1);
        QString page = PageWindowFixture::Text(doc);
        QVERIFY(page != PageWindow::NewPageTemplate().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        page.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        const QString path = f_.Path(QStringLiteral("effect%1.html").arg(row));
        QVERIFY(ScratchPage::Write(path, page));

        BrowserView view;
        view.resize(800, 600);
        view.show();
        QStringList errors;
        connect(&view, &BrowserView::ConsoleMessage, this, [&errors](int level, const QString& message, int line) {
            if (level >= 2)
                errors << QStringLiteral("%1 (line %2)").arg(message).arg(line);
        });
        QSignalSpy loaded(&view, &BrowserView::LoadFinished);
        view.NavigateFile(path);
        QVERIFY(!view.EngineFailed());
        QVERIFY(loaded.wait(15000));
        QVERIFY(loaded.first().first().toBool());
        // Let the effect's timers and load handlers run a few rounds.
        QTest::qWait(400);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QStringLiteral(" | "))));
    }
};

QTEST_MAIN(TestPageEffectsBrowser)
#include "tst_pageeffectsbrowser.moc"
