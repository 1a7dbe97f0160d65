// Where pages were left: the newest first, at most fifty, a damaged settings entry never read as a place, and a
// place fitted into a file that shrank since.

#include "shell/pageplaces.h"

#include <QtTest>

using Place = PagePlaces::Place;
Q_DECLARE_METATYPE(Place)

class TestPagePlaces : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keepsTheNewestFifty()
    {
        PagePlaces places;
        for (int i = 0; i < 60; ++i)
            places.Remember(QStringLiteral("/p/%1.html").arg(i), {i, 1, 0});
        QCOMPARE(places.Count(), PagePlaces::MaxPages);
        QVERIFY(!places.Find(QStringLiteral("/p/9.html")));
        QCOMPARE(places.Find(QStringLiteral("/p/10.html"))->line, 10);
        // Closed again: its new place, at the front, once.
        places.Remember(QStringLiteral("/p/10.html"), {3, 4, 2});
        QCOMPARE(places.Count(), PagePlaces::MaxPages);
        QCOMPARE(places.ToList().first(), QStringLiteral("3,4,2,/p/10.html"));
        QCOMPARE(PagePlaces::FromList(places.ToList()).ToList(), places.ToList());
    }

    void readsOnlyWhatIsAPlace_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("path"); // "" when nothing is read
        QTest::addColumn<Place>("place");
        QTest::newRow("plain") << "12,4,3,/home/a/index.html"
                               << "/home/a/index.html" << Place{12, 4, 3};
        QTest::newRow("comma in the path") << "1,2,0,/home/a,b/x.html"
                                           << "/home/a,b/x.html" << Place{1, 2, 0};
        QTest::newRow("too few parts") << "1,2,/x.html"
                                       << "" << Place{};
        QTest::newRow("not a number") << "one,2,0,/x.html"
                                      << "" << Place{};
        QTest::newRow("negative line") << "-1,2,0,/x.html"
                                       << "" << Place{};
        QTest::newRow("no path") << "1,2,0,"
                                 << "" << Place{};
        QTest::newRow("empty") << ""
                               << "" << Place{};
    }
    void readsOnlyWhatIsAPlace()
    {
        QFETCH(QString, entry);
        QFETCH(QString, path);
        QFETCH(Place, place);
        const PagePlaces places = PagePlaces::FromList({entry});
        QCOMPARE(places.Count(), path.isEmpty() ? 0 : 1);
        if (!path.isEmpty())
            QCOMPARE(*places.Find(path), place);
    }

    void fitsIntoTheFile_data()
    {
        QTest::addColumn<Place>("kept");
        QTest::addColumn<int>("lines");
        QTest::addColumn<Place>("fitted");
        // Every line of the page is 5 characters long.
        QTest::newRow("fits as it is") << Place{3, 2, 1} << 10 << Place{3, 2, 1};
        QTest::newRow("line gone: the last line") << Place{30, 2, 25} << 10 << Place{9, 2, 9};
        QTest::newRow("column past the end: the end") << Place{3, 80, 0} << 10 << Place{3, 5, 0};
        QTest::newRow("both") << Place{30, 80, 28} << 4 << Place{3, 5, 3};
        QTest::newRow("empty page") << Place{5, 5, 5} << 0 << Place{0, 0, 0};
    }
    void fitsIntoTheFile()
    {
        QFETCH(Place, kept);
        QFETCH(int, lines);
        QFETCH(Place, fitted);
        QCOMPARE(PagePlaces::Fit(kept, lines, [](int) { return 5; }), fitted);
    }
};

QTEST_GUILESS_MAIN(TestPagePlaces)
#include "tst_pageplaces.moc"
