#include "base/sitefiles.h"

#include <QtTest>

class TestSiteFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listed_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("listed");
        QTest::newRow("page") << "index.html" << true;
        QTest::newRow("short page, upper case") << "OLD.HTM" << true;
        QTest::newRow("style sheet") << "site.css" << true;
        QTest::newRow("script") << "app.js" << true;
        QTest::newRow("png picture") << "logo.PNG" << true;
        QTest::newRow("jpeg picture") << "photo.jpeg" << true;
        QTest::newRow("gif picture") << "bullet.gif" << true;
        QTest::newRow("svg picture") << "icon.svg" << true;
        QTest::newRow("preview page") << "qz78.html" << false;
        QTest::newRow("numbered preview page") << "qz7812.html" << false;
        QTest::newRow("scratch page") << "qz125677.html" << false;
        QTest::newRow("numbered scratch page") << "qz1256773.html" << false;
        QTest::newRow("a page named like a preview") << "qz78a.html" << true;
        QTest::newRow("preview stem as .htm") << "qz78.htm" << true;
        QTest::newRow("preview stem inside a name") << "myqz78.html" << true;
        QTest::newRow("text file") << "notes.txt" << false;
        QTest::newRow("recovery file") << "index.html.kestrel-recovery" << false;
        QTest::newRow("no suffix") << "Makefile" << false;
        QTest::newRow("Chinese page") << "首页.html" << true;
    }
    void listed()
    {
        QFETCH(QString, name);
        QFETCH(bool, listed);
        QCOMPARE(SiteFiles::Listed(name), listed);
    }

    void address_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("address");
        QTest::newRow("beside the page") << "/s/" << true << "/s/a.png"
                                         << "a.png";
        QTest::newRow("in a subfolder") << "/s/" << true << "/s/img/a.png"
                                        << "img/a.png";
        QTest::newRow("in the parent folder") << "/s/pages/" << true << "/s/a.png"
                                              << "../a.png";
        QTest::newRow("in a sibling folder") << "/s/pages/" << true << "/s/img/a.png"
                                             << "../img/a.png";
        QTest::newRow("two folders up") << "/s/a/b/" << true << "/s/index.html"
                                        << "../../index.html";
        QTest::newRow("spaces and Chinese stay readable") << "/s/" << true << "/s/图 片.png"
                                                          << "图 片.png";
        QTest::newRow("characters that change an address") << "/s/" << true << "/s/a#1?\"%.png"
                                                           << "a%231%3F%22%25.png";
        QTest::newRow("never saved page") << "/s/" << false << "/s/img/a.png"
                                          << "file:///s/img/a.png";
        QTest::newRow("never saved, no folder") << "" << false << "/s/a b.png"
                                                << "file:///s/a b.png";
    }
    void address()
    {
        QFETCH(QString, folder);
        QFETCH(bool, saved);
        QFETCH(QString, target);
        QFETCH(QString, address);
        QCOMPARE(SiteFiles::Address(folder, saved, target), address);
    }

    void markup_data()
    {
        QTest::addColumn<QString>("markup");
        QTest::addColumn<QString>("expected");
        QTest::newRow("picture with its size")
            << SiteFiles::PictureTag("img/a.png", 120, 80) << "<img src=\"img/a.png\" width=120 height=80>";
        QTest::newRow("picture whose size is unknown")
            << SiteFiles::PictureTag("a.png", -1, -1) << "<img src=\"a.png\">";
        QTest::newRow("link to a page") << SiteFiles::PageLink("../b.html") << "<a href=\"../b.html\"></a>";
        QTest::newRow("script") << SiteFiles::ScriptTag("js/app.js")
                                << "<script type=\"text/javascript\" src=\"js/app.js\"></script>";
    }
    void markup()
    {
        QFETCH(QString, markup);
        QFETCH(QString, expected);
        QCOMPARE(markup, expected);
    }
};

QTEST_APPLESS_MAIN(TestSiteFiles)
#include "tst_sitefiles.moc"
