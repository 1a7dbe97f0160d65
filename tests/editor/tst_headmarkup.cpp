#include "editor/headmarkup.h"

#include <QtTest>

class TestHeadMarkup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void numericText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("preset") << "5"
                                << "5";
        QTest::newRow("empty") << ""
                               << "0";
        QTest::newRow("letters only") << "abc"
                                      << "0";
        QTest::newRow("digit then letter") << "12x"
                                           << "12";
        QTest::newRow("letter typed before") << "x12"
                                             << "0";
        QTest::newRow("leading blanks") << "   30"
                                        << "30";
        QTest::newRow("leading zeros") << "007"
                                       << "7";
        QTest::newRow("zero typed after a cleared box") << "03"
                                                        << "3";
        QTest::newRow("fraction") << "2.5"
                                  << "2.5";
        QTest::newRow("fraction trailing zero") << "2.50"
                                                << "2.5";
        QTest::newRow("bare point") << "3."
                                    << "3";
        QTest::newRow("point first") << ".5"
                                     << "0.5";
        QTest::newRow("minus alone") << "-"
                                     << "0";
        QTest::newRow("minus zero") << "-0"
                                    << "0";
        QTest::newRow("negative") << "-15"
                                  << "-15";
        QTest::newRow("plus") << "+8"
                              << "8";
        QTest::newRow("full-width digits are not numbers") << "５"
                                                           << "0";
        QTest::newRow("long number keeps its digits") << "123456789012345678901"
                                                      << "123456789012345678901";
    }
    void numericText()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QCOMPARE(HeadMarkup::NumericText(typed), shown);
    }

    void intervalSeconds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("seconds");
        QTest::newRow("default") << "5" << true << 5;
        QTest::newRow("zero") << "0" << true << 0;
        QTest::newRow("half rounds to even down") << "2.5" << true << 2;
        QTest::newRow("half rounds to even up") << "3.5" << true << 4;
        QTest::newRow("above half") << "2.51" << true << 3;
        QTest::newRow("largest") << "2147483647" << true << 2147483647;
        QTest::newRow("one too many") << "2147483648" << false << 0;
        QTest::newRow("rounds over the top") << "2147483647.5" << false << 0;
        QTest::newRow("far too many") << "99999999999999999999" << false << 0;
        QTest::newRow("negative") << "-1" << false << 0;
        QTest::newRow("small negative rounds to zero") << "-0.4" << true << 0;
    }
    void intervalSeconds()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(int, seconds);
        int got = -7;
        QCOMPARE(HeadMarkup::IntervalSeconds(text, got), accepted);
        if (accepted)
            QCOMPARE(got, seconds);
        else
            QCOMPARE(got, -7); // untouched on refusal
    }
};

QTEST_GUILESS_MAIN(TestHeadMarkup)
#include "tst_headmarkup.moc"
