#include "convert/textimportdialog.h"
#include "modaldriver.h"
#include "pagewindowfixture.h"

#include <QPlainTextEdit>
#include <QPushButton>

class TestTextImportDialog : public QObject
{
    Q_OBJECT

    PageWindowFixture f_;

    // Runs the plain-text command; `step` works the dialog.
    void Import(std::function<void(TextImportDialog*)> step)
    {
        OnNextModal<TextImportDialog>(step);
        f_.frame->RunCommand(Command::InsertPlainText);
    }

private Q_SLOTS:
    void init() { f_.Start(false); }
    void cleanup() { f_.Stop(); }

    void typedTextInsertedEscaped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("inserted"); // as the page shows it, one break per line
        QTest::newRow("two lines") << "a b\nc"
                                   << "a&nbsp;b<br>\nc";
        QTest::newRow("tag as text") << "<p>"
                                     << "&lt;p&gt;";
    }
    void typedTextInsertedEscaped()
    {
        QFETCH(QString, typed);
        QFETCH(QString, inserted);
        PageWindow* doc = f_.Active();
        const QString text = PageWindowFixture::Text(doc);
        const int caret = doc->pageEdit->SelStart();
        QString html;
        Import([&](TextImportDialog* form) {
            form->TextBox->setPlainText(typed);
            form->OkCommand->click();
            html = form->Outcome().value_or(QString());
        });
        QCOMPARE(html, QString(inserted).replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
        QCOMPARE(PageWindowFixture::Text(doc), QString(text).insert(caret, inserted));
        QCOMPARE(doc->pageEdit->SelStart(), caret + int(inserted.size()));
        QTextCursor c(doc->pageEdit->document());
        c.setPosition(caret + 1);
        QCOMPARE(c.charFormat().foreground().color(), PageEdit::InsertColor);
    }

    void fileReadIntoTheBox()
    {
        const QString path = f_.Path(QStringLiteral("notes.txt"));
        QVERIFY(PageWindowFixture::WriteFile(path, "\xD6\xD0\xCE\xC4 1\r\n<2>"));
        f_.paths = {path};
        Import([](TextImportDialog* form) {
            form->TextBox->setPlainText(QStringLiteral("replaced"));
            form->OpenCom->click();
            QCOMPARE(form->TextBox->toPlainText(), QStringLiteral("中文 1\n<2>"));
            form->OkCommand->click();
        });
        QVERIFY(PageWindowFixture::Text(f_.Active()).contains(QStringLiteral("中文&nbsp;1<br>\n&lt;2&gt;")));
        QCOMPARE(f_.requests.size(), 1);
        const FileDialogRequest& request = f_.requests.constFirst();
        QCOMPARE(request.mode, FileDialogMode::Open);
        QCOMPARE(request.title, QStringLiteral("打开文件"));
        QCOMPARE(FileNameFilters(request.filter),
                 QStringList({QStringLiteral("文本文件 (*.txt)"), QStringLiteral("所有文件 (*.*)")}));
        QVERIFY(request.defaultName.isEmpty() && request.initialDir.isEmpty() && request.defaultExt.isEmpty());
    }

    void unreadableFileKeepsTheBox_data()
    {
        QTest::addColumn<bool>("create");
        QTest::newRow("empty file") << true;
        QTest::newRow("missing file") << false;
    }
    void unreadableFileKeepsTheBox()
    {
        QFETCH(bool, create);
        const QString path = f_.Path(QStringLiteral("empty.txt"));
        if (create)
            QVERIFY(PageWindowFixture::WriteFile(path, QByteArray()));
        f_.paths = {path};
        const QString text = PageWindowFixture::Text(f_.Active());
        Import([](TextImportDialog* form) {
            form->TextBox->setPlainText(QStringLiteral("earlier"));
            form->OpenCom->click();
            QCOMPARE(form->TextBox->toPlainText(), QStringLiteral("earlier"));
            QVERIFY(form->isVisible());
            form->CancelCommand->click();
        });
        QCOMPARE(f_.MessageTexts(), QStringList{QStringLiteral("内容太多或其他错误!!")});
        QCOMPARE(PageWindowFixture::Text(f_.Active()), text);
    }

    void undecodableBytesAskFirst()
    {
        const QString path = f_.Path(QStringLiteral("odd.txt"));
        QVERIFY(PageWindowFixture::WriteFile(path, "ok\x81"));
        f_.paths = {path, path};
        f_.answers = {MsgAnswer::No, MsgAnswer::Yes};
        Import([](TextImportDialog* form) {
            form->OpenCom->click();
            QVERIFY(form->TextBox->toPlainText().isEmpty());
            form->OpenCom->click();
            QCOMPARE(form->TextBox->toPlainText(), QStringLiteral("ok\uFFFD"));
            form->CancelCommand->click();
        });
        QCOMPARE(f_.prompts->Record().size(), 2);
        QCOMPARE(f_.prompts->Record().constFirst().buttons, MsgButtons::YesNo);
    }

    void cancelOrEmptyInsertsNothing_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QString>("typed");
        QTest::newRow("cancel after reading") << false << "some text";
        QTest::newRow("empty box confirmed") << true << "";
    }
    void cancelOrEmptyInsertsNothing()
    {
        QFETCH(bool, confirm);
        QFETCH(QString, typed);
        const QString text = PageWindowFixture::Text(f_.Active());
        Import([&](TextImportDialog* form) {
            form->TextBox->setPlainText(typed);
            (confirm ? form->OkCommand : form->CancelCommand)->click();
            QVERIFY(form->Outcome().value_or(QString()).isEmpty());
        });
        QCOMPARE(PageWindowFixture::Text(f_.Active()), text);
        QCOMPARE(f_.Active()->ChangeCount(), 0);
    }
};

QTEST_MAIN(TestTextImportDialog)
#include "tst_textimportdialog.moc"
