// The address a page uses for a chosen file, and the preview's form of a page's local addresses.

#include "base/pageaddress.h"

#include <QtTest>

class TestPageAddress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void address_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("pageFolder");
        QTest::addColumn<QString>("address");
        QTest::newRow("beside the page") << "/site/a/logo.gif"
                                         << "/site/a/"
                                         << "logo.gif";
        QTest::newRow("below the page") << "/site/a/img/logo.gif"
                                        << "/site/a/"
                                        << "img/logo.gif";
        QTest::newRow("beside the page's folder") << "/site/img/a.gif"
                                                  << "/site/a/"
                                                  << "../img/a.gif";
        QTest::newRow("folder without its slash") << "/site/img/a.gif"
                                                  << "/site/a"
                                                  << "../img/a.gif";
        QTest::newRow("blank and Chinese kept") << "/site/a/图 1.gif"
                                                << "/site/a/"
                                                << "图 1.gif";
        QTest::newRow("characters that end an address") << "/site/a/a#b?c%d\".gif"
                                                        << "/site/a/"
                                                        << "a%23b%3Fc%25d%22.gif";
        QTest::newRow("page never saved") << "/site/img/a.gif"
                                          << ""
                                          << "file:///site/img/a.gif";
    }
    void address()
    {
        QFETCH(QString, file);
        QFETCH(QString, pageFolder);
        QFETCH(QString, address);
        QCOMPARE(PageAddress::For(file, pageFolder), address);
    }

    void preview_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("shown");
        QTest::newRow("picture") << "<img src=\"file:///home/u/a.gif\">"
                                 << "<img src=\"/home/u/a.gif\">";
        QTest::newRow("in a style") << "background-image:url(FILE:///x/b.png)"
                                    << "background-image:url(/x/b.png)";
        QTest::newRow("relative stays") << "<img src=\"img/a.gif\">"
                                        << "<img src=\"img/a.gif\">";
    }
    void preview()
    {
        QFETCH(QString, page);
        QFETCH(QString, shown);
        QCOMPARE(PageAddress::ForPreview(page), shown);
    }
};

QTEST_GUILESS_MAIN(TestPageAddress)
#include "tst_pageaddress.moc"
