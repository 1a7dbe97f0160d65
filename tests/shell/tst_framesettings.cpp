#include "base/uihelpers.h"
#include "pagewindowfixture.h"
#include "shell/framesettings.h"
#include "shell/translations.h"

#include <QLibraryInfo>
#include <QMdiArea>
#include <QMenu>
#include <QScreen>
#include <QTextBlock>
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

    // A page opened again, in the next run too, comes back where it was left; a file that shrank meanwhile puts the
    // caret on what is left of it.
    void pageComesBackWhereItWasLeft_data()
    {
        QTest::addColumn<int>("linesAfter"); // the file's lines when it is opened again
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("askedLine"); // a line asked for when it is opened again (from 1), 0 for none
        QTest::newRow("same file") << 200 << 150 << 3 << 0;
        QTest::newRow("shrank to five lines") << 5 << 5 << 0 << 0; // past the last line break
        QTest::newRow("emptied") << 0 << 0 << 0 << 0;
        QTest::newRow("a line asked for wins") << 200 << 19 << 0 << 20;
    }
    void pageComesBackWhereItWasLeft()
    {
        QFETCH(int, linesAfter);
        QFETCH(int, line);
        QFETCH(int, column);
        QFETCH(int, askedLine);
        const QString path = f_.Path(QStringLiteral("long.html"));
        const auto lines = [](int n) {
            QByteArray text;
            for (int i = 0; i < n; ++i)
                text += "<p>" + QByteArray::number(i % 10) + "</p>\n";
            return text;
        };
        QVERIFY(f_.WriteFile(path, lines(200)));
        PageWindow* page = f_.frame->OpenPath(path);
        QVERIFY(page);
        QTextCursor c(page->pageEdit->document()->findBlockByNumber(150));
        c.setPosition(c.position() + 3);
        page->pageEdit->setTextCursor(c);
        page->pageEdit->ensureCursorVisible();
        QCoreApplication::processEvents();
        const int top = page->pageEdit->cursorForPosition(QPoint(0, 0)).blockNumber();
        QVERIFY(top > 0);
        f_.frame->RunCommand(Command::Close);
        Restart();
        QVERIFY(f_.WriteFile(path, lines(linesAfter)));
        page = askedLine > 0 ? f_.frame->OpenAt(PageRequest(path, askedLine)) : f_.frame->OpenPath(path);
        QVERIFY(page);
        QCoreApplication::processEvents();
        const QTextCursor caret = page->pageEdit->textCursor();
        QCOMPARE(caret.blockNumber(), line);
        QCOMPARE(caret.positionInBlock(), column);
        // The caret is on screen, whoever put it there.
        QVERIFY(page->pageEdit->viewport()->rect().contains(page->pageEdit->cursorRect().center()));
        if (linesAfter == 200 && askedLine == 0)
            QCOMPARE(page->pageEdit->cursorForPosition(QPoint(0, 0)).blockNumber(), top);
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
