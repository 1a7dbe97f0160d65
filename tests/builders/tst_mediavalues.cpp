// What the media fields read from an edited tag: a play time split back into its boxes, repeat values taken for a
// count, for without end, or for neither (the tag then keeps them). Play times written are in tst_elementcontrols.

#include "builders/elements/mediavalues.h"

#include <QtTest>

class TestMediaValues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The boxes as "minutes|seconds"; "-" when the value stays in the tag as it is.
    void splitPlayTime_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("boxes");
        QTest::newRow("minutes and seconds") << "1:30"
                                             << "1|30";
        QTest::newRow("blanks and a leading zero") << " 2 : 05 "
                                                   << "2|05";
        QTest::newRow("seconds alone") << "30"
                                       << "-";
        QTest::newRow("hours too") << "1:2:3"
                                   << "-";
        QTest::newRow("no minutes") << ":5"
                                    << "-";
        QTest::newRow("words") << "a:b"
                               << "-";
    }
    void splitPlayTime()
    {
        QFETCH(QString, value);
        QString minutes, seconds;
        const bool split = MediaValues::SplitPlayTime(value, minutes, seconds);
        QTEST(split ? minutes + '|' + seconds : QStringLiteral("-"), "boxes");
    }

    void repeat_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("count");
        QTest::addColumn<bool>("endless");
        QTest::newRow("count") << " 3 " << true << false;
        QTest::newRow("zero") << "0" << false << false;
        QTest::newRow("minus one") << "-1" << false << true;
        QTest::newRow("true in capitals") << "TRUE" << false << true;
        QTest::newRow("infinite") << "Infinite" << false << true;
        QTest::newRow("false") << "false" << false << false;
        QTest::newRow("empty") << "" << false << false;
    }
    void repeat()
    {
        QFETCH(QString, value);
        QTEST(MediaValues::IsCount(value), "count");
        QTEST(MediaValues::IsEndless(value), "endless");
    }
};

QTEST_MAIN(TestMediaValues)
#include "tst_mediavalues.moc"
