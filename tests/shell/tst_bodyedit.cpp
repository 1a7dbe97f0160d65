// The body dialog through the frame: the page's body tag read into the dialog, rebuilt with a colour, the scroll
// bars and an onload handler, and the caret kept on its character.

#include "builders/elements/eventdialog.h"
#include "builders/page/bodydialog.h"
#include "builders/styles/colordialog.h"
#include "builders/styles/styledialog.h"
#include "modaldriver.h"
#include "pagewindowfixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

class TestBodyEdit : public QObject
{
    Q_OBJECT

    PageWindowFixture f_;

private Q_SLOTS:
    void init() { f_.Start(true); }
    void cleanup() { f_.Stop(); }

    void templateBody()
    {
        PageWindow* doc = f_.Active();
        const QString text = PageWindowFixture::Text(doc);
        const int caret = doc->pageEdit->SelStart(); // on the empty line after <body>
        int seen = 0;
        OnNextModal<BodyDialog>(
            [](BodyDialog* form) {
                QCOMPARE(form->windowTitle(), QStringLiteral("设置主体"));
                QCOMPARE(form->focusWidget(), form->BodyText);
                OnNextModal<ColorDialog>([](ColorDialog* color) {
                    QTest::mouseClick(color->Swatch[0], Qt::LeftButton);
                    color->OkCommand->click();
                });
                form->BgCommand->click();
                form->ScrollOption[2]->click();
                OnNextModal<EventDialog>([](EventDialog* events) {
                    const QList<QListWidgetItem*> load =
                        events->EventList->findItems(QStringLiteral("onload"), Qt::MatchContains);
                    QVERIFY(!load.isEmpty());
                    events->EventList->setCurrentItem(load.first());
                    QTest::keyClicks(events->CodeBox, QStringLiteral("init()"));
                    events->OkCommand->click();
                });
                form->EventCommand->click();
                form->OkCommand->click();
            },
            &seen);
        f_.frame->RunCommand(Command::EditBody);
        QCOMPARE(seen, 1);
        const QString tag = QStringLiteral("<body  bgcolor=\"#FF0000\" scroll=\"auto\" onload=\"init()\">");
        QString expected = text;
        expected.replace(QStringLiteral("<body>"), tag);
        QCOMPARE(PageWindowFixture::Text(doc), expected);
        QCOMPARE(doc->pageEdit->SelStart(), caret + int(tag.size()) - 6);
    }

    void readBack_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("caretAfter");
        QTest::addColumn<int>("scroll");
        QTest::newRow("kept, caret before the tag")
            << "<p>\n<BODY id=x scroll=no bgcolor=red onLoad='a()'>\nz" << 2
            << "<p>\n<body  id=\"x\" bgcolor=\"red\" scroll=\"no\" onload=\"a()\">\nz" << 2 << 1;
        QTest::newRow("caret after the tag on its character")
            << "<body text=blue>ab" << 17 << "<body  text=\"blue\">ab" << 20 << -1;
    }
    void readBack()
    {
        QFETCH(QString, page);
        QFETCH(int, caret);
        QFETCH(QString, result);
        QFETCH(int, caretAfter);
        QFETCH(int, scroll);
        PageWindow* doc = f_.Active();
        PageWindowFixture::SetText(doc, page, caret);
        OnNextModal<BodyDialog>([scroll](BodyDialog* form) {
            for (int i = 0; i < 3; ++i)
                QCOMPARE(form->ScrollOption[i]->isChecked(), i == scroll);
            form->OkCommand->click();
        });
        f_.frame->RunCommand(Command::EditBody);
        QCOMPARE(PageWindowFixture::Text(doc), result);
        QCOMPARE(doc->pageEdit->SelStart(), caretAfter);
    }

    void cancelledStyleKeepsItLowered()
    {
        PageWindow* doc = f_.Active();
        PageWindowFixture::SetText(doc, QStringLiteral("<body style='COLOR:Red'>"), 0);
        OnNextModal<BodyDialog>([](BodyDialog* form) {
            OnNextModal<StyleDialog>([](StyleDialog*) {}); // cancelled
            form->StyleCommand->click();
            form->OkCommand->click();
        });
        f_.frame->RunCommand(Command::EditBody);
        QCOMPARE(PageWindowFixture::Text(doc), QStringLiteral("<body  style=\"color:red\">"));
    }

    void cancelOrNoBody_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("cancelled") << "<body bgcolor=red>x" << QStringList();
        QTest::newRow("no body") << "<p>x</p>" << QStringList{"您未添加BODY主体标识符,请添加!"};
    }
    void cancelOrNoBody()
    {
        QFETCH(QString, page);
        QFETCH(QStringList, messages);
        PageWindow* doc = f_.Active();
        PageWindowFixture::SetText(doc, page, 3);
        int seen = 0;
        const auto waiting = OnNextModal<BodyDialog>([](BodyDialog* form) { form->CanCommand->click(); }, &seen);
        f_.frame->RunCommand(Command::EditBody);
        *waiting = false;
        QCOMPARE(seen, messages.isEmpty() ? 1 : 0);
        QCOMPARE(PageWindowFixture::Text(doc), page);
        QCOMPARE(doc->pageEdit->SelStart(), 3);
        QCOMPARE(f_.MessageTexts(), messages);
    }
};

QTEST_MAIN(TestBodyEdit)
#include "tst_bodyedit.moc"
