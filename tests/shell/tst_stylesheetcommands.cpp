// The page's style sheet commands through the frame: rules built in the style sheet dialog and inserted, the same
// block saved as a .css file, and the link line put in the head.

#include "base/inputboxdialog.h"
#include "base/pagecodec.h"
#include "builders/styles/styledialog.h"
#include "builders/styles/stylesheetdialog.h"
#include "modaldriver.h"
#include "pagewindowfixture.h"
#include "tagdb/tagdb.h"

#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

class TestStyleSheetCommands : public QObject
{
    Q_OBJECT

    PageWindowFixture f_;

    int ElementRow(const QString& start) const
    {
        return f_.shared->Db.TagIndexByStart(f_.shared->Db.Section(QStringLiteral("html1")), start);
    }
    // Gives the selected selector the z-index `z` in the style dialog (Cancel when `z` is empty).
    static void SetStyle(StyleSheetDialog* form, const QString& z)
    {
        OnNextModal<StyleDialog>([z](StyleDialog* css) {
            if (z.isEmpty())
                return;
            css->ZindexText->setText(z);
            css->OkCommand->click();
        });
        form->StyleCommand->click();
    }
    // Builds p.red {z-index:2} and a:hover {z-index:3}, plus .big that never gets a style.
    void BuildRules(StyleSheetDialog* form)
    {
        QVERIFY(!form->LinkStateFrame->isVisible());
        QVERIFY(!form->StyleCommand->isEnabled());
        form->ElementList->setCurrentRow(ElementRow(QStringLiteral("<p")));
        QTest::keyClicks(form->NameText, QStringLiteral("red"));
        form->AddCom->click();
        QCOMPARE(form->NameText->text(), QString());
        form->ElementList->setCurrentRow(1); // the link element shows its states
        QVERIFY(form->LinkStateFrame->isVisible());
        form->LinkStateList->setCurrentRow(2);
        QCOMPARE(form->NameText->text(), QStringLiteral("hover"));
        QVERIFY(!form->NameText->isEnabled());
        form->AddCom->click();
        form->AllElementsCheck->click();
        QVERIFY(!form->LinkStateFrame->isVisible());
        QVERIFY(!form->ElementList->isEnabled());
        QTest::keyClicks(form->NameText, QStringLiteral("big"));
        form->AddCom->click();
        form->AddCom->click(); // no name: nothing
        QCOMPARE(form->SelectorList->count(), 3);
        QCOMPARE(form->SelectorList->item(1)->text(), QStringLiteral("a:hover"));
        // The same selector again selects the one there.
        form->AllElementsCheck->click();
        form->ElementList->setCurrentRow(ElementRow(QStringLiteral("<p")));
        QTest::keyClicks(form->NameText, QStringLiteral("red"));
        form->AddCom->click();
        QCOMPARE(form->SelectorList->count(), 3);
        QCOMPARE(form->SelectorList->currentRow(), 0);
        QVERIFY(form->StyleCommand->isEnabled());
        SetStyle(form, QStringLiteral("2"));
        form->SelectorList->setCurrentRow(1);
        SetStyle(form, QStringLiteral("3"));
        form->SelectorList->setCurrentRow(2);
        SetStyle(form, QString()); // cancelled: no rule
    }

    const QString rules_ = QStringLiteral("p.red {z-index:2}\r\na:hover {z-index:3}\r\n");
    QString Block() const
    {
        return QStringLiteral("<style TYPE='text/css'>\r\n<! --\r\n") + rules_ + QStringLiteral("-->\r\n</style>\r\n");
    }

private Q_SLOTS:
    void init() { f_.Start(true); }
    void cleanup() { f_.Stop(); }

    void internalBlock()
    {
        PageWindow* doc = f_.Active();
        const QString text = PageWindowFixture::Text(doc);
        const int caret = doc->pageEdit->SelStart(); // inside the body
        int seen = 0;
        OnNextModal<StyleSheetDialog>(
            [this](StyleSheetDialog* form) {
                QCOMPARE(form->windowTitle(), QStringLiteral("设置样式表"));
                BuildRules(form);
                form->OkCommand->click();
            },
            &seen);
        f_.frame->RunCommand(Command::EmbedStyleSheet);
        QCOMPARE(seen, 1);
        QString block = Block();
        block.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QString expected = text;
        expected.insert(text.indexOf(QStringLiteral("<body>")), block);
        QCOMPARE(PageWindowFixture::Text(doc), expected);
        QCOMPARE(doc->pageEdit->SelStart(), caret + int(block.size()));
        QVERIFY(f_.prompts->Record().isEmpty());
    }

    // OK with selectors none of which got a style says why nothing goes in, and keeps the selectors to style.
    void selectorsWithoutStyleSaySo()
    {
        PageWindow* doc = f_.Active();
        const QString text = PageWindowFixture::Text(doc);
        OnNextModal<StyleSheetDialog>([this](StyleSheetDialog* form) {
            form->ElementList->setCurrentRow(ElementRow(QStringLiteral("<p")));
            form->AddCom->click();
            form->OkCommand->click();
            QVERIFY(form->isVisible());
            QCOMPARE(f_.MessageTexts(), QStringList{StyleSheetDialog::NoStyleSet});
            QCOMPARE(form->SelectorList->count(), 1);
            form->SelectorList->setCurrentRow(0);
            SetStyle(form, QStringLiteral("4"));
            form->OkCommand->click();
        });
        f_.frame->RunCommand(Command::EmbedStyleSheet);
        QVERIFY(PageWindowFixture::Text(doc).contains(QStringLiteral("p {z-index:4}")));
        QVERIFY(PageWindowFixture::Text(doc) != text);
        // No selector at all: nothing to say, nothing inserted.
        OnNextModal<StyleSheetDialog>([](StyleSheetDialog* form) { form->OkCommand->click(); });
        f_.frame->RunCommand(Command::EmbedStyleSheet);
        QCOMPARE(f_.MessageTexts().size(), 1);
    }

    void cancelledChangesNothing()
    {
        PageWindow* doc = f_.Active();
        const QString text = PageWindowFixture::Text(doc);
        OnNextModal<StyleSheetDialog>([this](StyleSheetDialog* form) {
            BuildRules(form);
            form->CancelCommand->click();
        });
        f_.frame->RunCommand(Command::EmbedStyleSheet);
        OnNextModal<StyleSheetDialog>([](StyleSheetDialog* form) { form->OkCommand->click(); }); // nothing set
        f_.frame->RunCommand(Command::ExportStyleSheet);
        QCOMPARE(PageWindowFixture::Text(doc), text);
        QVERIFY(f_.requests.isEmpty());
    }

    void fiftySelectors()
    {
        OnNextModal<StyleSheetDialog>([](StyleSheetDialog* form) {
            form->AllElementsCheck->click();
            for (int i = 0; i <= 50; ++i) {
                form->NameText->setText(QStringLiteral("c%1").arg(i));
                form->AddCom->click();
            }
            QCOMPARE(form->SelectorList->count(), 50);
            QCOMPARE(form->SelectorList->item(49)->text(), QStringLiteral(".c49"));
            QCOMPARE(form->NameText->text(), QString());
            form->OkCommand->click();
        });
        f_.frame->RunCommand(Command::EmbedStyleSheet);
        // None of them has a style: OK says so too.
        QCOMPARE(f_.MessageTexts(), (QStringList{"太多了,别添了!!", StyleSheetDialog::NoStyleSet}));
    }

    void externalSheet_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("written");
        QTest::newRow("saved") << "site.css" << true;
        QTest::newRow("folder missing") << "none/site.css" << false;
    }
    void externalSheet()
    {
        QFETCH(QString, file);
        QFETCH(bool, written);
        const QString path = f_.Path(file);
        f_.paths = {path};
        OnNextModal<StyleSheetDialog>([this](StyleSheetDialog* form) {
            BuildRules(form);
            form->OkCommand->click();
        });
        f_.frame->RunCommand(Command::ExportStyleSheet);
        QCOMPARE(f_.requests.size(), 1);
        QCOMPARE(f_.requests.at(0).title, QStringLiteral("保存文件"));
        QCOMPARE(f_.requests.at(0).defaultExt, QStringLiteral("css"));
        QCOMPARE(FileNameFilters(f_.requests.at(0).filter), QStringList{"样式表文件 (*.css)"});
        if (written) {
            // The rules alone: a browser drops the first rule of a sheet that starts with the block's wrapping.
            QCOMPARE(PageWindowFixture::ReadFile(path), rules_.toLatin1());
            QVERIFY(f_.prompts->Record().isEmpty());
        } else {
            QCOMPARE(f_.MessageTexts(), QStringList{"无法保存!!"});
        }
    }

    void sheetInPageCodePage_data()
    {
        QTest::addColumn<QByteArray>("page"); // empty: the new page
        QTest::addColumn<QByteArray>("sheet");
        const QByteArray rule = QByteArrayLiteral("p.%1 {z-index:1}\r\n");
        QTest::newRow("new page") << QByteArray() << QByteArray(rule).replace("%1", PageCodec::ToGb18030("红"));
        QTest::newRow("utf-8 page, no mark in the sheet")
            << QByteArray("\xEF\xBB\xBF<html>\n<body>\n\xE7\xBA\xA2</body>")
            << QByteArray(rule).replace("%1", QStringLiteral("红").toUtf8());
    }
    void sheetInPageCodePage()
    {
        QFETCH(QByteArray, page);
        QFETCH(QByteArray, sheet);
        if (!page.isEmpty()) {
            QVERIFY(PageWindowFixture::WriteFile(f_.Path(QStringLiteral("page.html")), page));
            QVERIFY(f_.frame->OpenPath(f_.Path(QStringLiteral("page.html"))));
        }
        f_.paths = {f_.Path(QStringLiteral("site.css"))};
        OnNextModal<StyleSheetDialog>([this](StyleSheetDialog* form) {
            form->ElementList->setCurrentRow(ElementRow(QStringLiteral("<p")));
            form->NameText->setText(QStringLiteral("红"));
            form->AddCom->click();
            form->SelectorList->setCurrentRow(0);
            SetStyle(form, QStringLiteral("1"));
            form->OkCommand->click();
        });
        f_.frame->RunCommand(Command::ExportStyleSheet);
        QCOMPARE(PageWindowFixture::ReadFile(f_.Path(QStringLiteral("site.css"))), sheet);
    }

    void linkLine_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("answer"); // null: the box is cancelled
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("message");
        const QString line = QStringLiteral("<LINK REL=StyleSheet HREF=\"css/a.css\" TYPE='text/css' MEDIA=screen>\n");
        QTest::newRow("before the end of the head") << "<html><head>\n</HEAD>\n<body>x"
                                                    << "css/a.css"
                                                    << "<html><head>\n" + line + "</HEAD>\n<body>x"
                                                    << "";
        QTest::newRow("before body without a head end") << "<html>\n<Body>x"
                                                        << "css/a.css"
                                                        << "<html>\n" + line + "<Body>x"
                                                        << "";
        QTest::newRow("cancelled") << "<head></head>" << QString() << "<head></head>"
                                   << "";
        QTest::newRow("neither marker") << "<p>x</p>"
                                        << "css/a.css"
                                        << "<p>x</p>"
                                        << "您没有</head和<body标识符,无法添加!!";
    }
    void linkLine()
    {
        QFETCH(QString, page);
        QFETCH(QString, answer);
        QFETCH(QString, result);
        QFETCH(QString, message);
        PageWindow* doc = f_.Active();
        PageWindowFixture::SetText(doc, page, int(page.size()));
        if (!answer.isNull())
            f_.inputs = {answer};
        f_.frame->RunCommand(Command::LinkStyleSheet);
        QCOMPARE(PageWindowFixture::Text(doc), result);
        // The caret stays at the end of the page.
        QCOMPARE(doc->pageEdit->SelStart(), int(result.size()));
        QStringList expected;
        if (!message.isEmpty())
            expected.append(message);
        else if (page.contains(QStringLiteral("head"), Qt::CaseInsensitive) ||
                 page.contains(QStringLiteral("body"), Qt::CaseInsensitive))
            expected.append(QStringLiteral("请输入CSS样式表的路径文件名:"));
        QCOMPARE(f_.MessageTexts(), expected);
        if (!f_.prompts->Record().isEmpty() && f_.prompts->Record().at(0).input) {
            QCOMPARE(f_.prompts->Record().at(0).title, QStringLiteral("提示"));
            // The box has a 浏览 button choosing style sheets, addressed from the page (this one is new).
            QCOMPARE(f_.prompts->Record().at(0).browseFilter, QStringLiteral("样式表文件") + QChar(0) + "*.css");
            QCOMPARE(f_.prompts->Record().at(0).pageFolder, QString());
        }
    }

    // The address box's 浏览 button: a style sheet chosen for a saved page is addressed from the page's folder.
    void linkBoxBrowses_data()
    {
        QTest::addColumn<QString>("pageFolder");
        QTest::addColumn<QString>("address");
        QTest::newRow("saved page") << "@/"
                                    << "css/site.css";
        QTest::newRow("page in a sibling folder") << "@/pages/"
                                                  << "../css/site.css";
        QTest::newRow("new page") << ""
                                  << "file://@/css/site.css";
    }
    void linkBoxBrowses()
    {
        QFETCH(QString, pageFolder);
        QFETCH(QString, address);
        const QString dir = f_.dir->path();
        pageFolder.replace(QLatin1Char('@'), dir);
        address.replace(QLatin1Char('@'), dir);
        MessageRecord box{QStringLiteral("请输入CSS样式表的路径文件名:"), QStringLiteral("提示"), MsgButtons::OkCancel,
                          true, QString()};
        box.browseFilter = QStringLiteral("样式表文件") + QChar(0) + "*.css";
        box.pageFolder = pageFolder;
        InputBoxDialog dialog(box, false, f_.Active());
        QVERIFY(dialog.BrowseCommand);
        QCOMPARE(dialog.OkCommand->text(), QStringLiteral("确定(&S)"));
        f_.paths = {dir + QStringLiteral("/css/site.css")};
        dialog.BrowseCommand->click();
        QCOMPARE(f_.requests.last().filter, box.browseFilter);
        QCOMPARE(dialog.Text(), address);
        // A box for plain text has no such button.
        box.browseFilter.clear();
        QVERIFY(!InputBoxDialog(box, false, f_.Active()).BrowseCommand);
    }
};

QTEST_MAIN(TestStyleSheetCommands)
#include "tst_stylesheetcommands.moc"
