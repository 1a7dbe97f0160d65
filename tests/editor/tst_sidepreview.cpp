#include "base/browserview.h"
#include "browserplugin.h"
#include "editor/pagepreview.h"
#include "editor/sidepreview.h"
#include "pagewindowfixture.h"

#include <QDir>
#include <QMdiArea>
#include <QSignalSpy>
#include <QSplitter>
#include <QTextBlock>

class TestSidePreview : public QObject
{
    Q_OBJECT

    PageWindowFixture f_;

    bool Checked() const { return f_.frame->Action(Command::SidePreview)->isChecked(); }

    // Shows the side preview of `doc` and waits for its page.
    static bool ShowAndLoad(MainFrame& frame, PageWindow* doc)
    {
        frame.RunCommand(Command::SidePreview);
        BrowserView* view = doc->sidePreview->View();
        if (!view)
            return false;
        QSignalSpy loaded(view, &BrowserView::LoadFinished);
        return loaded.wait(20000) && loaded.first().first().toBool();
    }

    // A page long enough to scroll, its head first.
    static QString LongPage()
    {
        QString page = QStringLiteral("<html>\n<head>\n<title>t</title>\n</head>\n<body>\n");
        for (int i = 0; i < 200; ++i)
            page += QStringLiteral("<p>paragraph %1</p>\n").arg(i);
        return page + QStringLiteral("</body>\n</html>");
    }

    static int LineStart(PageWindow* doc, int line)
    {
        return doc->pageEdit->document()->findBlockByNumber(line).position();
    }

private Q_SLOTS:
    void init() { f_.Start(false); }
    void cleanup() { f_.Stop(); }

    void showsThePageBesideTheSource()
    {
        SKIP_WITHOUT_BROWSER();
        PageWindow* doc = f_.Active();
        // No view, and so no engine, until it is first wanted.
        QVERIFY(!doc->sidePreview->View());
        QVERIFY(!Checked());
        QVERIFY(ShowAndLoad(*f_.frame, doc));
        BrowserView* view = doc->sidePreview->View();
        QCOMPARE(view->parentWidget(), doc->sourceSplitter);
        QVERIFY(view->isVisible());
        QVERIFY(doc->pageEdit->isVisible());
        QVERIFY(Checked());
        QCOMPARE(view->CurrentUrl(), QUrl::fromLocalFile(doc->PreviewFile()));
        const QByteArray written = PageWindowFixture::ReadFile(doc->PreviewFile());
        QVERIFY(written.startsWith("<html>\r\n<head>\r\n") && written.endsWith("</body>\r\n</html>"));
        // The text keeps the keyboard; the full preview is not on.
        QCOMPARE(doc->focusProxy(), static_cast<QWidget*>(doc->pageEdit));
        QVERIFY(!PagePreview::IsShown(*doc));
        QVERIFY(f_.prompts->Record().isEmpty());
    }

    void refreshesAfterAPauseInTheTyping()
    {
        SKIP_WITHOUT_BROWSER();
        PageWindow* doc = f_.Active();
        QVERIFY(ShowAndLoad(*f_.frame, doc));
        doc->pageEdit->SetSelStart(LineStart(doc, 6));
        QSignalSpy loaded(doc->sidePreview->View(), &BrowserView::LoadFinished);
        QTest::keyClicks(doc->pageEdit, QStringLiteral("<p>typed"));
        // Nothing is written while the keys come.
        QVERIFY(doc->sidePreview->RefreshPending());
        QVERIFY(!PageWindowFixture::ReadFile(doc->PreviewFile()).contains("typed"));
        QVERIFY(loaded.wait(SidePreview::PauseMs + 20000));
        QVERIFY(PageWindowFixture::ReadFile(doc->PreviewFile()).contains("<p>typed"));
        QCOMPARE(loaded.size(), 1); // one refresh for the whole run of keys
    }

    void keepsItsPlaceAndFollowsTheCaret()
    {
        SKIP_WITHOUT_BROWSER();
        PageWindow* doc = f_.Active();
        PageWindowFixture::SetText(doc, LongPage(), LineStart(doc, 2) + 8); // in the title
        QVERIFY(ShowAndLoad(*f_.frame, doc));
        BrowserView* view = doc->sidePreview->View();
        view->RunScript(QStringLiteral("window.scrollTo(0, 1500);"));
        QTRY_COMPARE_WITH_TIMEOUT(view->ScrollPosition().y(), 1500.0, 10000);

        // Typed in the head: shown anew where it was.
        QSignalSpy loaded(view, &BrowserView::LoadFinished);
        QTest::keyClicks(doc->pageEdit, QStringLiteral("x"));
        QVERIFY(loaded.wait(20000));
        QTRY_COMPARE_WITH_TIMEOUT(view->ScrollPosition().y(), 1500.0, 10000);

        // The caret on the third paragraph: it comes into sight, near the top of the page.
        doc->pageEdit->SetSelStart(LineStart(doc, 7) + 4);
        QTRY_VERIFY_WITH_TIMEOUT(view->ScrollPosition().y() < 200, 10000);
        // On the last one: far down.
        doc->pageEdit->SetSelStart(LineStart(doc, 204) + 4);
        QTRY_VERIFY_WITH_TIMEOUT(view->ScrollPosition().y() > 3000, 10000);
    }

    void offStopsFollowingTheText()
    {
        SKIP_WITHOUT_BROWSER();
        PageWindow* doc = f_.Active();
        QVERIFY(ShowAndLoad(*f_.frame, doc));
        f_.frame->RunCommand(Command::SidePreview);
        QVERIFY(!doc->SidePreviewShown());
        QVERIFY(!Checked());
        QVERIFY(doc->sidePreview->View()->isHidden());
        QCOMPARE(doc->sidePreview->View()->CurrentUrl().toString(), QStringLiteral("about:blank"));
        QTest::keyClicks(doc->pageEdit, QStringLiteral("ab"));
        QVERIFY(!doc->sidePreview->RefreshPending());
        // And on again: the page as it is now.
        QVERIFY(ShowAndLoad(*f_.frame, doc));
        QVERIFY(PageWindowFixture::ReadFile(doc->PreviewFile()).contains("ab"));
    }

    void checkMarkFollowsTheActivePage()
    {
        SKIP_WITHOUT_BROWSER();
        PageWindow* first = f_.Active();
        QVERIFY(ShowAndLoad(*f_.frame, first));
        f_.frame->RunCommand(Command::NewPage);
        PageWindow* second = f_.Active();
        QVERIFY(second != first);
        QVERIFY(!Checked());
        f_.frame->Area->activatePreviousSubWindow();
        QCOMPARE(f_.Active(), first);
        QVERIFY(Checked());
    }

    void fullPreviewTakesTheWholeWindow()
    {
        SKIP_WITHOUT_BROWSER();
        PageWindow* doc = f_.Active();
        QVERIFY(ShowAndLoad(*f_.frame, doc));
        f_.frame->RunCommand(Command::Preview);
        QVERIFY(PagePreview::IsShown(*doc));
        QVERIFY(!doc->sidePreview->View()->isVisible());
        f_.frame->RunCommand(Command::Preview);
        QVERIFY(doc->sidePreview->View()->isVisible());
        QVERIFY(doc->SidePreviewShown());
    }

    // A folder gone while the side preview is on: said once, and the side preview goes; the text stays.
    void previewFileCannotBeWritten()
    {
        QVERIFY(QDir(f_.dir->path()).mkdir(QStringLiteral("gone")));
        const QString page = f_.Path(QStringLiteral("gone/a.html"));
        QVERIFY(PageWindowFixture::WriteFile(page, "<p>a</p>"));
        PageWindow* doc = f_.frame->OpenPath(page);
        QVERIFY(doc);
        f_.frame->RunCommand(Command::SidePreview);
        QVERIFY(doc->SidePreviewShown());
        QVERIFY(QDir(f_.Path(QStringLiteral("gone"))).removeRecursively());
        doc->pageEdit->SetSelStart(3);
        QTest::keyClicks(doc->pageEdit, QStringLiteral("b"));
        QTRY_VERIFY_WITH_TIMEOUT(!doc->SidePreviewShown(), 5000);
        QCOMPARE(f_.MessageTexts(), QStringList{QStringLiteral("无法建立临时文件!!")});
        QVERIFY(!Checked());
        QCOMPARE(PageWindowFixture::Text(doc), QStringLiteral("<p>ba</p>"));
        QVERIFY(!doc->sidePreview->RefreshPending());
    }
};

QTEST_MAIN(TestSidePreview)
#include "tst_sidepreview.moc"
