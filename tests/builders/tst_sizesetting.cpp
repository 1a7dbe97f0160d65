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
};

QTEST_GUILESS_MAIN(TestSizeSetting)
#include "tst_sizesetting.moc"
