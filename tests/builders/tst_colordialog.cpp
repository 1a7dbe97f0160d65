// The colour dialog and the shared colour-picking routine.

#include "builders/styles/colordialog.h"
#include "modaldriver.h"
#include "tagdb/tagdb.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

class TestColorDialog : public QObject
{
    Q_OBJECT

    TagDb db_;

    static QList<int> Sliders(const ColorDialog& form)
    {
        return {form.ColorSlider[0]->value(), form.ColorSlider[1]->value(), form.ColorSlider[2]->value()};
    }
    static void ClickSwatch(ColorDialog& form, int i) { QTest::mouseClick(form.Swatch[i], Qt::LeftButton); }

private Q_SLOTS:
    void initTestCase() { QCOMPARE(db_.Load(QStringLiteral(KESTREL_BUILD_DIR "/data.xml")), TagDb::Loaded); }

    void opening_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QList<int>>("rgb");
        QTest::addColumn<QString>("result");
        QTest::newRow("named colour, sliders moved") << "red" << QList<int>{255, 0, 0} << "#FF0000";
        QTest::newRow("named colour in capitals") << "Orange" << QList<int>{255, 165, 0} << "#FFA500";
        QTest::newRow("hex") << "#0080ff" << QList<int>{0, 128, 255} << "#0080FF";
        QTest::newRow("black moves nothing") << "#000000" << QList<int>{0, 0, 0} << "#000000";
        QTest::newRow("no colour") << "" << QList<int>{0, 0, 0} << "";
        QTest::newRow("not a colour") << "abc" << QList<int>{0, 0, 0} << "abc";
    }
    void opening()
    {
        QFETCH(QString, start);
        QFETCH(QList<int>, rgb);
        QFETCH(QString, result);
        ColorDialog dialog(db_, start);
        const std::optional<QString> picked = RunDriven(dialog, [&](ColorDialog* form) {
            QCOMPARE(Sliders(*form), rgb);
            // Black shows although no slider moved.
            if (result == QLatin1String("#000000"))
                QCOMPARE(form->PreviewColor(), QColor(Qt::black));
            QCOMPARE(form->SliderValue[1]->text(), QString::number(rgb[1]));
            QVERIFY(form->SliderValue[0]->isReadOnly());
            form->OkCommand->click();
        });
        QCOMPARE(picked, std::optional<QString>(result));
    }

    void slidersGiveUpperCaseText()
    {
        ColorDialog dialog(db_, QString());
        const std::optional<QString> picked = RunDriven(dialog, [](ColorDialog* form) {
            form->ColorSlider[0]->setValue(255);
            form->ColorSlider[1]->setValue(128);
            QCOMPARE(form->SliderValue[0]->text(), QStringLiteral("255"));
            QCOMPARE(form->PreviewColor(), QColor(255, 128, 0));
            form->OkCommand->click();
        });
        QCOMPARE(picked, std::optional<QString>(QStringLiteral("#FF8000")));
    }

    void swatches_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QString>("result");
        // A swatch whose colour the sliders already show keeps its own lower-case text.
        QTest::newRow("red from nothing") << "" << QList<int>{0} << "#FF0000";
        QTest::newRow("red twice") << "" << QList<int>{0, 0} << "#ff0000";
        QTest::newRow("black from nothing") << "" << QList<int>{3} << "#000000";
        QTest::newRow("white") << "#ff0000" << QList<int>{5} << "#FFFFFF";
        QTest::newRow("no colour after blue") << "" << QList<int>{1, 6} << "";
        QTest::newRow("no colour over a start colour") << "#123456" << QList<int>{6} << "";
    }
    void swatches()
    {
        QFETCH(QString, start);
        QFETCH(QList<int>, clicks);
        QFETCH(QString, result);
        ColorDialog dialog(db_, start);
        const std::optional<QString> picked = RunDriven(dialog, [&](ColorDialog* form) {
            for (const int i : clicks)
                ClickSwatch(*form, i);
            form->OkCommand->click();
        });
        QCOMPARE(picked, std::optional<QString>(result));
    }

    void pickColor_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("result");
        QTest::newRow("ok") << "blue" << true << "#0000FF"
                            << "#0000FF";
        QTest::newRow("cancel") << "blue" << false << "#0000FF"
                                << "blue";
        QTest::newRow("escape") << "#ffffff" << false << "#FFFFFF"
                                << "#ffffff";
    }
    void pickColor()
    {
        QFETCH(QString, start);
        QFETCH(bool, ok);
        QFETCH(QString, shown);
        QFETCH(QString, result);
        QString seen;
        OnNextModal<ColorDialog>([&](ColorDialog* form) {
            seen = form->ColorText();
            if (ok)
                form->OkCommand->click();
            else if (start.startsWith(QLatin1Char('#')))
                QTest::keyClick(form, Qt::Key_Escape);
            else
                form->CancelCommand->click();
        });
        QString value = start;
        PickColor(db_, value);
        // The dialog opened on the slot's colour.
        QCOMPARE(seen, shown);
        QCOMPARE(value, result);
    }
};

QTEST_MAIN(TestColorDialog)
#include "tst_colordialog.moc"
