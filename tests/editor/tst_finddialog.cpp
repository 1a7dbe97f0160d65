#include "editor/finddialog.h"
#include "pagewindowfixture.h"
#include "shell/findresultsdock.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QLabel>
#include <QScopeGuard>
#include <QTreeWidget>

class TestFindDialog : public QObject
{
    Q_OBJECT

    PageWindowFixture f_;
    const QString notFound_ = QStringLiteral("对不起,没找到!\r\n\r\n已查找完毕!请注意光标的位置!");

    FindDialog* Open(const QString& text, int caret, const QString& what, const QString& with = QString())
    {
        PageWindowFixture::SetText(f_.Active(), text, caret);
        f_.frame->RunCommand(Command::FindReplace);
        FindDialog* form = FindDialog::Instance();
        if (form) {
            form->FindText->setText(what);
            form->ReplText->setText(with);
        }
        return form;
    }
    QPair<int, int> Selection() const
    {
        const QTextCursor c = f_.Active()->pageEdit->textCursor();
        return {c.selectionStart(), c.selectionEnd()};
    }
    // Whether the page draws its selection in the highlight colour across most of the selection's first line (along
    // its top, above the letters).
    bool SelectionPainted() const
    {
        PageEdit* text = f_.Active()->pageEdit;
        QTextCursor c = text->textCursor();
        const int end = c.selectionEnd();
        c.setPosition(c.selectionStart());
        const QRect from = text->cursorRect(c);
        c.setPosition(end);
        const QRect to = text->cursorRect(c);
        const QImage shot = text->viewport()->grab().toImage();
        const QRgb highlight = text->palette().color(QPalette::Active, QPalette::Highlight).rgb();
        int painted = 0;
        for (int x = from.right() + 1; x < to.left(); ++x)
            painted += shot.pixel(x, from.top() + 1) == highlight ? 1 : 0;
        return painted * 2 > to.left() - from.right();
    }

private Q_SLOTS:
    void init() { f_.Start(false); }
    void cleanup()
    {
        FindDialog::Unload();
        f_.Stop();
    }

    void dialog()
    {
        FindDialog* form = Open(QStringLiteral("x"), 0, QString());
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), QStringLiteral("查找替换"));
        QVERIFY(form->isVisible());
        QVERIFY(!form->isModal());
        QVERIFY(form->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(form->Form1.data(), f_.Active());
        QCOMPARE(form->pageEdit.data(), f_.Active()->pageEdit);
        QVERIFY(!form->CheckDx->isChecked());
        // The toolbar button and the context menu entry open the same dialog.
        f_.frame->Action(Command::FindReplace)->trigger();
        f_.frame->RunCommand(Command::FindReplace);
        QCOMPARE(FindDialog::Instance(), form);
        QVERIFY(f_.frame->Action(Command::FindReplace)->isEnabled());
    }

    // Successive Find Next from the caret: the selections found, then the not-found message.
    void findNext_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("what");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QList<int>>("starts");
        QTest::newRow("abcabc") << "abcabc" << 0 << "abc" << false << QList<int>{0, 3};
        QTest::newRow("aaaa overlaps") << "aaaa" << 0 << "aa" << false << QList<int>{0, 1, 2};
        QTest::newRow("case ignored") << "xABC" << 0 << "abc" << false << QList<int>{1};
        QTest::newRow("case matters") << "xABC" << 0 << "abc" << true << QList<int>{};
        QTest::newRow("from one before the caret") << "abcabc" << 4 << "abc" << false << QList<int>{3};
        QTest::newRow("caret right after a match") << "abcabc" << 1 << "abc" << false << QList<int>{0, 3};
        QTest::newRow("across lines") << "one\nabc\nabc" << 0 << "ABC" << false << QList<int>{4, 8};
        QTest::newRow("no wrap at the end") << "abc x" << 5 << "abc" << false << QList<int>{};
    }
    void findNext()
    {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(QString, what);
        QFETCH(bool, matchCase);
        QFETCH(QList<int>, starts);
        FindDialog* form = Open(text, caret, what);
        QVERIFY(form);
        if (matchCase)
            form->CheckDx->click();
        for (const int start : starts) {
            form->FindNextCom->click();
            QCOMPARE(Selection(), qMakePair(start, start + int(what.size())));
        }
        QVERIFY(f_.prompts->Record().isEmpty());
        const auto before = Selection();
        form->FindNextCom->click();
        QCOMPARE(f_.MessageTexts(), QStringList{notFound_});
        QCOMPARE(f_.prompts->Record().constLast().title, QStringLiteral("提示"));
        QCOMPARE(Selection(), before);
        QCOMPARE(PageWindowFixture::Text(f_.Active()), text);
    }

    void enterInTheFindBoxFinds()
    {
        FindDialog* form = Open(QStringLiteral("abcabc"), 0, QStringLiteral("bc"));
        QTest::keyClick(form->FindText, Qt::Key_Return);
        QCOMPARE(Selection(), qMakePair(1, 3));
        QTest::keyClick(form->FindText, Qt::Key_Return);
        QCOMPARE(Selection(), qMakePair(4, 6));
        QVERIFY(f_.prompts->Record().isEmpty());
    }

    // A find started in the dialog leaves the keyboard there, so the next Enter finds again instead of breaking the
    // page's line; the page shows the match selected all the same, even under a theme that draws an unfocused
    // selection like the background.
    void keyboardStaysInTheDialog_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("button clicked") << "click";
        QTest::newRow("Enter in the find box") << "enter";
        QTest::newRow("Alt+N") << "alt+n";
    }
    void keyboardStaysInTheDialog()
    {
        QFETCH(QString, how);
        const QPalette theme = QApplication::palette();
        QPalette hiding = theme;
        hiding.setColor(QPalette::Inactive, QPalette::Highlight, theme.color(QPalette::Active, QPalette::Base));
        hiding.setColor(QPalette::Inactive, QPalette::HighlightedText, theme.color(QPalette::Active, QPalette::Text));
        QApplication::setPalette(hiding);
        const auto restore = qScopeGuard([&theme] { QApplication::setPalette(theme); });

        const QString text = QStringLiteral("abc abc abc");
        FindDialog* form = Open(text, 0, QStringLiteral("abc"));
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        if (how == QLatin1String("click"))
            QTest::mouseClick(form->FindNextCom, Qt::LeftButton);
        else if (how == QLatin1String("enter"))
            QTest::keyClick(form->FindText, Qt::Key_Return);
        else
            QTest::keyClick(form, Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(Selection(), qMakePair(0, 3));
        QTest::qWait(50); // a window activation asked for on the way is handled by now
        QCOMPARE(QApplication::activeWindow(), form);
        QCOMPARE(QApplication::focusWidget(), form->FindText);
        QVERIFY(SelectionPainted());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(Selection(), qMakePair(4, 7));
        QCOMPARE(PageWindowFixture::Text(f_.Active()), text);
    }

    // F3 and Shift+F3 in the page find the dialog's last text with its case option, the dialog open or closed; the
    // keyboard stays in the page, and the dialog goes on from where they left the selection.
    void findAgainFromThePage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("what");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<int>("caret");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QStringList>("steps"); // "F3", "Shift+F3", or "dialog" (its Find Next)
        QTest::addColumn<QList<int>>("starts"); // where each step's match starts; -1: not found, nothing moves
        QTest::newRow("next with the dialog closed")
            << "ab ab ab"
            << "ab" << false << 0 << true << QStringList{"F3", "F3", "F3"} << QList<int>{3, 6, -1};
        QTest::newRow("previous with the dialog closed")
            << "ab ab ab"
            << "ab" << false << 7 << true << QStringList{"Shift+F3", "Shift+F3", "Shift+F3"} << QList<int>{3, 0, -1};
        QTest::newRow("overlapping both ways")
            << "aaaa"
            << "aa" << false << 0 << true << QStringList{"F3", "F3", "Shift+F3", "Shift+F3"} << QList<int>{1, 2, 1, 0};
        QTest::newRow("case option kept")
            << "AB ab Ab"
            << "ab" << true << 0 << true << QStringList{"F3", "Shift+F3"} << QList<int>{-1, -1};
        QTest::newRow("dialog open goes on after F3")
            << "ab ab ab ab"
            << "AB" << false << 0 << false << QStringList{"F3", "dialog", "Shift+F3"} << QList<int>{3, 6, 3};
    }
    void findAgainFromThePage()
    {
        QFETCH(QString, text);
        QFETCH(QString, what);
        QFETCH(bool, matchCase);
        QFETCH(int, caret);
        QFETCH(bool, closed);
        QFETCH(QStringList, steps);
        QFETCH(QList<int>, starts);
        FindDialog* form = Open(text, caret, what);
        if (matchCase)
            form->CheckDx->click();
        form->FindNextCom->click();
        if (closed)
            form->CanCom->click();
        f_.frame->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), f_.frame.get());
        PageEdit* page = f_.Active()->pageEdit;
        page->setFocus();
        for (qsizetype i = 0; i < steps.size(); ++i) {
            const auto before = Selection();
            const qsizetype messages = f_.prompts->Record().size();
            if (steps.at(i) == QLatin1String("dialog"))
                FindDialog::Instance()->FindNextCom->click();
            else
                QTest::keyClick(page, Qt::Key_F3,
                                steps.at(i) == QLatin1String("F3") ? Qt::NoModifier : Qt::ShiftModifier);
            if (starts.at(i) < 0) {
                QCOMPARE(f_.MessageTexts().mid(messages), QStringList{notFound_});
                QCOMPARE(Selection(), before);
            } else {
                QCOMPARE(f_.prompts->Record().size(), messages);
                QCOMPARE(Selection(), qMakePair(starts.at(i), starts.at(i) + int(what.size())));
            }
        }
        QCOMPARE(FindDialog::Instance() != nullptr, !closed);
        QCOMPARE(PageWindowFixture::Text(f_.Active()), text);
        if (closed)
            QCOMPARE(QApplication::focusWidget(), page);
    }

    // F3 with an empty find box brings the dialog up to ask for a text.
    void findAgainWithAnEmptyBox()
    {
        FindDialog* form = Open(QStringLiteral("abc"), 1, QString());
        f_.frame->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), f_.frame.get());
        f_.Active()->pageEdit->setFocus();
        QTest::keyClick(f_.Active()->pageEdit, Qt::Key_F3);
        QTRY_COMPARE(QApplication::activeWindow(), form);
        QCOMPARE(QApplication::focusWidget(), form->FindText);
        QCOMPARE(Selection(), qMakePair(1, 1));
        QVERIFY(f_.prompts->Record().isEmpty());
    }

    void caretMovedByHand()
    {
        FindDialog* form = Open(QStringLiteral("abcabcabc"), 0, QStringLiteral("abc"));
        form->FindNextCom->click();
        QCOMPARE(Selection(), qMakePair(0, 3));
        // The next search starts one character before the new caret: the match at 3 is found again from 4.
        f_.Active()->pageEdit->SetSelStart(4);
        form->FindNextCom->click();
        QCOMPARE(Selection(), qMakePair(3, 6));
        form->FindNextCom->click();
        QCOMPARE(Selection(), qMakePair(6, 9));
    }

    void emptyFindTextMovesTheCaret()
    {
        FindDialog* form = Open(QStringLiteral("abcdef"), 3, QString());
        form->FindNextCom->click();
        QCOMPARE(Selection(), qMakePair(2, 2));
        QVERIFY(f_.prompts->Record().isEmpty());
    }

    void emptyReplacementAsksFirst_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("result");
        QTest::newRow("cancel") << int(MsgAnswer::Cancel) << "xabcx";
        QTest::newRow("no") << int(MsgAnswer::No) << "xabcx";
        QTest::newRow("yes") << int(MsgAnswer::Yes) << "xx";
    }
    void emptyReplacementAsksFirst()
    {
        QFETCH(int, answer);
        QFETCH(QString, result);
        FindDialog* form = Open(QStringLiteral("xabcx"), 0, QStringLiteral("abc"));
        form->FindNextCom->click();
        f_.answers = {MsgAnswer(answer)};
        form->ReplaceCom->click();
        QCOMPARE(f_.prompts->Record().size(), 1);
        const MessageRecord& box = f_.prompts->Record().constFirst();
        QCOMPARE(box.text, QStringLiteral("您确信要用空字符串替换吗?"));
        QCOMPARE(box.title, QStringLiteral("Kestrel提示"));
        QCOMPARE(box.buttons, MsgButtons::YesNoCancel);
        QCOMPARE(PageWindowFixture::Text(f_.Active()), result);
    }

    void replaceTakesWhateverIsSelected()
    {
        FindDialog* form = Open(QStringLiteral("abc def"), 0, QStringLiteral("zzz"), QStringLiteral("X"));
        // Nothing selected: nothing replaced and nothing asked.
        form->ReplaceCom->click();
        QCOMPARE(PageWindowFixture::Text(f_.Active()), QStringLiteral("abc def"));
        QTextCursor c = f_.Active()->pageEdit->textCursor();
        c.setPosition(4);
        c.setPosition(7, QTextCursor::KeepAnchor);
        f_.Active()->pageEdit->setTextCursor(c);
        form->ReplaceCom->click();
        QCOMPARE(PageWindowFixture::Text(f_.Active()), QStringLiteral("abc X"));
        QVERIFY(f_.prompts->Record().isEmpty());
        // One undo takes it back.
        f_.frame->RunCommand(Command::Undo);
        QCOMPARE(PageWindowFixture::Text(f_.Active()), QStringLiteral("abc def"));
    }

    // After a replacement the search goes on after the new text, never into it and never past a match.
    void findAfterReplace_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("with");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("next");
        QTest::newRow("replacement holds the find text") << "aXa"
                                                         << "a"
                                                         << "ba"
                                                         << "baXa" << 3;
        QTest::newRow("empty replacement") << "aab"
                                           << "a"
                                           << ""
                                           << "ab" << 0;
    }
    void findAfterReplace()
    {
        QFETCH(QString, text);
        QFETCH(QString, what);
        QFETCH(QString, with);
        QFETCH(QString, result);
        QFETCH(int, next);
        FindDialog* form = Open(text, 0, what, with);
        form->FindNextCom->click();
        f_.answers = {MsgAnswer::Yes};
        form->ReplaceCom->click();
        QCOMPARE(PageWindowFixture::Text(f_.Active()), result);
        form->FindNextCom->click();
        QCOMPARE(Selection(), qMakePair(next, next + int(what.size())));
    }

    void replaceAll_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("with");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("result");
        QTest::newRow("a to aa in aa") << "aa"
                                       << "a"
                                       << "aa" << false << int(MsgAnswer::Yes) << "aaaa";
        QTest::newRow("ignoring case") << "Td td TD"
                                       << "td"
                                       << "th" << false << int(MsgAnswer::Yes) << "th th th";
        QTest::newRow("case matters") << "Td td TD"
                                      << "td"
                                      << "th" << true << int(MsgAnswer::Yes) << "Td th TD";
        QTest::newRow("answered no") << "aa"
                                     << "a"
                                     << "b" << false << int(MsgAnswer::No) << "aa";
        QTest::newRow("to nothing") << "<b>x</b>"
                                    << "<b>"
                                    << "" << false << int(MsgAnswer::Yes) << "x</b>";
    }
    void replaceAll()
    {
        QFETCH(QString, text);
        QFETCH(QString, what);
        QFETCH(QString, with);
        QFETCH(bool, matchCase);
        QFETCH(int, answer);
        QFETCH(QString, result);
        FindDialog* form = Open(text, 0, what, with);
        if (matchCase)
            form->CheckDx->click();
        PageWindow* doc = f_.Active();
        const int changes = doc->ChangeCount();
        f_.answers = {MsgAnswer(answer)};
        form->Com->click();
        QCOMPARE(f_.prompts->Record().size(), 1);
        const MessageRecord& box = f_.prompts->Record().constFirst();
        QCOMPARE(box.text,
                 QStringLiteral("您确信要用  ") + with + QStringLiteral("替换  ") + what + QStringLiteral("  吗"));
        QCOMPARE(box.title, QStringLiteral("提示"));
        QCOMPARE(box.buttons, MsgButtons::YesNo);
        QCOMPARE(PageWindowFixture::Text(doc), result);
        if (result == text)
            return;
        QCOMPARE(doc->ChangeCount(), changes + 1);
        f_.frame->RunCommand(Command::Undo);
        QCOMPARE(PageWindowFixture::Text(doc), text);
    }

    // Whole words and regular expressions: the selections Find Next makes in turn, then the not-found message.
    void findWithOptions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("options"); // c, w, r: the three check boxes
        QTest::addColumn<QList<int>>("found"); // start, length, start, length...
        QTest::newRow("whole words") << "cat concat cats cat_ CAT" << "cat" << "w" << QList<int>{0, 3, 21, 3};
        QTest::newRow("whole words with case") << "cat concat cats cat_ CAT" << "cat" << "wc" << QList<int>{0, 3};
        QTest::newRow("regex") << "img1 img22\nimg" << "img\\d+" << "r" << QList<int>{0, 4, 5, 5};
        QTest::newRow("regex matches in its line") << "ab\ncd" << "b.c" << "r" << QList<int>{};
        QTest::newRow("regex, whole words") << "ab1 ab12 ab1" << "ab\\d" << "rw" << QList<int>{0, 3, 9, 3};
    }
    void findWithOptions()
    {
        QFETCH(QString, text);
        QFETCH(QString, what);
        QFETCH(QString, options);
        QFETCH(QList<int>, found);
        FindDialog* form = Open(text, 0, what);
        form->CheckDx->setChecked(options.contains(QLatin1Char('c')));
        form->FollowMatchCase();
        form->CheckWord->setChecked(options.contains(QLatin1Char('w')));
        form->CheckRegex->setChecked(options.contains(QLatin1Char('r')));
        for (int i = 0; i < found.size(); i += 2) {
            form->FindNextCom->click();
            QCOMPARE(Selection(), qMakePair(found.at(i), found.at(i) + found.at(i + 1)));
        }
        form->FindNextCom->click();
        QCOMPARE(f_.MessageTexts(), QStringList{notFound_});
        // F3 repeats the same search from the top.
        f_.Active()->pageEdit->SetSelStart(0);
        f_.prompts->Record().clear();
        f_.frame->RunCommand(Command::FindNext);
        if (!found.isEmpty())
            QCOMPARE(Selection(), qMakePair(found.at(0), found.at(0) + found.at(1)));
        QCOMPARE(f_.MessageTexts().size(), found.isEmpty() ? 1 : 0);
    }

    // Replace puts a regular expression's groups into the replacement when the selection is one of its matches.
    void replaceWithGroups()
    {
        FindDialog* form = Open(QStringLiteral("<b>x</b> <i>y</i>"), 0, QStringLiteral("<(\\w)>(\\w)"),
                                QStringLiteral("<\\1 class=k>\\2"));
        form->CheckRegex->setChecked(true);
        form->FindNextCom->click();
        form->ReplaceCom->click();
        QCOMPARE(PageWindowFixture::Text(f_.Active()), QStringLiteral("<b class=k>x</b> <i>y</i>"));
        f_.answers = {MsgAnswer::Yes};
        form->Com->click();
        QCOMPARE(PageWindowFixture::Text(f_.Active()), QStringLiteral("<b class=k>x</b> <i class=k>y</i>"));
    }

    // A pattern that does not compile is reported, whichever button is pressed, and nothing else happens.
    void badPattern_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("find next") << "FindNextCom";
        QTest::newRow("replace all") << "Com";
        QTest::newRow("find in folder") << "FolderCom";
    }
    void badPattern()
    {
        QFETCH(QString, button);
        FindDialog* form = Open(QStringLiteral("a(b"), 1, QStringLiteral("a(b"), QStringLiteral("x"));
        form->CheckRegex->setChecked(true);
        form->findChild<QPushButton*>(button)->click();
        QCOMPARE(f_.MessageTexts(),
                 QStringList{QStringLiteral("正则表达式有错误,第 4 个字符处: missing closing parenthesis")});
        QCOMPARE(f_.prompts->Record().constLast().title, QStringLiteral("提示"));
        QCOMPARE(PageWindowFixture::Text(f_.Active()), QStringLiteral("a(b"));
        QCOMPARE(Selection(), qMakePair(1, 1));
        QVERIFY(!f_.frame->FindResults());
    }

    // Find Next through all open pages, in the order they were opened, round to the first: each row the texts of
    // three pages, the page and caret it starts on, and the "page:start" of each match found in turn.
    void allOpenPages_data()
    {
        QTest::addColumn<QStringList>("pages");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("on to the next pages, then round")
            << QStringList{"x abc", "none", "abc abc"} << 0 << QStringList{"0:2", "2:0", "2:4", "0:2", "2:0"};
        QTest::newRow("round to the page's own start")
            << QStringList{"abc x", "none", "no"} << 4 << QStringList{"0:0", "0:0"};
        QTest::newRow("nowhere") << QStringList{"x", "y", "z"} << 0 << QStringList();
    }
    void allOpenPages()
    {
        QFETCH(QStringList, pages);
        QFETCH(int, caret);
        QFETCH(QStringList, found);
        QList<PageWindow*> windows{f_.Active()};
        for (int i = 1; i < pages.size(); ++i) {
            f_.frame->RunCommand(Command::NewPage);
            windows.append(f_.Active());
        }
        for (int i = 0; i < pages.size(); ++i)
            PageWindowFixture::SetText(windows.at(i), pages.at(i), 0);
        f_.frame->Area->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(windows.first()->parentWidget()));
        FindDialog* form = Open(pages.first(), caret, QStringLiteral("abc"), QStringLiteral("d"));
        form->CheckAll->setChecked(true);
        for (const QString& match : found) {
            form->FindNextCom->click();
            const QString where = QStringLiteral("%1:%2").arg(windows.indexOf(f_.Active())).arg(Selection().first);
            QCOMPARE(where, match);
            QCOMPARE(form->Form1.data(), f_.Active());
        }
        QVERIFY(f_.prompts->Record().isEmpty());
        if (found.isEmpty()) {
            form->FindNextCom->click();
            QCOMPARE(f_.MessageTexts(), QStringList{notFound_});
            return;
        }
        // Replace all replaces in every open page, each page one undo step.
        f_.answers = {MsgAnswer::Yes};
        form->Com->click();
        for (int i = 0; i < pages.size(); ++i) {
            QString replaced = pages.at(i);
            QCOMPARE(PageWindowFixture::Text(windows.at(i)), replaced.replace(QStringLiteral("abc"), QStringLiteral("d")));
            windows.at(i)->pageEdit->undo();
            QCOMPARE(PageWindowFixture::Text(windows.at(i)), pages.at(i));
        }
    }

    // The page's folder and below, each file in its own code page; double-click opens the file at the match.
    // Replacing stays in the open pages: no file is written.
    void findInFolder()
    {
        QDir(f_.dir->path()).mkpath(QStringLiteral("site/sub"));
        const QString gb = f_.Path(QStringLiteral("site/index.html"));
        const QString big5 = f_.Path(QStringLiteral("site/sub/big5.html"));
        const QByteArray big5Bytes = "<meta charset=big5>\r\n\r\n<p>\xA4\xA4\xA4\xE5</p>\r\n";
        QVERIFY(f_.WriteFile(gb, "<meta charset=gb2312>\r\n<p>\xD6\xD0\xCE\xC4</p>\r\n"));
        QVERIFY(f_.WriteFile(big5, big5Bytes));
        QVERIFY(f_.WriteFile(f_.Path(QStringLiteral("outside.html")), "\xD6\xD0\xCE\xC4"));

        // A new page has no folder yet.
        FindDialog* form = Open(QString(), 0, QStringLiteral("中文"));
        form->FolderCom->click();
        QCOMPARE(f_.MessageTexts(), QStringList{QStringLiteral("网页还没有保存,没有可以查找的文件夹!")});
        QVERIFY(!f_.frame->FindResults());

        QVERIFY(f_.frame->OpenPath(gb));
        form = FindDialog::Open(f_.Active());
        form->FolderCom->click();
        FindResultsDock* dock = f_.frame->FindResults();
        QVERIFY(dock && dock->isVisible());
        QTRY_VERIFY(!dock->Busy());
        QCOMPARE(dock->Status->text(), QStringLiteral("找到 2 处,共查找 2 个文件"));
        QTreeWidget* list = dock->Results;
        QCOMPARE(list->topLevelItemCount(), 2);
        QStringList rows;
        for (int i = 0; i < 2; ++i)
            rows.append(list->topLevelItem(i)->text(0) + QLatin1Char(':') + list->topLevelItem(i)->text(1) +
                        QLatin1Char(' ') + list->topLevelItem(i)->text(2));
        QCOMPARE(rows, QStringList({QStringLiteral("index.html:2 <p>中文</p>"), QStringLiteral("sub/big5.html:3 <p>中文</p>")}));

        const QRect row = list->visualItemRect(list->topLevelItem(1));
        // As a user's double-click comes: a press and release first.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(f_.Active()->filePath, gb);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(f_.Active()->filePath, big5);
        QCOMPARE(Selection(), qMakePair(24, 26)); // line 3, after "<p>"

        f_.answers = {MsgAnswer::Yes};
        form = FindDialog::Open(f_.Active());
        form->ReplText->setText(QStringLiteral("繁体"));
        form->CheckAll->setChecked(true);
        form->Com->click();
        QCOMPARE(PageWindowFixture::Text(f_.Active()), QStringLiteral("<meta charset=big5>\n\n<p>繁体</p>\n"));
        QCOMPARE(PageWindowFixture::ReadFile(big5), big5Bytes);

        // From the page in the subfolder, only that folder; a file gone meanwhile is said to be gone, not made a
        // new page.
        form->FindText->setText(QStringLiteral("charset"));
        form->FolderCom->click();
        QTRY_VERIFY(!dock->Busy());
        QCOMPARE(list->topLevelItemCount(), 1);
        form = FindDialog::Open(f_.frame->PageOpenOn(gb));
        form->FolderCom->click();
        QTRY_VERIFY(!dock->Busy());
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("index.html"));
        QVERIFY(QFile::remove(gb));
        f_.prompts->Record().clear();
        const int pages = f_.frame->openPageCount;
        emit list->itemActivated(list->topLevelItem(0), 0);
        QCOMPARE(f_.frame->openPageCount, pages);
        QCOMPARE(f_.MessageTexts().size(), 1);
        QVERIFY(f_.MessageTexts().first().endsWith(gb));
    }

    void retargetedFromAnotherWindow()
    {
        FindDialog* form = Open(QStringLiteral("abc"), 0, QStringLiteral("b"));
        PageWindow* first = f_.Active();
        form->CheckDx->click();
        f_.frame->RunCommand(Command::NewPage);
        PageWindow* second = f_.Active();
        QVERIFY(second != first);
        PageWindowFixture::SetText(second, QStringLiteral("xxb"), 0);
        f_.frame->RunCommand(Command::FindReplace);
        QCOMPARE(FindDialog::Instance(), form);
        QCOMPARE(form->Form1.data(), second);
        QCOMPARE(form->pageEdit.data(), second->pageEdit);
        QVERIFY(form->CheckDx->isChecked()); // still loaded: not opened afresh
        form->FindNextCom->click();
        QCOMPARE(second->pageEdit->textCursor().selectionStart(), 2);
        QCOMPARE(first->pageEdit->textCursor().hasSelection(), false);
    }

    void unloadedWhenAWindowCloses()
    {
        Open(QStringLiteral("abc"), 0, QStringLiteral("b"));
        f_.frame->RunCommand(Command::NewPage);
        QVERIFY(FindDialog::Instance());
        // Closing any page window, not only the one searched, unloads the dialog.
        f_.frame->RunCommand(Command::Close);
        QVERIFY(!FindDialog::Instance());
        f_.frame->RunCommand(Command::FindReplace);
        FindDialog* form = FindDialog::Instance();
        QVERIFY(form);
        QVERIFY(form->FindText->text().isEmpty());
        QVERIFY(!form->CheckDx->isChecked());
    }

    void cancelUnloads()
    {
        FindDialog* form = Open(QStringLiteral("abc"), 0, QStringLiteral("b"));
        QPointer<FindDialog> watch(form);
        form->CanCom->click();
        QVERIFY(!FindDialog::Instance());
        QTRY_VERIFY(!watch);
    }
};

QTEST_MAIN(TestFindDialog)
#include "tst_finddialog.moc"
