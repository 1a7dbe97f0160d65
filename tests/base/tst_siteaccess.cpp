#include "base/siteaccess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_METATYPE(SiteAccess::Site)

class TestSiteAccess : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QString root_; // dir_, canonical

    bool Write(const QString& name)
    {
        QDir().mkpath(QFileInfo(root_ + name).path());
        QFile f(root_ + name);
        return f.open(QIODevice::WriteOnly) && f.write("x") == 1;
    }

private Q_SLOTS:
    void initTestCase()
    {
        root_ = QFileInfo(dir_.path()).canonicalFilePath();
        for (const char* name :
             {"/sites/site/own.gif", "/sites/site/.hidden.gif", "/sites/site/sub/a.gif", "/sites/site/.git/config",
              "/sites/other/o.gif", "/secret/x.js", "/pics/a.gif", "/pics/.h.gif", "/chosen/c.gif", "/chosen/d.gif"})
            QVERIFY(Write(QString::fromLatin1(name)));
        QVERIFY(QFile::link(root_ + QStringLiteral("/secret/x.js"), root_ + QStringLiteral("/sites/site/out.js")));
        QVERIFY(QFile::link(root_ + QStringLiteral("/secret"), root_ + QStringLiteral("/sites/site/outdir")));
        QVERIFY(QFile::link(QStringLiteral("own.gif"), root_ + QStringLiteral("/sites/site/in.gif")));
        QCOMPARE(::mkfifo(QFile::encodeName(root_ + QStringLiteral("/sites/site/pipe")).constData(), 0600), 0);
    }

    void siteOf_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("root");
        QTest::addColumn<bool>("flat");
        const QString h = QStringLiteral("/home/u");
        QTest::newRow("below home") << "/home/u/sites/a/b" << h << "/home/u/sites" << false;
        QTest::newRow("just below home") << "/home/u/site" << h << "/home/u/site" << false;
        QTest::newRow("home itself") << h << h << h << true;
        QTest::newRow("hidden folder in home") << "/home/u/.cache/x/y" << h << "/home/u/.cache/x/y" << false;
        QTest::newRow("hidden folder in a site") << "/home/u/s/.drafts/a" << h << "/home/u/s/.drafts/a" << false;
        QTest::newRow("another user's home") << "/home/v/site/a" << h << "/home/v/site" << false;
        QTest::newRow("root's home") << "/root/www/a/b" << h << "/root/www" << false;
        QTest::newRow("elsewhere") << "/var/www/html/a" << h << "/var/www" << false;
        QTest::newRow("one below the top") << "/srv" << h << "/srv" << false;
        QTest::newRow("the top") << "/" << h << "/" << true;
        QTest::newRow("home outside /home") << "/data/me/site/a"
                                            << "/data/me"
                                            << "/data/me/site" << false;
    }
    void siteOf()
    {
        QFETCH(QString, folder);
        QFETCH(QString, home);
        QFETCH(QString, root);
        QFETCH(bool, flat);
        const SiteAccess::Site site = SiteAccess::SiteOf(folder, home);
        QCOMPARE(site.root, root);
        QCOMPARE(site.flat, flat);
    }

    // An address is served only when a web server rooted at the site would serve it, links followed.
    void resolve_data()
    {
        QTest::addColumn<QString>("root");
        QTest::addColumn<bool>("flat");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("served");
        const QString sites = QStringLiteral("/sites");
        const QString site = QStringLiteral("/sites/site");
        const QString own = QStringLiteral("/sites/site/own.gif");
        QTest::newRow("own file") << sites << false << "/site/own.gif" << own;
        QTest::newRow("sibling folder") << sites << false << "/other/o.gif"
                                        << "/sites/other/o.gif";
        QTest::newRow("up and back") << sites << false << "/site/sub/../own.gif"
                                     << "";
        QTest::newRow("above the root") << sites << false << "/../secret/x.js"
                                        << "";
        QTest::newRow("hidden file") << sites << false << "/site/.hidden.gif"
                                     << "";
        QTest::newRow("hidden folder") << sites << false << "/site/.git/config"
                                       << "";
        QTest::newRow("link out") << sites << false << "/site/out.js"
                                  << "";
        QTest::newRow("folder link out") << sites << false << "/site/outdir/x.js"
                                         << "";
        QTest::newRow("link inside") << sites << false << "/site/in.gif" << own;
        QTest::newRow("folder") << sites << false << "/site/sub"
                                << "";
        QTest::newRow("fifo") << sites << false << "/site/pipe"
                              << "";
        QTest::newRow("missing") << sites << false << "/site/none.gif"
                                 << "";
        QTest::newRow("the root") << sites << false << "/"
                                  << "";
        QTest::newRow("nul") << sites << false << QStringLiteral("/site/own.gif") + QChar(0) << "";
        QTest::newRow("absolute path") << sites << false << "@/secret/x.js"
                                       << "";
        QTest::newRow("shared picture") << sites << false << "@/pics/a.gif"
                                        << "/pics/a.gif";
        QTest::newRow("shared hidden") << sites << false << "@/pics/.h.gif"
                                       << "";
        QTest::newRow("out of shared") << sites << false << "@/pics/../secret/x.js"
                                       << "";
        QTest::newRow("a chosen file") << sites << false << "@/chosen/c.gif"
                                       << "/chosen/c.gif";
        QTest::newRow("beside a chosen file") << sites << false << "@/chosen/d.gif"
                                              << "";
        QTest::newRow("up to a chosen file") << sites << false << "@/chosen/x/../c.gif"
                                             << "/chosen/c.gif";
        QTest::newRow("flat: beside") << site << true << "/own.gif" << own;
        QTest::newRow("flat: below") << site << true << "/sub/a.gif"
                                     << "";
    }
    void resolve()
    {
        QFETCH(QString, root);
        QFETCH(bool, flat);
        QFETCH(QString, path);
        QFETCH(QString, served);
        // "@" stands for the scratch folder, as an absolute path.
        path.replace(QLatin1Char('@'), root_);
        const SiteAccess::Site site{root_ + root, flat};
        QCOMPARE(
            SiteAccess::Resolve(site, path, {root_ + QStringLiteral("/pics"), root_ + QStringLiteral("/chosen/c.gif")}),
            served.isEmpty() ? QString() : root_ + served);
    }

    // A page's address is its path in the site, so that its relative links resolve as they would on a server.
    void relativePath()
    {
        const SiteAccess::Site site = SiteAccess::SiteOf(root_ + QStringLiteral("/sites/site/sub"), root_);
        QCOMPARE(site.root, root_ + QStringLiteral("/sites"));
        QCOMPARE(SiteAccess::RelativePath(site, root_ + QStringLiteral("/sites/site/sub/a.gif")),
                 QStringLiteral("/site/sub/a.gif"));
    }

    // A FIFO is refused at once, without waiting for a writer.
    void openRegular()
    {
        const int file = SiteAccess::OpenRegular(root_ + QStringLiteral("/sites/site/own.gif"));
        QVERIFY(file >= 0);
        char c = 0;
        QCOMPARE(::read(file, &c, 1), ssize_t(1));
        ::close(file);
        QCOMPARE(SiteAccess::OpenRegular(root_ + QStringLiteral("/sites/site/pipe")), -1);
        QCOMPARE(SiteAccess::OpenRegular(root_ + QStringLiteral("/sites/site/sub")), -1);
        QCOMPARE(SiteAccess::OpenRegular(QStringLiteral("/dev/zero")), -1);
    }
};

QTEST_GUILESS_MAIN(TestSiteAccess)
#include "tst_siteaccess.moc"
