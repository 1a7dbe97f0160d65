// The element dialog driven like a user: through the main frame's commands into a page, and on its own.

#include "base/browserview.h"
#include "builders/elements/elementdialog.h"
#include "builders/styles/styledialog.h"
#include "editor/pageedit.h"
#include "editor/pagewindow.h"
#include "elementoutcome.h"
#include "modaldriver.h"
#include "pagewindowfixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QtTest>

#include <memory>

class TestElementDialog : public QObject
{
    Q_OBJECT

    PageWindowFixture f_;

    PageWindow* Doc() { return f_.frame->ActiveDocument(); }
    // The text of the page's line that holds the caret.
    QString CaretLine() { return Doc()->pageEdit->textCursor().block().text(); }
    QString Page() { return Doc()->pageEdit->RawText(); }
    static QLineEdit* Box(QWidget* d, const QString& name) { return Child<QLineEdit>(d, name); }
    static void Type(QLineEdit* box, const QString& text)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }

private Q_SLOTS:
    void init()
    {
        f_.Start(true);
        // Every box this dialog raises is a notice or a question answered OK.
        f_.prompts->SetResponder([](const MessageRecord&, QString&) { return MsgAnswer::Ok; });
    }
    void cleanup() { f_.Stop(); }

    void insertLink()
    {
        int seen = 0;
        OnNextModal(
            [](QDialog* d) {
                QCOMPARE(Child<QLabel>(d, "Titlelable")->text(), QStringLiteral("添加超链接"));
                QCOMPARE(d->focusWidget(), Box(d, "LinkText_0"));
                QVERIFY(!Child<QComboBox>(d, "LinkCombo")->isEnabled());
                Type(Box(d, "LinkText_0"), "a.html");
                Child<QCheckBox>(d, "LinkCheck1")->click();
                auto* combo = Child<QComboBox>(d, "LinkCombo");
                QVERIFY(combo->isEnabled());
                combo->setCurrentIndex(2);
                Q_EMIT combo->activated(2);
                Child<QPlainTextEdit>(d, "HtmlText")->setPlainText("首页");
                d->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(d));
                QTest::keyClick(d, Qt::Key_S, Qt::AltModifier); // "&S 确定" presses the button a moment later
                QTRY_VERIFY(!d->isVisible());
            },
            &seen);
        f_.frame->Action(Command::InsertElement, CommandRegistry::ElementArgument(QStringLiteral("<a")))->trigger();
        QCOMPARE(seen, 1);
        QCOMPARE(CaretLine(), QString());
        QVERIFY(Page().contains(QStringLiteral("\n<a href=\"a.html\" target=\"_parent\">首页</a>\n")));
        QCOMPARE(Doc()->pageEdit->document()->find("<a href").charFormat().foreground().color(), PageEdit::InsertColor);
    }

    // Tab walks the kind's fields, the content, the common attributes and then the buttons.
    void tabOrder()
    {
        ElementDialog f(f_.shared->Context(), {ElementDialog::Purpose::Insert, "<a"});
        f.show();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QStringList walk{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 13; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walk << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(walk, (QStringList{"LinkText_0", "LinkCheck1", "HtmlText", "HtmlCheck", "CcText_0", "CcText_1",
                                    "CcText_2", "SCommand", "ECommand", "OtherCommand", "TxCommand", "ShowCommand",
                                    "OkCommand", "CancelCommand"}));
        f.reject();
    }

    // A typed window name is the target; unchecking the box takes the target away again.
    void linkTarget_data()
    {
        QTest::addColumn<bool>("uncheck");
        QTest::addColumn<QString>("expected");
        QTest::newRow("typed name") << false << "<a target=\"main\"></a>\r\n";
        QTest::newRow("unchecked") << true << "<a></a>\r\n";
    }
    void linkTarget()
    {
        QFETCH(bool, uncheck);
        ElementDialog f(f_.shared->Context(), {ElementDialog::Purpose::Insert, "<a"});
        f.Prepare();
        Child<QCheckBox>(&f, "LinkCheck1")->click();
        QTest::keyClicks(Child<QComboBox>(&f, "LinkCombo")->lineEdit(), "main");
        if (uncheck)
            Child<QCheckBox>(&f, "LinkCheck1")->click();
        f.OkCommand->click();
        QTEST(OkMarkup(f), "expected");
    }

    // The picture's address: relative to a saved page, a file:/// address for a new one; the preview shows it both
    // ways (a file:/// address as the file's own path, which the preview serves for a chosen file).
    void insertImage_data()
    {
        QTest::addColumn<bool>("saved");
        QTest::newRow("page never saved") << false;
        QTest::newRow("saved page") << true;
    }
    void insertImage()
    {
        QFETCH(bool, saved);
        QVERIFY(QDir(f_.dir->path()).mkpath("img"));
        const QString picture = f_.dir->filePath("img/a b.gif");
        QVERIFY(f_.WriteFile(picture, "GIF89a"));
        if (saved) {
            QVERIFY(f_.WriteFile(f_.Path("page.html"), "<html><body>\n</body></html>"));
            QVERIFY(f_.frame->OpenPath(f_.Path("page.html")));
        }
        const QString address = saved ? QStringLiteral("img/a b.gif") : QUrl::fromLocalFile(picture).toString();
        const QString scratch = f_.Active()->Context().ScratchFile;
        f_.paths << picture;
        OnNextModal([&](QDialog* d) {
            QCOMPARE(Child<QLabel>(d, "Titlelable")->text(), QStringLiteral("添加图像"));
            QVERIFY(!Child<QPlainTextEdit>(d, "HtmlText")->isVisible());
            Child<QPushButton>(d, "ImgCommand")->click();
            QCOMPARE(f_.requests.last().initialDir, saved ? f_.dir->path() + "/" : QString());
            QCOMPARE(Box(d, "ImgText_0")->text(), address);
            Type(Box(d, "ImgText_4"), "5a%0"); // digits only
            QCOMPARE(Box(d, "ImgText_4")->text(), QStringLiteral("50"));
            Type(Box(d, "ImgText_3"), "50%");
            Child<QRadioButton>(d, "ImgOption_1")->click();
            // The option refreshed the preview: the scratch page holds the element.
            const QString page = QString::fromUtf8(f_.ReadFile(scratch));
            const QString shown = saved ? address : picture;
            QVERIFY2(page.startsWith("<html><body><img align=\"middle\" src=\"" + shown + "\""), qPrintable(page));
            QCOMPARE(Child<BrowserView>(d, "web1")->CurrentUrl(), QUrl::fromLocalFile(scratch));
            Child<QPushButton>(d, "OkCommand")->click();
        });
        f_.frame->Action(Command::InsertElement, CommandRegistry::ElementArgument(QStringLiteral("<img")))->trigger();
        QVERIFY2(Page().contains(QStringLiteral("<img align=\"middle\" src=\"") + address +
                                 QStringLiteral("\" width=\"50%\" height=\"50\">\n")),
                 qPrintable(Page()));
    }

    void rule_data()
    {
        QTest::addColumn<bool>("pixels");
        QTest::addColumn<bool>("flat");
        QTest::addColumn<bool>("clearHeight");
        QTest::addColumn<QString>("expected");
        QTest::newRow("per cent") << false << false << false << "<hr size=\"2\" width=\"50%\">\r\n";
        QTest::newRow("pixels, flat, height cleared")
            << true << true << true << "<hr size=\"0\" width=\"50\" noshade>\r\n";
    }
    void rule()
    {
        QFETCH(bool, pixels);
        QFETCH(bool, flat);
        QFETCH(bool, clearHeight);
        ElementDialog f(f_.shared->Context(), {ElementDialog::Purpose::Insert, "<hr"});
        f.Prepare();
        QTest::keyClicks(Box(&f, "HrText_0"), "2");
        if (pixels)
            Child<QRadioButton>(&f, "HrOption_1")->click();
        QTest::keyClicks(Box(&f, "HrText_1"), "50");
        if (flat)
            Child<QCheckBox>(&f, "HrCheck")->click();
        if (clearHeight)
            Box(&f, "HrText_0")->clear();
        f.OkCommand->click();
        QTEST(OkMarkup(f), "expected");
    }

    void preformattedKeepsLines()
    {
        OnNextModal([](QDialog* d) {
            QVERIFY(Child<QCheckBox>(d, "HtmlCheck")->isChecked());
            Child<QPlainTextEdit>(d, "HtmlText")->setPlainText("a<b\n  c");
            Child<QPushButton>(d, "OkCommand")->click();
        });
        f_.frame->Action(Command::InsertElement, CommandRegistry::ElementArgument(QStringLiteral("<pre")))->trigger();
        QVERIFY(Page().contains(QStringLiteral("<pre>a<b\n  c</pre>\n")));
    }

    // Enter in a field shows the element and leaves the dialog open; only OK closes it.
    void enterRefreshesThePreview()
    {
        ElementDialog f(f_.shared->Context(), {ElementDialog::Purpose::Insert, "<p"});
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QLineEdit* name = Box(&f, "NameText");
        QTest::keyClicks(name, "n1");
        QVERIFY(!QFile::exists(f_.shared->ScratchFile));
        QTest::keyClick(name, Qt::Key_Return);
        QVERIFY(f.isVisible());
        QCOMPARE(f_.ReadFile(f_.shared->ScratchFile), QByteArray("<html><body><p name=\"n1\"></p></body></html>"));
        QCOMPARE(f.PreviewedMarkup(), QStringLiteral("<p name=\"n1\"></p>"));
        f.reject();
    }

    void cancelAfterPreviewsInsertsNothing()
    {
        const QString before = Page();
        OnNextModal([](QDialog* d) {
            Type(Box(d, "CcText_0"), "x");
            Child<QPushButton>(d, "ShowCommand")->click();
            Child<QPushButton>(d, "ShowCommand")->click();
            Child<QPushButton>(d, "CancelCommand")->click();
        });
        f_.frame->Action(Command::InsertElement, CommandRegistry::ElementArgument(QStringLiteral("<div")))->trigger();
        QCOMPARE(Page(), before);
        QCOMPARE(Doc()->ChangeCount(), 0);
    }

    void styleButton_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ok") << true << "<span id=\"s\" style=\"z-index:3\">x</span>\r\n";
        QTest::newRow("cancel keeps the style") << false << "<span id=\"s\">x</span>\r\n";
    }
    void styleButton()
    {
        QFETCH(bool, ok);
        ElementDialog f(f_.shared->Context(), {ElementDialog::Purpose::Insert, "<span"});
        f.Prepare();
        f.CommonText[0]->setText("s");
        f.HtmlText->setPlainText("x");
        OnNextModal([&](QDialog* dialog) {
            auto* css = qobject_cast<StyleDialog*>(dialog);
            QVERIFY(css);
            QCOMPARE(css->Given().tagStart, QStringLiteral("<span id=\"s\""));
            QCOMPARE(css->Given().closing, QStringLiteral("x</span>"));
            Box(css, "ZindexText")->setText("3");
            if (ok)
                Child<QPushButton>(css, "OkCommand")->click();
        });
        f.StyleCommand->click();
        f.OkCommand->click();
        QTEST(OkMarkup(f), "expected");
    }

    void listLines()
    {
        ElementDialog f(f_.shared->Context(), {ElementDialog::Purpose::Insert, "<select"});
        f.Prepare();
        auto* list = Child<QListWidget>(&f, "SelectList");
        auto* add = Child<QPushButton>(&f, "AddListCommand");
        QVERIFY(!Box(&f, "SelectText_0")->isEnabled());
        for (int i = 0; i < 100; ++i)
            add->click();
        QCOMPARE(list->count(), 100);
        QVERIFY(f_.prompts->Record().isEmpty());
        add->click();
        QCOMPARE(list->count(), 100);
        QCOMPARE(f_.MessageTexts(), QStringList{"太多了,不要添了"});

        // Lines and their values make the content.
        for (int i = 0; i < 98; ++i) {
            list->setCurrentRow(0);
            Child<QPushButton>(&f, "DelListCommand")->click();
        }
        QCOMPARE(list->count(), 2);
        list->setCurrentRow(0);
        Type(Box(&f, "SelectText_0"), "one");
        Type(Box(&f, "ValueText"), "1");
        list->setCurrentRow(1);
        QCOMPARE(Box(&f, "ValueText")->text(), QString());
        Type(Box(&f, "SelectText_0"), "two");
        Type(f.FormNameText, "s");
        Child<QCheckBox>(&f, "SelectCheck")->click();
        f.OkCommand->click();
        QCOMPARE(OkMarkup(f),
                 QStringLiteral("<select name=\"s\" multiple><option value=1>one\r\n<option>two\r\n</select>\r\n"));
    }

    void radioGroupIsAParagraph()
    {
        ElementDialog f(f_.shared->Context(), {ElementDialog::Purpose::Insert, "<input type=radio"});
        f.Prepare();
        QVERIFY(!f.CommonFrame->isVisibleTo(&f));
        QCOMPARE(Child<QPushButton>(&f, "AddListCommand")->text(), QStringLiteral("增加一个"));
        Child<QPushButton>(&f, "AddListCommand")->click();
        Type(Box(&f, "ValueText"), "m");
        Box(&f, "SelectText_0")->setText("男");
        Type(Box(&f, "FradioText"), "sex");
        Child<QCheckBox>(&f, "RadioCheck")->click();
        f.OkCommand->click();
        QCOMPARE(OkMarkup(f), QStringLiteral("<p><input type=radio name=sex value=m>男<br>\r\n</p>\r\n"));
    }
};

QTEST_MAIN(TestElementDialog)
#include "tst_elementdialog.moc"
