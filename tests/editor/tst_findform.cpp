#include "editor/findform.h"
#include "pagewindowfixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

class TestFindForm : public QObject
{
    Q_OBJECT

    PageWindowFixture f_;
    const QString notFound_ = QStringLiteral("对不起,没找到!\r\n\r\n已查找完毕!请注意光标的位置!");

    FindForm* Open(const QString& text, int caret, const QString& what, const QString& with = QString())
    {
        PageWindowFixture::SetText(f_.Active(), text, caret);
        f_.frame->RunCommand(QStringLiteral("FindMenu"));
        FindForm* form = FindForm::Instance();
        if (form) {
            form->FindText->setText(what);
            form->ReplText->setText(with);
        }
        return form;
    }
    QPair<int, int> Selection() const
    {
        const QTextCursor c = f_.Active()->text1->textCursor();
        return {c.selectionStart(), c.selectionEnd()};
    }

private Q_SLOTS:
    void init() { f_.Start(false); }
    void cleanup()
    {
        FindForm::Unload();
        f_.Stop();
    }

    void dialog()
    {
        FindForm* form = Open(QStringLiteral("x"), 0, QString());
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), QStringLiteral("查找替换"));
        QVERIFY(form->isVisible());
        QVERIFY(!form->isModal());
        QVERIFY(form->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(form->Form1.data(), f_.Active());
        QCOMPARE(form->text1.data(), f_.Active()->text1);
        QVERIFY(!form->CheckDx->isChecked());
        // The toolbar button and the context menu entry open the same dialog.
        f_.frame->ToolButton(QStringLiteral("Find"))->trigger();
        f_.frame->RunCommand(QStringLiteral("MeTextFind"));
        QCOMPARE(FindForm::Instance(), form);
        QVERIFY(f_.frame->Command(QStringLiteral("FindMenu"))->isEnabled());
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
        FindForm* form = Open(text, caret, what);
        QVERIFY(form);
        if (matchCase)
            form->CheckDx->click();
        for (const int start : starts) {
            form->FindNextCom->click();
            QCOMPARE(Selection(), qMakePair(start, start + int(what.size())));
        }
        QVERIFY(Messages::Record().isEmpty());
        const auto before = Selection();
        form->FindNextCom->click();
        QCOMPARE(f_.MessageTexts(), QStringList{notFound_});
        QCOMPARE(Messages::Record().constLast().title, QStringLiteral("提示"));
        QCOMPARE(Selection(), before);
        QCOMPARE(PageWindowFixture::Text(f_.Active()), text);
    }

    void enterInTheFindBoxFinds()
    {
        FindForm* form = Open(QStringLiteral("abcabc"), 0, QStringLiteral("bc"));
        QTest::keyClick(form->FindText, Qt::Key_Return);
        QCOMPARE(Selection(), qMakePair(1, 3));
        QTest::keyClick(form->FindText, Qt::Key_Return);
        QCOMPARE(Selection(), qMakePair(4, 6));
        QVERIFY(Messages::Record().isEmpty());
    }

    void caretMovedByHand()
    {
        FindForm* form = Open(QStringLiteral("abcabcabc"), 0, QStringLiteral("abc"));
        form->FindNextCom->click();
        QCOMPARE(Selection(), qMakePair(0, 3));
        // The next search starts one character before the new caret: the match at 3 is found again from 4.
        f_.Active()->text1->SetSelStart(4);
        form->FindNextCom->click();
        QCOMPARE(Selection(), qMakePair(3, 6));
        form->FindNextCom->click();
        QCOMPARE(Selection(), qMakePair(6, 9));
    }

    void emptyFindTextMovesTheCaret()
    {
        FindForm* form = Open(QStringLiteral("abcdef"), 3, QString());
        form->FindNextCom->click();
        QCOMPARE(Selection(), qMakePair(2, 2));
        QVERIFY(Messages::Record().isEmpty());
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
        FindForm* form = Open(QStringLiteral("xabcx"), 0, QStringLiteral("abc"));
        form->FindNextCom->click();
        f_.answers = {MsgAnswer(answer)};
        form->ReplaceCom->click();
        QCOMPARE(Messages::Record().size(), 1);
        const MessageRecord& box = Messages::Record().constFirst();
        QCOMPARE(box.text, QStringLiteral("您确信要用空字符串替换吗?"));
        QCOMPARE(box.title, QStringLiteral("Kestrel提示"));
        QCOMPARE(box.buttons, MsgButtons::YesNoCancel);
        QCOMPARE(PageWindowFixture::Text(f_.Active()), result);
    }

    void replaceTakesWhateverIsSelected()
    {
        FindForm* form = Open(QStringLiteral("abc def"), 0, QStringLiteral("zzz"), QStringLiteral("X"));
        // Nothing selected: nothing replaced and nothing asked.
        form->ReplaceCom->click();
        QCOMPARE(PageWindowFixture::Text(f_.Active()), QStringLiteral("abc def"));
        QTextCursor c = f_.Active()->text1->textCursor();
        c.setPosition(4);
        c.setPosition(7, QTextCursor::KeepAnchor);
        f_.Active()->text1->setTextCursor(c);
        form->ReplaceCom->click();
        QCOMPARE(PageWindowFixture::Text(f_.Active()), QStringLiteral("abc X"));
        QVERIFY(Messages::Record().isEmpty());
        // One undo takes it back.
        f_.frame->RunCommand(QStringLiteral("NotChange"));
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
        FindForm* form = Open(text, 0, what, with);
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
        FindForm* form = Open(text, 0, what, with);
        if (matchCase)
            form->CheckDx->click();
        htmlform* doc = f_.Active();
        const int changes = doc->ChangeCount();
        f_.answers = {MsgAnswer(answer)};
        form->Com->click();
        QCOMPARE(Messages::Record().size(), 1);
        const MessageRecord& box = Messages::Record().constFirst();
        QCOMPARE(box.text,
                 QStringLiteral("您确信要用  ") + with + QStringLiteral("替换  ") + what + QStringLiteral("  吗"));
        QCOMPARE(box.title, QStringLiteral("提示"));
        QCOMPARE(box.buttons, MsgButtons::YesNo);
        QCOMPARE(PageWindowFixture::Text(doc), result);
        if (result == text)
            return;
        QCOMPARE(doc->ChangeCount(), changes + 1);
        f_.frame->RunCommand(QStringLiteral("NotChange"));
        QCOMPARE(PageWindowFixture::Text(doc), text);
    }

    void retargetedFromAnotherWindow()
    {
        FindForm* form = Open(QStringLiteral("abc"), 0, QStringLiteral("b"));
        htmlform* first = f_.Active();
        form->CheckDx->click();
        f_.frame->RunCommand(QStringLiteral("NewMenu"));
        htmlform* second = f_.Active();
        QVERIFY(second != first);
        PageWindowFixture::SetText(second, QStringLiteral("xxb"), 0);
        f_.frame->RunCommand(QStringLiteral("FindMenu"));
        QCOMPARE(FindForm::Instance(), form);
        QCOMPARE(form->Form1.data(), second);
        QCOMPARE(form->text1.data(), second->text1);
        QVERIFY(form->CheckDx->isChecked()); // still loaded: not opened afresh
        form->FindNextCom->click();
        QCOMPARE(second->text1->textCursor().selectionStart(), 2);
        QCOMPARE(first->text1->textCursor().hasSelection(), false);
    }

    void unloadedWhenAWindowCloses()
    {
        Open(QStringLiteral("abc"), 0, QStringLiteral("b"));
        f_.frame->RunCommand(QStringLiteral("NewMenu"));
        QVERIFY(FindForm::Instance());
        // Closing any page window, not only the one searched, unloads the dialog.
        f_.frame->RunCommand(QStringLiteral("CloseMenu"));
        QVERIFY(!FindForm::Instance());
        f_.frame->RunCommand(QStringLiteral("FindMenu"));
        FindForm* form = FindForm::Instance();
        QVERIFY(form);
        QVERIFY(form->FindText->text().isEmpty());
        QVERIFY(!form->CheckDx->isChecked());
    }

    void cancelUnloads()
    {
        FindForm* form = Open(QStringLiteral("abc"), 0, QStringLiteral("b"));
        QPointer<FindForm> watch(form);
        form->CanCom->click();
        QVERIFY(!FindForm::Instance());
        QTRY_VERIFY(!watch);
    }
};

QTEST_MAIN(TestFindForm)
#include "tst_findform.moc"
