#include "base/uihelpers.h"
#include "pagewindowfixture.h"
#include "shell/framesettings.h"
#include "shell/translations.h"

#include <QLibraryInfo>
#include <QMdiArea>
#include <QMenu>
#include <QScreen>
#include <QtTest>

// What the frame remembers between runs: two frames, one after the other, on one private settings file.
class TestFrameSettings : public QObject
{
    Q_OBJECT

    PageWindowFixture f_;

    // Closes the frame as the user would (saying No to every question) and starts another on the same settings.
    void Restart()
    {
        f_.answers = QList<MsgAnswer>(MainFrame::MaxDocuments, MsgAnswer::No);
        QVERIFY(f_.frame->close());
        f_.frame.reset();
        f_.frame = std::make_unique<MainFrame>(*f_.shared);
        f_.frame->show();
    }

private Q_SLOTS:
    void init() { f_.Start(false); }
    void cleanup()
    {
        f_.prompts->SetFontResponder(nullptr);
        f_.Stop();
    }

    void roundTrip_data()
    {
        QTest::addColumn<bool>("kept"); // a settings file is named
        QTest::newRow("kept in the settings file") << true;
        QTest::newRow("no settings file keeps nothing") << false;
    }
    void roundTrip()
    {
        QFETCH(bool, kept);
        if (!kept) {
            f_.frame.reset();
            f_.shared->SettingsFile.clear();
            f_.frame = std::make_unique<MainFrame>(*f_.shared);
            f_.frame->show();
        }
        MainFrame* frame = f_.frame.get();
        frame->RunCommand(Command::ToggleLineNumbers);
        frame->RunCommand(Command::ToggleSyntaxColouring);
        frame->RunCommand(Command::ToggleTabs);
        QVERIFY(!f_.shared->AutoCloseTags); // off at first
        frame->RunCommand(Command::ToggleAutoClose);
        QVERIFY(f_.shared->AutoCloseTags);
        f_.prompts->SetFontResponder([](QFont& font) {
            font.setPointSize(17);
            font.setItalic(true);
            return true;
        });
        frame->RunCommand(Command::ChooseFont);
        // Recent files: opened, saved under a name, newest first.
        for (const char* name : {"one.html", "two.html", "gone.html"})
            QVERIFY(f_.WriteFile(f_.Path(QString::fromLatin1(name)), "<p>"));
        for (const char* name : {"one.html", "two.html", "gone.html"})
            QVERIFY(frame->OpenPath(f_.Path(QString::fromLatin1(name))));
        f_.paths = {f_.Path(QStringLiteral("three.html"))};
        frame->Area->setActiveSubWindow(frame->Area->subWindowList().first());
        frame->RunCommand(Command::Save);
        frame->showNormal();
        frame->setGeometry(30, 40, 640, 480);
        const QSize size = frame->size();
        Restart();
        QFile::remove(f_.Path(QStringLiteral("gone.html")));

        frame = f_.frame.get();
        PageWindow* page = f_.Active();
        QCOMPARE(frame->Action(Command::ToggleLineNumbers)->isChecked(), !kept);
        QCOMPARE(page->pageEdit->LineNumbersShown(), !kept);
        QCOMPARE(frame->Action(Command::ToggleSyntaxColouring)->isChecked(), kept);
        QCOMPARE(page->pageEdit->Colouring() != nullptr, kept);
        QCOMPARE(frame->Area->viewMode(), kept ? QMdiArea::TabbedView : QMdiArea::SubWindowView);
        QCOMPARE(frame->Action(Command::ToggleAutoClose)->isChecked(), kept);
        QCOMPARE(f_.shared->AutoCloseTags, kept);
        QCOMPARE(page->pageEdit->font().pointSize() == 17 && page->pageEdit->font().italic(), kept);
        if (kept)
            QCOMPARE(frame->size(), size);
        const QStringList recent = {f_.Path(QStringLiteral("three.html")), f_.Path(QStringLiteral("gone.html")),
                                    f_.Path(QStringLiteral("two.html")), f_.Path(QStringLiteral("one.html"))};
        QCOMPARE(frame->RecentFiles(), kept ? recent : QStringList());
        if (!kept)
            return;
        // Showing the File menu drops the file that is gone; an entry opens its file.
        emit frame->MenuNamed(QStringLiteral("FileMenu"))->aboutToShow();
        QMenu* menu = frame->MenuNamed(QStringLiteral("RecentMenu"));
        QStringList entries;
        for (QAction* a : menu->actions())
            entries.append(a->text());
        QCOMPARE(entries, QStringList({"&1 " + recent.at(0), "&2 " + recent.at(2), "&3 " + recent.at(3)}));
        menu->actions().at(2)->trigger();
        QCOMPARE(f_.Active()->filePath, recent.at(3));
        QCOMPARE(frame->RecentFiles().first(), recent.at(3));
        QCOMPARE(FrameSettings(f_.shared->SettingsFile).RecentFiles().size(), 3);
    }

    void recentKeepsTen()
    {
        for (int i = 0; i < 12; ++i) {
            const QString path = f_.Path(QStringLiteral("p%1.html").arg(i));
            QVERIFY(f_.WriteFile(path, "x"));
            QVERIFY(f_.frame->OpenPath(path));
            f_.frame->RunCommand(Command::Close);
        }
        // The same file again moves to the top, it is not listed twice.
        QVERIFY(f_.frame->OpenPath(f_.Path(QStringLiteral("p5.html"))));
        const QStringList recent = f_.frame->RecentFiles();
        QCOMPARE(recent.size(), 10);
        QCOMPARE(recent.first(), f_.Path(QStringLiteral("p5.html")));
        QCOMPARE(recent.at(1), f_.Path(QStringLiteral("p11.html")));
        QCOMPARE(recent.count(f_.Path(QStringLiteral("p5.html"))), 1);
        QVERIFY(!recent.contains(f_.Path(QStringLiteral("p1.html"))));
    }

    void firstStartFitsTheScreen()
    {
        const QRect area = f_.frame->screen()->availableGeometry();
        QVERIFY2(area.contains(f_.frame->geometry()), qPrintable(QStringLiteral("%1x%2 in %3x%4")
                                                                     .arg(f_.frame->width())
                                                                     .arg(f_.frame->height())
                                                                     .arg(area.width())
                                                                     .arg(area.height())));
    }

    void standardDialogsSpeakChinese_data()
    {
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("chinese");
        QTest::newRow("file dialog folder") << "QFileDialog"
                                            << "Look in:"
                                            << "查找范围：";
        QTest::newRow("file dialog name") << "QFileDialog"
                                          << "File &name:"
                                          << "文件名称(&N)：";
        QTest::newRow("buttons") << "QPlatformTheme"
                                 << "Cancel"
                                 << "取消";
        QTest::newRow("font dialog") << "QFontDialog"
                                     << "&Font"
                                     << "字体(&F)";
    }
    void standardDialogsSpeakChinese()
    {
        QFETCH(QString, context);
        QFETCH(QString, english);
        QFETCH(QString, chinese);
        const QString catalogue = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_zh_CN.qm";
        if (!QFileInfo::exists(catalogue))
            QSKIP("Qt's Chinese translations are not installed (scripts/install-deps installs them)");
        static const bool installed = Translations::InstallQt(*QCoreApplication::instance());
        QVERIFY(installed);
        QCOMPARE(QCoreApplication::translate(context.toLatin1(), english.toUtf8()), chinese);
    }
};

QTEST_MAIN(TestFrameSettings)
#include "tst_framesettings.moc"
