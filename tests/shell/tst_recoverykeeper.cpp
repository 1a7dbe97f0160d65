#include "base/pagefile.h"
#include "base/previewjournal.h"
#include "browserplugin.h"
#include "modaldriver.h"
#include "pagewindowfixture.h"
#include "programrun.h"
#include "shell/recoverydialog.h"
#include "shell/recoverykeeper.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTreeWidget>
#include <QWindow>
#include <QtTest>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// Recovery files of changed pages: which pages are written and when their files go; the pages brought back at the
// next start; and the files the real program leaves when it is killed.
class TestRecoveryKeeper : public QObject
{
    Q_OBJECT

    PageWindowFixture f_;
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<RecoveryKeeper> keeper_;

    QString Folder() const { return folder_->filePath(QStringLiteral("recovery")); }
    // The recovery files, a journal's text made from its page's file and its edits (pages with "\n" breaks).
    QList<RecoveryEntry> Files() const
    {
        keeper_->Flush();
        QList<RecoveryEntry> loaded;
        const RecoveryStore store(Folder());
        for (const RecoveryEntry& e : store.List()) {
            RecoveryEntry full;
            if (!store.Load(e.file, full))
                continue;
            DecodedPage page;
            if (full.journal && PageFile::Read(full.path, page, full.readCodec) == PageFile::Ok) {
                full.text = page.text;
                for (const JournalRecord& r : std::as_const(full.records))
                    if (r.kind == JournalRecord::Edit)
                        full.text.replace(r.position, r.removed, r.inserted);
            }
            loaded.append(full);
        }
        return loaded;
    }
    // The bytes of the one recovery file.
    QByteArray OnlyFile() const
    {
        keeper_->Flush();
        const QList<RecoveryEntry> files = RecoveryStore(Folder()).List();
        return files.size() == 1 ? PageWindowFixture::ReadFile(QDir(Folder()).filePath(files.first().file))
                                 : QByteArray();
    }
    // Closes a page without saving, as a crash would end it, and leaves its recovery file as it was.
    void Crash(PageWindow* page)
    {
        const QString file = keeper_->FileOf(page);
        const QByteArray bytes = OnlyFile();
        QVERIFY(!bytes.isEmpty());
        f_.answers = {MsgAnswer::No};
        QVERIFY(qobject_cast<QMdiSubWindow*>(page->parentWidget())->close());
        keeper_->Flush();
        QVERIFY(f_.WriteFile(QDir(Folder()).filePath(file), bytes));
    }
    // Gives the file the modification time `time`, to the nanosecond.
    static bool SetTime(const QString& path, const timespec& time)
    {
        const timespec times[2] = {{0, UTIME_OMIT}, time};
        return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
    }
    PageWindow* PageOn(const QString& path) const
    {
        for (QMdiSubWindow* w : f_.frame->Area->subWindowList())
            if (auto* p = qobject_cast<PageWindow*>(w->widget()); p && p->filePath == path)
                return p;
        return nullptr;
    }
    QStringList Messages() const
    {
        QStringList texts;
        for (const MessageRecord& box : f_.prompts->Record())
            texts.append(box.text);
        return texts;
    }
    static void Type(PageWindow* page, const QString& text) { QTest::keyClicks(page->pageEdit, text); }

    // A recovery file as a crashed run leaves it.
    void Leave(const QString& path, const QString& name, const QString& text, int second)
    {
        RecoveryEntry e;
        e.path = path;
        e.name = name;
        e.text = text;
        e.time = QDateTime(QDate(2026, 12, 7), QTime(9, 0, second), Qt::UTC);
        e.encoding.lineEnd = PageEncoding::Lf;
        QVERIFY(RecoveryStore(Folder()).Write(RecoveryStore::NewFileName(), e));
    }

    // Puts `what` at `path`: "" nothing, or a file, folder, fifo, socket, unreadable file, or a link to a file,
    // a folder or nothing.
    static bool Make(const QString& what, const QString& path)
    {
        const QByteArray name = QFile::encodeName(path);
        if (what.isEmpty())
            return true;
        if (what == QLatin1String("file"))
            return PageWindowFixture::WriteFile(path, "<p>\n");
        if (what == QLatin1String("unreadable"))
            return PageWindowFixture::WriteFile(path, "<p>\n") && QFile::setPermissions(path, {});
        if (what == QLatin1String("folder"))
            return QDir().mkpath(path);
        if (what == QLatin1String("fifo"))
            return ::mkfifo(name.constData(), 0600) == 0;
        if (what == QLatin1String("socket")) {
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un addr{};
            addr.sun_family = AF_UNIX;
            qstrncpy(addr.sun_path, name.constData(), sizeof addr.sun_path);
            const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
            ::close(fd);
            return bound;
        }
        // "link to X": X is made beside it first.
        const QString target = path + QStringLiteral(".target");
        return what.startsWith(QLatin1String("link to ")) && Make(what.mid(8), target) && QFile::link(target, path);
    }

private Q_SLOTS:
    void init()
    {
        f_.Start(false);
        folder_ = std::make_unique<QTemporaryDir>();
        // The timer stays out of the way: the tests write when they say so.
        keeper_ = std::make_unique<RecoveryKeeper>(*f_.frame, Folder(), 3600 * 1000);
    }
    void cleanup()
    {
        keeper_.reset();
        f_.Stop();
        folder_.reset();
    }

    void written_data()
    {
        // Steps: t type "x", w write the changed pages, f the focus leaves the program, s save, c close (not saving),
        // q close the frame, d another program writes the page's file.
        QTest::addColumn<bool>("titled"); // a page opened from "<p>kestrel</p>\n", else the new page
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("queued");        // by the last write
        QTest::addColumn<QStringList>("texts"); // the recovery files' texts afterwards
        QTest::addColumn<QString>("kinds");     // of each file: j a journal, c a copy
        const QString page = QStringLiteral("<p>kestrel</p>\n");
        QTest::newRow("unchanged page: nothing") << true << "w" << 0 << QStringList{} << "";
        QTest::newRow("changed page: a journal") << true << "tw" << 1 << QStringList{"x" + page} << "j";
        QTest::newRow("no change since the last write: not again")
            << true << "tww" << 0 << QStringList{"x" + page} << "j";
        QTest::newRow("changed again: appended") << true << "twtw" << 1 << QStringList{"xx" + page} << "j";
        QTest::newRow("the journal outgrows the page: a copy")
            << true << "twtttw" << 1 << QStringList{"xxxx" + page} << "c";
        QTest::newRow("a copy goes on being one") << true << "ttttwtw" << 1 << QStringList{"xxxxx" + page} << "c";
        QTest::newRow("the file changed on disk: a copy") << true << "twdtw" << 1 << QStringList{"xx" + page} << "c";
        QTest::newRow("saved: its file goes") << true << "tws" << 1 << QStringList{} << "";
        QTest::newRow("saved, then changed: a new journal on the saved file")
            << true << "twstw" << 1 << QStringList{"xx" + page} << "j";
        QTest::newRow("closed without saving: its file goes") << true << "twc" << 1 << QStringList{} << "";
        QTest::newRow("program closed: no file left") << true << "twq" << 1 << QStringList{} << "";
        // A new page's caret is on the empty line inside its body.
        // A file keeps the page's own line breaks (the new page's are CR LF).
        QString fresh = PageWindow::NewPageTemplate();
        fresh.insert(fresh.indexOf(QStringLiteral("<body>\r\n")) + 8, QLatin1Char('x'));
        QTest::newRow("focus leaves the program: written") << true << "tf" << -1 << QStringList{"x" + page} << "j";
        QTest::newRow("focus leaves an unchanged page: nothing") << true << "f" << -1 << QStringList{} << "";
        QTest::newRow("untitled page: a copy") << false << "tw" << 1 << QStringList{fresh} << "c";
    }
    void written()
    {
        QFETCH(bool, titled);
        QFETCH(QString, steps);
        QFETCH(int, queued);
        QFETCH(QStringList, texts);
        QFETCH(QString, kinds);
        PageWindow* page = f_.Active();
        const QString path = f_.Path(QStringLiteral("a.html"));
        if (titled) {
            QVERIFY(f_.WriteFile(path, "<p>kestrel</p>\n"));
            page = f_.frame->OpenPath(path);
            QVERIFY(page);
            page->pageEdit->SetSelStart(0);
        }
        int last = -1;
        for (const QChar step : steps) {
            switch (step.toLatin1()) {
            case 't':
                Type(page, QStringLiteral("x"));
                break;
            case 'w':
                last = keeper_->WriteChanged();
                break;
            case 'f':
                emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
                break;
            case 's':
                QVERIFY(page->Save());
                break;
            case 'c':
                f_.answers = {MsgAnswer::No};
                QVERIFY(qobject_cast<QMdiSubWindow*>(page->parentWidget())->close());
                break;
            case 'q':
                f_.answers = QList<MsgAnswer>(MainFrame::MaxDocuments, MsgAnswer::No);
                QVERIFY(f_.frame->close());
                break;
            case 'd':
                QVERIFY(f_.WriteFile(path, "<p>another program</p>\n"));
                break;
            }
        }
        QCOMPARE(last, queued);
        QStringList found;
        QString kindsFound;
        for (const RecoveryEntry& e : Files()) {
            found.append(e.text);
            kindsFound += e.journal ? QLatin1Char('j') : QLatin1Char('c');
            QCOMPARE(e.path, titled ? path : QString());
            QCOMPARE(e.name, titled ? path : QStringLiteral("无标题0"));
        }
        QCOMPARE(found, texts);
        QCOMPARE(kindsFound, kinds);
        // Never beside the page.
        QCOMPARE(QDir(f_.dir->path()).entryList({QStringLiteral("*.kestrel-recovery")}, QDir::Files), QStringList());
    }

    // A page comes back from its recovery file in its own code page and with each line's own break, so saving it
    // writes what the user had.
    void restoredAsItWas()
    {
        const QString path = f_.Path(QStringLiteral("b.html"));
        QVERIFY(f_.WriteFile(path, "<meta charset=big5>\r\n\xA4\xA4\xA4\xE5\nx\r\n"));
        PageWindow* page = f_.frame->OpenPath(path);
        QVERIFY(page);
        QCOMPARE(page->Encoding().codec, PageEncoding::Big5);
        page->pageEdit->SetSelStart(0);
        Type(page, QStringLiteral("y"));
        QCOMPARE(keeper_->WriteChanged(), 1);
        // As after a crash: the page is gone unsaved and its file is still there.
        Crash(page);

        OnNextModal<RecoveryDialog>([](RecoveryDialog* form) { form->accept(); });
        keeper_->Offer(f_.frame.get());
        PageWindow* back = PageOn(path);
        QVERIFY(back);
        QVERIFY(back->Save());
        QCOMPARE(f_.ReadFile(path), QByteArray("y<meta charset=big5>\r\n\xA4\xA4\xA4\xE5\nx\r\n"));
    }

    void offered_data()
    {
        QTest::addColumn<QList<bool>>("checked"); // per listed page, oldest first; empty: Cancel
        QTest::addColumn<QStringList>("pages");   // the frame's pages afterwards, by caption
        QTest::addColumn<int>("filesLeft");
        QTest::addColumn<QString>("title"); // the frame's, naming the active page once
        // An untitled page comes back under the name of the place it takes.
        QTest::newRow("both back, in place of the new page")
            << QList<bool>{true, true} << QStringList{"a.html", "无标题1"} << 2 << "[无标题1*]";
        QTest::newRow("one back, the other dropped")
            << QList<bool>{false, true} << QStringList{"无标题0"} << 1 << "[无标题0*]";
        QTest::newRow("none chosen: both dropped, the new page stays")
            << QList<bool>{false, false} << QStringList{"无标题0"} << 0 << "[无标题0]";
        QTest::newRow("cancelled: kept for the next start")
            << QList<bool>{} << QStringList{"无标题0"} << 2 << "[无标题0]";
    }
    void offered()
    {
        QFETCH(QList<bool>, checked);
        QFETCH(QStringList, pages);
        QFETCH(int, filesLeft);
        QFETCH(QString, title);
        const QString path = f_.Path(QStringLiteral("a.html"));
        QVERIFY(f_.WriteFile(path, "<p>on disk</p>\n"));
        Leave(path, path, QStringLiteral("<p>changed</p>\n"), 1);
        Leave(QString(), QStringLiteral("无标题3"), QStringLiteral("new\n页"), 2);

        QStringList listed;
        OnNextModal<RecoveryDialog>([&](RecoveryDialog* form) {
            QCOMPARE(form->focusWidget(), form->PageList);
            for (int i = 0; i < form->PageList->topLevelItemCount(); ++i) {
                QTreeWidgetItem* item = form->PageList->topLevelItem(i);
                listed.append(item->text(0) + QLatin1Char('|') + item->text(1));
                if (!checked.isEmpty())
                    item->setCheckState(0, checked.at(i) ? Qt::Checked : Qt::Unchecked);
            }
            if (!checked.isEmpty())
                form->accept();
        });
        keeper_->Offer(f_.frame.get());
        const auto local = [](int second) {
            return QDateTime(QDate(2026, 12, 7), QTime(9, 0, second), Qt::UTC)
                .toLocalTime()
                .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        };
        QCOMPARE(listed, (QStringList{path + QLatin1Char('|') + local(1), QStringLiteral("无标题3|") + local(2)}));

        QStringList captions;
        for (QMdiSubWindow* w : f_.frame->Area->subWindowList()) {
            auto* page = qobject_cast<PageWindow*>(w->widget());
            captions.append(QFileInfo(page->filePath).fileName());
            const bool restored = page->filePath == path || checked.value(1);
            QCOMPARE(page->ChangeCount() > 0, restored);
            if (page->filePath == path) {
                QVERIFY(page->hasFile);
                QCOMPARE(f_.Text(page), QStringLiteral("<p>changed</p>\n"));
                QCOMPARE(page->Encoding().lineEnd, PageEncoding::Lf);
            } else if (restored) {
                QVERIFY(!page->hasFile);
                QCOMPARE(f_.Text(page), QStringLiteral("new\n页"));
            }
        }
        QCOMPARE(captions, pages);
        QCoreApplication::processEvents();
        QCOMPARE(f_.frame->windowHandle()->title(), QStringLiteral("Kestrel网页编辑 - ") + title);
        QCOMPARE(Files().size(), filesLeft);
        // The page on disk is not touched by bringing its changes back.
        QCOMPARE(f_.ReadFile(path), QByteArray("<p>on disk</p>\n"));
    }

    // Only what the editor could have had open is offered; a file naming anything else stays where it is.
    void offeredOnlyPages_data()
    {
        QTest::addColumn<QString>("path"); // "<dir>" is the scratch folder
        QTest::addColumn<QString>("there");
        QTest::addColumn<bool>("offered");
        QTest::newRow("a page") << "<dir>/a.html"
                                << "file" << true;
        QTest::newRow("a page since deleted: its text is still wanted") << "<dir>/a.html"
                                                                        << "" << true;
        QTest::newRow("a page whose folder is gone too") << "<dir>/gone/a.html"
                                                         << "" << true;
        QTest::newRow("a link to a page") << "<dir>/a.html"
                                          << "link to file" << true;
        QTest::newRow("a link to a page since deleted") << "<dir>/a.html"
                                                        << "link to " << true;
        QTest::newRow("relative, climbing out") << "../../etc/passwd"
                                                << "" << false;
        QTest::newRow("relative") << "a.html"
                                  << "" << false;
        QTest::newRow("a resource") << ":/about/about.html"
                                    << "" << false;
        QTest::newRow("a folder") << "<dir>/d"
                                  << "folder" << false;
        QTest::newRow("a link to a folder") << "<dir>/d"
                                            << "link to folder" << false;
        QTest::newRow("a device") << "/dev/null"
                                  << "" << false;
        QTest::newRow("a FIFO") << "<dir>/f"
                                << "fifo" << false;
        QTest::newRow("a socket") << "<dir>/s"
                                  << "socket" << false;
        QTest::newRow("an unreadable page") << "<dir>/u.html"
                                            << "unreadable" << false;
    }
    void offeredOnlyPages()
    {
        QFETCH(QString, path);
        QFETCH(QString, there);
        QFETCH(bool, offered);
        if (there == QLatin1String("unreadable") && ::geteuid() == 0)
            QSKIP("every file is readable to root");
        path.replace(QLatin1String("<dir>"), f_.dir->path());
        QVERIFY(Make(there, path));
        Leave(path, path, QStringLiteral("<p>kept</p>\n"), 1);
        Leave(QString(), QStringLiteral("无标题3"), QStringLiteral("new\n"), 2);

        QStringList listed;
        OnNextModal<RecoveryDialog>([&listed](RecoveryDialog* form) {
            for (int i = 0; i < form->PageList->topLevelItemCount(); ++i)
                listed.append(form->PageList->topLevelItem(i)->text(0));
            form->accept();
        });
        keeper_->Offer(f_.frame.get());
        QStringList wanted{QStringLiteral("无标题3")};
        if (offered)
            wanted.prepend(path);
        QCOMPARE(listed, wanted);
        QStringList opened;
        for (QMdiSubWindow* w : f_.frame->Area->subWindowList())
            opened.append(qobject_cast<PageWindow*>(w->widget())->filePath);
        QCOMPARE(opened.contains(path), offered);
        // Brought back or passed over, no recovery file is removed.
        QCOMPARE(Files().size(), 2);
    }

    // A journal goes back onto its page's file only while that file is the one it was recorded on; otherwise the
    // user is told and the journal stays for a later start. A journal cut off in its last write gives back the
    // edits before it, and takes the next ones after them.
    void journalRestored_data()
    {
        QTest::addColumn<QString>("disk"); // what befell the page's file after the crash
        QTest::addColumn<QString>("text"); // the page brought back, "" none
        QTest::newRow("untouched") << ""
                                   << "abc<p>kestrel journal</p>\n";
        QTest::newRow("the last write cut off") << "torn"
                                                << "ab<p>kestrel journal</p>\n";
        QTest::newRow("touched: another time") << "touched"
                                               << "";
        QTest::newRow("other bytes, same size and time") << "bytes"
                                                         << "";
        QTest::newRow("deleted") << "deleted"
                                 << "";
    }
    void journalRestored()
    {
        QFETCH(QString, disk);
        QFETCH(QString, text);
        const QString path = f_.Path(QStringLiteral("j.html"));
        const QByteArray original = "<p>kestrel journal</p>\n";
        QVERIFY(f_.WriteFile(path, original));
        PageWindow* page = f_.frame->OpenPath(path);
        QVERIFY(page);
        page->pageEdit->SetSelStart(0);
        Type(page, QStringLiteral("ab"));
        QCOMPARE(keeper_->WriteChanged(), 1);
        Type(page, QStringLiteral("c"));
        QCOMPARE(keeper_->WriteChanged(), 1);
        const QString file = keeper_->FileOf(page);
        Crash(page);
        const QString journal = QDir(Folder()).filePath(file);
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
        const timespec time = st.st_mtim;
        if (disk == QLatin1String("torn"))
            QVERIFY(f_.WriteFile(journal, f_.ReadFile(journal).chopped(2)));
        else if (disk == QLatin1String("touched"))
            QVERIFY(SetTime(path, {time.tv_sec + 5, time.tv_nsec}));
        else if (disk == QLatin1String("bytes"))
            QVERIFY(f_.WriteFile(path, QByteArray(original).replace("kestrel", "KESTREL")) && SetTime(path, time));
        else if (disk == QLatin1String("deleted"))
            QVERIFY(QFile::remove(path));

        f_.prompts->Record().clear();
        OnNextModal<RecoveryDialog>([](RecoveryDialog* form) { form->accept(); });
        keeper_->Offer(f_.frame.get());
        PageWindow* back = PageOn(path);
        QCOMPARE(back != nullptr, !text.isEmpty());
        QCOMPARE(Messages(), text.isEmpty()
                                 ? QStringList{QStringLiteral("网页%1在磁盘上已被修改, 无法恢复编辑。").arg(path)}
                                 : QStringList{});
        // Not brought back, it is kept as it was.
        QCOMPARE(RecoveryStore(Folder()).List().size(), 1);
        if (!back)
            return;
        QCOMPARE(f_.Text(back), text);
        QVERIFY(back->ChangeCount() > 0);
        back->pageEdit->SetSelStart(0);
        Type(back, QStringLiteral("d"));
        QCOMPARE(keeper_->WriteChanged(), 1);
        QCOMPARE(keeper_->FileOf(back), file);
        QCOMPARE(Files().value(0).text, QLatin1Char('d') + text);
        QVERIFY(back->Save());
        QCOMPARE(f_.ReadFile(path), (QLatin1Char('d') + text).toUtf8());
    }

    // A copy made beside a page whose file has since changed is brought back only when the user says so; one
    // whose page was deleted since is all there is of the page, and comes back unasked.
    void copyOfAChangedPage_data()
    {
        QTest::addColumn<QString>("disk");
        QTest::addColumn<MsgAnswer>("answer");
        QTest::addColumn<bool>("back");
        QTest::newRow("unchanged: back unasked") << "" << MsgAnswer::Cancel << true;
        QTest::newRow("changed, Yes: the copy back") << "changed" << MsgAnswer::Yes << true;
        QTest::newRow("changed, No: kept") << "changed" << MsgAnswer::No << false;
        QTest::newRow("deleted: back unasked") << "deleted" << MsgAnswer::Cancel << true;
    }
    void copyOfAChangedPage()
    {
        QFETCH(QString, disk);
        QFETCH(MsgAnswer, answer);
        QFETCH(bool, back);
        const QString path = f_.Path(QStringLiteral("c.html"));
        QVERIFY(f_.WriteFile(path, "<p>x</p>\n"));
        PageWindow* page = f_.frame->OpenPath(path);
        QVERIFY(page);
        // Longer than the page: a copy.
        Type(page, QStringLiteral("copied"));
        QCOMPARE(keeper_->WriteChanged(), 1);
        QVERIFY(!Files().value(0).journal);
        Crash(page);
        if (disk == QLatin1String("changed"))
            QVERIFY(f_.WriteFile(path, "<p>changed by another program</p>\n"));
        else if (disk == QLatin1String("deleted"))
            QVERIFY(QFile::remove(path));

        f_.prompts->Record().clear();
        if (answer != MsgAnswer::Cancel)
            f_.answers = {answer};
        OnNextModal<RecoveryDialog>([](RecoveryDialog* form) { form->accept(); });
        keeper_->Offer(f_.frame.get());
        QCOMPARE(Messages(),
                 disk == QLatin1String("changed")
                     ? QStringList{QStringLiteral("网页%1在磁盘上已被修改, 无法恢复编辑。\n是否恢复这个网页的完整副本?")
                                       .arg(path)}
                     : QStringList{});
        PageWindow* restored = PageOn(path);
        QCOMPARE(restored != nullptr, back);
        if (restored)
            QCOMPARE(f_.Text(restored), QStringLiteral("copied<p>x</p>\n"));
        QCOMPARE(RecoveryStore(Folder()).List().size(), 1);
    }

    // The real program, killed while two pages are changed, leaves both for the next start.
    void killed()
    {
        ProgramRun run;
        const QString a = run.Path(QStringLiteral("a.html")), b = run.Path(QStringLiteral("b.html"));
        QVERIFY(ProgramRun::WriteFile(a, "<p>a</p>\r\n"));
        QVERIFY(ProgramRun::WriteFile(b, "<p>b</p>\n"));
        QProcessEnvironment env = run.Environment();
        env.insert(QStringLiteral("KESTREL_TEST_TYPING"), QStringLiteral("改动"));
        env.insert(QStringLiteral("KESTREL_RECOVERY_INTERVAL"), QStringLiteral("100"));
        QProcess* editor = run.Start(QStringLiteral(KESTREL_BUILD_DIR "/kestrel"), {a, b}, env);
        const RecoveryStore store(run.RecoveryFolder());
        QTRY_COMPARE_WITH_TIMEOUT(store.List().size(), 2, 20000);
        editor->kill();
        QVERIFY(editor->waitForFinished(10000));
        QCOMPARE(editor->exitStatus(), QProcess::CrashExit);

        RecoveryKeeper next(*f_.frame, run.RecoveryFolder(), 3600 * 1000);
        OnNextModal<RecoveryDialog>([](RecoveryDialog* form) { form->accept(); });
        next.Offer(f_.frame.get());
        QStringList found;
        for (QMdiSubWindow* w : f_.frame->Area->subWindowList()) {
            auto* page = qobject_cast<PageWindow*>(w->widget());
            QVERIFY(page->ChangeCount() > 0);
            found.append(page->filePath + QLatin1Char('|') + f_.Text(page).remove(QStringLiteral("改动")));
            QVERIFY(f_.Text(page).contains(QStringLiteral("改动")));
        }
        found.sort();
        QCOMPARE(found, (QStringList{a + QStringLiteral("|<p>a</p>\n"), b + QStringLiteral("|<p>b</p>\n")}));
    }

    // The preview files a killed program left beside its pages go at the next start; one the user has written
    // since at that name stays.
    void killedWhilePreviewing()
    {
        SKIP_WITHOUT_BROWSER(); // without it the first preview stops at its message and the second never comes
        ProgramRun run;
        const QString a = run.Path(QStringLiteral("site/a.html")), b = run.Path(QStringLiteral("other/b.html"));
        const QString previewA = run.Path(QStringLiteral("site/qz78.html"));
        const QString previewB = run.Path(QStringLiteral("other/qz78.html"));
        QVERIFY(QDir().mkpath(run.Path(QStringLiteral("site"))) && QDir().mkpath(run.Path(QStringLiteral("other"))));
        QVERIFY(ProgramRun::WriteFile(a, "<p>a</p>\r\n"));
        QVERIFY(ProgramRun::WriteFile(b, "<p>b</p>\r\n"));
        QProcessEnvironment env = run.Environment();
        env.insert(QStringLiteral("KESTREL_TEST_COMMANDS"), QStringLiteral("Preview"));
        QProcess* editor = run.Start(QStringLiteral(KESTREL_BUILD_DIR "/kestrel"), {a, b}, env);
        const PreviewJournal list(run.PreviewList());
        QTRY_COMPARE_WITH_TIMEOUT(list.List().size(), 2, 30000);
        editor->kill();
        QVERIFY(editor->waitForFinished(10000));
        QCOMPARE(editor->exitStatus(), QProcess::CrashExit);
        QCOMPARE(f_.ReadFile(previewA), QByteArray("<p>a</p>\r\n"));
        QVERIFY(ProgramRun::WriteFile(previewB, "<p>mine now</p>\r\n"));

        run.Start(QStringList{});
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(previewA), 20000);
        QCOMPARE(f_.ReadFile(previewB), QByteArray("<p>mine now</p>\r\n"));
        QVERIFY(list.List().isEmpty());
        QCOMPARE(f_.ReadFile(a), QByteArray("<p>a</p>\r\n"));
    }

    // A page with a second name is rewritten in place. A save killed after its first piece leaves the page half
    // new and, beside it, a hidden copy of its old bytes with its permissions, offered at the next start: put back,
    // both names show the old page again; left unchecked, it is dropped; after Cancel it is offered again.
    void killedInTheMiddleOfARewrite_data()
    {
        QTest::addColumn<int>("choice"); // 1 put back, 0 left unchecked, -1 Cancel
        QTest::newRow("put back under both names") << 1;
        QTest::newRow("left unchecked: dropped") << 0;
        QTest::newRow("cancelled: offered again") << -1;
    }
    void killedInTheMiddleOfARewrite()
    {
        QFETCH(int, choice);
        ProgramRun run;
        const QString page = run.Path(QStringLiteral("linked.html")), other = run.Path(QStringLiteral("other.html"));
        QByteArray original, newer;
        for (int i = 0; original.size() < 512 * 1024; ++i) {
            original += QStringLiteral("<p>旧的第%1段</p>\r\n").arg(i).toUtf8();
            newer += QStringLiteral("<p>新的第%1段</p>\r\n").arg(i).toUtf8();
        }
        QVERIFY(ProgramRun::WriteFile(page, original));
        QVERIFY(QFile::setPermissions(page, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        QCOMPARE(::link(QFile::encodeName(page).constData(), QFile::encodeName(other).constData()), 0);
        const QString bytes = run.Path(QStringLiteral("new-bytes"));
        QVERIFY(ProgramRun::WriteFile(bytes, newer));

        QProcessEnvironment env = run.Environment();
        env.insert(QStringLiteral("KESTREL_TEST_KILL_REWRITE"), QStringLiteral("1"));
        QProcess* writer =
            run.Start(QStringLiteral(KESTREL_BUILD_DIR "/tests/pagewriter"), {run.RewriteList(), page, bytes}, env);
        QVERIFY(writer->waitForFinished(20000));
        QCOMPARE(writer->exitStatus(), QProcess::CrashExit);
        const QByteArray half = f_.ReadFile(page);
        QVERIFY(half.startsWith(newer.left(1024)));
        QVERIFY(half.endsWith(original.right(1024)));
        const QString copy = run.Path(QStringLiteral(".linked.html.kestrel-backup"));
        QVERIFY(f_.ReadFile(copy) == original);
        QCOMPARE(QFile::permissions(copy), QFile::permissions(page));

        QStringList listed;
        const auto offer = [&] {
            RecoveryKeeper next(*f_.frame, run.RecoveryFolder(), 3600 * 1000);
            const auto waiting = OnNextModal<RecoveryDialog>([&](RecoveryDialog* form) {
                for (int i = 0; i < form->PageList->topLevelItemCount(); ++i)
                    listed.append(form->PageList->topLevelItem(i)->text(0));
                if (choice == 0)
                    form->PageList->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
                if (choice >= 0)
                    form->accept();
            });
            next.Offer(f_.frame.get());
            *waiting = false;
        };
        offer();
        QCOMPARE(listed.size(), 1);
        QVERIFY(listed.first().contains(page));
        const QByteArray expected = choice == 1 ? original : half;
        QVERIFY(f_.ReadFile(page) == expected);
        QVERIFY(f_.ReadFile(other) == expected);
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(page).constData(), &st), 0);
        QCOMPARE(int(st.st_nlink), 2);
        QCOMPARE(QFileInfo::exists(copy), choice < 0);
        listed.clear();
        offer();
        QCOMPARE(listed.size(), choice < 0 ? 1 : 0);
    }
};

QTEST_MAIN(TestRecoveryKeeper)
#include "tst_recoverykeeper.moc"
