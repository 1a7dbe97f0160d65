// The size dialog: units, ranges, the OK gate and the live calls into the style dialog.

#include "builders/styles/sizedialog.h"
#include "modaldriver.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

class TestSizeDialog : public QObject
{
    Q_OBJECT

    QStringList calls_; // what the dialog's onChange received

    // The dialog on `value`, its changes recorded in calls_.
    SizeDialog::Input In(int dtype, const QString& value)
    {
        calls_.clear();
        return {SizeSetting::Kind(dtype), value, [this](const QString& s) { calls_.append(s); }};
    }
    static int CheckedUnit(const SizeDialog& form)
    {
        for (int i = 0; i < 6; ++i)
            if (form.UnitOption[i]->isChecked())
                return i;
        return -1;
    }

private Q_SLOTS:
    void opening_data()
    {
        QTest::addColumn<int>("dtype");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("number");
        QTest::newRow("font size in points") << 1 << "12pt" << 0 << 1 << 200 << 12 << "12";
        QTest::newRow("em in tenths") << 1 << "1.5em" << 2 << 1 << 400 << 15 << "1.5";
        QTest::newRow("percent") << 2 << "50%" << 3 << 10 << 1000 << 50 << "50";
        QTest::newRow("pixels doubled range") << 3 << "-30px" << 1 << -200 << 800 << -30 << "-30";
        QTest::newRow("number without unit") << 5 << "30" << 4 << 0 << 1200 << 30 << "30";
        QTest::newRow("beyond the range") << 6 << "900pt" << 0 << 0 << 200 << 200 << "200";
        QTest::newRow("empty") << 6 << "" << 5 << 0 << 99 << 0 << "0";
    }
    void opening()
    {
        QFETCH(int, dtype);
        QFETCH(QString, value);
        QFETCH(int, unit);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, position);
        QFETCH(QString, number);
        SizeDialog form(In(dtype, value));
        form.show();
        QCOMPARE(CheckedUnit(form), unit);
        if (unit != 5) {
            QCOMPARE(form.PositionBar->minimum(), minimum);
            QCOMPARE(form.PositionBar->maximum(), maximum);
        }
        QCOMPARE(form.PositionBar->value(), position);
        QCOMPARE(form.NumberBox->text(), number);
        QCOMPARE(form.PositionBar->isEnabled(), unit != 5);
        // Opening moves nothing: the value is the one given, and OK takes it when it has a unit and a number.
        QCOMPARE(form.OkCommand->isEnabled(), unit != 5);
        QCOMPARE(calls_.last(), value);
        QCOMPARE(form.ScrollMoves(), 0);
    }

    void movingFollowsLive()
    {
        SizeDialog dialog(In(1, QStringLiteral("1.5em")));
        const std::optional<QString> picked = RunDriven(dialog, [this](SizeDialog* form) {
            form->PositionBar->setValue(16);
            QCOMPARE(calls_.last(), QStringLiteral("1.6em"));
            QCOMPARE(form->NumberBox->text(), QStringLiteral("1.6"));
            QVERIFY(form->OkCommand->isEnabled());
            form->OkCommand->click();
        });
        QCOMPARE(picked, std::optional<QString>(QStringLiteral("1.6em")));
    }

    // The number box takes a typed number; the scroll bar follows it, and a number out of reach says so.
    void typedNumber_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("okEnabled");
        QTest::newRow("points") << "12pt"
                                << "36" << 36 << "36pt" << true;
        QTest::newRow("em tenths") << "1em"
                                   << "2.5" << 25 << "2.5em" << true;
        QTest::newRow("above the range") << "12pt"
                                         << "300" << 30 << "30pt" << false;
        QTest::newRow("half a number") << "12pt"
                                       << "-" << 12 << "12pt" << false;
        QTest::newRow("letters are not taken") << "12pt"
                                               << "ab" << 12 << "12pt" << true;
    }
    void typedNumber()
    {
        QFETCH(QString, value);
        QFETCH(QString, typed);
        QFETCH(int, position);
        QFETCH(QString, result);
        QFETCH(bool, okEnabled);
        SizeDialog form(In(1, value));
        form.show();
        form.NumberBox->selectAll();
        QTest::keyClicks(form.NumberBox, typed);
        QCOMPARE(form.PositionBar->value(), position);
        QCOMPARE(calls_.last(), result);
        QCOMPARE(form.OkCommand->isEnabled(), okEnabled);
        QCOMPARE(form.RangeLabel->isVisibleTo(&form), !okEnabled);
        if (!okEnabled)
            QCOMPARE(form.RangeLabel->text(), QStringLiteral("请输入1到200之间的数"));
    }

    void largeStepsByUnit()
    {
        SizeDialog form(In(1, QStringLiteral("12pt")));
        form.show();
        QCOMPARE(form.PositionBar->pageStep(), 20);
        form.UnitOption[2]->click();
        QCOMPARE(form.PositionBar->pageStep(), 10);
        form.UnitOption[3]->click();
        QCOMPARE(form.PositionBar->pageStep(), 100);
        QCOMPARE(form.PositionBar->singleStep(), 10);
    }

    void emptyValueWaitsForAUnit()
    {
        SizeDialog form(In(6, QString()));
        form.show();
        QVERIFY(!form.OkCommand->isEnabled());
        form.UnitOption[1]->click();
        QVERIFY(form.PositionBar->isEnabled());
        QVERIFY(form.OkCommand->isEnabled());
        // The first move of the user counts, even when choosing the unit moved nothing.
        form.PositionBar->setValue(1);
        QCOMPARE(calls_.last(), QStringLiteral("1px"));
        QVERIFY(form.OkCommand->isEnabled());
        QCOMPARE(form.ScrollMoves(), 1);
    }

    void unitChoiceRewritesTheValue_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("result");
        QTest::newRow("pt to px") << "12pt" << 1 << "12px";
        QTest::newRow("pt to em reads tenths") << "12pt" << 2 << "1.2em";
        QTest::newRow("em to pt") << "1.5em" << 0 << "15pt";
        QTest::newRow("to percent, pulled up to 10") << "5px" << 3 << "10%";
        QTest::newRow("no unit") << "12pt" << 4 << "12";
        QTest::newRow("no value") << "12pt" << 5 << "";
    }
    void unitChoiceRewritesTheValue()
    {
        QFETCH(QString, value);
        QFETCH(int, option);
        QFETCH(QString, result);
        SizeDialog form(In(1, value));
        form.show();
        form.UnitOption[option]->click();
        QCOMPARE(calls_.last(), result);
        QCOMPARE(form.PositionBar->isEnabled(), option != 5);
        // Choosing no value is a choice OK confirms, as is a unit with its number.
        QVERIFY(form.OkCommand->isEnabled());
        QCOMPARE(form.NumberBox->isEnabled(), option != 5);
    }

    // Every way of closing but OK hands back nothing, whatever was picked before.
    void cancelHandsBackNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("result");
        QTest::newRow("ok keeps the pick") << "ok"
                                           << "30px";
        QTest::newRow("cancel") << "cancel" << QString();
        QTest::newRow("escape") << "escape" << QString();
        QTest::newRow("close box") << "close" << QString();
    }
    void cancelHandsBackNothing()
    {
        QFETCH(QString, how);
        QFETCH(QString, result);
        SizeDialog form(In(SizeSetting::FontSizeLength, QStringLiteral("12pt")));
        OnNextModal<SizeDialog>([how](SizeDialog* size) {
            size->PositionBar->setValue(30);
            size->UnitOption[1]->click();
            if (how == QLatin1String("ok"))
                size->OkCommand->click();
            else if (how == QLatin1String("cancel"))
                size->CancelCommand->click();
            else if (how == QLatin1String("escape"))
                QTest::keyClick(size, Qt::Key_Escape);
            else
                size->close();
        });
        const std::optional<QString> picked = form.Run();
        QCOMPARE(calls_, (QStringList{QStringLiteral("12pt"), QStringLiteral("30pt"), QStringLiteral("30px")}));
        QCOMPARE(picked, result.isNull() ? std::nullopt : std::optional<QString>(result));
    }
};

QTEST_MAIN(TestSizeDialog)
#include "tst_sizedialog.moc"
