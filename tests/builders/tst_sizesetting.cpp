// Length texts and scroll ranges of the size dialog.

#include "builders/styles/sizesetting.h"

#include <QtTest>

using S = SizeSetting;

class TestSizeSetting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("position");
        QTest::newRow("points") << "12pt" << int(S::Pt) << 12;
        QTest::newRow("pixels, case and blanks") << "  12PX " << int(S::Px) << 12;
        QTest::newRow("em in tenths") << "1.5em" << int(S::Em) << 15;
        QTest::newRow("percent") << "50%" << int(S::Percent) << 50;
        QTest::newRow("bare number") << "30" << int(S::NoUnit) << 30;
        QTest::newRow("negative") << "-5px" << int(S::Px) << -5;
        QTest::newRow("fraction rounds") << "12.6pt" << int(S::Pt) << 13;
        QTest::newRow("blank before unit") << "12 pt" << int(S::Pt) << 12;
        QTest::newRow("keyword") << "auto" << int(S::NoUnit) << 0;
        QTest::newRow("empty") << "" << int(S::Default) << 0;
        QTest::newRow("blank") << "   " << int(S::Default) << 0;
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(int, unit);
        QFETCH(int, position);
        QCOMPARE(S::Parse(text), (S::Parsed{S::Unit(unit), position}));
    }

    void text_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("text");
        QTest::newRow("pt") << 12 << int(S::Pt) << "12pt";
        QTest::newRow("em tenths") << 16 << int(S::Em) << "1.6em";
        QTest::newRow("whole em") << 20 << int(S::Em) << "2em";
        QTest::newRow("negative em") << -5 << int(S::Em) << "-0.5em";
        QTest::newRow("percent at the top") << 1000 << int(S::Percent) << "1000%";
        QTest::newRow("no unit") << 30 << int(S::NoUnit) << "30";
        QTest::newRow("no value") << 30 << int(S::Default) << "";
    }
    void text()
    {
        QFETCH(int, position);
        QFETCH(int, unit);
        QFETCH(QString, text);
        QCOMPARE(S::Text(position, S::Unit(unit)), text);
        // The text reads back to the same place.
        if (!text.isEmpty())
            QCOMPARE(S::Parse(text).Position, position);
    }

    // A typed number goes to the scroll bar only when the bar can show it; -1 stands for "not taken".
    void positionOfTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("position");
        QTest::newRow("points") << "12" << int(S::Pt) << 12;
        QTest::newRow("blanks around") << " 12 " << int(S::Pt) << 12;
        QTest::newRow("lowest") << "1" << int(S::Pt) << 1;
        QTest::newRow("below the range") << "0" << int(S::Pt) << -1;
        QTest::newRow("above the range") << "201" << int(S::Pt) << -1;
        QTest::newRow("points take no fraction") << "12.5" << int(S::Pt) << -1;
        QTest::newRow("em in tenths") << "1.5" << int(S::Em) << 15;
        QTest::newRow("em without tenths") << "2" << int(S::Em) << 20;
        QTest::newRow("em hundredths refused") << "1.25" << int(S::Em) << -1;
        QTest::newRow("em above the range") << "40.1" << int(S::Em) << -1;
        QTest::newRow("percent steps from 10") << "5" << int(S::Percent) << -1;
        QTest::newRow("percent") << "150" << int(S::Percent) << 150;
        QTest::newRow("a minus alone") << "-" << int(S::Pt) << -1;
        QTest::newRow("empty") << "" << int(S::Px) << -1;
        QTest::newRow("letters") << "12px" << int(S::Px) << -1;
        QTest::newRow("no value takes no number") << "12" << int(S::Default) << -1;
        QTest::newRow("a huge number") << "99999999999" << int(S::Px) << -1;
    }
    void positionOfTyped()
    {
        QFETCH(QString, typed);
        QFETCH(int, unit);
        QFETCH(int, position);
        const S::Range range = S::ScrollRange(S::FontSizeLength, S::Unit(unit));
        QCOMPARE(S::PositionOf(typed, S::Unit(unit), range).value_or(-1), position);
    }
};

QTEST_GUILESS_MAIN(TestSizeSetting)
#include "tst_sizesetting.moc"
