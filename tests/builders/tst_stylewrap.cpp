// The main frame's style button and colour command on a page: the span around the selection, and the colour
// inserted at the caret by F5, the toolbar and the context menu.

#include "base/browserview.h"
#include "builders/styles/colordialog.h"
#include "builders/styles/sizedialog.h"
#include "builders/styles/styledialog.h"
#include "editor/pageedit.h"
#include "editor/pagewindow.h"
#include "modaldriver.h"
#include "pagewindowfixture.h"

#include <QAction>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QtTest>

#include <memory>

class TestStyleWrap : public QObject
{
    Q_OBJECT

    PageWindowFixture f_;

    PageEdit* Text() { return f_.frame->ActiveDocument()->pageEdit; }
    void SetPage(const QString& text, int selStart, int selEnd)
    {
        Text()->setPlainText(text);
        QTextCursor c = Text()->textCursor();
        c.setPosition(selStart);
        c.setPosition(selEnd, QTextCursor::KeepAnchor);
        Text()->setTextCursor(c);
    }
    // A command's entry in the page's context menu; null when the menu has none.
    QAction* ContextMenuEntry(Command command) const
    {
        const auto* menu = f_.frame->findChild<QMenu*>(QStringLiteral("SetMeMenu"));
        QAction* action = f_.frame->Action(command);
        return menu && menu->actions().contains(action) ? action : nullptr;
    }

private Q_SLOTS:
    void init() { f_.Start(true); }
    void cleanup() { f_.Stop(); }

    void styleWrap_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("page");
        QTest::newRow("ok") << true << "ab<span style=\"font-style:italic\">你好</span>cd";
        QTest::newRow("cancel still wraps") << false << "ab<span style=\"\">你好</span>cd";
    }
    void styleWrap()
    {
        QFETCH(bool, ok);
        QFETCH(QString, page);
        SetPage(QStringLiteral("ab你好cd"), 2, 4);
        QVERIFY(f_.frame->Action(Command::WrapInStyle)->isEnabled());
        QString html1, html2;
        OnNextModal<StyleDialog>([&](StyleDialog* css) {
            html1 = css->Given().tagStart;
            html2 = css->Given().closing;
            css->FontStyleOption[1]->click();
            (ok ? css->OkCommand : css->CancelCommand)->click();
        });
        f_.frame->Action(Command::WrapInStyle)->trigger();
        QCOMPARE(html1, QStringLiteral("<span"));
        QCOMPARE(html2, QStringLiteral("你好</span>"));
        QCOMPARE(Text()->RawText(), page);
    }

    // Colour, font, size and a border, each through its own dialog, while the preview follows.
    void userBuildsASpan()
    {
        SetPage(QStringLiteral("ab你好cd"), 2, 4);
        QStringList previews;
        OnNextModal<StyleDialog>([&](StyleDialog* css) {
            OnNextModal<ColorDialog>([](ColorDialog* color) {
                QTest::mouseClick(color->Swatch[1], Qt::LeftButton);
                color->OkCommand->click();
            });
            css->FontColorCom->click();
            css->FontList->setCurrentRow(1);
            OnNextModal<SizeDialog>([](SizeDialog* size) {
                size->UnitOption[0]->click();
                size->PositionBar->setValue(14);
                size->OkCommand->click();
            });
            css->FontSizeCommand->click();
            css->BorderStyleCombo[4]->setCurrentIndex(4);
            Q_EMIT css->BorderStyleCombo[4]->activated(4);
            previews << css->previewBrowser->CurrentUrl().toLocalFile() << css->CssText();
            css->OkCommand->click();
        });
        f_.frame->Action(Command::WrapInStyle)->trigger();
        QCOMPARE(previews.value(0), f_.shared->ScratchFile);
        const QString style = previews.value(1);
        QCOMPARE(style, QStringLiteral("color:#0000FF;font-family:") + QFontDatabase::families().value(0).trimmed() +
                            QStringLiteral(";font-size:14pt;border-style:solid"));
        QCOMPARE(Text()->RawText(), QStringLiteral("ab<span style=\"") + style + QStringLiteral("\">你好</span>cd"));
    }

    void styleWrapOfSeveralLines()
    {
        SetPage(QStringLiteral("x\none\ntwo\ny"), 2, 9);
        QString html2;
        OnNextModal<StyleDialog>([&](StyleDialog* css) {
            html2 = css->Given().closing;
            css->BackImageText->setText(QStringLiteral("\"a.gif\""));
            css->OkCommand->click();
        });
        f_.frame->RunCommand(Command::WrapInStyle);
        QCOMPARE(html2, QStringLiteral("one\r\ntwo</span>"));
        // A quote in the style does not end the attribute.
        QCOMPARE(Text()->RawText(),
                 QStringLiteral("x\n<span style=\"background-image:url('a.gif')\">one\ntwo</span>\ny"));
    }

    void colourAtTheCaret_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("page");
        QTest::newRow("F5") << "F5" << true << "ab#FF0000cd";
        QTest::newRow("F5 cancelled") << "F5" << false << "abcd";
        QTest::newRow("toolbar") << "toolbar" << true << "ab#FF0000cd";
        QTest::newRow("context menu") << "context menu" << true << "ab#FF0000cd";
    }
    void colourAtTheCaret()
    {
        QFETCH(QString, how);
        QFETCH(bool, ok);
        QFETCH(QString, page);
        SetPage(QStringLiteral("abcd"), 2, 2);
        QString start = QStringLiteral("unset");
        OnNextModal<ColorDialog>([&](ColorDialog* color) {
            start = color->ColorText();
            QTest::mouseClick(color->Swatch[0], Qt::LeftButton);
            (ok ? color->OkCommand : color->CancelCommand)->click();
        });
        if (how == QLatin1String("F5"))
            QTest::keyClick(Text(), Qt::Key_F5);
        else if (how == QLatin1String("toolbar"))
            f_.frame->ToolButton(Command::AddColour)->trigger();
        else if (QAction* entry = ContextMenuEntry(Command::AddColour))
            entry->trigger();
        else
            QFAIL("no colour entry in the context menu");
        QCOMPARE(start, QString());
        QCOMPARE(Text()->RawText(), page);
        if (ok) {
            QCOMPARE(Text()->textCursor().position(), 9);
            // Inserted markup is blue.
            QTextCursor c(Text()->document());
            c.setPosition(3);
            QCOMPARE(c.charFormat().foreground().color(), PageEdit::InsertColor);
        }
    }
};

QTEST_MAIN(TestStyleWrap)
#include "tst_stylewrap.moc"
