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
        const char* rows[][3] = {
            {"preset", "5", "5"},
            {"empty", "", "0"},
            {"digit then letter", "12x", "12"},
            {"letter typed before", "x12", "0"},
            {"leading blanks and zeros", "  007", "7"},
            {"fraction, trailing zero dropped", "2.50", "2.5"},
            {"bare point", "3.", "3"},
            {"point first", ".5", "0.5"},
            {"minus alone", "-", "0"},
            {"minus zero", "-0", "0"},
            {"negative", "-15", "-15"},
            {"full-width digits are not numbers", "５", "0"},
            {"long number keeps its digits", "123456789012345678901", "123456789012345678901"},
        };
        for (const auto& row : rows)
            QTest::newRow(row[0]) << QString::fromUtf8(row[1]) << QString::fromUtf8(row[2]);
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
        QTest::newRow("zero") << "0" << true << 0;
        QTest::newRow("half rounds to even down") << "2.5" << true << 2;
        QTest::newRow("half rounds to even up") << "3.5" << true << 4;
        QTest::newRow("largest") << "2147483647" << true << 2147483647;
        QTest::newRow("one too many") << "2147483648" << false << 0;
        QTest::newRow("rounds over the top") << "2147483647.5" << false << 0;
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
