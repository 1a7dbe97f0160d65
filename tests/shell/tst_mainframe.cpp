#include "base/uihelpers.h"
#include "editor/finddialog.h"
#include "editor/longlines.h"
#include "pagewindowfixture.h"
#include "shell/handoverqueue.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QTabBar>
#include <QTextBlock>
#include <QToolBar>
#include <QWindow>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

class TestMainFrame : public QObject
{
    Q_OBJECT

    PageWindowFixture f_;

    PageWindow* Active() { return f_.Active(); }
    QString Path(const QString& name) { return f_.Path(name); }
    // Types any text, Chinese included, as key presses carrying that text.
    static void Type(QWidget* widget, const QString& text)
    {
        for (const QChar ch : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(widget, &press);
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(widget, &release);
        }
    }

private Q_SLOTS:
    void init() { f_.Start(false); }
    void cleanup() { f_.Stop(); }

    void startsWithOneNewPage()
    {
        PageWindow* doc = Active();
        QVERIFY(doc);
        QCOMPARE(doc->filePath, QStringLiteral("无标题0"));
        QCOMPARE(f_.frame->windowTitle(), QStringLiteral("Kestrel网页编辑 - [无标题0]"));
        QCOMPARE(f_.frame->openPageCount, 1);
        QCOMPARE(doc->pageEdit->RawText(),
                 QStringLiteral("<html>\n<head>\n<meta http-equiv='Content-Type' content='text/html;charset=gb2312'>\n"
                                "<title>超级网页</title>\n</head>\n<body>\n\n\n</body>\n</html>"));
        // The caret stands on the first empty line inside the body, and the page takes typing at once.
        QCOMPARE(doc->pageEdit->textCursor().blockNumber(), 6);
        QCOMPARE(doc->pageEdit->textCursor().positionInBlock(), 0);
        QCOMPARE(doc->RowLabel->text(), QStringLiteral("7"));
        QCOMPARE(doc->ColLabel->text(), QStringLiteral("1"));
        QCOMPARE(doc->ChangeCount(), 0);
        QVERIFY(!f_.frame->Action(Command::Undo)->isEnabled());
        QVERIFY(!f_.frame->Action(Command::Undo)->isEnabled());
        QVERIFY(!f_.frame->Action(Command::Copy)->isEnabled());
        QCOMPARE(doc->PreviewFile(), Path(QStringLiteral("qz78.html")));
    }

    void menuCaptions_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("contextMenu"); // the entry is in the page's context menu too
        const std::tuple<const char*, const char*, const char*, bool> rows[] = {
            {"NewPage", "NewPage", "新建(&N)", false},
            {"Close", "Close", "关闭当前页(&C)", false},
            {"Undo", "Undo", "撤消(&U)", false},
            {"FindReplace", "FindReplace", "查找替换(&F)", false},
            {"ChooseFont", "ChooseFont", "设置字体(&N) ", false},
            {"SelectAll", "SelectAll", "全选(&A)", false},
            {"GbToBig", "GbToBig", "Gb to Big", false},
            {"EditTag", "EditTag", "属性编辑(&S)", false},
            {"EmbedStyleSheet", "EmbedStyleSheet", "添加内嵌式样式表(&I)", false},
            {"SpanHtml", "SpanHtml", "SPAN元素(&S)", false},
            {"FormButtonHtml", "FormButtonHtml", "命令框", false},
            {"InsertHiddenField", "InsertHiddenField", "隐藏元素", false},
            {"InsertOtherElement", "InsertOtherElement", "插入其他元素(&O)", false},
            {"Preview", "Preview", "预览(&T)", false},
            {"Preview in the context menu", "Preview", "预览(&T)", true},

            {"ToggleCompletion", "ToggleCompletion", "自动完成(&O)", false},
            {"ReopenGb18030", "ReopenGb18030", "GB18030", false},
            {"ReopenUtf8", "ReopenUtf8", "UTF-8", false},
            {"ReopenBig5", "ReopenBig5", "Big5", false}};
        for (const auto& [row, key, caption, contextMenu] : rows)
            QTest::newRow(row) << QString::fromLatin1(key) << QString::fromUtf8(caption) << contextMenu;
    }
    void menuCaptions()
    {
        QFETCH(QString, key);
        QFETCH(QString, caption);
        QFETCH(bool, contextMenu);
        auto* action = f_.frame->findChild<QAction*>(key);
        QVERIFY2(action, qPrintable(key));
        QCOMPARE(action->text(), caption);
        if (contextMenu)
            QVERIFY(f_.frame->findChild<QMenu*>(QStringLiteral("SetMeMenu"))->actions().contains(action));
    }

    void menuOrder()
    {
        QStringList entries;
        for (QAction* a : f_.frame->MenuNamed(QStringLiteral("EditMenu"))->actions())
            entries.append(a->isSeparator() ? QStringLiteral("-") : a->objectName());
        // Redo is added after Undo, find next and previous after find; the entries that were there keep their order.
        QCOMPARE(entries.join(QLatin1Char(' ')),
                 QStringLiteral("Undo Redo - Cut Copy Paste Delete - FindReplace FindNext FindPrevious FindInFolder ChooseFont - "
                                "SelectAll - BigToGb GbToBig"));
        QStringList file;
        for (QAction* a : f_.frame->MenuNamed(QStringLiteral("FileMenu"))->actions())
            file.append(a->isSeparator() ? QStringLiteral("-") : a->menu() ? a->menu()->objectName() : a->objectName());
        QCOMPARE(file.join(QLatin1Char(' ')),
                 QStringLiteral("NewPage OpenFile RecentMenu OpenFolder - Save SaveAs ReopenMenu - Close Exit"));
        QStringList form;
        for (QAction* a : f_.frame->MenuNamed(QStringLiteral("FormHtml"))->actions())
            form.append(a->text());
        QCOMPARE(
            form.join(QLatin1Char(',')),
            QStringLiteral("表单,单行文本框,多行文本框,密码框,复选框,单选框,列表框,命令框,提交框,取消框,隐藏元素"));
        QStringList bar;
        for (QAction* a : f_.frame->menuBar()->actions())
            bar.append(a->text());
        QCOMPARE(bar.join(QLatin1Char(',')), QStringLiteral("文件(&F),编辑(&E),网页设置(&S),插入元素(&O),窗口(&W),"
                                                            "系统设置(&M),预览(&T),帮助(&H)"));
        // The context menu's entries, three of them under captions of its own.
        QStringList context;
        for (QAction* a : f_.frame->findChild<QMenu*>(QStringLiteral("SetMeMenu"))->actions())
            if (!a->isSeparator())
                context.append(a->text());
        QCOMPARE(
            context.join(QLatin1Char(',')),
            QStringLiteral("预览(&T),属性编辑(&P),主体设置(&B),添加特效(&A),添加颜色(&R),撤消(&U),剪切(&T),复制(&C),"
                           "粘贴(&P),删除(&D),查找替换(&F),全选(&A),关闭本页(&X)"));
        QVERIFY(f_.frame->Action(Command::ToggleWordWrap)->isChecked());
        QVERIFY(f_.frame->Action(Command::ToggleCompletion)->isChecked());
    }

    void toolbarOrder()
    {
        QStringList keys, tips;
        for (QAction* a : f_.frame->toolbar->actions()) {
            keys.append(a->isSeparator() ? QStringLiteral("|") : f_.frame->toolbar->widgetForAction(a)->objectName());
            if (!a->isSeparator())
                tips.append(a->toolTip());
        }
        QCOMPARE(keys.size(), 22);
        QCOMPARE(keys.join(QLatin1Char(' ')),
                 QStringLiteral("New Open Save | Cut Copy Paste Del Undo Find | Preview Check | "
                                "Style Color Body Link Img | About Help"));
        QCOMPARE(tips.join(QLatin1Char(',')),
                 QStringLiteral("新建文件,打开文件,保存文件,剪切,复制,粘贴,删除,撤消,查找,"
                                "预览,检查网页,设置样式,添加颜色,主体设置,添加超链接,添加图像,关于,帮助"));
        // A button and the context menu's editing entries are the commands' own actions, so their states agree.
        const QList<QAction*> context = f_.frame->findChild<QMenu*>(QStringLiteral("SetMeMenu"))->actions();
        for (const Command command :
             {Command::Undo, Command::Cut, Command::Copy, Command::Paste, Command::Delete, Command::FindReplace}) {
            QAction* action = f_.frame->Action(command);
            QVERIFY2(f_.frame->ToolButton(command) == action, qPrintable(action->objectName()));
            QVERIFY2(context.contains(action), qPrintable(action->objectName()));
        }
    }

    // Every command runs something, and every action of the menus is a command's.
    void everyCommandIsWired()
    {
        QStringList unwired;
        for (const CommandEntry& command : f_.frame->Commands().Entries())
            if (!command.run)
                unwired.append(command.key);
        const QList<QAction*> actions = f_.frame->findChildren<QAction*>();
        for (const QAction* a : actions) {
            const QString name = a->objectName();
            if (name.isEmpty() || name.startsWith(QLatin1String("WinForm_")) || a->menu() || a->isSeparator())
                continue;
            if (!f_.frame->Commands().Find(name))
                unwired.append(name);
        }
        QVERIFY2(unwired.isEmpty(), qPrintable(unwired.join(QLatin1Char(' '))));
    }

    void slotReuse()
    {
        f_.frame->RunCommand(Command::NewPage);
        f_.frame->RunCommand(Command::NewPage);
        QCOMPARE(f_.frame->openPageCount, 3);
        QCOMPARE(f_.frame->Document(1)->filePath, QStringLiteral("无标题1"));
        f_.frame->Area->setActiveSubWindow(f_.frame->Area->subWindowList().at(1));
        QVERIFY(f_.frame->Area->subWindowList().at(1)->close());
        QVERIFY(!f_.frame->Document(1));
        QCOMPARE(f_.frame->openPageCount, 2);
        QVERIFY(!f_.frame->findChild<QAction*>(QStringLiteral("WinForm_1"))->isVisible());
        f_.frame->RunCommand(Command::NewPage);
        QCOMPARE(f_.frame->Document(1)->filePath, QStringLiteral("无标题1"));
        QAction* entry = f_.frame->findChild<QAction*>(QStringLiteral("WinForm_1"));
        QVERIFY(entry->isVisible());
        QCOMPARE(entry->text(), QStringLiteral("无标题1"));
    }

    void limitOfEightDocuments()
    {
        for (int i = 1; i < 8; ++i)
            f_.frame->RunCommand(Command::NewPage);
        QCOMPARE(f_.frame->openPageCount, 8);
        f_.frame->RunCommand(Command::NewPage);
        QCOMPARE(f_.frame->openPageCount, 8);
        f_.frame->RunCommand(Command::OpenFile);
        QCOMPARE(int(f_.requests.size()), 0); // the message comes before any dialog
        const QString limit = QStringLiteral("文件太多了,请关闭其中的一个才能装入新的文件!!");
        QCOMPARE(f_.MessageTexts(), QStringList({limit, limit}));
    }

    void windowMenuFollowsDocuments()
    {
        QAction* windowMenu = f_.frame->MenuNamed(QStringLiteral("WindowMenu"))->menuAction();
        QVERIFY(windowMenu->isVisible());
        f_.frame->RunCommand(Command::Close);
        QCOMPARE(f_.frame->openPageCount, 0);
        QVERIFY(!windowMenu->isVisible());
        QVERIFY(!f_.frame->MenuNamed(QStringLiteral("EditMenu"))->menuAction()->isEnabled());
        QVERIFY(!f_.frame->Action(Command::Save)->isEnabled());
        QVERIFY(f_.frame->Action(Command::NewPage)->isEnabled());
        QVERIFY(f_.frame->Action(Command::Help)->isEnabled());
        f_.frame->RunCommand(Command::NewPage);
        QVERIFY(windowMenu->isVisible());
        QCOMPARE(Active()->filePath, QStringLiteral("无标题0"));
        QVERIFY(f_.frame->Action(Command::Save)->isEnabled());
    }

    void closePrompt_data()
    {
        QTest::addColumn<bool>("typed");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("savePath");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("fileWritten");
        QTest::newRow("unchanged asks nothing") << false << int(MsgAnswer::Cancel) << QString() << true << false;
        QTest::newRow("cancel keeps the page") << true << int(MsgAnswer::Cancel) << QString() << false << false;
        QTest::newRow("no closes without saving") << true << int(MsgAnswer::No) << QString() << true << false;
        QTest::newRow("yes saves and closes")
            << true << int(MsgAnswer::Yes) << QStringLiteral("p.html") << true << true;
        // Saying yes and then cancelling the save dialog must not throw the typing away.
        QTest::newRow("yes then cancelled dialog keeps the page")
            << true << int(MsgAnswer::Yes) << QString() << false << false;
    }
    void closePrompt()
    {
        QFETCH(bool, typed);
        QFETCH(int, answer);
        QFETCH(QString, savePath);
        QFETCH(bool, closed);
        QFETCH(bool, fileWritten);
        if (typed)
            QTest::keyClicks(Active()->pageEdit, QStringLiteral("x"));
        f_.answers = {MsgAnswer(answer)};
        f_.paths = {savePath.isEmpty() ? QString() : Path(savePath)};
        f_.frame->RunCommand(Command::Close);
        QCOMPARE(f_.frame->openPageCount, closed ? 0 : 1);
        if (typed) {
            QCOMPARE(f_.prompts->Record().size(), 1);
            QCOMPARE(f_.prompts->Record().at(0).text, QStringLiteral("是否保存无标题0"));
            QCOMPARE(f_.prompts->Record().at(0).title, QStringLiteral("提示"));
            QCOMPARE(f_.prompts->Record().at(0).buttons, MsgButtons::YesNoCancel);
        } else {
            QVERIFY(f_.prompts->Record().isEmpty());
        }
        QCOMPARE(QFileInfo::exists(Path(QStringLiteral("p.html"))), fileWritten);
    }

    void closingTheFrameAsksEveryPage()
    {
        f_.frame->RunCommand(Command::NewPage);
        QTest::keyClicks(f_.frame->Document(0)->pageEdit, QStringLiteral("a"));
        QTest::keyClicks(f_.frame->Document(1)->pageEdit, QStringLiteral("b"));
        f_.answers = {MsgAnswer::No, MsgAnswer::Cancel};
        QVERIFY(!f_.frame->close());
        QCOMPARE(f_.frame->openPageCount, 1); // one page closed, the one that said Cancel stays
        QCOMPARE(f_.prompts->Record().size(), 2);
    }

    void saveWritesGb18030WithCrLf()
    {
        PageWindow* doc = Active();
        Type(doc->pageEdit, QStringLiteral("你好 abc"));
        QCOMPARE(doc->ChangeCount(), 6);
        QVERIFY(f_.frame->Action(Command::Undo)->isEnabled());
        QDir().mkpath(Path(QStringLiteral("Sub")));
        f_.paths = {Path(QStringLiteral("Sub/Index.HTML"))};
        f_.frame->RunCommand(Command::Save);
        const QString saved = Path(QStringLiteral("Sub/index.html"));
        QCOMPARE(doc->filePath, saved); // only the file name is lowered
        QCOMPARE(doc->windowTitle(), saved);
        QVERIFY(doc->hasFile);
        QCOMPARE(doc->ChangeCount(), 0);
        QCOMPARE(f_.shared->lastFolder, Path(QStringLiteral("Sub")) + QLatin1Char('/'));
        QCOMPARE(doc->folder, f_.shared->lastFolder);
        const QByteArray expected = QByteArray("<html>\r\n<head>\r\n<meta http-equiv='Content-Type' "
                                               "content='text/html;charset=gb2312'>\r\n<title>\xB3\xAC\xBC\xB6\xCD\xF8"
                                               "\xD2\xB3</title>\r\n</head>\r\n<body>\r\n\xC4\xE3\xBA\xC3 abc\r\n"
                                               "\r\n</body>\r\n</html>");
        QCOMPARE(f_.ReadFile(saved), expected);
        // The Window menu keeps the caption the page had when it was opened.
        QCOMPARE(f_.frame->findChild<QAction*>(QStringLiteral("WinForm_0"))->text(), QStringLiteral("无标题0"));
        // A second save writes without asking.
        QTest::keyClicks(doc->pageEdit, QStringLiteral("!"));
        f_.frame->RunCommand(Command::Save);
        QCOMPARE(int(f_.requests.size()), 1);
        QVERIFY(f_.ReadFile(saved).contains("abc!\r\n"));
    }

    void failingSaveLosesNothing_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder does not exist")
            << QStringLiteral("missing/page.html") << QStringLiteral("No such file or directory");
        QTest::newRow("target is a folder") << QStringLiteral("adir.html") << QStringLiteral("Is a directory");
    }
    void failingSaveLosesNothing()
    {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        QDir().mkpath(Path(QStringLiteral("adir.html")));
        PageWindow* doc = Active();
        QTest::keyClicks(doc->pageEdit, QStringLiteral("keep me"));
        const int changes = doc->ChangeCount();
        f_.paths = {Path(target)};
        f_.frame->RunCommand(Command::Save);
        // The old words first, the real reason on a line of its own.
        QCOMPARE(f_.MessageTexts(), QStringList{QStringLiteral("文件不能保存!请检查是否有写保护!\n") + reason});
        QVERIFY(!doc->hasFile);
        QCOMPARE(doc->filePath, QStringLiteral("无标题0"));
        QCOMPARE(doc->ChangeCount(), changes);
        QVERIFY(doc->pageEdit->RawText().contains(QStringLiteral("keep me")));
    }

    // Saving keeps what it can of the file: its other hard links, and another user's ownership when root saves.
    void saveKeepsLinksAndOwner_data()
    {
        QTest::addColumn<bool>("hardLink");
        QTest::addColumn<bool>("otherOwner");
        QTest::addColumn<bool>("planted"); // a symbolic link where the copy of the old page would go
        QTest::newRow("second hard link") << true << false << false;
        QTest::newRow("another user's page") << false << true << false;
        QTest::newRow("second hard link, a symbolic link at the copy's name") << true << false << true;
    }
    void saveKeepsLinksAndOwner()
    {
        QFETCH(bool, hardLink);
        QFETCH(bool, otherOwner);
        QFETCH(bool, planted);
        if (otherOwner && ::geteuid() != 0)
            QSKIP("only root may give a file to another user");
        const QString page = Path(QStringLiteral("shared.html"));
        QVERIFY(f_.WriteFile(page, "<p>old</p>"));
        const QByteArray name = QFile::encodeName(page);
        if (otherOwner)
            QCOMPARE(::chown(name.constData(), 4321, 4322), 0);
        const QString other = Path(QStringLiteral("other-name.html"));
        if (hardLink)
            QCOMPARE(::link(name.constData(), QFile::encodeName(other).constData()), 0);
        const QString victim = Path(QStringLiteral("victim.txt"));
        QVERIFY(f_.WriteFile(victim, "victim"));
        if (planted)
            QVERIFY(QFile::link(victim, Path(QStringLiteral(".shared.html.kestrel-backup"))));
        PageWindow* doc = f_.frame->OpenPath(page);
        QVERIFY(doc);
        doc->pageEdit->moveCursor(QTextCursor::End);
        doc->pageEdit->insertPlainText(QStringLiteral("new"));
        QVERIFY(doc->Save());
        QCOMPARE(f_.ReadFile(page), QByteArray("<p>old</p>new"));
        struct stat st;
        QCOMPARE(::stat(name.constData(), &st), 0);
        if (hardLink) {
            QCOMPARE(int(st.st_nlink), 2);
            QCOMPARE(f_.ReadFile(other), QByteArray("<p>old</p>new"));
            // The copy that stood in while the page was rewritten is gone; a link at its name was not followed.
            const QStringList left = QDir(Path(QString())).entryList(QDir::Files | QDir::Hidden);
            const QStringList expected =
                planted ? QStringList{".shared.html.kestrel-backup", "shared.html"} : QStringList{"shared.html"};
            QCOMPARE(left.filter(QStringLiteral("shared.html")), expected);
            QCOMPARE(f_.ReadFile(victim), QByteArray("victim"));
        }
        if (otherOwner) {
            QCOMPARE(int(st.st_uid), 4321);
            QCOMPARE(int(st.st_gid), 4322);
        }
    }

    void failingResaveLeavesTheFileOnDisk()
    {
        // A full file system: the old page must survive whole. Needs a small tmpfs, so root and mount.
        QTemporaryDir mountPoint;
        const QString mp = mountPoint.path();
        if (QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=64k", "tmpfs", mp}) != 0)
            QSKIP("cannot mount a small tmpfs here");
        const QString page = mp + QStringLiteral("/page.html");
        QVERIFY(f_.WriteFile(page, "old page"));
        PageWindow* doc = f_.frame->OpenPath(page);
        QVERIFY(doc);
        doc->pageEdit->selectAll();
        QTest::keyClicks(doc->pageEdit, QString(40000, QLatin1Char('x')).left(20));
        doc->pageEdit->moveCursor(QTextCursor::End);
        doc->pageEdit->insertPlainText(QString(200 * 1024, QLatin1Char('y'))); // more than the file system holds
        f_.frame->RunCommand(Command::Save);
        const QByteArray onDisk = f_.ReadFile(page);
        QProcess::execute(QStringLiteral("umount"), {mp});
        QCOMPARE(f_.MessageTexts(),
                 QStringList{QStringLiteral("文件不能保存!请检查是否有写保护!\nNo space left on device")});
        QCOMPARE(onDisk, QByteArray("old page"));
        QVERIFY(doc->ChangeCount() > 0);
    }

    // Another program's change to the page's file since it was read is not overwritten unasked; a file that is gone
    // is simply written again. Once written, the file is the page's own again: the next save asks nothing.
    void saveAsksWhenTheFileChanged_data()
    {
        QTest::addColumn<QString>("change"); // what happens to the file after it was read
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("written");
        const int yes = int(MsgAnswer::Yes), no = int(MsgAnswer::No);
        QTest::newRow("unchanged: saved without a question") << "" << no << false << true;
        QTest::newRow("content changed, No: nothing written") << "content" << no << true << false;
        QTest::newRow("content changed, Yes: written") << "content" << yes << true << true;
        QTest::newRow("replaced by a symbolic link, No: nothing written") << "symlink" << no << true << false;
        QTest::newRow("deleted: written again") << "deleted" << no << false << true;
    }
    void saveAsksWhenTheFileChanged()
    {
        QFETCH(QString, change);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, written);
        const QString page = Path(QStringLiteral("watched.html"));
        const QString elsewhere = Path(QStringLiteral("elsewhere.html"));
        QVERIFY(f_.WriteFile(page, "<p>mine</p>"));
        QVERIFY(f_.WriteFile(elsewhere, "<p>not the page</p>"));
        PageWindow* doc = f_.frame->OpenPath(page);
        QVERIFY(doc);
        doc->pageEdit->moveCursor(QTextCursor::End);
        doc->pageEdit->insertPlainText(QStringLiteral("!"));
        QByteArray before = "<p>mine</p>";
        if (change == QLatin1String("content")) {
            before = "<p>another program's</p>";
            QVERIFY(f_.WriteFile(page, before));
        } else if (change == QLatin1String("symlink")) {
            before = "<p>not the page</p>";
            QVERIFY(QFile::remove(page));
            QVERIFY(QFile::link(elsewhere, page));
        } else if (change == QLatin1String("deleted")) {
            QVERIFY(QFile::remove(page));
        }
        f_.answers = {MsgAnswer(answer)};
        QCOMPARE(doc->Save(), written);
        QCOMPARE(f_.MessageTexts(),
                 asked ? QStringList{QStringLiteral("文件%1已被其他程序修改。是否覆盖?").arg(page)} : QStringList());
        QCOMPARE(f_.ReadFile(page), written ? QByteArray("<p>mine</p>!") : before);
        QCOMPARE(doc->ChangeCount() > 0, !written);
        if (change != QLatin1String("symlink"))
            QCOMPARE(f_.ReadFile(elsewhere), QByteArray("<p>not the page</p>"));
        if (!written)
            return;
        f_.prompts->Record().clear();
        doc->pageEdit->insertPlainText(QStringLiteral("?"));
        QVERIFY(doc->Save());
        QCOMPARE(f_.MessageTexts(), QStringList());
        QCOMPARE(f_.ReadFile(page), QByteArray("<p>mine</p>!?"));
    }

    // When the program gets the focus back, a page without edits whose file another program changed offers to read
    // it again, once for each change, in the code page it was read in.
    void focusBackOffersReload_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("edited");
        QTest::addColumn<int>("reopen"); // a code page chosen for the page before the change, -1 for none
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("asked"); // over two returns of the focus
        QTest::addColumn<QString>("shown");
        const int yes = int(MsgAnswer::Yes), no = int(MsgAnswer::No);
        QTest::newRow("no edits: reloaded") << "content" << false << -1 << yes << 1 << "<p>new</p>";
        QTest::newRow("declined: asked once") << "content" << false << -1 << no << 1 << "<p>old</p>";
        QTest::newRow("edits: no offer") << "content" << true << -1 << yes << 0 << "x<p>old</p>";
        QTest::newRow("file unchanged: no offer") << "" << false << -1 << yes << 0 << "<p>old</p>";
        QTest::newRow("file deleted: no offer") << "deleted" << false << -1 << yes << 0 << "<p>old</p>";
        QTest::newRow("reopened in Big5: reloaded in Big5")
            << "big5" << false << int(CodePageIds::Big5) << yes << 1 << "<p>中文中</p>";
    }
    void focusBackOffersReload()
    {
        QFETCH(QString, change);
        QFETCH(bool, edited);
        QFETCH(int, reopen);
        QFETCH(int, answer);
        QFETCH(int, asked);
        QFETCH(QString, shown);
        const QString page = Path(QStringLiteral("reload.html"));
        // 中文 in Big5 is taken for GB18030 unless Big5 is chosen.
        QVERIFY(f_.WriteFile(page, change == QLatin1String("big5") ? "<p>\xA4\xA4\xA4\xE5</p>" : "<p>old</p>"));
        PageWindow* doc = f_.frame->OpenPath(page);
        QVERIFY(doc);
        if (reopen >= 0)
            f_.frame->RunCommand(Command::ReopenAs, reopen);
        if (edited)
            QTextCursor(doc->pageEdit->document()).insertText(QStringLiteral("x"));
        if (change == QLatin1String("content"))
            QVERIFY(f_.WriteFile(page, "<p>new</p>"));
        else if (change == QLatin1String("big5"))
            QVERIFY(f_.WriteFile(page, "<p>\xA4\xA4\xA4\xE5\xA4\xA4</p>"));
        else if (change == QLatin1String("deleted"))
            QVERIFY(QFile::remove(page));
        f_.prompts->Record().clear();
        f_.answers = {MsgAnswer(answer), MsgAnswer(answer)};
        for (int i = 0; i < 2; ++i) {
            emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
            emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
            QCoreApplication::processEvents(); // the frame asks once the activation is through
        }
        QCOMPARE(f_.MessageTexts(),
                 QStringList(asked, QStringLiteral("文件%1已被其他程序修改。是否重新载入?").arg(page)));
        QCOMPARE(f_.Text(doc), shown);
        QCOMPARE(doc->ChangeCount() > 0, edited);
        if (reopen >= 0)
            QCOMPARE(doc->EncodingLabel->text(), QStringLiteral("Big5"));
        // Read again, the page saves over its file without a question.
        if (asked && MsgAnswer(answer) == MsgAnswer::Yes) {
            f_.prompts->Record().clear();
            QVERIFY(doc->Save());
            QCOMPARE(f_.MessageTexts(), QStringList());
        }
    }

    // U+E78D has no bytes in the C library's GB18030: the page asks, and writes all or nothing.
    void characterTheCodePageCannotHold_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("character");
        QTest::addColumn<QString>("codePage");
        QTest::addColumn<int>("choice");
        QTest::addColumn<QByteArray>("saved");
        const QByteArray old("<meta charset=gb2312>\r\n<p>\xD6\xD0</p>");
        const QString pua(QChar(0xE78D));
        QTest::newRow("cancel writes nothing") << old << pua << "GB18030" << int(MsgAnswer::Cancel) << old;
        QTest::newRow("as UTF-8 with the declaration updated")
            << old << pua << "GB18030" << int(MsgAnswer::Yes)
            << QByteArray("<meta charset=utf-8>\r\n<p>\xE4\xB8\xAD\xEE\x9E\x8D</p>");
        QTest::newRow("as a character reference") << old << pua << "GB18030" << int(MsgAnswer::No)
                                                  << QByteArray("<meta charset=gb2312>\r\n<p>\xD6\xD0&#xE78D;</p>");
        // A simplified character has no Big5 code.
        const QByteArray big5("<meta charset=big5>\r\n<p>\xA4\xA4</p>");
        QTest::newRow("big5 page, as UTF-8") << big5 << QStringLiteral("们") << "Big5" << int(MsgAnswer::Yes)
                                             << QByteArray("<meta charset=utf-8>\r\n<p>\xE4\xB8\xAD\xE4\xBB\xAC</p>");
        QTest::newRow("big5 page, as a character reference")
            << big5 << QStringLiteral("们") << "Big5" << int(MsgAnswer::No)
            << QByteArray("<meta charset=big5>\r\n<p>\xA4\xA4&#x4EEC;</p>");
    }
    void characterTheCodePageCannotHold()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, character);
        QFETCH(QString, codePage);
        QFETCH(int, choice);
        const auto answer = MsgAnswer(choice);
        QFETCH(QByteArray, saved);
        const QString page = Path(QStringLiteral("pua.html"));
        QVERIFY(f_.WriteFile(page, file));
        PageWindow* doc = f_.frame->OpenPath(page);
        QVERIFY(doc);
        QTextCursor c(doc->pageEdit->document()->findBlockByNumber(1));
        c.movePosition(QTextCursor::EndOfBlock);
        c.movePosition(QTextCursor::Left, QTextCursor::MoveAnchor, 4);
        c.insertText(character);
        f_.answers = {answer};
        QCOMPARE(doc->Save(), answer != MsgAnswer::Cancel);
        const QString code = QString::number(character.at(0).unicode(), 16).toUpper();
        QCOMPARE(f_.MessageTexts(),
                 QStringList{QStringLiteral("第2行的字符“") + character + QStringLiteral("”(U+") + code +
                             QStringLiteral(")不能用这个网页的编码 ") + codePage +
                             QStringLiteral(" 保存。\n\n"
                                            "是: 把网页存成 UTF-8 编码, 并把 charset 声明改成 utf-8\n"
                                            "否: 把这样的字符写成 HTML 字符引用 (&#x") +
                             code + QStringLiteral(";)\n取消: 不保存")});
        QCOMPARE(f_.ReadFile(page), saved);
        // Saved as UTF-8 the page stays UTF-8: the next save asks nothing.
        f_.prompts->Record().clear();
        if (answer == MsgAnswer::Yes) {
            QVERIFY(doc->Save());
            QVERIFY(f_.prompts->Record().isEmpty());
            QCOMPARE(f_.ReadFile(page), saved);
        }
    }

    // A big page is written a piece at a time. A character the code page cannot hold, met after the first
    // pieces went out, must leave the page as it was (Cancel) or have it written again whole, nothing twice.
    void characterAfterTheFirstPieces_data()
    {
        QTest::addColumn<bool>("unencodable");
        QTest::addColumn<int>("choice");
        QTest::addColumn<bool>("linked"); // a second name for the page: it is rewritten in place
        QTest::newRow("unchanged page, byte for byte") << false << int(MsgAnswer::Ok) << false;
        QTest::newRow("cancel writes nothing") << true << int(MsgAnswer::Cancel) << false;
        QTest::newRow("as UTF-8") << true << int(MsgAnswer::Yes) << false;
        QTest::newRow("as a character reference") << true << int(MsgAnswer::No) << false;
        QTest::newRow("linked page, cancel writes nothing") << true << int(MsgAnswer::Cancel) << true;
        QTest::newRow("linked page, character reference") << true << int(MsgAnswer::No) << true;
    }
    void characterAfterTheFirstPieces()
    {
        QFETCH(bool, unencodable);
        QFETCH(int, choice);
        QFETCH(bool, linked);
        const auto answer = MsgAnswer(choice);
        QString text = QStringLiteral("<meta charset=gb2312>\r\n");
        for (int i = 0; text.size() < 3 * PageEdit::PieceBytes / 2; ++i)
            text += QStringLiteral("<p>中文 %1</p>\r\n").arg(i);
        text += QStringLiteral("<p>中</p>");
        const QByteArray original = PageCodec::ToGb18030(text);
        const QString page = Path(QStringLiteral("big.html"));
        QVERIFY(f_.WriteFile(page, original));
        const QString other = Path(QStringLiteral("other.html"));
        if (linked)
            QCOMPARE(::link(QFile::encodeName(page).constData(), QFile::encodeName(other).constData()), 0);
        PageWindow* doc = f_.frame->OpenPath(page);
        QVERIFY(doc);
        // Taken in piece by piece, it is the page read whole.
        QCOMPARE(doc->pageEdit->RawText(), QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QByteArray expected = original;
        if (unencodable) {
            QTextCursor c(doc->pageEdit->document()->lastBlock());
            c.movePosition(QTextCursor::EndOfBlock);
            c.movePosition(QTextCursor::Left, QTextCursor::MoveAnchor, 4);
            c.insertText(QString(QChar(0xE78D)));
            const QString edited = QString(text).insert(text.size() - 4, QChar(0xE78D));
            if (answer == MsgAnswer::Yes)
                expected = QString(edited).replace(QStringLiteral("gb2312"), QStringLiteral("utf-8")).toUtf8();
            else if (answer == MsgAnswer::No)
                expected = PageCodec::ToGb18030(QString(text).insert(text.size() - 4, QStringLiteral("&#xE78D;")));
        }
        const QStringList files = QDir(f_.dir->path()).entryList(QDir::Files | QDir::Hidden);
        f_.answers = {answer};
        QCOMPARE(doc->Save(), answer != MsgAnswer::Cancel);
        QCOMPARE(int(f_.prompts->Record().size()), unencodable ? 1 : 0);
        const QByteArray saved = f_.ReadFile(page);
        QCOMPARE(saved.size(), expected.size());
        QVERIFY(saved == expected);
        if (linked)
            QVERIFY(f_.ReadFile(other) == expected);
        // Nothing is left beside the page: no temporary file, no copy.
        QCOMPARE(QDir(f_.dir->path()).entryList(QDir::Files | QDir::Hidden), files);
    }

    void openKeepsEncodingAndLineEnds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("UTF-8 with LF") << QByteArray("<p>\xE4\xB8\xAD</p>\n<p>x</p>\n");
        QTest::newRow("GBK with CR LF") << QByteArray("<p>\xD6\xD0</p>\r\n<p>x</p>");
        QTest::newRow("UTF-8 BOM") << QByteArray("\xEF\xBB\xBF<p>\xE4\xB8\xAD</p>\r\n");
        QTest::newRow("mixed CR, LF and CR LF") << QByteArray("<p>\xD6\xD0</p>\r\n<p>\rx</p>\n\r\n\n");
        QTest::newRow("first break LF, then CR LF") << QByteArray("<p>\xD6\xD0</p>\n<p>x</p>\r\n<p>y</p>\r\n");
        QTest::newRow("U+2029 in a UTF-8 page") << QByteArray("<p>\xE4\xB8\xAD\xE2\x80\xA9x</p>\n");
        QTest::newRow("second byte-order mark") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF<p>\xE4\xB8\xAD</p>\n");
        // Big enough to go into the control in several pieces, with every kind of break near their ends.
        QByteArray mixed;
        const char* const ends[] = {"\r\n", "\n", "\r", "\n\r"};
        for (int i = 0; mixed.size() < 5 * PageWindow::LoadPiece / 2; ++i)
            mixed += "<p>\xD6\xD0 " + QByteArray::number(i) + "</p>" + ends[i % 4];
        QTest::newRow("mixed breaks over several pieces") << mixed;
    }
    void openKeepsEncodingAndLineEnds()
    {
        QFETCH(QByteArray, bytes);
        const QString page = Path(QStringLiteral("Mixed.html"));
        QVERIFY(f_.WriteFile(page, bytes));
        PageWindow* doc = f_.frame->OpenPath(page);
        QVERIFY(doc);
        QCOMPARE(doc->filePath, page);
        QCOMPARE(doc->ChangeCount(), 0);
        QVERIFY(!f_.frame->Action(Command::Undo)->isEnabled());
        QVERIFY(doc->pageEdit->RawText().contains(QStringLiteral("中")));
        QVERIFY(doc->Save());
        QCOMPARE(f_.ReadFile(page), bytes);
        QVERIFY(f_.prompts->Record().isEmpty());
    }

    void undecodableBytesAskFirst()
    {
        const QString page = Path(QStringLiteral("bad.html"));
        QVERIFY(f_.WriteFile(page, QByteArray("<p>\x80\x80</p>")));
        f_.answers = {MsgAnswer::No};
        QVERIFY(!f_.frame->OpenPath(page));
        QCOMPARE(f_.frame->openPageCount, 1);
        QCOMPARE(f_.prompts->Record().size(), 1);
        QVERIFY(f_.prompts->Record().at(0).text.contains(QStringLiteral("2 个字节")));
        f_.answers = {MsgAnswer::Yes};
        QVERIFY(f_.frame->OpenPath(page));
        QCOMPARE(f_.frame->openPageCount, 2);
    }

    // U+FDD0 would end a line in the editor: the page says so at opening and, declined, is not opened.
    void unkeptBytesAskFirst()
    {
        const QString page = Path(QStringLiteral("frame.html"));
        QVERIFY(f_.WriteFile(page, QByteArray("<p>\xE4\xB8\xAD\xEF\xB7\x90</p>")));
        f_.answers = {MsgAnswer::No};
        QVERIFY(!f_.frame->OpenPath(page));
        QCOMPARE(f_.MessageTexts(),
                 QStringList{QStringLiteral("文件 ") + page +
                             QStringLiteral(" 从第 7 个字节起不能按原样保存: 编辑器会改变这些字节。\n"
                                            "是否仍然打开?")});
        QCOMPARE(f_.frame->openPageCount, 1);
    }

    // A page named on the command line that is not there yet is a new page under that name, saved there.
    void missingFileOpensAsNewPage()
    {
        const QString page = Path(QStringLiteral("gone.html"));
        PageWindow* doc = f_.frame->OpenPath(page);
        QVERIFY(doc);
        QCOMPARE(doc->filePath, page);
        QCOMPARE(doc->windowTitle(), page);
        QCOMPARE(doc->pageEdit->RawText(),
                 PageWindow::NewPageTemplate().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QCOMPARE(doc->ChangeCount(), 0);
        QTest::keyClicks(doc->pageEdit, QStringLiteral("x"));
        f_.frame->RunCommand(Command::Save);
        QVERIFY(f_.requests.isEmpty());
        QVERIFY(!QFileInfo::exists(Path(QStringLiteral("无标题1"))));
        QVERIFY(f_.ReadFile(page).startsWith("<html>\r\n<head>\r\n"));
        QVERIFY(f_.ReadFile(page).contains("<body>\r\nx\r\n\r\n</body>"));
        QCOMPARE(doc->ChangeCount(), 0);
        QVERIFY(f_.prompts->Record().isEmpty());
    }

    // Pages named on the command line are the pages the program starts with; what cannot be a page is reported.
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("pages");   // the captions of the windows, slot by slot
        QTest::addColumn<QStringList>("refused"); // the names reported as not openable
        QTest::newRow("no names") << QStringList{} << QStringList{"无标题0"} << QStringList{};
        QTest::newRow("one page") << QStringList{"a.html"} << QStringList{"a.html"} << QStringList{};
        QTest::newRow("two pages") << QStringList{"a.html", "b.html"} << QStringList{"a.html", "b.html"}
                                   << QStringList{};
        QTest::newRow("page not there yet") << QStringList{"new.html"} << QStringList{"new.html"} << QStringList{};
        QTest::newRow("folder") << QStringList{"adir"} << QStringList{} << QStringList{"adir"};
        QTest::newRow("pipe") << QStringList{"pipe.html"} << QStringList{} << QStringList{"pipe.html"};
        QTest::newRow("folder not there")
            << QStringList{"nodir/new.html"} << QStringList{} << QStringList{"nodir/new.html"};
        QTest::newRow("folder then page")
            << QStringList{"adir", "b.html"} << QStringList{"b.html"} << QStringList{"adir"};
    }
    void commandLine()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, pages);
        QFETCH(QStringList, refused);
        QVERIFY(f_.WriteFile(Path(QStringLiteral("a.html")), "<p>a</p>"));
        QVERIFY(f_.WriteFile(Path(QStringLiteral("b.html")), "<p>b</p>"));
        QVERIFY(QDir().mkpath(Path(QStringLiteral("adir"))));
        QCOMPARE(QProcess::execute(QStringLiteral("mkfifo"), {Path(QStringLiteral("pipe.html"))}), 0);
        PageRequests paths;
        for (const QString& name : std::as_const(names))
            paths.append(Path(name));

        f_.frame = std::make_unique<MainFrame>(*f_.shared, nullptr, false);
        f_.frame->StartWith(paths);
        f_.frame->show();

        QStringList captions;
        for (int i = 0; i < MainFrame::MaxDocuments; ++i) {
            if (PageWindow* doc = f_.frame->Document(i))
                captions.append(doc->windowTitle());
        }
        QStringList expected;
        for (const QString& page : std::as_const(pages))
            expected.append(page.startsWith(QStringLiteral("无标题")) ? page : Path(page));
        QCOMPARE(captions, expected);
        QCOMPARE(f_.frame->openPageCount, int(pages.size()));
        QStringList messages;
        for (const QString& name : std::as_const(refused))
            messages.append(QStringLiteral("文件不能打开!请检查文件是否存在或是否可读!\n") + Path(name));
        QCOMPARE(f_.MessageTexts(), messages);
        // Without a page the frame is as after closing the last one.
        QCOMPARE(f_.frame->Action(Command::Save)->isEnabled(), !pages.isEmpty());
        QCOMPARE(f_.frame->MenuNamed(QStringLiteral("WindowMenu"))->menuAction()->isVisible(), !pages.isEmpty());
        QVERIFY(!QFileInfo::exists(Path(QStringLiteral("new.html"))));
        QVERIFY(QFileInfo(Path(QStringLiteral("adir"))).isDir());
    }

    // The save dialog confirmed the name as typed; the lowered name may be another page that must not be lost.
    void lowerNameAlreadyTaken_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QStringList>("typedLater"); // names typed when the dialog comes back ("" cancels)
        QTest::addColumn<QString>("written");        // the file the page went to, "" for none
        const int yes = int(MsgAnswer::Yes), no = int(MsgAnswer::No);
        QTest::newRow("no, then cancel") << Command::Save << "Index.HTML" << QList<int>{no} << QStringList{""} << "";
        QTest::newRow("no, then another name")
            << Command::Save << "Index.HTML" << QList<int>{no} << QStringList{"other.html"} << "other.html";
        QTest::newRow("no, then the same name again")
            << Command::Save << "Index.HTML" << QList<int>{no, no} << QStringList{"INDEX.html", ""} << "";
        QTest::newRow("yes replaces") << Command::Save << "Index.HTML" << QList<int>{yes} << QStringList{}
                                      << "index.html";
        QTest::newRow("save as, no then cancel")
            << Command::SaveAs << "INDEX.html" << QList<int>{no} << QStringList{""} << "";
        QTest::newRow("save as, yes") << Command::SaveAs << "INDEX.html" << QList<int>{yes} << QStringList{}
                                      << "index.html";
        QTest::newRow("typed lower, the dialog asked")
            << Command::Save << "index.html" << QList<int>{} << QStringList{} << "index.html";
        QTest::newRow("lowered name free")
            << Command::Save << "New.HTML" << QList<int>{} << QStringList{} << "new.html";
    }
    void lowerNameAlreadyTaken()
    {
        QFETCH(Command, command);
        QFETCH(QString, typed);
        QFETCH(QList<int>, answers);
        QFETCH(QStringList, typedLater);
        QFETCH(QString, written);
        const QString taken = Path(QStringLiteral("index.html"));
        QVERIFY(f_.WriteFile(taken, "another page"));
        PageWindow* doc = Active();
        QTest::keyClicks(doc->pageEdit, QStringLiteral("mine"));
        f_.paths = {Path(typed)};
        for (const QString& name : std::as_const(typedLater))
            f_.paths.append(name.isEmpty() ? QString() : Path(name));
        for (int answer : std::as_const(answers))
            f_.answers.append(MsgAnswer(answer));
        f_.frame->RunCommand(command);

        QCOMPARE(int(f_.requests.size()), 1 + int(typedLater.size()));
        for (qsizetype i = 1; i < f_.requests.size(); ++i) {
            // Back in the same dialog, with the name that was refused.
            QCOMPARE(f_.requests.at(i).title, f_.requests.at(0).title);
            QCOMPARE(f_.requests.at(i).defaultName, i == 1 ? Path(typed) : Path(typedLater.at(i - 2)));
        }
        QCOMPARE(int(f_.prompts->Record().size()), int(answers.size()));
        for (const MessageRecord& box : std::as_const(f_.prompts->Record())) {
            QCOMPARE(box.text, QStringLiteral("文件") + taken + QStringLiteral("已经存在,是否替换?"));
            QCOMPARE(box.title, QStringLiteral("提示"));
            QCOMPARE(box.buttons, MsgButtons::YesNo);
        }
        if (written != QLatin1String("index.html"))
            QCOMPARE(f_.ReadFile(taken), QByteArray("another page"));
        if (written.isEmpty()) {
            QVERIFY(!doc->hasFile);
            QCOMPARE(doc->filePath, QStringLiteral("无标题0"));
            QVERIFY(doc->ChangeCount() > 0);
        } else {
            QCOMPARE(doc->filePath, Path(written));
            QVERIFY(f_.ReadFile(Path(written)).contains("mine"));
            QCOMPARE(doc->ChangeCount(), 0);
        }
    }

    void previewFileSkipsTakenNames()
    {
        QVERIFY(f_.WriteFile(Path(QStringLiteral("qz78.html")), "x"));
        QVERIFY(f_.WriteFile(Path(QStringLiteral("qz781.html")), "x"));
        f_.frame->RunCommand(Command::NewPage);
        QCOMPARE(Active()->PreviewFile(), Path(QStringLiteral("qz782.html")));
    }

    void giveTextColours()
    {
        PageWindow* doc = Active();
        PageEdit* edit = doc->pageEdit;
        const int start = edit->SelStart();
        doc->InsertMarkup(QStringLiteral("<br>\r\n"));
        QCOMPARE(edit->SelStart(), start + 5); // CR LF is one break in the control
        QTest::keyClicks(edit, QStringLiteral("k"));
        QTextCursor c(edit->document());
        c.setPosition(start + 1);
        QCOMPARE(c.charFormat().foreground().color(), PageEdit::InsertColor);
        c.setPosition(start + 6);
        QCOMPARE(c.charFormat().foreground().color(), PageEdit::TypingColor);

        // With a selection the new text goes in front of it and the caret between the two.
        QTextCursor sel = edit->textCursor();
        sel.setPosition(0);
        sel.setPosition(6, QTextCursor::KeepAnchor);
        edit->setTextCursor(sel);
        doc->InsertMarkup(QStringLiteral("AB"));
        QVERIFY(edit->RawText().startsWith(QStringLiteral("AB<html>")));
        QCOMPARE(edit->SelStart(), 2);

        const QString before = edit->RawText();
        doc->InsertMarkup(QString());
        QCOMPARE(edit->RawText(), before);
        QCOMPARE(edit->SelStart(), 2);
    }

    // Whatever the caret stands beside, what the user types is black.
    void typingIsBlack_data()
    {
        QTest::addColumn<QString>("moves"); // L left, R right, H home, E end, S shift+left, N Enter
        QTest::addColumn<QString>("how");   // keys, input method or paste
        QTest::newRow("left then right") << "LR"
                                         << "keys";
        QTest::newRow("end of the line") << "HE"
                                         << "keys";
        QTest::newRow("line start before blue") << "H"
                                                << "keys";
        QTest::newRow("blue selection replaced") << "SSS"
                                                 << "keys";
        QTest::newRow("new line after blue") << "LRN"
                                             << "keys";
        QTest::newRow("input method after blue") << "LR"
                                                 << "input method";
        QTest::newRow("input method at line start") << "H"
                                                    << "input method";
        QTest::newRow("input method over blue selection") << "SS"
                                                          << "input method";
        QTest::newRow("paste after blue") << "LR"
                                          << "paste";
        QTest::newRow("paste over blue selection") << "S"
                                                   << "paste";
    }
    void typingIsBlack()
    {
        QFETCH(QString, moves);
        QFETCH(QString, how);
        PageWindow* doc = Active();
        PageEdit* edit = doc->pageEdit;
        doc->InsertMarkup(QStringLiteral("<b>"));
        for (const QChar move : std::as_const(moves)) {
            switch (move.unicode()) {
            case 'L':
                QTest::keyClick(edit, Qt::Key_Left);
                break;
            case 'R':
                QTest::keyClick(edit, Qt::Key_Right);
                break;
            case 'H':
                QTest::keyClick(edit, Qt::Key_Home);
                break;
            case 'E':
                QTest::keyClick(edit, Qt::Key_End);
                break;
            case 'S':
                QTest::keyClick(edit, Qt::Key_Left, Qt::ShiftModifier);
                break;
            case 'N':
                QTest::keyClick(edit, Qt::Key_Return);
                break;
            }
        }
        const QString typed = how == QLatin1String("keys") ? QStringLiteral("kw") : QStringLiteral("中文");
        if (how == QLatin1String("input method")) {
            QInputMethodEvent commit;
            commit.setCommitString(typed);
            QApplication::sendEvent(edit, &commit);
        } else if (how == QLatin1String("paste")) {
            QApplication::clipboard()->setText(typed);
            f_.frame->RunCommand(Command::Paste);
        } else {
            QTest::keyClicks(edit, typed);
        }
        const int end = edit->SelStart();
        QCOMPARE(edit->RawText().mid(end - int(typed.size()), int(typed.size())), typed);
        QTextCursor c(edit->document());
        for (int i = end - int(typed.size()) + 1; i <= end; ++i) {
            c.setPosition(i);
            QCOMPARE(c.charFormat().foreground().color(), PageEdit::TypingColor);
        }
        // The markup that was not typed over keeps its blue.
        int blue = 0;
        for (QTextBlock b = edit->document()->firstBlock(); b.isValid(); b = b.next()) {
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                if (it.fragment().charFormat().foreground().color() == PageEdit::InsertColor)
                    blue += it.fragment().length();
            }
        }
        QCOMPARE(blue, 3 - int(moves.count(QLatin1Char('S'))));
    }

    void insertAfterCaretKeepsCaret()
    {
        PageEdit* edit = Active()->pageEdit;
        edit->SetSelStart(3);
        edit->InsertTextAt(10, 3, QStringLiteral("XYZ"));
        QCOMPARE(edit->SelStart(), 3);
        QCOMPARE(edit->RawText().mid(10, 3), QStringLiteral("XYZ"));
        edit->ReplaceAtCaret(2, QStringLiteral("<Q>"));
        QCOMPARE(edit->SelStart(), 6);
        QTextCursor c(edit->document());
        c.setPosition(4);
        QCOMPARE(c.charFormat().foreground().color(), PageEdit::RewriteColor);
    }

    void anchorAndHiddenField_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("inserted");
        QTest::newRow("anchor untrimmed")
            << Command::InsertAnchor << QStringList{"  top "} << QStringLiteral("<a name='  top '></a>");
        QTest::newRow("anchor blank") << Command::InsertAnchor << QStringList{"   "} << QString();
        QTest::newRow("hidden value only")
            << Command::InsertHiddenField << QStringList{"", "1"} << QStringLiteral("<input type=hidden value=1>\n");
        QTest::newRow("hidden both") << Command::InsertHiddenField << QStringList{"n", " v"}
                                     << QStringLiteral("<input type=hidden name=n value= v>\n");
        QTest::newRow("submit") << Command::InsertSubmitButton << QStringList{}
                                << QStringLiteral("<input type=submit>\n");
        QTest::newRow("line break") << Command::InsertLineBreak << QStringList{} << QStringLiteral("<br>\n");
    }
    void anchorAndHiddenField()
    {
        QFETCH(Command, command);
        QFETCH(QStringList, answers);
        QFETCH(QString, inserted);
        f_.inputs = answers;
        PageEdit* edit = Active()->pageEdit;
        const QString before = edit->RawText();
        const int at = edit->SelStart();
        f_.frame->RunCommand(command);
        QString expected = before;
        expected.insert(at, inserted);
        QCOMPARE(edit->RawText(), expected);
        if (command == Command::InsertHiddenField) {
            QCOMPARE(f_.prompts->Record().size(), 2);
            QCOMPARE(f_.prompts->Record().at(1).text, QStringLiteral("请输入值:"));
            QCOMPARE(f_.prompts->Record().at(1).title, QStringLiteral("添加隐藏表单"));
        }
    }

    void clipboardCommands()
    {
        PageEdit* edit = Active()->pageEdit;
        const QString before = edit->RawText();
        QApplication::clipboard()->setText(QStringLiteral("old"));
        f_.frame->RunCommand(Command::Cut); // nothing selected: empty clipboard, text unchanged
        QCOMPARE(QApplication::clipboard()->text(), QString());
        QCOMPARE(edit->RawText(), before);

        QTextCursor c = edit->textCursor();
        c.setPosition(1);
        c.setPosition(5, QTextCursor::KeepAnchor);
        edit->setTextCursor(c);
        QVERIFY(f_.frame->Action(Command::Copy)->isEnabled());
        QVERIFY(f_.frame->Action(Command::Cut)->isEnabled());
        f_.frame->RunCommand(Command::Cut);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("html"));
        QVERIFY(edit->RawText().startsWith(QStringLiteral("<>")));
        QVERIFY(!f_.frame->Action(Command::Copy)->isEnabled());
        f_.frame->RunCommand(Command::Paste);
        QCOMPARE(edit->RawText(), before);
        f_.frame->RunCommand(Command::Undo);
        QVERIFY(edit->RawText().startsWith(QStringLiteral("<>")));
        f_.frame->RunCommand(Command::SelectAll);
        QCOMPARE(edit->textCursor().selectionStart(), 0);
        QCOMPARE(edit->textCursor().selectionEnd(), edit->document()->characterCount() - 1);
    }

    // Copy puts the page's own characters on the clipboard, as plain text only: no-break spaces stay, a character
    // of two halves at the edge of a slice is copied whole; lines end in "\n" from the key, in "\r\n" from the
    // menu and toolbar command.
    void copyIsThePlainText_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<bool>("byKey");
        const QString emoji = QString::fromUcs4(U"\U0001F600");
        const QString lines = QStringLiteral("<p>中文&nbsp;\u00A0x</p>\n\n<br>");
        const QString halves = QString(65535, QLatin1Char('a')) + emoji + QStringLiteral("z\nb");
        for (const bool byKey : {true, false}) {
            const char* how = byKey ? "key" : "command";
            QTest::addRow("%s: lines, no-break spaces", how) << lines << 1 << 21 << byKey;
            QTest::addRow("%s: two halves across a slice", how) << halves << 0 << 65540 << byKey;
            QTest::addRow("%s: within one line", how) << QStringLiteral("abc def") << 4 << 7 << byKey;
        }
    }
    void copyIsThePlainText()
    {
        QFETCH(QString, page);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(bool, byKey);
        PageEdit* edit = Active()->pageEdit;
        edit->ReplaceAllText(page);
        QTextCursor c = edit->textCursor();
        c.setPosition(from);
        c.setPosition(to, QTextCursor::KeepAnchor);
        edit->setTextCursor(c);
        if (byKey)
            QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
        else
            f_.frame->RunCommand(Command::Copy);
        const QMimeData* mime = QApplication::clipboard()->mimeData();
        QString expected = page.mid(from, to - from);
        if (!byKey)
            expected.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        QCOMPARE(mime->text(), expected);
        QVERIFY(!mime->hasHtml());
    }

    // The selection offered to the window system whenever it changes is read only when asked for, and is
    // nothing once the page has changed.
    void selectionIsReadWhenAsked()
    {
        struct Probe : PageEdit
        {
            using PageEdit::createMimeDataFromSelection;
        } edit;
        edit.setPlainText(QStringLiteral("one\ntwo"));
        edit.selectAll();
        const std::unique_ptr<QMimeData> offered(edit.createMimeDataFromSelection());
        QVERIFY(offered->hasText());
        QCOMPARE(offered->text(), QStringLiteral("one\ntwo"));
        const std::unique_ptr<QMimeData> stale(edit.createMimeDataFromSelection());
        edit.textCursor().insertText(QStringLiteral("x"));
        QCOMPARE(stale->text(), QString());
    }

    void wordWrapFollowsThePage()
    {
        PageWindow* first = Active();
        f_.frame->RunCommand(Command::ToggleWordWrap);
        QVERIFY(!first->showLineNumbers);
        QCOMPARE(first->pageEdit->lineWrapMode(), QPlainTextEdit::NoWrap);
        QVERIFY(!f_.frame->Action(Command::ToggleWordWrap)->isChecked());
        f_.frame->RunCommand(Command::NewPage);
        QVERIFY(f_.frame->Action(Command::ToggleWordWrap)->isChecked());
        f_.frame->findChild<QAction*>(QStringLiteral("WinForm_0"))->trigger();
        QCOMPARE(Active(), first);
        QVERIFY(!f_.frame->Action(Command::ToggleWordWrap)->isChecked());
    }

    void fontCancelIsNoError()
    {
        QFont offered;
        f_.prompts->SetFontResponder([&offered](QFont& f) {
            offered = f;
            return false;
        });
        f_.frame->RunCommand(Command::ChooseFont);
        QVERIFY(f_.prompts->Record().isEmpty());
        // It opens over the frame, on the installed family the page is drawn in.
        QCOMPARE(f_.prompts->fontParent, f_.frame.get());
        QCOMPARE(offered.families(), QStringList{QFontInfo(Active()->pageEdit->font()).family()});
        f_.prompts->SetFontResponder([](QFont& f) {
            f.setPointSize(21);
            f.setBold(true);
            return true;
        });
        f_.frame->RunCommand(Command::ChooseFont);
        QCOMPARE(Active()->pageEdit->font().pointSize(), 21);
        QVERIFY(Active()->pageEdit->font().bold());
        f_.prompts->SetFontResponder(nullptr);
    }

    // Each page's builder dialogs preview into a scratch file of the page's own, which goes with the page alone.
    void scratchFilePerPage()
    {
        PageWindow* first = Active();
        f_.frame->RunCommand(Command::NewPage);
        PageWindow* second = Active();
        QVERIFY(first != second);
        QCOMPARE(first->folder, second->folder);
        const QString mine = first->ScratchFile(), other = second->ScratchFile();
        QVERIFY(mine != other);
        QVERIFY(other.startsWith(second->folder));
        QCOMPARE(first->Context().ScratchFile, mine);
        QVERIFY(f_.WriteFile(mine, "<p>"));
        QVERIFY(f_.WriteFile(other, "<p>"));
        f_.frame->Area->setActiveSubWindow(f_.frame->Area->subWindowList().constFirst());
        QCOMPARE(Active(), first);
        f_.frame->RunCommand(Command::Close);
        QVERIFY(!QFile::exists(mine));
        QVERIFY(QFile::exists(other));
    }

    void fileDialogRemembersTheFilterIndex()
    {
        QList<int> startedOn;
        f_.prompts->SetFileResponder([&startedOn](const FileDialogRequest& request, int& index) {
            startedOn.append(request.filterIndex);
            index = 2; // the user switches to "所有文件"
            return QString();
        });
        FileDialog(f_.frame.get(), FileDialogMode::Open, QStringLiteral("打开文件"), QString(), f_.shared->HtmlFilter,
                   QString(), QString());
        FileDialog(f_.frame.get(), FileDialogMode::Open, QStringLiteral("打开文件"), QString(), f_.shared->HtmlFilter,
                   QString(), QString());
        FileDialog(f_.frame.get(), FileDialogMode::Open, QStringLiteral("打开文件"), QString(), f_.shared->ImageFilter,
                   QString(), QString());
        QCOMPARE(startedOn, QList<int>({1, 2, 1}));
        QCOMPARE(FileNameFilters(f_.shared->HtmlFilter), QStringList({"HTML 文件 (*.html *.htm)", "所有文件 (*.*)"}));
    }

    // A chooser starts in the page's folder (else where a file was last chosen, else where it is told) and writes
    // the address relative to a saved page, a file:/// address for a page never saved.
    void pickFileUrl_data()
    {
        QTest::addColumn<QString>("pageFolder");
        QTest::addColumn<QString>("initialDir");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("startedIn");
        QTest::addColumn<QString>("address");
        QTest::newRow("never saved") << ""
                                     << ""
                                     << "/pages/img/a.gif"
                                     << "/last"
                                     << "file:///pages/img/a.gif";
        QTest::newRow("saved, below") << "/pages/"
                                      << ""
                                      << "/pages/img/logo.gif"
                                      << "/pages/"
                                      << "img/logo.gif";
        QTest::newRow("saved, beside its folder") << "/pages/a/"
                                                  << ""
                                                  << "/pages/img/a.gif"
                                                  << "/pages/a/"
                                                  << "../img/a.gif";
        QTest::newRow("told where to start") << "/pages/"
                                             << "/pictures/"
                                             << "/pages/b.gif"
                                             << "/pictures/"
                                             << "b.gif";
        QTest::newRow("cancelled") << "/pages/"
                                   << ""
                                   << ""
                                   << "/pages/"
                                   << "unchanged";
    }
    void pickFileUrl()
    {
        QFETCH(QString, pageFolder);
        QFETCH(QString, initialDir);
        QFETCH(QString, chosen);
        QFETCH(QString, startedIn);
        QFETCH(QString, address);
        f_.prompts->KeepPickFolder(QStringLiteral("/last"));
        QLineEdit box(QStringLiteral("unchanged"));
        f_.paths = {chosen};
        PickFileUrl(&box, f_.shared->ImageFilter, f_.frame.get(), pageFolder, initialDir);
        QCOMPARE(f_.requests.last().initialDir, startedIn);
        QCOMPARE(box.text(), address);
        // The next chooser without a page folder starts where this one ended.
        QCOMPARE(f_.prompts->PickFolder(), chosen.isEmpty() ? QStringLiteral("/last") : QFileInfo(chosen).path());
    }

    // The picture filter offers what pages show today.
    void pictureFilter()
    {
        const QStringList filters = FileNameFilters(f_.shared->ImageFilter);
        for (const char* pattern : {"*.png", "*.jpg", "*.jpeg", "*.gif", "*.svg", "*.webp", "*.bmp", "*.ico"})
            QVERIFY2(filters.first().contains(QLatin1String(pattern)), pattern);
    }

    void helpFileMissing()
    {
        f_.frame->RunCommand(Command::Help);
        QCOMPARE(f_.MessageTexts(), QStringList{QStringLiteral("没找到帮助文件!!")});
    }

    void saveAsMovesTheFolder()
    {
        QDir().mkpath(Path(QStringLiteral("other")));
        f_.paths = {Path(QStringLiteral("other/B.htm"))};
        QVERIFY(f_.WriteFile(Path(QStringLiteral("qz78.html")), "stale")); // not this page's preview file
        f_.frame->RunCommand(Command::SaveAs);
        PageWindow* doc = Active();
        QCOMPARE(doc->filePath, Path(QStringLiteral("other/b.htm")));
        QCOMPARE(f_.shared->lastFolder, Path(QStringLiteral("other/")));
        QCOMPARE(doc->PreviewFile(), Path(QStringLiteral("other/qz78.html")));
        f_.frame->RunCommand(Command::NewPage);
        QCOMPARE(Active()->folder, Path(QStringLiteral("other/")));
    }

    // What the keys did: pages open, the active one, the last file dialog and message, the find dialog, the zoom
    // and the caret's line on the active page.
    QString KeyOutcome() const
    {
        PageWindow* doc = f_.Active();
        return QStringLiteral("pages=%1 active=%2 dialog=%3 message=%4 find=%5 zoom=%6 line=%7")
            .arg(f_.frame->openPageCount)
            .arg(doc ? doc->slotNumber : -1)
            .arg(f_.requests.isEmpty() ? QString() : f_.requests.constLast().title)
            .arg(f_.MessageTexts().join(QLatin1Char('|')))
            .arg(FindDialog::Instance() && FindDialog::Instance()->isVisible() ? 1 : 0)
            .arg(doc ? doc->pageEdit->Zoom() : 0)
            .arg(doc ? doc->pageEdit->textCursor().block().text() : QString());
    }

    void keys_data()
    {
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QString>("outcome");
        // Three pages (the third active), "x" typed on it and taken back with the text's own Ctrl+Z.
        const auto row = [](const char* name, const QKeySequence& key, const QString& outcome) {
            QTest::newRow(name) << key << outcome;
        };
        const QString base = QStringLiteral("pages=3 active=2 dialog= message= find=0 zoom=0 line=");
        row("Ctrl+N new page", QKeySequence(Qt::CTRL | Qt::Key_N),
            QStringLiteral("pages=4 active=3 dialog= message= find=0 zoom=0 line="));
        row("Ctrl+O open", QKeySequence(Qt::CTRL | Qt::Key_O), QString(base).replace("dialog=", "dialog=打开文件"));
        row("Ctrl+S save", QKeySequence(Qt::CTRL | Qt::Key_S), QString(base).replace("dialog=", "dialog=保存文件"));
        row("Ctrl+Shift+S save as", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
            QString(base).replace("dialog=", "dialog=另存为"));
        row("Ctrl+H find and replace", QKeySequence(Qt::CTRL | Qt::Key_H), QString(base).replace("find=0", "find=1"));
        row("Ctrl+F still finds", QKeySequence(Qt::CTRL | Qt::Key_F), QString(base).replace("find=0", "find=1"));
        row("Ctrl+Y redo", QKeySequence(Qt::CTRL | Qt::Key_Y), base + QStringLiteral("x"));
        row("Ctrl+Shift+Z redo", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), base + QStringLiteral("x"));
        row("F1 help", QKeySequence(Qt::Key_F1), QString(base).replace("message=", "message=没找到帮助文件!!"));
        row("Ctrl+Tab next page", QKeySequence(Qt::CTRL | Qt::Key_Tab), QString(base).replace("active=2", "active=0"));
        row("Ctrl+Shift+Tab previous page", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
            QString(base).replace("active=2", "active=1"));
        row("Ctrl+= zoom in", QKeySequence(Qt::CTRL | Qt::Key_Equal), QString(base).replace("zoom=0", "zoom=1"));
        row("Ctrl+- zoom out", QKeySequence(Qt::CTRL | Qt::Key_Minus), QString(base).replace("zoom=0", "zoom=-1"));
        row("Ctrl+Enter still a line break tag", QKeySequence(Qt::CTRL | Qt::Key_Return),
            base + QStringLiteral("<br>"));
    }
    void keys()
    {
        QFETCH(QKeySequence, key);
        QFETCH(QString, outcome);
        f_.frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f_.frame.get()));
        f_.frame->RunCommand(Command::NewPage);
        f_.frame->RunCommand(Command::NewPage);
        PageEdit* edit = Active()->pageEdit;
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("x"));
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(KeyOutcome(), QStringLiteral("pages=3 active=2 dialog= message= find=0 zoom=0 line="));
        QTest::keyClick(QApplication::focusWidget(), key[0].key(), key[0].keyboardModifiers());
        QCOMPARE(KeyOutcome(), outcome);
        FindDialog::Unload();
    }

    void zoomResetAndKeyColumn()
    {
        PageEdit* edit = Active()->pageEdit;
        const int size = edit->font().pointSize();
        f_.frame->RunCommand(Command::ZoomIn);
        f_.frame->RunCommand(Command::ZoomIn);
        QCOMPARE(edit->font().pointSize(), size + 2);
        f_.frame->RunCommand(Command::ZoomReset);
        QCOMPARE(edit->font().pointSize(), size);
        // The keys are in the key column, not in the captions, the text control's own keys (Ctrl+Z) too.
        QCOMPARE(f_.frame->Action(Command::SaveAs)->text(), QStringLiteral("另存为(&A)"));
        QCOMPARE(f_.frame->Action(Command::SaveAs)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
        QCOMPARE(f_.frame->Action(Command::Redo)->text(), QStringLiteral("重做(&R)"));
        QCOMPARE(f_.frame->Action(Command::Undo)->text(), QStringLiteral("撤消(&U)"));
        QCOMPARE(f_.frame->Action(Command::Undo)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
        // Redo follows the page.
        QVERIFY(!f_.frame->Action(Command::Redo)->isEnabled());
        QTest::keyClicks(edit, QStringLiteral("y"));
        f_.frame->RunCommand(Command::Undo);
        QVERIFY(f_.frame->Action(Command::Redo)->isEnabled());
        f_.frame->RunCommand(Command::NewPage);
        QVERIFY(!f_.frame->Action(Command::Redo)->isEnabled());
    }

    // Each switch: its default, then on every open page and on the next new one, and back.
    static bool SwitchShown(Command command, MainFrame* frame, PageWindow* doc)
    {
        if (command == Command::ToggleLineNumbers)
            return doc->pageEdit->LineNumbersShown() &&
                   doc->pageEdit->findChild<QWidget*>(QStringLiteral("LineNumbers"))->isVisible();
        if (command == Command::ToggleSyntaxColouring) {
            QCoreApplication::processEvents();
            return doc->pageEdit->Colouring() && !doc->pageEdit->document()->firstBlock().layout()->formats().isEmpty();
        }
        return frame->Area->viewMode() == QMdiArea::TabbedView;
    }
    void switches_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<bool>("byDefault");
        QTest::newRow("line numbers") << Command::ToggleLineNumbers << true;
        QTest::newRow("syntax colouring") << Command::ToggleSyntaxColouring << false;
        QTest::newRow("tabs") << Command::ToggleTabs << false;
    }
    void switches()
    {
        QFETCH(Command, command);
        QFETCH(bool, byDefault);
        QAction* check = f_.frame->Action(command);
        PageWindow* first = Active();
        QCOMPARE(check->isChecked(), byDefault);
        QCOMPARE(SwitchShown(command, f_.frame.get(), first), byDefault);
        check->trigger();
        QCOMPARE(check->isChecked(), !byDefault);
        QCOMPARE(SwitchShown(command, f_.frame.get(), first), !byDefault);
        f_.frame->RunCommand(Command::NewPage);
        QCOMPARE(SwitchShown(command, f_.frame.get(), Active()), !byDefault);
        check->trigger();
        QCOMPARE(SwitchShown(command, f_.frame.get(), first), byDefault);
        QCOMPARE(SwitchShown(command, f_.frame.get(), Active()), byDefault);
    }

    void modifiedPagesShowAStar()
    {
        f_.frame->RunCommand(Command::ToggleTabs);
        f_.frame->RunCommand(Command::NewPage);
        auto* tabs = f_.frame->Area->findChild<QTabBar*>();
        QVERIFY(tabs);
        QAction* entry0 = f_.frame->findChild<QAction*>(QStringLiteral("WinForm_0"));
        QAction* entry1 = f_.frame->findChild<QAction*>(QStringLiteral("WinForm_1"));
        QVERIFY(entry1->isChecked() && !entry0->isChecked()); // the active page is marked
        QTest::keyClicks(Active()->pageEdit, QStringLiteral("z"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("无标题1*"));
        QCOMPARE(tabs->tabText(0), QStringLiteral("无标题0"));
        QCOMPARE(entry1->text(), QStringLiteral("无标题1*"));
        QCOMPARE(f_.frame->windowTitle(), QStringLiteral("Kestrel网页编辑 - [无标题1*]"));
        entry0->trigger();
        QVERIFY(entry0->isChecked() && !entry1->isChecked());
        QCOMPARE(f_.frame->windowTitle(), QStringLiteral("Kestrel网页编辑 - [无标题0]"));
        // Saved under a name: the star goes; the Window entry keeps the name the page opened with.
        entry1->trigger();
        f_.paths = {Path(QStringLiteral("a.html"))};
        f_.frame->RunCommand(Command::Save);
        QCOMPARE(tabs->tabText(1), Path(QStringLiteral("a.html")));
        QCOMPARE(entry1->text(), QStringLiteral("无标题1"));
        QCOMPARE(f_.frame->windowTitle(), QStringLiteral("Kestrel网页编辑 - [") + Path(QStringLiteral("a.html")) + "]");
        // Back to windows: the sub-window's title carries the star too.
        f_.frame->RunCommand(Command::ToggleTabs);
        QTest::keyClicks(Active()->pageEdit, QStringLiteral("z"));
        QMdiSubWindow* window = f_.frame->Area->activeSubWindow();
        QCOMPARE(window->windowTitle(), Path(QStringLiteral("a.html")) + QStringLiteral("*"));
    }

    // The frame names the active page once, whatever way the pages are shown; Qt's area adds the title of a
    // maximised sub-window to the frame's unless it is there already.
    void titleNamesThePageOnce_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<bool>("twoPages");
        QTest::addColumn<QString>("file");
        for (const char* mode : {"maximised", "normal", "tabs", "windows again"})
            for (const bool modified : {false, true})
                for (const bool twoPages : {false, true})
                    QTest::addRow("%s%s%s", mode, modified ? " modified" : "", twoPages ? " two pages" : "")
                        << QString::fromLatin1(mode) << modified << twoPages << "a.html";
        // Qt's "[*]" in a name stays as it is.
        QTest::newRow("maximised modified, [*] in the name") << "maximised" << true << false << "a[*].html";
    }

    void titleNamesThePageOnce()
    {
        QFETCH(QString, mode);
        QFETCH(bool, modified);
        QFETCH(bool, twoPages);
        QFETCH(QString, file);
        const QString a = Path(file);
        QVERIFY(f_.WriteFile(a, "<p>a</p>"));
        QVERIFY(f_.WriteFile(Path(QStringLiteral("b.html")), "<p>b</p>"));
        PageWindow* page = f_.frame->OpenPath(a);
        QVERIFY(page);
        if (twoPages)
            QVERIFY(f_.frame->OpenPath(Path(QStringLiteral("b.html"))));
        if (modified)
            QTest::keyClicks(page->pageEdit, QStringLiteral("z"));
        if (mode != QLatin1String("maximised") && mode != QLatin1String("normal"))
            f_.frame->RunCommand(Command::ToggleTabs);
        if (mode == QLatin1String("windows again"))
            f_.frame->RunCommand(Command::ToggleTabs);
        else if (mode == QLatin1String("normal"))
            for (QMdiSubWindow* window : f_.frame->Area->subWindowList())
                window->showNormal();
        f_.frame->Area->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(page->parentWidget()));
        QCoreApplication::processEvents();
        QCOMPARE(Active(), page);
        const QString title = QStringLiteral("Kestrel网页编辑 - [") + a + (modified ? "*]" : "]");
        QCOMPARE(f_.frame->windowHandle()->title(), title);
        if (!file.contains(QLatin1String("[*]"))) // else doubled, for Qt to show it as it is
            QCOMPARE(f_.frame->windowTitle(), title);
        // A change after that shows at once, in the frame as in the page's own title.
        QTest::keyClicks(page->pageEdit, QStringLiteral("y"));
        QCOMPARE(f_.frame->windowHandle()->title(), QStringLiteral("Kestrel网页编辑 - [") + a + "*]");
    }

    void statusShowsEncodingAndLineEnd_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<QString>("lineEnd");
        QTest::newRow("gb18030 crlf") << QByteArray("<p>\xC4\xE3</p>\r\n<b>\r\n") << "GB18030"
                                      << "CR LF";
        QTest::newRow("utf-8 lf") << QByteArray("<p>\xE4\xBD\xA0</p>\n<b>\n") << "UTF-8"
                                  << "LF";
        QTest::newRow("ascii cr") << QByteArray("<p>a</p>\r<b>\r") << "GB18030"
                                  << "CR";
    }
    void statusShowsEncodingAndLineEnd()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, encoding);
        QFETCH(QString, lineEnd);
        // A new page is GB18030 with CR LF.
        QCOMPARE(Active()->EncodingLabel->text(), QStringLiteral("GB18030"));
        QCOMPARE(Active()->LineEndLabel->text(), QStringLiteral("CR LF"));
        QVERIFY(f_.WriteFile(Path(QStringLiteral("p.html")), bytes));
        QVERIFY(f_.frame->OpenPath(Path(QStringLiteral("p.html"))));
        QCOMPARE(Active()->EncodingLabel->text(), encoding);
        QCOMPARE(Active()->LineEndLabel->text(), lineEnd);
    }

    // The code page guessed at opening is shown and can be corrected; the page then saves in the one chosen.
    void reopenWithEncoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("edited");
        QTest::addColumn<bool>("go");
        QTest::addColumn<int>("codePage");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QByteArray>("saved");                 // after typing "文" at the start
        const QByteArray novel("<p>\xD0\xA1\xCB\xB5</p>\r\n"); // 小说 in GBK, also valid UTF-8
        const QByteArray big5("<p>\xA4\xA4\xA4\xE5</p>\r\n");  // 中文 in Big5
        QTest::newRow("GBK look-alike as UTF-8")
            << novel << false << true << int(CodePageIds::Utf8) << "UTF-8" << QByteArray("\xE6\x96\x87") + novel;
        QTest::newRow("Big5 page saves as Big5")
            << big5 << false << true << int(CodePageIds::Big5) << "Big5" << QByteArray("\xA4\xE5") + big5;
        QTest::newRow("changed page, reopen declined")
            << novel << true << false << int(CodePageIds::Big5) << "GB18030" << QByteArray("\xCE\xC4x") + novel;
        QTest::newRow("changed page, reopened")
            << big5 << true << true << int(CodePageIds::Big5) << "Big5" << QByteArray("\xA4\xE5") + big5;
    }
    void reopenWithEncoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, edited);
        QFETCH(bool, go);
        QFETCH(int, codePage);
        QFETCH(QString, label);
        QFETCH(QByteArray, saved);
        const QString path = Path(QStringLiteral("guess.html"));
        QVERIFY(f_.WriteFile(path, bytes));
        PageWindow* doc = f_.frame->OpenPath(path);
        QVERIFY(doc);
        QCOMPARE(doc->EncodingLabel->text(), QStringLiteral("GB18030"));
        if (edited)
            QTextCursor(doc->pageEdit->document()).insertText(QStringLiteral("x"));
        f_.answers = {go ? MsgAnswer::Yes : MsgAnswer::No};
        f_.frame->RunCommand(Command::ReopenAs, codePage);
        QCOMPARE(f_.MessageTexts(),
                 edited ? QStringList{QStringLiteral("网页%1已经修改, 重新打开将丢失这些修改。是否继续?").arg(path)}
                        : QStringList());
        QCOMPARE(doc->EncodingLabel->text(), label);
        QCOMPARE(doc->ChangeCount() > 0, edited && !go);
        QCOMPARE(doc->pageEdit->document()->isUndoAvailable(), edited && !go);
        QTextCursor start(doc->pageEdit->document());
        start.insertText(QStringLiteral("文"));
        QVERIFY(doc->Save());
        QCOMPARE(f_.ReadFile(path), saved);
    }

    // The charset the page declares follows the code page it is read in again, as one undo step; a page that
    // declares none gets none.
    void reopenRenamesTheDeclaration_data()
    {
        QTest::addColumn<QString>("head"); // the page's first line, before "<p>x</p>"
        QTest::addColumn<int>("codePage");
        QTest::addColumn<QString>("newHead"); // after reopening
        QTest::newRow("declared gb, read as utf-8")
            << "<meta charset=gb2312>" << int(CodePageIds::Utf8) << "<meta charset=utf-8>";
        QTest::newRow("declared big5, read as gb")
            << "<meta http-equiv=Content-Type content='text/html; charset=big5'>" << int(CodePageIds::Gb18030)
            << "<meta http-equiv=Content-Type content='text/html; charset=gb2312'>";
        QTest::newRow("declared utf-8, read as big5")
            << "<META CHARSET=\"UTF-8\">" << int(CodePageIds::Big5) << "<META CHARSET=\"big5\">";
        QTest::newRow("another name of the same code page")
            << "<meta charset=gbk>" << int(CodePageIds::Gb18030) << "<meta charset=gbk>";
        QTest::newRow("nothing declared") << "<title>t</title>" << int(CodePageIds::Utf8) << "<title>t</title>";
    }
    void reopenRenamesTheDeclaration()
    {
        QFETCH(QString, head);
        QFETCH(int, codePage);
        QFETCH(QString, newHead);
        const QString path = Path(QStringLiteral("declared.html"));
        QVERIFY(f_.WriteFile(path, (head + QStringLiteral("\r\n<p>x</p>\r\n")).toLatin1()));
        PageWindow* doc = f_.frame->OpenPath(path);
        QVERIFY(doc);
        f_.frame->RunCommand(Command::ReopenAs, codePage);
        QCOMPARE(f_.Text(doc), newHead + QStringLiteral("\n<p>x</p>\n"));
        // A renamed declaration is a change not saved yet, taken back by one undo.
        QCOMPARE(doc->ChangeCount() > 0, newHead != head);
        doc->pageEdit->undo();
        QCOMPARE(f_.Text(doc), head + QStringLiteral("\n<p>x</p>\n"));
    }

    // A click on the code page in the status row offers the same choice as the file menu.
    void encodingLabelOffersReopen()
    {
        QMenu* menu = f_.frame->MenuNamed(QStringLiteral("ReopenMenu"));
        QVERIFY(menu);
        QCOMPARE(menu->title(), QStringLiteral("以其他编码重新打开(&E)"));
        QVERIFY(!menu->isVisible());
        QTest::mouseClick(Active()->EncodingLabel, Qt::LeftButton);
        QTRY_VERIFY(menu->isVisible());
        // The page's own code page carries the mark.
        QVERIFY(f_.frame->Action(Command::ReopenAs, CodePageIds::Gb18030)->isChecked());
        QVERIFY(!f_.frame->Action(Command::ReopenAs, CodePageIds::Utf8)->isChecked());
        QVERIFY(!f_.frame->Action(Command::ReopenAs, CodePageIds::Big5)->isChecked());
        menu->hide();
    }

    // A line too long to edit: the page opens read-only, says why, shows the line in pieces and saves as read.
    void longLinePage_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<int>("blocks");
        const qsizetype limit = LongLines::Threshold, piece = LongLines::PieceLength;
        const QByteArray gb("\xD6\xD0");           // 中
        const QByteArray pair("\xF0\x9F\x98\x80"); // U+1F600, two UTF-16 units
        QTest::newRow("line at the limit stays editable") << QByteArray(limit, 'a') + "\r\nb" << false << 2;
        QTest::newRow("one unit over the limit") << QByteArray(limit + 1, 'a') << true << int(limit / piece + 1);
        QTest::newRow("GB line among short ones, mixed breaks")
            << "<p>\r\n" + gb.repeated(piece * 2 + 5) + "\n</p>\r" << true << 1 + 3 + 1 + 1;
        QTest::newRow("a pair is never cut")
            << "<meta charset=utf-8>" + QByteArray(piece - 21, 'a') + pair + QByteArray(limit, 'b') << true << 4;
    }
    void longLinePage()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, readOnly);
        QFETCH(int, blocks);
        const QString path = Path(QStringLiteral("long.html"));
        QVERIFY(f_.WriteFile(path, bytes));
        PageWindow* doc = f_.frame->OpenPath(path);
        QVERIFY(doc);
        QCOMPARE(doc->LongLinePage(), readOnly);
        QCOMPARE(doc->pageEdit->isReadOnly(), readOnly);
        QCOMPARE(doc->pageEdit->document()->blockCount(), blocks);
        QCOMPARE(f_.MessageTexts().size(), readOnly ? 1 : 0);
        if (readOnly)
            QVERIFY(f_.MessageTexts().at(0).startsWith(QStringLiteral("这个网页有一行长达")));
        for (QTextBlock b = doc->pageEdit->document()->begin(); b.isValid(); b = b.next()) {
            QVERIFY(b.length() - 1 <= LongLines::Threshold);
            QVERIFY(!b.text().endsWith(QChar(0xD83D)));
        }
        // Typed keys, the completion lists' keys, the context menu and builder insertions all leave a read-only
        // page alone.
        doc->pageEdit->selectAll();
        f_.frame->RunCommand(Command::Delete);
        f_.frame->RunCommand(Command::Cut);
        QTest::keyClicks(doc->pageEdit, QStringLiteral("x<p ;"));
        doc->InsertMarkup(QStringLiteral("<b>"));
        QCOMPARE(doc->ChangeCount() > 0, !readOnly);
        if (readOnly) {
            QVERIFY(doc->Save());
            QCOMPARE(f_.ReadFile(path), bytes);
        }
    }

    // A file already open is not opened in a second window, whichever way it comes and whatever its name: its
    // window comes to the front. Another file of the same name opens.
    void openingAnOpenPage_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("name"); // how the file is named the second time
        QTest::addColumn<bool>("same");    // the page already open
        for (const char* way : {"open dialog", "recent files", "dropped", "hand-over", "command line"})
            for (const char* name : {"a.html", "./a.html", "sub/../a.html", "symlink.html", "hardlink.html"})
                QTest::addRow("%s, %s", way, name) << QString::fromLatin1(way) << QString::fromLatin1(name) << true;
        for (const char* way : {"open dialog", "dropped", "command line"})
            QTest::addRow("%s, another a.html", way) << QString::fromLatin1(way) << "sub/a.html" << false;
    }
    void openingAnOpenPage()
    {
        QFETCH(QString, way);
        QFETCH(QString, name);
        QFETCH(bool, same);
        const QString a = Path(QStringLiteral("a.html"));
        QVERIFY(f_.WriteFile(a, "<p>a</p>"));
        QVERIFY(QDir().mkpath(Path(QStringLiteral("sub"))));
        QVERIFY(f_.WriteFile(Path(QStringLiteral("sub/a.html")), "<p>a</p>"));
        QVERIFY(QFile::link(a, Path(QStringLiteral("symlink.html"))));
        QCOMPARE(::link(QFile::encodeName(a).constData(), QFile::encodeName(Path(QStringLiteral("hardlink.html")))), 0);
        const QString second = f_.dir->path() + QLatin1Char('/') + name;

        if (way == QLatin1String("command line")) {
            f_.frame = std::make_unique<MainFrame>(*f_.shared, nullptr, false);
            f_.frame->StartWith({a, second});
            QCOMPARE(f_.frame->openPageCount, same ? 1 : 2);
            QCOMPARE(Active()->filePath, same ? a : second);
            QVERIFY(f_.prompts->Record().isEmpty());
            return;
        }
        if (way == QLatin1String("recent files")) {
            // The second name in the list of recent files, behind the first.
            QVERIFY(f_.frame->OpenPath(second));
            f_.frame->RunCommand(Command::Close);
        }
        PageWindow* page = f_.frame->OpenPath(a);
        QVERIFY(page);
        f_.frame->RunCommand(Command::NewPage);
        const int pages = f_.frame->openPageCount;

        if (way == QLatin1String("open dialog")) {
            f_.paths = {second};
            f_.frame->RunCommand(Command::OpenFile);
        } else if (way == QLatin1String("recent files")) {
            emit f_.frame->MenuNamed(QStringLiteral("FileMenu"))->aboutToShow();
            const QList<QAction*> entries = f_.frame->MenuNamed(QStringLiteral("RecentMenu"))->actions();
            const auto entry = std::find_if(entries.cbegin(), entries.cend(), [&second](const QAction* e) {
                return e->text().endsWith(QLatin1Char(' ') + second);
            });
            QVERIFY(entry != entries.cend());
            (*entry)->trigger();
        } else if (way == QLatin1String("dropped")) {
            QMimeData mime;
            mime.setUrls({QUrl::fromLocalFile(second)});
            const QPoint at = f_.frame->rect().center();
            QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(f_.frame.get(), &enter);
            QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(f_.frame.get(), &drop);
            QCoreApplication::processEvents();
        } else {
            // What a later start hands over: the absolute path of the name it was given.
            HandOverQueue(*f_.frame).Add({QFileInfo(second).absoluteFilePath()});
        }
        QCOMPARE(f_.frame->openPageCount, same ? pages : pages + 1);
        QCOMPARE(Active() == page, same);
        QVERIFY(f_.prompts->Record().isEmpty());
    }

    // With eight pages open a page already open still comes forward, without the message about too many.
    void openPageAtTheLimit_data()
    {
        QTest::addColumn<bool>("handedOver"); // else dropped
        QTest::newRow("dropped") << false;
        QTest::newRow("handed over") << true;
    }
    void openPageAtTheLimit()
    {
        QFETCH(bool, handedOver);
        const QString a = Path(QStringLiteral("a.html"));
        QVERIFY(f_.WriteFile(a, "<p>a</p>"));
        PageWindow* page = f_.frame->OpenPath(a);
        while (f_.frame->openPageCount < MainFrame::MaxDocuments)
            f_.frame->RunCommand(Command::NewPage);
        if (handedOver)
            HandOverQueue(*f_.frame).Add({a});
        else
            f_.frame->OpenFiles({a});
        QCOMPARE(Active(), page);
        QVERIFY(f_.prompts->Record().isEmpty());
    }

    void droppedFilesOpen_data()
    {
        QTest::addColumn<QString>("target"); // "frame" or "text"
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QStringList>("messages");
        const QString limit = QStringLiteral("文件太多了,请关闭其中的一个才能装入新的文件!!");
        QTest::newRow("two on the frame") << "frame" << QStringList{"a.html", "b.htm"} << 3 << QStringList{};
        QTest::newRow("one on the text") << "text" << QStringList{"a.html"} << 2 << QStringList{};
        QTest::newRow("more than eight") << "frame" << QStringList{"1.html", "2.html", "3.html", "4.html",
                                                                   "5.html", "6.html", "7.html", "8.html"}
                                         << 8 << QStringList{limit};
        QTest::newRow("a folder") << "text" << QStringList{"folder"} << 1
                                  << QStringList{QStringLiteral("文件不能打开!请检查文件是否存在或是否可读!\n") +
                                                 QStringLiteral("%1/folder")};
        QTest::newRow("a web address is not taken")
            << "frame" << QStringList{"http://example.org/a.html"} << 1 << QStringList{};
    }
    void droppedFilesOpen()
    {
        QFETCH(QString, target);
        QFETCH(QStringList, files);
        QFETCH(int, pages);
        QFETCH(QStringList, messages);
        QDir().mkpath(Path(QStringLiteral("folder")));
        QList<QUrl> urls;
        for (const QString& name : std::as_const(files)) {
            if (name.startsWith(QLatin1String("http:"))) {
                urls.append(QUrl(name));
                continue;
            }
            if (name != QLatin1String("folder"))
                QVERIFY(f_.WriteFile(Path(name), "<p>" + name.toLatin1() + "</p>"));
            urls.append(QUrl::fromLocalFile(Path(name)));
        }
        QMimeData mime;
        mime.setUrls(urls);
        QWidget* widget =
            target == QLatin1String("frame") ? static_cast<QWidget*>(f_.frame.get()) : Active()->pageEdit->viewport();
        const QPoint at = widget->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &enter);
        QCOMPARE(enter.isAccepted(), !files.first().startsWith(QLatin1String("http:")));
        if (enter.isAccepted()) {
            QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(widget, &drop);
        }
        QCoreApplication::processEvents();
        QCOMPARE(f_.frame->openPageCount, pages);
        QStringList expected;
        for (const QString& m : std::as_const(messages))
            expected.append(QString(m).replace(QLatin1String("%1"), f_.dir->path()));
        QCOMPARE(f_.MessageTexts(), expected);
        // The page's text got no file names.
        QVERIFY(!f_.Text(f_.frame->Document(0)).contains(QLatin1String("file:")));
        if (pages > 1)
            QCOMPARE(f_.frame->Document(1)->filePath, Path(files.first()));
    }
};

QTEST_MAIN(TestMainFrame)
#include "tst_mainframe.moc"
