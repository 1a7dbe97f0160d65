#include "base/rewritejournal.h"

#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

// The list of rewrites is read back at start-up, when whatever it names is put back or removed: only entries a
// rewrite could have written are taken.
class TestRewriteJournal : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void onlySoundEntries_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("copy");
        QTest::addColumn<bool>("listed");
        QTest::newRow("as written") << "@/p.html"
                                    << "@/.p.html.kestrel-backup" << true;
        QTest::newRow("a later name") << "@/p.html"
                                      << "@/.p.html.2.kestrel-backup" << true;
        QTest::newRow("relative page") << "../../etc/passwd"
                                       << "@/.passwd.kestrel-backup" << false;
        QTest::newRow("steps up") << "@/sub/../p.html"
                                  << "@/.p.html.kestrel-backup" << false;
        QTest::newRow("copy elsewhere") << "@/p.html"
                                        << "@/sub/.p.html.kestrel-backup" << false;
        QTest::newRow("copy of another page") << "@/p.html"
                                              << "@/.q.html.kestrel-backup" << false;
        QTest::newRow("copy not ours") << "@/p.html"
                                       << "@/.p.html.keep" << false;
    }
    void onlySoundEntries()
    {
        QFETCH(QString, page);
        QFETCH(QString, copy);
        QFETCH(bool, listed);
        QTemporaryDir dir;
        page.replace(QLatin1Char('@'), dir.path());
        copy.replace(QLatin1Char('@'), dir.path());
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("sub"))));
        QFile made(copy);
        QVERIFY(made.open(QIODevice::WriteOnly));
        made.close();
        const QString list = dir.filePath(QStringLiteral("rewrites.list"));
        QFile file(list);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("KESTREL-REWRITES 1\n" + QUrl::toPercentEncoding(page) + ' ' + QUrl::toPercentEncoding(copy) +
                   " 1 2\n");
        file.close();
        const QList<PageCopy> entries = RewriteJournal(list).List();
        QCOMPARE(entries.size(), listed ? 1 : 0);
    }
};

QTEST_GUILESS_MAIN(TestRewriteJournal)
#include "tst_rewritejournal.moc"
