// The form kit: every control it makes carries the name tests and screenshots look for, option buttons carry their
// index as their id, a slider's value label follows the bar even when the bar is moved quietly, and a value label
// reads "未设置" until there is a value.

#include "base/formkit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

class TestFormKit : public QObject
{
    Q_OBJECT

    // The names of the named widgets under `parent`, sorted.
    static QStringList Names(const QWidget& parent)
    {
        QStringList names;
        for (const QWidget* w : parent.findChildren<QWidget*>())
            if (!w->objectName().isEmpty())
                names.append(w->objectName());
        names.sort();
        return names;
    }

private Q_SLOTS:
    void names_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("button") << "button" << QStringList{"OkCommand"};
        QTest::newRow("check box") << "check" << QStringList{"BlurCheck"};
        QTest::newRow("text row") << "text" << QStringList{"LinkText_0"};
        QTest::newRow("combo box") << "combo" << QStringList{"CursorCombo"};
        QTest::newRow("option group") << "options"
                                      << QStringList{"fontoptionBox", "fontoption_0", "fontoption_1", "fontoption_2"};
        QTest::newRow("option array from 1")
            << "options1" << QStringList{"EmbedLoopOptionBox", "EmbedLoopOption_1", "EmbedLoopOption_2"};
        QTest::newRow("slider") << "slider" << QStringList{"AlphaScroll", "AlphaScrollValue"};
        QTest::newRow("picker") << "picker" << QStringList{"FontColorCom", "FontColorComValue"};
    }
    void names()
    {
        QFETCH(QString, control);
        QFETCH(QStringList, names);
        QWidget page;
        auto* grid = new QGridLayout(&page);
        if (control == QLatin1String("button")) {
            QVERIFY(!FormKit::Button(&page, QStringLiteral("OkCommand"), QStringLiteral("确定"))->autoDefault());
        } else if (control == QLatin1String("check")) {
            FormKit::Check(&page, QStringLiteral("BlurCheck"), QStringLiteral("模糊效果"));
        } else if (control == QLatin1String("text")) {
            QLabel* caption = nullptr;
            QLineEdit* box = FormKit::TextRow(grid, 0, QStringLiteral("地址"),
                                              FormKit::Indexed(QStringLiteral("LinkText"), 0), QString(), &caption);
            QCOMPARE(caption->buddy(), box);
        } else if (control == QLatin1String("combo")) {
            FormKit::Combo(&page, QStringLiteral("CursorCombo"), {QStringLiteral("a")});
        } else if (control == QLatin1String("options")) {
            const FormKit::Options options =
                FormKit::OptionGroup(&page, QStringLiteral("单位"), QStringLiteral("fontoption"),
                                     {QStringLiteral("pt"), QStringLiteral("px"), QStringLiteral("em")});
            QCOMPARE(options.Group->id(options.Buttons.at(2)), 2);
        } else if (control == QLatin1String("options1")) {
            const FormKit::Options options =
                FormKit::OptionGroup(&page, QStringLiteral("重复播放"), QStringLiteral("EmbedLoopOption"),
                                     {QStringLiteral("无数次"), QStringLiteral("N次")}, 0, 1);
            QCOMPARE(options.Group->id(options.Buttons.at(0)), 0); // ids stay positions
        } else if (control == QLatin1String("slider")) {
            QScrollBar* bar = nullptr;
            FormKit::Slider(&page, QStringLiteral("AlphaScroll"), 0, 100, 10, &bar);
        } else {
            FormKit::PickerRow(grid, 0, 0, QStringLiteral("FontColorCom"), QStringLiteral("前景颜色"));
        }
        QCOMPARE(Names(page), names);
    }

    void sliderValueFollows_data()
    {
        QTest::addColumn<bool>("quietly");
        QTest::newRow("moved") << false;
        QTest::newRow("moved quietly") << true;
    }
    void sliderValueFollows()
    {
        QFETCH(bool, quietly);
        QWidget page;
        QScrollBar* bar = nullptr;
        QLabel* value = nullptr;
        FormKit::Slider(&page, QStringLiteral("BoldHScroll"), 100, 900, 300, &bar, &value);
        QCOMPARE(value->text(), QStringLiteral("100"));
        QSignalSpy moves(bar, &QScrollBar::valueChanged);
        if (quietly)
            FormKit::SetQuietly(bar, 700);
        else
            bar->setValue(700);
        QCOMPARE(value->text(), QStringLiteral("700"));
        QCOMPARE(moves.size(), quietly ? 0 : 1);
    }

    void shownValue_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("colour");
        QTest::addColumn<QString>("html");
        QTest::newRow("blank") << " " << false << "<span style='color:#808080'>未设置</span>";
        QTest::newRow("blank colour") << "" << true << "<span style='color:#808080'>未设置</span>";
        QTest::newRow("text escaped") << "url(<a>)" << false << "url(&lt;a&gt;)";
        QTest::newRow("colour with swatch")
            << "#FF0000" << true << "<span style='background-color:#FF0000'>&nbsp;&nbsp;&nbsp;&nbsp;</span> #FF0000";
    }
    void shownValue()
    {
        QFETCH(QString, value);
        QFETCH(bool, colour);
        QFETCH(QString, html);
        QWidget page;
        QLabel* label = FormKit::ValueLabel(&page, QStringLiteral("FontColorComValue"));
        FormKit::ShowValue(label, value, colour ? FormKit::Shown::Colour : FormKit::Shown::Text);
        QCOMPARE(label->text(), html);
        QCOMPARE(label->textFormat(), Qt::RichText);
    }
};

QTEST_MAIN(TestFormKit)
#include "tst_formkit.moc"
