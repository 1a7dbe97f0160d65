#include "base/browserview.h"
#include "browserplugin.h"
#include "editor/finddialog.h"
#include "editor/longlines.h"
#include "editor/pagepreview.h"
#include "modaldriver.h"
#include "pagewindowfixture.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolBar>

#include <sys/stat.h>

class TestPagePreview : public QObject
{
    Q_OBJECT

    PageWindowFixture f_;

    bool EditingMenusEnabled() const
    {
        bool all = true, any = false;
        for (const char* menu : {"InsertMenu", "SetMenu", "EditMenu"}) {
            const bool on = f_.frame->MenuNamed(QString::fromLatin1(menu))->menuAction()->isEnabled();
            all = all && on;
            any = any || on;
        }
        if (all != any)
            qWarning("the editing menus disagree");
        return all;
    }
    QString PreviewCaption() const { return f_.frame->Action(Command::Preview)->text(); }
    // A command's entry in the page's context menu.
    QAction* ContextMenuEntry(Command command) const
    {
        const auto* menu = f_.frame->findChild<QMenu*>(QStringLiteral("SetMeMenu"));
        QAction* action = f_.frame->Action(command);
        return menu && menu->actions().contains(action) ? action : nullptr;
    }
    void Activate(PageWindow* doc)
    {
        for (QMdiSubWindow* w : f_.frame->Area->subWindowList()) {
            if (w->widget() == doc)
                f_.frame->Area->setActiveSubWindow(w);
        }
        QCOMPARE(f_.Active(), doc);
    }

    // Where the keyboard is: the frame is the active window, so keys go to its focus widget and shortcuts work.
    void MakeActive()
    {
        f_.frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f_.frame.get()));
    }
    // A key pressed as the user presses it: to the frame's window, which hands it to its focus widget.
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(f_.frame->windowHandle(), Qt::Key(key), modifiers);
    }
    static bool Within(const QWidget* outer, const QWidget* w) { return w && (w == outer || outer->isAncestorOf(w)); }

private Q_SLOTS:
    void init() { f_.Start(false); }
    void cleanup() { f_.Stop(); }

    void onAndOffKeepTheSource()
    {
        SKIP_WITHOUT_BROWSER();
        PageWindow* doc = f_.Active();
        const QString text = PageWindowFixture::Text(doc);
        doc->pageEdit->SetSelStart(40);
        QVERIFY(!doc->previewBrowser->EngineLoaded());
        f_.frame->RunCommand(Command::Preview);
        QVERIFY(PagePreview::IsShown(*doc));
        QVERIFY(doc->pageEdit->isHidden());
        QVERIFY(doc->RowFrame->isHidden());
        QVERIFY(!EditingMenusEnabled());
        QVERIFY(f_.frame->toolbar->isHidden());
        QCOMPARE(PreviewCaption(), QStringLiteral("关闭预览(&T)"));
        QVERIFY(f_.frame->Action(Command::Preview)->isEnabled());
        QCOMPARE(doc->previewBrowser->CurrentUrl(), QUrl::fromLocalFile(doc->PreviewFile()));
        QVERIFY(f_.prompts->Record().isEmpty());

        f_.frame->RunCommand(Command::Preview);
        QVERIFY(!PagePreview::IsShown(*doc));
        QVERIFY(!doc->pageEdit->isHidden());
        QVERIFY(!doc->RowFrame->isHidden());
        QCOMPARE(doc->previewBrowser->CurrentUrl().toString(), QStringLiteral("about:blank"));
        QVERIFY(EditingMenusEnabled());
        QVERIFY(!f_.frame->toolbar->isHidden());
        QCOMPARE(PreviewCaption(), QStringLiteral("预览(&T)"));
        QCOMPARE(PageWindowFixture::Text(doc), text);
        QCOMPARE(doc->pageEdit->textCursor().position(), 40);
        QCOMPARE(doc->ChangeCount(), 0);
        // The preview file stays until the next preview or the window's closing.
        QVERIFY(QFileInfo::exists(doc->PreviewFile()));
    }

    // The preview copy is readable by exactly those who may read the page; a new page's by its owner only.
    void previewFileHasThePagesMode_data()
    {
        QTest::addColumn<int>("pageMode");
        QTest::addColumn<int>("previewMode");
        QTest::newRow("owner-only page") << 0600 << 0600;
        QTest::newRow("group-readable page") << 0640 << 0640;
        QTest::newRow("new page") << -1 << 0600;
    }
    void previewFileHasThePagesMode()
    {
        SKIP_WITHOUT_BROWSER();
        QFETCH(int, pageMode);
        QFETCH(int, previewMode);
        PageWindow* doc = f_.Active();
        if (pageMode >= 0) {
            const QString page = f_.Path(QStringLiteral("own.html"));
            QVERIFY(f_.WriteFile(page, "<p>x</p>"));
            QCOMPARE(::chmod(QFile::encodeName(page).constData(), mode_t(pageMode)), 0);
            doc = f_.frame->OpenPath(page);
            QVERIFY(doc);
        }
        f_.frame->RunCommand(Command::Preview);
        QVERIFY(PagePreview::IsShown(*doc));
        struct stat st;
        QCOMPARE(::lstat(QFile::encodeName(doc->PreviewFile()).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 07777), previewMode);
        f_.frame->RunCommand(Command::Preview);
    }

    // While the preview shows, the hidden source takes no key and no editing command: the keyboard belongs to the
    // browser view, where the keys that move through a page scroll it.
    void sourceUntouchedWhilePreviewed_data()
    {
        QTest::addColumn<int>("key"); // pressed, or 0 for a command
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<Command>("command");
        QTest::addColumn<bool>("contextMenu"); // the command through its entry in the context menu
        QTest::addColumn<bool>("scrolls");
        const int none = int(Qt::NoModifier), ctrl = int(Qt::ControlModifier);
        const auto key = [=](const char* row, Qt::Key k, int mods, bool scrolls) {
            QTest::newRow(row) << int(k) << mods << Command::Preview << false << scrolls;
        };
        key("space", Qt::Key_Space, none, true);
        key("page down", Qt::Key_PageDown, none, true);
        key("arrow", Qt::Key_Down, none, true);
        key("letter", Qt::Key_A, none, false);
        key("enter", Qt::Key_Return, none, false);
        key("backspace", Qt::Key_Backspace, none, false);
        key("tab", Qt::Key_Tab, none, false);
        key("undo key", Qt::Key_Z, ctrl, false);
        key("find key", Qt::Key_F, ctrl, false);
        key("paste key", Qt::Key_V, ctrl, false);
        key("line break key", Qt::Key_Return, ctrl, false);
        key("colour key", Qt::Key_F5, none, false);
        const std::tuple<const char*, Command, bool> commands[] = {
            {"Undo", Command::Undo, false},
            {"Undo in the context menu", Command::Undo, true},
            {"FindReplace", Command::FindReplace, false},
            {"FindReplace in the context menu", Command::FindReplace, true},
            {"Paste", Command::Paste, false},
            {"SelectAll in the context menu", Command::SelectAll, true},
            {"InsertLineBreak", Command::InsertLineBreak, false},
            {"AddColour in the context menu", Command::AddColour, true},
            {"WrapInStyle", Command::WrapInStyle, false},
            {"AutoRefresh", Command::AutoRefresh, false},
            {"BigToGb", Command::BigToGb, false}};
        for (const auto& [row, command, contextMenu] : commands)
            QTest::newRow(row) << 0 << none << command << contextMenu << false;
    }
    void sourceUntouchedWhilePreviewed()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(Command, command);
        QFETCH(bool, contextMenu);
        QFETCH(bool, scrolls);
        PageWindow* doc = f_.Active();
        QString tall = QStringLiteral("<html><body>");
        for (int i = 0; i < 300; ++i)
            tall += QStringLiteral("<p>line %1</p>").arg(i);
        PageWindowFixture::SetText(doc, tall + QStringLiteral("</body></html>"), 6);
        QTest::keyClicks(doc->pageEdit, QStringLiteral("ab"));
        QApplication::clipboard()->setText(QStringLiteral("pasted"));
        const QString text = PageWindowFixture::Text(doc);
        const int changes = doc->ChangeCount();
        MakeActive();
        QSignalSpy loaded(doc->previewBrowser, &BrowserView::LoadFinished);
        f_.frame->RunCommand(Command::Preview);
        QVERIFY(Within(doc->previewBrowser, QApplication::focusWidget()));
        if (doc->previewBrowser->EngineLoaded())
            QVERIFY(loaded.wait(60000));

        int dialogs = 0;
        const auto waiting = OnNextModal([](QDialog*) {}, &dialogs);
        if (key)
            Press(key, Qt::KeyboardModifiers(modifiers));
        else if (contextMenu)
            ContextMenuEntry(command)->trigger();
        else
            f_.frame->RunCommand(command);
        *waiting = false;
        QCOMPARE(dialogs, 0);
        QVERIFY(!FindDialog::Instance());
        QVERIFY(f_.prompts->Record().isEmpty());
        QVERIFY(PagePreview::IsShown(*doc));
        if (scrolls && doc->previewBrowser->EngineLoaded())
            QTRY_VERIFY_WITH_TIMEOUT(doc->previewBrowser->ScrollPosition().y() > 0, 10000);

        f_.frame->RunCommand(Command::Preview);
        QCOMPARE(PageWindowFixture::Text(doc), text);
        QCOMPARE(doc->pageEdit->SelStart(), 8);
        QVERIFY(!doc->pageEdit->textCursor().hasSelection());
        QCOMPARE(doc->ChangeCount(), changes);
        QCOMPARE(QApplication::focusWidget(), doc->pageEdit);
    }

    // A find dialog left open on the page cannot find or replace in it while its preview shows.
    void findDialogRestsDuringPreview()
    {
        PageWindow* doc = f_.Active();
        PageWindowFixture::SetText(doc, QStringLiteral("<p>a a</p>"), 0);
        const int changes = doc->ChangeCount();
        FindDialog* find = FindDialog::Open(doc);
        find->FindText->setText(QStringLiteral("a"));
        find->ReplText->setText(QStringLiteral("X"));
        f_.frame->RunCommand(Command::Preview);
        for (QPushButton* b : {find->FindNextCom, find->ReplaceCom, find->Com})
            QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
        f_.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
        QTest::keyClick(find->FindText, Qt::Key_Return);
        find->FindNext();
        find->ReplaceNext();
        find->ReplaceAll();
        QCOMPARE(PageWindowFixture::Text(doc), QStringLiteral("<p>a a</p>"));
        QCOMPARE(doc->pageEdit->SelStart(), 0);
        QVERIFY(!doc->pageEdit->textCursor().hasSelection());
        QCOMPARE(doc->ChangeCount(), changes);
        QVERIFY(f_.prompts->Record().isEmpty());

        // Back in the source, the dialog works again.
        f_.frame->RunCommand(Command::Preview);
        for (QPushButton* b : {find->FindNextCom, find->ReplaceCom, find->Com})
            QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
        f_.answers = {MsgAnswer::Yes};
        find->ReplaceAll();
        QCOMPARE(PageWindowFixture::Text(doc), QStringLiteral("<p>X X</p>"));
        FindDialog::Unload();
    }

    // Alt+T, the key of the preview command on the menu bar, goes into the preview and out again, also when
    // the browser view holds the keyboard.
    void previewKeyBothWays_data()
    {
        QTest::addColumn<bool>("clickPage"); // the user clicked into the page before leaving
        // Under X11 the frame may not count as the active window once the engine's view has the keyboard, though
        // the keys still come to it: then the menu bar takes no shortcut.
        QTest::addColumn<bool>("frameInactive");
        QTest::newRow("straight back") << false << false;
        QTest::newRow("after a click into the page") << true << false;
        QTest::newRow("frame not counted active") << false << true;
    }
    void previewKeyBothWays()
    {
        QFETCH(bool, clickPage);
        QFETCH(bool, frameInactive);
        PageWindow* doc = f_.Active();
        const QString text = PageWindowFixture::Text(doc);
        MakeActive();
        QSignalSpy loaded(doc->previewBrowser, &BrowserView::LoadFinished);
        Press(Qt::Key_T, Qt::AltModifier);
        QVERIFY(PagePreview::IsShown(*doc));
        QCOMPARE(PreviewCaption(), QStringLiteral("关闭预览(&T)"));
        if (doc->previewBrowser->EngineLoaded())
            QVERIFY(loaded.wait(60000));
        if (clickPage) {
            QWidget* page = QApplication::focusWidget();
            QVERIFY(Within(doc->previewBrowser, page));
            QTest::mouseClick(page, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        }
        QVERIFY(Within(doc->previewBrowser, QApplication::focusWidget()));
        QWidget other;
        if (frameInactive) {
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
        }
        Press(Qt::Key_T, Qt::AltModifier);
        QVERIFY(!PagePreview::IsShown(*doc));
        QCOMPARE(PreviewCaption(), QStringLiteral("预览(&T)"));
        QCOMPARE(PageWindowFixture::Text(doc), text);
        QCOMPARE(doc->focusWidget(), doc->pageEdit);
        // And in once more.
        Press(Qt::Key_T, Qt::AltModifier);
        QVERIFY(PagePreview::IsShown(*doc));
    }

    void stateFollowsTheActiveWindow()
    {
        SKIP_WITHOUT_BROWSER();
        PageWindow* first = f_.Active();
        f_.frame->ToolButton(Command::Preview)->trigger();
        QVERIFY(PagePreview::IsShown(*first));
        f_.frame->RunCommand(Command::NewPage);
        PageWindow* second = f_.Active();
        QVERIFY(second != first);
        QVERIFY(EditingMenusEnabled());
        QVERIFY(!f_.frame->toolbar->isHidden());
        QCOMPARE(PreviewCaption(), QStringLiteral("预览(&T)"));
        Activate(first);
        QVERIFY(PagePreview::IsShown(*first));
        QVERIFY(!EditingMenusEnabled());
        QVERIFY(f_.frame->toolbar->isHidden());
        QCOMPARE(PreviewCaption(), QStringLiteral("关闭预览(&T)"));
        Activate(second);
        QVERIFY(!PagePreview::IsShown(*second));
        QVERIFY(EditingMenusEnabled());
        // The word-wrap mark is part of the same update.
        second->SetWordWrap(false);
        Activate(first);
        QVERIFY(f_.frame->Action(Command::ToggleWordWrap)->isChecked());
        Activate(second);
        QVERIFY(!f_.frame->Action(Command::ToggleWordWrap)->isChecked());
    }

    // The preview holds the bytes that saving the page writes.
    void previewFileBytes()
    {
        PageWindow* doc = f_.Active();
        PageWindowFixture::SetText(doc, doc->pageEdit->RawText() + QStringLiteral("\n<p>中文 & 𠀀</p>"), 0);
        f_.frame->RunCommand(Command::Preview);
        // A new page's preview goes into the folder new pages take.
        QCOMPARE(doc->PreviewFile(), f_.Path(QStringLiteral("qz78.html")));
        const QByteArray preview = PageWindowFixture::ReadFile(doc->PreviewFile());
        f_.paths = {f_.Path(QStringLiteral("page.html"))};
        f_.frame->RunCommand(Command::Save);
        QCOMPARE(preview, PageWindowFixture::ReadFile(f_.Path(QStringLiteral("page.html"))));
        QVERIFY(preview.startsWith("<html>\r\n<head>\r\n"));
        QVERIFY(preview.endsWith("</html>\r\n<p>\xD6\xD0\xCE\xC4 & \x95\x32\x82\x36</p>"));
    }

    void openedPageKeepsItsBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("gb2312 crlf") << QByteArray("<html>\r\n<body>\xD6\xD0</body>\r\n</html>\r\n");
        QTest::newRow("utf-8 lf") << QByteArray(
            "<html>\n<head><meta charset=utf-8></head>\n<body>\xE4\xB8\xAD</body>\n");
        QTest::newRow("utf-8 bom") << QByteArray("\xEF\xBB\xBF<p>\xE4\xB8\xAD</p>");
        // Shown read-only in pieces; the preview has the line whole.
        QTest::newRow("line too long to edit")
            << QByteArray("<p title=\"") + QByteArray(LongLines::Threshold, 'a') + QByteArray("\xD6\xD0\">\r\n");
        QTest::newRow("big5") << QByteArray("<p>\xB3\x6F\xAC\x4F\xA4\x40\xAD\xD3\xC1\x63\xC5\xE9\xA4\xA4\xA4\xE5\xAA"
                                            "\xBA\xBA\xF4\xAD\xB6\xA1\x41\xA7\xDA\xAD\xCC\xA5\xCE\xA8\xD3</p>\r\n");
    }
    void openedPageKeepsItsBytes()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(QDir(f_.dir->path()).mkdir(QStringLiteral("site")));
        const QString page = f_.Path(QStringLiteral("site/index.html"));
        QVERIFY(PageWindowFixture::WriteFile(page, bytes));
        PageWindow* doc = f_.frame->OpenPath(page);
        QVERIFY(doc);
        f_.frame->RunCommand(Command::Preview);
        // Beside the page, so that "img/a.gif" and style sheets resolve from the page's folder.
        QCOMPARE(doc->PreviewFile(), f_.Path(QStringLiteral("site/qz78.html")));
        QCOMPARE(PageWindowFixture::ReadFile(doc->PreviewFile()), bytes);
    }

    void otherProgramsFileLeftAlone()
    {
        QVERIFY(PageWindowFixture::WriteFile(f_.Path(QStringLiteral("qz78.html")), "theirs"));
        f_.frame->RunCommand(Command::NewPage);
        PageWindow* doc = f_.Active();
        QCOMPARE(doc->PreviewFile(), f_.Path(QStringLiteral("qz781.html")));
        f_.frame->RunCommand(Command::Preview);
        QCOMPARE(PageWindowFixture::ReadFile(f_.Path(QStringLiteral("qz78.html"))), QByteArray("theirs"));
        QVERIFY(PageWindowFixture::ReadFile(doc->PreviewFile()).startsWith("<html>"));
    }

    // Each window's preview file is its own, also before either has been written.
    void previewNamesOfOpenWindows_data()
    {
        QTest::addColumn<QString>("second"); // how the second window comes into the first one's folder
        QTest::newRow("new page") << "new";
        QTest::newRow("page opened there") << "opened";
        QTest::newRow("page saved there") << "saved";
    }
    void previewNamesOfOpenWindows()
    {
        QFETCH(QString, second);
        PageWindow* first = f_.Active();
        PageWindow* other = nullptr;
        if (second == QLatin1String("new")) {
            f_.frame->RunCommand(Command::NewPage);
            other = f_.Active();
        } else if (second == QLatin1String("opened")) {
            QVERIFY(PageWindowFixture::WriteFile(f_.Path(QStringLiteral("b.html")), "<p>b</p>"));
            other = f_.frame->OpenPath(f_.Path(QStringLiteral("b.html")));
        } else {
            QVERIFY(QDir(f_.dir->path()).mkdir(QStringLiteral("elsewhere")));
            QVERIFY(PageWindowFixture::WriteFile(f_.Path(QStringLiteral("elsewhere/b.html")), "<p>b</p>"));
            other = f_.frame->OpenPath(f_.Path(QStringLiteral("elsewhere/b.html")));
            f_.paths = {f_.Path(QStringLiteral("b.html"))};
            f_.frame->RunCommand(Command::SaveAs);
            QCOMPARE(other->folder, f_.shared->lastFolder);
        }
        QVERIFY(other);
        QCOMPARE(first->PreviewFile(), f_.Path(QStringLiteral("qz78.html")));
        QCOMPARE(other->PreviewFile(), f_.Path(QStringLiteral("qz781.html")));

        // Both previewed: each file holds its own page.
        f_.frame->RunCommand(Command::Preview);
        Activate(first);
        PageWindowFixture::SetText(first, QStringLiteral("<p>first</p>"), 0);
        f_.frame->RunCommand(Command::Preview);
        QCOMPARE(PageWindowFixture::ReadFile(first->PreviewFile()), QByteArray("<p>first</p>"));
        const QByteArray shown = PageWindowFixture::ReadFile(other->PreviewFile());
        QVERIFY(!shown.contains("first"));
        // Closing one leaves the file the other still shows.
        f_.answers = {MsgAnswer::No};
        f_.frame->RunCommand(Command::Close);
        QCOMPARE(f_.frame->openPageCount, 1);
        QVERIFY(!QFileInfo::exists(f_.Path(QStringLiteral("qz78.html"))));
        QCOMPARE(PageWindowFixture::ReadFile(other->PreviewFile()), shown);
    }

    // A link that turns up at the preview's name after the window chose it is replaced, not written through.
    void linkAtThePreviewName()
    {
        PageWindow* doc = f_.Active();
        const QString victim = f_.Path(QStringLiteral("victim.html"));
        QVERIFY(PageWindowFixture::WriteFile(victim, "keep me"));
        QVERIFY(QFile::link(victim, doc->PreviewFile()));
        f_.frame->RunCommand(Command::Preview);
        QCOMPARE(PageWindowFixture::ReadFile(victim), QByteArray("keep me"));
        QVERIFY(!QFileInfo(doc->PreviewFile()).isSymLink());
        QVERIFY(PageWindowFixture::ReadFile(doc->PreviewFile()).startsWith("<html>"));
        // A dangling link: nothing is created where it points.
        f_.frame->RunCommand(Command::Preview);
        QVERIFY(QFile::remove(doc->PreviewFile()));
        const QString nowhere = f_.Path(QStringLiteral("nowhere.html"));
        QVERIFY(QFile::link(nowhere, doc->PreviewFile()));
        f_.frame->RunCommand(Command::Preview);
        QVERIFY(!QFileInfo::exists(nowhere));
        QVERIFY(!QFileInfo(doc->PreviewFile()).isSymLink());
    }

    void previewFileCannotBeWritten()
    {
        QVERIFY(QDir(f_.dir->path()).mkdir(QStringLiteral("gone")));
        const QString page = f_.Path(QStringLiteral("gone/a.html"));
        QVERIFY(PageWindowFixture::WriteFile(page, "<p>a</p>"));
        PageWindow* doc = f_.frame->OpenPath(page);
        QVERIFY(QDir(f_.Path(QStringLiteral("gone"))).removeRecursively());
        f_.frame->RunCommand(Command::Preview);
        QCOMPARE(f_.MessageTexts(), QStringList{QStringLiteral("无法建立临时文件!!")});
        // Still previewing (a blank page); the next command returns to the source, which is intact.
        QVERIFY(PagePreview::IsShown(*doc));
        QCOMPARE(PreviewCaption(), QStringLiteral("关闭预览(&T)"));
        f_.frame->RunCommand(Command::Preview);
        QVERIFY(!PagePreview::IsShown(*doc));
        QCOMPARE(PageWindowFixture::Text(doc), QStringLiteral("<p>a</p>"));
        QVERIFY(EditingMenusEnabled());
    }

    // A character that no file can hold: nothing to show, so the source stays.
    void unwritableCharacter()
    {
        PageWindow* doc = f_.Active();
        PageWindowFixture::SetText(doc, QStringLiteral("<p>") + QChar(0xD800) + QStringLiteral("</p>"), 2);
        f_.frame->RunCommand(Command::Preview);
        QCOMPARE(f_.MessageTexts(), QStringList{QStringLiteral("出现错误")});
        QVERIFY(!PagePreview::IsShown(*doc));
        QVERIFY(!doc->pageEdit->isHidden());
        QVERIFY(EditingMenusEnabled());
        QCOMPARE(PreviewCaption(), QStringLiteral("预览(&T)"));
        QVERIFY(!QFileInfo::exists(doc->PreviewFile()));
    }

    void closingDeletesThePreview()
    {
        PageWindow* doc = f_.Active();
        f_.frame->RunCommand(Command::Preview);
        const QString preview = doc->PreviewFile();
        QVERIFY(QFileInfo::exists(preview));
        f_.frame->RunCommand(Command::Close);
        QVERIFY(!QFileInfo::exists(preview));
        // With no page left the command reads as it does for a page in source view.
        QCOMPARE(f_.frame->openPageCount, 0);
        QCOMPARE(PreviewCaption(), QStringLiteral("预览(&T)"));
        QVERIFY(!f_.frame->toolbar->isHidden());
    }
};

QTEST_MAIN(TestPagePreview)
#include "tst_pagepreview.moc"
