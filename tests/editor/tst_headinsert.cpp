#include "editor/refreshdialog.h"
#include "editor/transitiondialog.h"
#include "modaldriver.h"
#include "pagewindowfixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

class TestHeadInsert : public QObject
{
    Q_OBJECT

    PageWindowFixture f_;
    const QString refresh_ = QStringLiteral("<meta http-equiv='refresh' content='5'>");

    // Answers the refresh dialog: `url` typed with the box checked (unchecked again when `uncheck`).
    static void AnswerRefresh(const QString& interval, const QString& url, bool uncheck = false)
    {
        OnNextModal<RefreshDialog>([=](RefreshDialog* form) {
            if (!interval.isNull())
                form->IntervalText->setText(interval);
            if (!url.isNull()) {
                form->GoToCheck->click();
                QTest::keyClicks(form->UrlText, url);
                if (uncheck)
                    form->GoToCheck->click();
            }
            form->OkCommand->click();
        });
    }
    static void AnswerTransition(int row, const QString& duration = QString())
    {
        OnNextModal<TransitionDialog>([=](TransitionDialog* form) {
            if (row >= 0)
                form->EffectList->setCurrentRow(row);
            if (!duration.isNull())
                form->TimeText->setText(duration);
            form->OkCommand->click();
        });
    }

private Q_SLOTS:
    void init() { f_.Start(true); }
    void cleanup() { f_.Stop(); }

    void refreshOnTheTemplate()
    {
        PageWindow* doc = f_.Active();
        const int caret = doc->pageEdit->SelStart(); // in the body, after the head
        const QString text = PageWindowFixture::Text(doc);
        AnswerRefresh(QString(), QString());
        f_.frame->RunCommand(Command::AutoRefresh);
        QString expected = text;
        expected.insert(text.indexOf(QStringLiteral("</head>")), refresh_ + QLatin1Char('\n'));
        QCOMPARE(PageWindowFixture::Text(doc), expected);
        // The caret stays on its character; the line is blue.
        QCOMPARE(doc->pageEdit->SelStart(), caret + int(refresh_.size()) + 1);
        QTextCursor c(doc->pageEdit->document());
        c.setPosition(int(text.indexOf(QStringLiteral("</head>"))) + 1);
        QCOMPARE(c.charFormat().foreground().color(), PageEdit::InsertColor);
        QVERIFY(f_.prompts->Record().isEmpty());
        QCOMPARE(doc->ChangeCount(), 1);
    }

    void refreshLines_data()
    {
        QTest::addColumn<QString>("interval");
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("uncheck");
        QTest::addColumn<QString>("line");
        QTest::newRow("address") << "5"
                                 << "next.html" << false << "<meta http-equiv='refresh' content='5;url=next.html'>";
        QTest::newRow("address unchecked again") << "5"
                                                 << "next.html" << true << "<meta http-equiv='refresh' content='5'>";
        QTest::newRow("blank address") << "30"
                                       << "  " << false << "<meta http-equiv='refresh' content='30'>";
        QTest::newRow("interval rounded to even")
            << "2.5" << QString() << false << "<meta http-equiv='refresh' content='2'>";
        QTest::newRow("zero") << "0" << QString() << false << "<meta http-equiv='refresh' content='0'>";
    }
    void refreshLines()
    {
        QFETCH(QString, interval);
        QFETCH(QString, url);
        QFETCH(bool, uncheck);
        QFETCH(QString, line);
        AnswerRefresh(interval, url, uncheck);
        f_.frame->RunCommand(Command::AutoRefresh);
        QVERIFY(PageWindowFixture::Text(f_.Active()).contains(line + QStringLiteral("\n</head>")));
    }

    void bodyWithoutHead_data()
    {
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("caretAfter");
        const int inserted = int(QStringLiteral("<meta http-equiv='refresh' content='5'>").size()) + 1;
        QTest::newRow("caret before") << 2 << 2;
        QTest::newRow("caret on the body tag") << 7 << 7 + inserted;
        QTest::newRow("caret after") << 15 << 15 + inserted;
    }
    void bodyWithoutHead()
    {
        QFETCH(int, caret);
        QFETCH(int, caretAfter);
        PageWindow* doc = f_.Active();
        PageWindowFixture::SetText(doc, QStringLiteral("<html>\n<BODY>\nhello</BODY>"), caret);
        AnswerRefresh(QString(), QString());
        f_.frame->RunCommand(Command::AutoRefresh);
        QCOMPARE(PageWindowFixture::Text(doc),
                 QStringLiteral("<html>\n") + refresh_ + QStringLiteral("\n<BODY>\nhello</BODY>"));
        QCOMPARE(doc->pageEdit->SelStart(), caretAfter);
    }

    void neitherHeadNorBody_data()
    {
        QTest::addColumn<Command>("command");
        QTest::newRow("refresh") << Command::AutoRefresh;
        QTest::newRow("transition") << Command::PageTransition;
    }
    void neitherHeadNorBody()
    {
        QFETCH(Command, command);
        PageWindow* doc = f_.Active();
        PageWindowFixture::SetText(doc, QStringLiteral("<p>only a fragment</p>"), 3);
        int shown = 0;
        auto waiting = OnNextModal([](QDialog*) {}, &shown);
        f_.frame->RunCommand(command);
        QCoreApplication::processEvents();
        *waiting = false;
        QCOMPARE(shown, 0);
        QCOMPARE(f_.MessageTexts(), QStringList{QStringLiteral("您没有</head和<body标识符,无法添加!!")});
        QCOMPARE(PageWindowFixture::Text(doc), QStringLiteral("<p>only a fragment</p>"));
        int position = 0;
        doc->FindHeadInsertPoint(QStringLiteral("</head"), QStringLiteral("<body"), position);
        QCOMPARE(position, -2);
    }

    void cancelledDialogsInsertNothing_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QString>("button");
        QTest::newRow("refresh") << Command::AutoRefresh << "CanCom";
        QTest::newRow("transition") << Command::PageTransition << "CanCommand";
    }
    void cancelledDialogsInsertNothing()
    {
        QFETCH(Command, command);
        QFETCH(QString, button);
        const QString text = PageWindowFixture::Text(f_.Active());
        OnNextModal([button](QDialog* dialog) { Child<QPushButton>(dialog, button)->click(); });
        f_.frame->RunCommand(command);
        QCOMPARE(PageWindowFixture::Text(f_.Active()), text);
        QCOMPARE(f_.Active()->ChangeCount(), 0);
    }

    void refreshDialog()
    {
        RefreshDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("自动刷新设置"));
        QCOMPARE(dialog.IntervalText->text(), QStringLiteral("5"));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        // The address box starts disabled and follows the check box.
        QVERIFY(!dialog.UrlText->isEnabled());
        dialog.GoToCheck->click();
        QVERIFY(dialog.UrlText->isEnabled());
        dialog.GoToCheck->click();
        QVERIFY(!dialog.UrlText->isEnabled());
        // The interval box always holds a number.
        dialog.IntervalText->clear();
        QCOMPARE(dialog.IntervalText->text(), QStringLiteral("0"));
        QTest::keyClicks(dialog.IntervalText, QStringLiteral("12a"));
        QCOMPARE(dialog.IntervalText->text(), QStringLiteral("12"));
        dialog.IntervalText->setText(QStringLiteral("  007"));
        QCOMPARE(dialog.IntervalText->text(), QStringLiteral("7"));
    }

    // A disabled address box must look disabled: not the white of a box that takes input.
    void addressBoxLooksAsItActs_data()
    {
        QTest::addColumn<int>("clicks"); // on the check box
        QTest::addColumn<bool>("enabled");
        QTest::newRow("at opening") << 0 << false;
        QTest::newRow("checked") << 1 << true;
        QTest::newRow("unchecked again") << 2 << false;
    }
    void addressBoxLooksAsItActs()
    {
        QFETCH(int, clicks);
        QFETCH(bool, enabled);
        RefreshDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (int i = 0; i < clicks; ++i)
            dialog.GoToCheck->click();
        QCOMPARE(dialog.UrlText->isEnabled(), enabled);
        const QImage box = dialog.UrlText->grab().toImage();
        const QColor inside = box.pixelColor(box.width() / 2, box.height() / 2);
        if (enabled)
            QCOMPARE(inside, QColor(Qt::white));
        else
            QCOMPARE(inside, dialog.palette().color(QPalette::Disabled, QPalette::Window));
    }

    void intervalOutOfRangeRefused_data()
    {
        QTest::addColumn<QString>("interval");
        QTest::newRow("beyond 32 bits") << "2147483648";
        QTest::newRow("negative") << "-5";
    }
    void intervalOutOfRangeRefused()
    {
        QFETCH(QString, interval);
        RefreshDialog dialog;
        UserPrompts::Attach(&dialog, f_.prompts.get());
        bool stayedOpen = false;
        OnNextModal<RefreshDialog>([&](RefreshDialog* form) {
            form->IntervalText->setText(interval);
            form->OkCommand->click();
            QCOMPARE(f_.MessageTexts(), QStringList{QStringLiteral("刷新间隔应在0到2147483647秒之间,请重新设置!!")});
            stayedOpen = form->isVisible();
            form->IntervalText->setText(QStringLiteral("2147483647"));
            form->OkCommand->click();
        });
        const std::optional<RefreshDialog::Refresh> refresh = dialog.Run();
        QVERIFY(stayedOpen);
        QVERIFY(refresh);
        QCOMPARE(refresh->seconds, 2147483647);
    }

    void transitionNamesFromTheDatabase()
    {
        TransitionDialog dialog(f_.shared->Db);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("页面过渡特效"));
        QCOMPARE(dialog.EffectList->count(), 24);
        QCOMPARE(dialog.EffectList->item(0)->text(), QStringLiteral("0 盒状收缩"));
        QCOMPARE(dialog.EffectList->item(3)->text(), QStringLiteral("3 圆形展开"));
        QCOMPARE(dialog.EffectList->item(23)->text(), QStringLiteral("23 随机选取一种效果"));
        QCOMPARE(dialog.TimeText->text(), QStringLiteral("4"));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void transitionLine_data()
    {
        QTest::addColumn<int>("caret");
        QTest::addColumn<bool>("caretMoves");
        QTest::newRow("caret in the body") << -1 << true;
        QTest::newRow("caret in the title") << 90 << false;
    }
    void transitionLine()
    {
        QFETCH(int, caret);
        QFETCH(bool, caretMoves);
        PageWindow* doc = f_.Active();
        if (caret >= 0)
            doc->pageEdit->SetSelStart(caret);
        const int before = doc->pageEdit->SelStart();
        const QString line =
            QStringLiteral("<meta http-equiv='Page-Enter' content='revealTrans(Duration=4 ,Transition=3)'>");
        AnswerTransition(3);
        f_.frame->RunCommand(Command::PageTransition);
        QVERIFY(
            PageWindowFixture::Text(doc).contains(QStringLiteral("</title>\n") + line + QStringLiteral("\n</head>")));
        QCOMPARE(doc->pageEdit->SelStart(), caretMoves ? before + int(line.size()) + 1 : before);
    }

    void transitionNeedsEffectAndTime_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("duration");
        QTest::newRow("no effect") << -1 << "4";
        QTest::newRow("zero seconds") << 2 << "0";
    }
    void transitionNeedsEffectAndTime()
    {
        QFETCH(int, row);
        QFETCH(QString, duration);
        TransitionDialog dialog(f_.shared->Db);
        UserPrompts::Attach(&dialog, f_.prompts.get());
        bool stayedOpen = false;
        OnNextModal<TransitionDialog>([&](TransitionDialog* form) {
            if (row >= 0)
                form->EffectList->setCurrentRow(row);
            form->TimeText->setText(duration);
            form->OkCommand->click();
            QCOMPARE(f_.MessageTexts(), QStringList{QStringLiteral("您没有选择一项特效或时间设置为0,请重新设置!!")});
            stayedOpen = form->isVisible();
            // Fixed, the same dialog goes on.
            form->EffectList->setCurrentRow(12);
            form->TimeText->setText(QStringLiteral("1.5"));
            form->OkCommand->click();
        });
        const std::optional<QString> line = dialog.Run();
        QVERIFY(stayedOpen);
        QCOMPARE(line, std::optional<QString>(QStringLiteral(
                           "<meta http-equiv='Page-Enter' content='revealTrans(Duration=1.5 ,Transition=12)'>\r\n")));
    }
};

QTEST_MAIN(TestHeadInsert)
#include "tst_headinsert.moc"
