#include "base/sitefiles.h"
#include "pagewindowfixture.h"
#include "shell/sitefilefilter.h"
#include "shell/sitefilesdock.h"

#include <QDir>
#include <QDropEvent>
#include <QFileSystemModel>
#include <QImage>
#include <QMimeData>
#include <QTextBlock>
#include <QTreeView>

class TestSiteFilesDock : public QObject
{
    Q_OBJECT

    PageWindowFixture f_;

    // The page every drop lands in, with an empty line in its body.
    static QString Page()
    {
        return QStringLiteral("<html>\n<head>\n<title>t</title>\n</head>\n<body>\n\n</body>\n</html>");
    }
    static constexpr int EmptyLine = 5;

    QString Site() const { return f_.Path(QStringLiteral("site")); }

    bool Write(const QString& relative, const QByteArray& bytes = "x")
    {
        const QString path = f_.Path(relative);
        return QDir().mkpath(QFileInfo(path).path()) && PageWindowFixture::WriteFile(path, bytes);
    }
    bool WritePicture(const QString& relative, int width, int height)
    {
        QDir().mkpath(QFileInfo(f_.Path(relative)).path());
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(Qt::red);
        return picture.save(f_.Path(relative), "PNG");
    }

    // The dock on the site folder, chosen with "打开文件夹", its first level read.
    SiteFilesDock* OpenSite()
    {
        f_.paths = {Site()};
        f_.frame->RunCommand(Command::OpenFolder);
        SiteFilesDock* dock = f_.frame->SiteDock();
        // The folder is read on the model's own thread.
        if (!QTest::qWaitFor([dock] { return !Shown(dock).isEmpty(); }, 5000))
            qWarning("the site folder was not read");
        return dock;
    }
    // The names the tree shows at its top level.
    static QStringList Shown(SiteFilesDock* dock)
    {
        QStringList names;
        const QModelIndex root = dock->Tree()->rootIndex();
        for (int row = 0; row < dock->Filter()->rowCount(root); ++row)
            names.append(dock->Filter()->index(row, 0, root).data().toString());
        return names;
    }
    static QModelIndex IndexOf(SiteFilesDock* dock, const QString& path)
    {
        auto* files = static_cast<QFileSystemModel*>(dock->Filter()->sourceModel());
        return dock->Filter()->mapFromSource(files->index(path));
    }

    // The page to drop on: `relative` opened, or the frame's new page given the same text.
    PageWindow* PageAt(const QString& relative)
    {
        if (relative.isEmpty()) {
            PageWindowFixture::SetText(f_.Active(), Page(), 0);
            return f_.Active();
        }
        if (!Write(relative, Page().toLatin1()))
            return nullptr;
        return f_.frame->OpenPath(f_.Path(relative));
    }
    static void DropOn(PageWindow* doc, const QMimeData* mime, int position)
    {
        QTextCursor at(doc->pageEdit->document());
        at.setPosition(position);
        const QPoint point = doc->pageEdit->cursorRect(at).center();
        QWidget* target = doc->pageEdit->viewport();
        QDragEnterEvent enter(point, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(point, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        QCoreApplication::processEvents();
    }
    // Drags `file` from the tree onto the empty line of the page.
    void DragFromTree(PageWindow* doc, const QString& file)
    {
        SiteFilesDock* dock = OpenSite();
        const QModelIndex index = IndexOf(dock, f_.Path(file));
        QVERIFY(index.isValid());
        std::unique_ptr<QMimeData> mime(dock->Filter()->mimeData({index}));
        QVERIFY(mime);
        // What a file manager or another program takes from it: the file's address.
        QCOMPARE(mime->urls(), QList<QUrl>{QUrl::fromLocalFile(f_.Path(file))});
        DropOn(doc, mime.get(), doc->pageEdit->document()->findBlockByNumber(EmptyLine).position());
    }

private Q_SLOTS:
    void init() { f_.Start(false); }
    void cleanup() { f_.Stop(); }

    void listsTheWebFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("shown");
        QTest::newRow("page") << "about.html" << true;
        QTest::newRow("style sheet") << "site.css" << true;
        QTest::newRow("script") << "app.js" << true;
        QTest::newRow("picture") << "logo.gif" << true;
        QTest::newRow("folder") << "img" << true;
        QTest::newRow("preview page") << "qz78.html" << false;
        QTest::newRow("numbered preview page") << "qz782.html" << false;
        QTest::newRow("scratch page") << "qz1256771.html" << false;
        QTest::newRow("text file") << "readme.txt" << false;
        QTest::newRow("hidden file") << ".secret.html" << false;
        QTest::newRow("hidden folder") << ".git" << false;
    }
    void listsTheWebFiles()
    {
        QFETCH(QString, name);
        QFETCH(bool, shown);
        QVERIFY(Write(QStringLiteral("site/index.html")));
        if (name.contains(QLatin1Char('.')) && !name.startsWith(QLatin1String(".git")))
            QVERIFY(Write(QStringLiteral("site/") + name));
        else
            QVERIFY(QDir().mkpath(Site() + QLatin1Char('/') + name));
        SiteFilesDock* dock = OpenSite();
        QTRY_VERIFY(Shown(dock).contains(QStringLiteral("index.html")));
        QCOMPARE(Shown(dock).contains(name), shown);
    }

    void openFolderShowsTheDock()
    {
        QVERIFY(Write(QStringLiteral("site/index.html")));
        QVERIFY(!f_.frame->Action(Command::ToggleSiteFiles)->isChecked());
        SiteFilesDock* dock = OpenSite();
        QCOMPARE(f_.requests.last().mode, FileDialogMode::Folder);
        QVERIFY(dock->isVisible());
        QCOMPARE(dock->Folder(), Site());
        QVERIFY(f_.frame->Action(Command::ToggleSiteFiles)->isChecked());
        // A chosen folder stays whatever page is active.
        f_.frame->RunCommand(Command::NewPage);
        QCOMPARE(dock->Folder(), Site());
        f_.frame->RunCommand(Command::ToggleSiteFiles);
        QVERIFY(dock->isHidden());
        QVERIFY(!f_.frame->Action(Command::ToggleSiteFiles)->isChecked());
    }

    void followsTheActivePagesFolder()
    {
        f_.frame->RunCommand(Command::ToggleSiteFiles);
        SiteFilesDock* dock = f_.frame->SiteDock();
        QVERIFY(dock->isVisible());
        QCOMPARE(dock->Folder(), QDir::cleanPath(f_.Active()->folder));
        QVERIFY(Write(QStringLiteral("other/b.html")));
        f_.frame->OpenPath(f_.Path(QStringLiteral("other/b.html")));
        QCOMPARE(dock->Folder(), f_.Path(QStringLiteral("other")));
    }

    void dropInsertsAReference_data()
    {
        QTest::addColumn<QString>("page"); // "" for a page never saved
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("markup"); // {site} stands for the site folder's address
        QTest::addColumn<int>("caretBack");  // where the caret ends, counted back from the markup's end
        QTest::newRow("picture beside the page") << "site/index.html"
                                                 << "site/a.png"
                                                 << "<img src=\"a.png\" width=120 height=80>" << 0;
        QTest::newRow("picture in a subfolder") << "site/index.html"
                                                << "site/img/a.png"
                                                << "<img src=\"img/a.png\" width=120 height=80>" << 0;
        QTest::newRow("picture in the parent folder") << "site/pages/p.html"
                                                      << "site/a.png"
                                                      << "<img src=\"../a.png\" width=120 height=80>" << 0;
        QTest::newRow("picture, page never saved") << ""
                                                   << "site/img/a.png"
                                                   << "<img src=\"{site}/img/a.png\" width=120 height=80>" << 0;
        QTest::newRow("picture whose size cannot be read") << "site/index.html"
                                                           << "site/broken.png"
                                                           << "<img src=\"broken.png\">" << 0;
        QTest::newRow("page in a subfolder") << "site/index.html"
                                             << "site/pages/p.html"
                                             << "<a href=\"pages/p.html\"></a>" << 4;
        QTest::newRow("page in the parent folder") << "site/pages/p.html"
                                                   << "site/index.html"
                                                   << "<a href=\"../index.html\"></a>" << 4;
        QTest::newRow("page, page never saved") << ""
                                                << "site/index.html"
                                                << "<a href=\"{site}/index.html\"></a>" << 4;
        QTest::newRow("script in a subfolder") << "site/index.html"
                                               << "site/js/app.js"
                                               << "<script type=\"text/javascript\" src=\"js/app.js\"></script>" << 0;
    }
    void dropInsertsAReference()
    {
        QFETCH(QString, page);
        QFETCH(QString, file);
        QFETCH(QString, markup);
        QFETCH(int, caretBack);
        QVERIFY(WritePicture(QStringLiteral("site/a.png"), 120, 80));
        QVERIFY(WritePicture(QStringLiteral("site/img/a.png"), 120, 80));
        QVERIFY(Write(QStringLiteral("site/broken.png"), "not a picture"));
        QVERIFY(Write(QStringLiteral("site/index.html"), Page().toLatin1()));
        QVERIFY(Write(QStringLiteral("site/pages/p.html"), Page().toLatin1()));
        QVERIFY(Write(QStringLiteral("site/js/app.js"), "var a;"));
        PageWindow* doc = PageAt(page);
        QVERIFY(doc);
        DragFromTree(doc, file);
        markup.replace(QStringLiteral("{site}"), QUrl::fromLocalFile(Site()).toString());
        const int at = doc->pageEdit->document()->findBlockByNumber(EmptyLine).position();
        QCOMPARE(PageWindowFixture::Text(doc), QString(Page()).insert(at, markup));
        QCOMPARE(doc->pageEdit->textCursor().position(), at + int(markup.size()) - caretBack);
        QCOMPARE(f_.frame->openPageCount, page.isEmpty() ? 1 : 2); // nothing opened
        QVERIFY(f_.prompts->Record().isEmpty());
    }

    // A style sheet goes into the head, whereever it is dropped, as the link command puts it.
    void styleSheetIsLinkedInTheHead_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("address");
        QTest::newRow("beside the page") << "site/index.html"
                                         << "site/site.css"
                                         << "site.css";
        QTest::newRow("in a subfolder") << "site/index.html"
                                        << "site/css/site.css"
                                        << "css/site.css";
        QTest::newRow("in the parent folder") << "site/pages/p.html"
                                              << "site/site.css"
                                              << "../site.css";
        QTest::newRow("page never saved") << ""
                                          << "site/css/site.css"
                                          << "{site}/css/site.css";
    }
    void styleSheetIsLinkedInTheHead()
    {
        QFETCH(QString, page);
        QFETCH(QString, file);
        QFETCH(QString, address);
        QVERIFY(Write(file, "p { color: red }"));
        PageWindow* doc = PageAt(page);
        QVERIFY(doc);
        doc->pageEdit->SetSelStart(3);
        DragFromTree(doc, file);
        address.replace(QStringLiteral("{site}"), QUrl::fromLocalFile(Site()).toString());
        const QString link =
            QStringLiteral("<LINK REL=StyleSheet HREF=\"%1\" TYPE='text/css' MEDIA=screen>\n").arg(address);
        QCOMPARE(PageWindowFixture::Text(doc), QString(Page()).replace(QStringLiteral("</head>"), link + "</head>"));
        QCOMPARE(doc->pageEdit->textCursor().position(), 3); // the caret stays on its character
    }

    void styleSheetOnAPageWithoutAHead()
    {
        QVERIFY(Write(QStringLiteral("site/site.css")));
        PageWindow* doc = f_.Active();
        PageWindowFixture::SetText(doc, QStringLiteral("<p>a</p>\n\n\n\n\n\n"), 0);
        DragFromTree(doc, QStringLiteral("site/site.css"));
        QCOMPARE(PageWindowFixture::Text(doc), QStringLiteral("<p>a</p>\n\n\n\n\n\n"));
        QCOMPARE(f_.MessageTexts(), QStringList{QStringLiteral("您没有</head和<body标识符,无法添加!!")});
    }

    // Files from a file manager carry no mark of the tree: dropped on the text they are opened, as before.
    void fileManagerDropsStillOpen()
    {
        QVERIFY(Write(QStringLiteral("site/index.html"), Page().toLatin1()));
        PageWindow* doc = f_.Active();
        const QString before = PageWindowFixture::Text(doc);
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(f_.Path(QStringLiteral("site/index.html")))});
        DropOn(doc, &mime, 0);
        QTRY_VERIFY(f_.frame->PageOpenOn(f_.Path(QStringLiteral("site/index.html"))));
        QCOMPARE(PageWindowFixture::Text(doc), before);
    }

    void doubleClickOpens_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("opens");
        QTest::newRow("page") << "index.html" << true;
        QTest::newRow("style sheet") << "site.css" << true;
        QTest::newRow("picture") << "a.png" << false;
    }
    void doubleClickOpens()
    {
        QFETCH(QString, name);
        QFETCH(bool, opens);
        QVERIFY(Write(QStringLiteral("site/") + name, "<p>x</p>"));
        SiteFilesDock* dock = OpenSite();
        QTRY_VERIFY(Shown(dock).contains(name));
        const QModelIndex index = IndexOf(dock, Site() + QLatin1Char('/') + name);
        QTreeView* tree = dock->Tree();
        // As a mouse does it: a click, and the second press of the double click.
        const QPoint at = tree->visualRect(index).center();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(f_.frame->openPageCount, opens ? 2 : 1);
        PageWindow* opened = f_.frame->PageOpenOn(Site() + QLatin1Char('/') + name);
        QCOMPARE(opened != nullptr, opens);
        if (opens)
            QCOMPARE(f_.Active(), opened);
    }
};

QTEST_MAIN(TestSiteFilesDock)
#include "tst_sitefilesdock.moc"
