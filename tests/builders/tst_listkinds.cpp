// The three lists from the list menu: each entry opens the element dialog on its kind and inserts the list at the
// caret; an unordered list's bullets belong to its lines and follow the line chosen.

#include "builders/elements/elementdialog.h"
#include "elementoutcome.h"
#include "modaldriver.h"
#include "pagewindowfixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

class TestListKinds : public QObject
{
    Q_OBJECT

    PageWindowFixture f_;

    static void Click(QWidget* d, const QString& name)
    {
        auto* button = Child<QAbstractButton>(d, name);
        QVERIFY2(button, qPrintable(name));
        button->click();
    }
    // The bullet option shown checked, -1 for none.
    static int Bullet(QWidget* d)
    {
        for (int i = 0; i < 3; ++i)
            if (Child<QAbstractButton>(d, QStringLiteral("UlOption_%1").arg(i))->isChecked())
                return i;
        return -1;
    }

private Q_SLOTS:
    void init() { f_.Start(true); }
    void cleanup() { f_.Stop(); }

    // Each entry of the list menu, from the menu to the page.
    void listCommands_data()
    {
        QTest::addColumn<QString>("htmlN");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("expected");
        QTest::newRow("无序列表") << "<ul"
                                  << "添加无序列表" << QStringList{"AddListCommand", "UlOption_2"}
                                  << "<ul><li type=square>新的一行\n</ul>\n";
        QTest::newRow("有序列表") << "<ol"
                                  << "添加有序列表" << QStringList{"OlOption_1", "AddListCommand", "AddListCommand"}
                                  << "<ol type=\"A\"><li>新的一行\n<li>新的一行\n</ol>\n";
        QTest::newRow("定义列表") << "<dl"
                                  << "添加定义列表" << QStringList{"AddListCommand"} << "<dl><dd>新的一行\n</dl>\n";
    }
    void listCommands()
    {
        QFETCH(QString, htmlN);
        QFETCH(QString, title);
        QFETCH(QStringList, steps);
        QAction* entry = f_.frame->Action(Command::InsertElement, CommandRegistry::ElementArgument(htmlN));
        QVERIFY(entry && entry->isEnabled());
        PageWindow* doc = f_.Active();
        PageWindowFixture::SetText(doc, QString(), 0);
        int seen = 0;
        OnNextModal<ElementDialog>(
            [&](ElementDialog* d) {
                QCOMPARE(d->Given().kind, htmlN);
                QCOMPARE(d->TitleLabel->text(), title);
                QCOMPARE(Child<QPushButton>(d, "AddListCommand")->text(), QStringLiteral("增加一行"));
                QVERIFY(!d->CommonFrame->isVisibleTo(d)); // a list carries no id, title or class
                for (const QString& step : steps)
                    Click(d, step);
                d->OkCommand->click();
            },
            &seen);
        entry->trigger();
        QCOMPARE(seen, 1);
        QTEST(PageWindowFixture::Text(doc), "expected");
    }

    // Choosing a line shows its bullet; a click gives the chosen line its bullet; a deleted line takes its bullet
    // with it.
    void bulletsFollowTheLine()
    {
        auto d = std::make_unique<ElementDialog>(f_.shared->Context(),
                                                 ElementDialog::Input{ElementDialog::Purpose::Insert, "<ul"});
        d->show();
        auto* lines = Child<QListWidget>(d.get(), "SelectList");
        auto* text = Child<QLineEdit>(d.get(), "SelectText_0");
        QCOMPARE(Bullet(d.get()), 0); // "实心圆形" at start
        Click(d.get(), "UlOption_1"); // no line chosen: nothing to give it to
        QCOMPARE(d->HtmlText->toPlainText(), QString());
        const QStringList texts{"a", "b", "c"};
        const QStringList bullets{"UlOption_0", "UlOption_1", "UlOption_2"};
        for (int i = 0; i < 3; ++i) {
            Click(d.get(), "AddListCommand");
            QCOMPARE(Bullet(d.get()), 0); // a new line starts as a disc
            text->setText(texts.at(i));
            Click(d.get(), bullets.at(i));
        }
        const int expected[] = {0, 1, 2};
        for (int i : {1, 0, 2}) {
            lines->setCurrentRow(i);
            QCOMPARE(Bullet(d.get()), expected[i]);
        }
        lines->setCurrentRow(1);
        Click(d.get(), "DelListCommand");
        QCOMPARE(lines->currentRow(), 1);
        QCOMPARE(Bullet(d.get()), 2);
        d->OkCommand->click();
        QCOMPARE(OkMarkup(*d), QStringLiteral("<ul><li type=disc>a\r\n<li type=square>c\r\n</ul>\r\n"));
    }
};

QTEST_MAIN(TestListKinds)
#include "tst_listkinds.moc"
