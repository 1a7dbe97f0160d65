// The size dialog: units, ranges, the OK gate and the live calls into the style dialog.

#include "builders/styles/sizedialog.h"
#include "modaldriver.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

class TestSizeDialog : public QObject
{
    Q_OBJECT

    QStringList calls_; // what SetIndexCss received

    // Shows (and so loads) the dialog on `value`.
    void Open(SizeDialog& form, int dtype, const QString& value)
    {
        calls_.clear();
        form.Dtype = SizeSetting::Kind(dtype);
        form.SizeValue = value;
        form.SetIndexCss = [this](const QString& s) { calls_.append(s); };
        form.show();
    }
    static int CheckedUnit(const SizeDialog& form)
    {
        for (int i = 0; i < 6; ++i)
            if (form.fontoption[i]->isChecked())
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
        SizeDialog form;
        Open(form, dtype, value);
        QCOMPARE(CheckedUnit(form), unit);
        if (unit != 5) {
            QCOMPARE(form.HScroll1->minimum(), minimum);
            QCOMPARE(form.HScroll1->maximum(), maximum);
        }
        QCOMPARE(form.HScroll1->value(), position);
        QCOMPARE(form.Text1->text(), number);
        QCOMPARE(form.HScroll1->isEnabled(), unit != 5);
        // Opening moves nothing: OK waits, and the value is the one given.
        QVERIFY(!form.OkCommand->isEnabled());
        QCOMPARE(form.SizeValue, value);
        QCOMPARE(form.ScrollChangeCount, 0);
    }

    void movingFollowsLive()
    {
        SizeDialog form;
        Open(form, 1, QStringLiteral("1.5em"));
        form.HScroll1->setValue(16);
        QCOMPARE(form.SizeValue, QStringLiteral("1.6em"));
        QCOMPARE(form.Text1->text(), QStringLiteral("1.6"));
        QVERIFY(form.OkCommand->isEnabled());
        QCOMPARE(calls_.last(), QStringLiteral("1.6em"));
        form.OkCommand->click();
        QCOMPARE(form.SizeValue, QStringLiteral("1.6em"));
    }

    void largeStepsByUnit()
    {
        SizeDialog form;
        Open(form, 1, QStringLiteral("12pt"));
        QCOMPARE(form.HScroll1->pageStep(), 20);
        form.fontoption[2]->click();
        QCOMPARE(form.HScroll1->pageStep(), 10);
        form.fontoption[3]->click();
        QCOMPARE(form.HScroll1->pageStep(), 100);
        QCOMPARE(form.HScroll1->singleStep(), 10);
    }

    void emptyValueWaitsForTheScrollBar()
    {
        SizeDialog form;
        Open(form, 6, QString());
        form.fontoption[1]->click();
        QVERIFY(form.HScroll1->isEnabled());
        QVERIFY(!form.OkCommand->isEnabled());
        // The first move of the user counts, even when choosing the unit moved nothing.
        form.HScroll1->setValue(1);
        QCOMPARE(form.SizeValue, QStringLiteral("1px"));
        QVERIFY(form.OkCommand->isEnabled());
        QCOMPARE(form.ScrollChangeCount, 1);
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
        SizeDialog form;
        Open(form, 1, value);
        form.fontoption[option]->click();
        QCOMPARE(form.SizeValue, result);
        QCOMPARE(calls_.last(), result);
        QCOMPARE(form.HScroll1->isEnabled(), option != 5);
        // Choosing no value is a choice OK confirms; a unit waits for the scroll bar.
        QCOMPARE(form.OkCommand->isEnabled(), option == 5);
    }

    // Every way of closing but OK gives back the value the dialog opened with.
    void cancelRestores_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("result");
        QTest::newRow("ok keeps the pick") << "ok"
                                           << "30px";
        QTest::newRow("cancel") << "cancel" << QString();
        QTest::newRow("escape") << "escape" << QString();
        QTest::newRow("close box") << "close" << QString();
    }
    void cancelRestores()
    {
        QFETCH(QString, how);
        QFETCH(QString, result);
        SizeDialog form;
        form.Dtype = SizeSetting::FontSizeLength;
        form.SizeValue = QStringLiteral("12pt");
        calls_.clear();
        form.SetIndexCss = [this](const QString& s) { calls_.append(s); };
        OnNextModal<SizeDialog>([how](SizeDialog* size) {
            size->HScroll1->setValue(30);
            size->fontoption[1]->click();
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
        QCOMPARE(form.SizeValue, result.isNull() ? QStringLiteral("12pt") : result);
    }
};

QTEST_MAIN(TestSizeDialog)
#include "tst_sizedialog.moc"
