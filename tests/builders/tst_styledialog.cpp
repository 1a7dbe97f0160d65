// The style dialog: controls set from an incoming style, the result after clicks, the nested size and colour
// dialogs, Cancel, and the preview page.

#include "base/browserview.h"
#include "base/pagecodec.h"
#include "base/programstate.h"
#include "builders/styles/colordialog.h"
#include "builders/styles/sizedialog.h"
#include "builders/styles/styledialog.h"
#include "modaldriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using P = CssDeclarations;

class TestStyleDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<ProgramState> shared_;
    std::unique_ptr<StyleDialog> form_;

    // The dialog shown (and so loaded) on `style`, not yet closed.
    StyleDialog& Open(const QString& style, const QString& html1 = QString(), const QString& html2 = QString())
    {
        form_ = std::make_unique<StyleDialog>(shared_->Context(), StyleDialog::Input{style, html1, html2}, nullptr);
        form_->show();
        return *form_;
    }
    static void Choose(QComboBox* combo, int index)
    {
        combo->setCurrentIndex(index);
        Q_EMIT combo->activated(index);
    }

private Q_SLOTS:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        shared_ = std::make_unique<ProgramState>(dir_->path());
        QCOMPARE(shared_->Db.Load(QStringLiteral(KESTREL_BUILD_DIR "/data.xml")), TagDb::Loaded);
    }
    void cleanup()
    {
        form_.reset();
        shared_.reset();
        dir_.reset();
    }

    void controlsFromAnIncomingStyle()
    {
        StyleDialog& f = Open(QStringLiteral(
            "Color:Red;FONT-SIZE:12pt;font-weight:bold;background-image:url(file:///c:/a.gif);"
            "filter: alpha(opacity=30) gray();position:absolute;left:1px;border-style:dashed;cursor:help;"
            "overflow:hidden;float:left;display:inline;z-index:3;text-align:center;font-style:italic"));
        QCOMPARE(f.CssText().left(21), QStringLiteral("color:red;font-size:1"));
        QCOMPARE(f.BackImageText->text(), QStringLiteral("file:///c:/a.gif"));
        QCOMPARE(f.BoldHScroll->value(), 700);
        QCOMPARE(f.AlphaScroll->value(), 70);
        QVERIFY(f.FilterCheck[2]->isChecked());
        QVERIFY(!f.FilterCheck[0]->isChecked());
        QVERIFY(f.PositionOption[0]->isChecked());
        QVERIFY(f.LeftCommand->isEnabled());
        QCOMPARE(f.BorderStyleCombo[4]->currentIndex(), 3);
        QCOMPARE(f.BorderStyleCombo[0]->currentIndex(), -1);
        QCOMPARE(f.Declarations().CursorNames.value(f.CursorCombo->currentIndex()), QStringLiteral("help"));
        QCOMPARE(f.OverflowCombo->currentIndex(), 1);
        QVERIFY(f.FloatOption[0]->isChecked());
        QVERIFY(f.DispOption[1]->isChecked());
        QCOMPARE(f.ZindexText->text(), QStringLiteral("3"));
        QVERIFY(f.TextAlignOption[3]->isChecked());
        QVERIFY(f.FontStyleOption[1]->isChecked());
        QCOMPARE(f.CssText(), QStringLiteral("color:red;font-size:12pt;font-weight:700;font-style:italic;"
                                             "background-image:url(file:///c:/a.gif);overflow:hidden;text-align:center;"
                                             "left:1px;position:absolute;z-index:3;border-style:dashed;"
                                             "filter: alpha(Opacity=30) gray();cursor:help;float:left;display:inline"));
        QCOMPARE(f.ResultText->text(), f.CssText());
    }

    void staticPlacementDisablesLeftAndTop()
    {
        StyleDialog& f = Open(QStringLiteral("position:static"));
        QVERIFY(f.PositionOption[2]->isChecked());
        QVERIFY(!f.LeftCommand->isEnabled());
        QVERIFY(!f.TopCommand->isEnabled());
    }

    void clicks_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("result");
        const QString red = QStringLiteral("color:red");
        QTest::newRow("font style") << red << "FontStyleOption_2"
                                    << "color:red;font-style:oblique";
        QTest::newRow("repeat") << red << "RepeatOption_1"
                                << "color:red;background-repeat:repeat-x";
        QTest::newRow("attachment") << red << "ScrollOption_1"
                                    << "color:red;background-attachment:fixed";
        QTest::newRow("decoration") << red << "TextXsOption_1"
                                    << "color:red;text-decoration:underline";
        QTest::newRow("align none") << "color:red;text-align:left"
                                    << "TextAlignOption_0"
                                    << "color:red";
        QTest::newRow("align justify") << red << "TextAlignOption_4"
                                       << "color:red;text-align:justify";
        QTest::newRow("relative") << red << "PositionOption_1"
                                  << "color:red;position:relative";
        QTest::newRow("hidden") << red << "DisplayOption_1"
                                << "color:red;visibility:hidden";
        QTest::newRow("visibility default") << "color:red;visibility:visible"
                                            << "DisplayOption_3"
                                            << "color:red";
        QTest::newRow("float") << red << "FloatOption_1"
                               << "color:red;float:right";
        QTest::newRow("display") << red << "DispOption_3"
                                 << "color:red;display:none";
        QTest::newRow("mirror") << red << "FilterCheck_0"
                                << "color:red;filter: fliph()";
        QTest::newRow("mirror off") << "color:red;filter:fliph() gray()"
                                    << "FilterCheck_0"
                                    << "color:red;filter: gray()";
        QTest::newRow("invert") << red << "FilterCheck_3"
                                << "color:red;filter: invert()";
        QTest::newRow("blur") << red << "BlurCheck"
                              << "color:red;filter: blur(add=true,direction=270,strength=5)";
        QTest::newRow("wave") << red << "WaveCheck"
                              << "color:red;filter: wave(add=true,freq=2,lightstrength=10,phase=30,strength=10)";
        QTest::newRow("cancel bold") << "color:red;font-weight:600"
                                     << "CancelBoldCom"
                                     << "color:red";
        QTest::newRow("cancel opacity") << "filter:alpha(opacity=20) gray()"
                                        << "AlphaCommand"
                                        << "filter: gray()";
    }
    void clicks()
    {
        QFETCH(QString, start);
        QFETCH(QString, control);
        QFETCH(QString, result);
        StyleDialog& f = Open(start);
        QAbstractButton* button = Child<QAbstractButton>(form_.get(), control);
        QVERIFY(button);
        button->click();
        QCOMPARE(f.CssText(), result);
        if (control == QLatin1String("CancelBoldCom"))
            QCOMPARE(f.BoldHScroll->value(), 100);
    }

    void sliders()
    {
        StyleDialog& f = Open(QString());
        QVERIFY(!f.BlurAHScroll->isEnabled());
        f.BlurCheck->click();
        QVERIFY(f.BlurAHScroll->isEnabled());
        QCOMPARE(f.BlurAHScroll->value(), 270);
        QCOMPARE(f.BlurBHScroll->value(), 5);
        f.BlurBHScroll->setValue(40);
        QCOMPARE(f.CssText(), QStringLiteral("filter: blur(add=true,direction=270,strength=40)"));
        f.BlurCheck->click();
        QVERIFY(!f.BlurAHScroll->isEnabled());
        QCOMPARE(f.CssText(), QString());
        f.BoldHScroll->setValue(800);
        f.AlphaScroll->setValue(25);
        f.ShadowScroll->setValue(90);
        QCOMPARE(f.CssText(), QStringLiteral("font-weight:800;filter: alpha(Opacity=75)"));
        // The shadow direction shows only with a shadow colour.
        OnNextModal<ColorDialog>([](ColorDialog* color) {
            QTest::mouseClick(color->Swatch[3], Qt::LeftButton); // black
            color->OkCommand->click();
        });
        f.ShadowCommand->click();
        f.AlphaCommand->click();
        QCOMPARE(f.CssText(), QStringLiteral("font-weight:800;filter: shadow(color=#000000,direction=90)"));
        QCOMPARE(f.AlphaScroll->value(), 25);
    }

    void borderAndCursorCombos()
    {
        StyleDialog& f = Open(QStringLiteral("border-style:solid"));
        QCOMPARE(f.BorderStyleCombo[1]->count(), 10);
        Choose(f.BorderStyleCombo[1], 2);
        Choose(f.BorderStyleCombo[4], 9);
        const int pointer = int(f.Declarations().CursorNames.indexOf(QStringLiteral("pointer")));
        QVERIFY(pointer >= 0);
        QCOMPARE(f.CursorCombo->itemText(pointer), f.Declarations().CursorLabels.at(pointer));
        Choose(f.CursorCombo, pointer);
        Choose(f.OverflowCombo, 3);
        QCOMPARE(f.CssText(),
                 QStringLiteral("overflow:auto;border-bottom-style:dotted;border-style:outset;cursor:pointer"));
    }

    void fontList()
    {
        StyleDialog& f = Open(QStringLiteral("font-family:nosuchfont"));
        QCOMPARE(f.FontList->item(0)->text(), QStringLiteral("无"));
        QCOMPARE(f.FontList->currentRow(), -1);
        QVERIFY(f.FontList->count() > 1);
        f.FontList->setCurrentRow(1);
        QCOMPARE(f.CssText(), QStringLiteral("font-family:") + f.FontList->item(1)->text());
        f.FontList->setCurrentRow(0);
        QCOMPARE(f.CssText(), QString());
        // An incoming family in other letters still shows in the list.
        const QString family = f.FontList->item(1)->text();
        StyleDialog& g = Open(QStringLiteral("font-family:") + family);
        QCOMPARE(g.FontList->currentRow(), 1);
    }

    void textBoxes()
    {
        StyleDialog& f = Open(QString());
        f.BackImageText->setText(QStringLiteral(" file:///home/a.gif "));
        // Typing alone does not rebuild; Enter does, without closing the dialog.
        QCOMPARE(f.CssText(), QString());
        f.show();
        QTest::keyClick(f.BackImageText, Qt::Key_Return);
        QVERIFY(f.isVisible());
        QCOMPARE(f.CssText(), QStringLiteral("background-image:url(file:///home/a.gif)"));
        // Typing that is no layer number is refused.
        f.ZindexText->setFocus();
        QTest::keyClicks(f.ZindexText, QStringLiteral("x1"));
        QCOMPARE(f.ZindexText->text(), QStringLiteral("1"));
        f.ZindexText->setText(QStringLiteral(" 7 "));
        QCOMPARE(f.CssText(), QStringLiteral("background-image:url(file:///home/a.gif);z-index:7"));
    }

    void clearTab_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("control");
        QTest::newRow("font") << 0 << "font-weight:bold;font-style:italic;color:red;width:5px"
                              << "width:5px"
                              << "FontStyleOption_1";
        QTest::newRow("box") << 3 << "margin:1px;padding-top:2px;float:left;color:red;width:5px"
                             << "color:red"
                             << "FloatOption_0";
        QTest::newRow("border") << 4 << "border-style:solid;border-left-width:2px;color:red"
                                << "color:red"
                                << "";
        QTest::newRow("placement") << 5 << "position:relative;left:3px;overflow:auto;color:red"
                                   << "color:red"
                                   << "PositionOption_1";
        QTest::newRow("filter") << 6 << "filter:gray() blur(add=1);color:red"
                                << "color:red"
                                << "BlurCheck";
    }
    void clearTab()
    {
        QFETCH(int, tab);
        QFETCH(QString, style);
        QFETCH(QString, result);
        QFETCH(QString, control);
        StyleDialog& f = Open(style);
        f.GroupTabs->setCurrentIndex(tab);
        f.ClearTabCommand->click();
        QCOMPARE(f.CssText(), result);
        if (!control.isEmpty())
            QVERIFY(!Child<QAbstractButton>(form_.get(), control)->isChecked());
    }

    void autoPlacementClearsLeftAndTop()
    {
        StyleDialog& f = Open(QStringLiteral("position:absolute;left:10px;top:20px;width:30px"));
        f.PositionOption[2]->click();
        QCOMPARE(f.CssText(), QStringLiteral("width:30px;position:static"));
        QVERIFY(!f.LeftCommand->isEnabled());
        f.PositionOption[0]->click();
        QVERIFY(f.TopCommand->isEnabled());
    }

    void sizePickerFollowsLiveAndCancelRestores()
    {
        StyleDialog& f = Open(QStringLiteral("font-size:12pt"));
        QString duringMove, fontSizeDuringMove;
        int dtype = 0;
        OnNextModal<SizeDialog>([&](SizeDialog* size) {
            dtype = size->Kind();
            size->PositionBar->setValue(20);
            duringMove = f.CssText();
            fontSizeDuringMove = f.Declarations().Value(P::FontSize);
            size->CancelCommand->click();
        });
        f.FontSizeCommand->click();
        QCOMPARE(dtype, 1);
        QCOMPARE(duringMove, QStringLiteral("font-size:20pt"));
        QCOMPARE(f.CssText(), QStringLiteral("font-size:12pt"));
        QCOMPARE(fontSizeDuringMove, QStringLiteral("20pt")); // the picker edited the font size
    }

    void sizeKinds_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("dtype");
        QTest::addColumn<QString>("name");
        QTest::newRow("letter spacing") << "LetterCommand" << 2 << "letter-spacing";
        QTest::newRow("left") << "LeftCommand" << 3 << "left";
        QTest::newRow("width") << "WidthCommand" << 5 << "width";
        QTest::newRow("padding") << "PaddingCom_2" << 6 << "padding-left";
        QTest::newRow("border width") << "BodderWidthCom_4" << 6 << "border-width";
    }
    void sizeKinds()
    {
        QFETCH(QString, button);
        QFETCH(int, dtype);
        QFETCH(QString, name);
        StyleDialog& f = Open(QString());
        int seen = 0;
        OnNextModal<SizeDialog>([&](SizeDialog* size) {
            seen = size->Kind();
            size->UnitOption[1]->click();
            size->PositionBar->setValue(7);
            size->OkCommand->click();
        });
        Child<QPushButton>(form_.get(), button)->click();
        QCOMPARE(seen, dtype);
        QCOMPARE(f.CssText(), name + QStringLiteral(":7px"));
    }

    void marginSideAndShorthand()
    {
        StyleDialog& f = Open(QStringLiteral("margin-left:1px;margin-right:2px"));
        const auto pick = [&](int i, int value) {
            OnNextModal<SizeDialog>([value](SizeDialog* size) {
                size->UnitOption[1]->click();
                size->PositionBar->setValue(value);
                size->OkCommand->click();
            });
            f.MarginCom[i]->click();
        };
        pick(4, 5);
        QCOMPARE(f.CssText(), QStringLiteral("margin:5px"));
        pick(0, 3);
        QCOMPARE(f.CssText(), QStringLiteral("margin-top:3px"));
        // The shorthand takes the sides away again.
        pick(4, 9);
        QCOMPARE(f.CssText(), QStringLiteral("margin:9px"));
    }

    // Picking a side clears the shorthand (or the sides) for the size dialog; its Cancel puts them back.
    void cancelledBoxSideKeepsTheStyle_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("moved"); // the scroll bar was moved (the preview followed) before Cancel
        QTest::newRow("top margin after the shorthand") << "margin:5px"
                                                        << "MarginCom_0" << false;
        QTest::newRow("top margin, moved then cancelled") << "margin:5px"
                                                          << "MarginCom_0" << true;
        QTest::newRow("all margins after the sides") << "margin-left:1px;margin-right:2px"
                                                     << "MarginCom_4" << true;
        QTest::newRow("left padding after the shorthand") << "padding:3pt;color:red"
                                                          << "PaddingCom_2" << false;
        QTest::newRow("all border widths after a side") << "border-top-width:2px"
                                                        << "BodderWidthCom_4" << false;
    }
    void cancelledBoxSideKeepsTheStyle()
    {
        QFETCH(QString, style);
        QFETCH(QString, button);
        QFETCH(bool, moved);
        StyleDialog& f = Open(style);
        const QString before = f.CssText();
        QString whileOpen;
        OnNextModal<SizeDialog>([&](SizeDialog* size) {
            if (moved) {
                size->UnitOption[1]->click();
                size->PositionBar->setValue(17);
            }
            whileOpen = f.CssText();
            size->CancelCommand->click();
        });
        Child<QPushButton>(&f, button)->click();
        QVERIFY(whileOpen != before); // the dialog was up and the side was picked
        QCOMPARE(f.CssText(), before);
        QCOMPARE(f.ResultText->text(), before);
    }

    void colourButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("result");
        QTest::newRow("text") << "FontColorCom"
                              << "color:#FF0000";
        QTest::newRow("right border") << "BodderColorCom_3"
                                      << "border-right-color:#FF0000";
        QTest::newRow("shadow") << "ShadowCommand"
                                << "filter: shadow(color=#FF0000)";
        QTest::newRow("glow") << "Command1"
                              << "filter: glow(color=#FF0000)";
    }
    void colourButtons()
    {
        QFETCH(QString, button);
        QFETCH(QString, result);
        StyleDialog& f = Open(QString());
        OnNextModal<ColorDialog>([](ColorDialog* color) {
            QTest::mouseClick(color->Swatch[0], Qt::LeftButton);
            color->OkCommand->click();
        });
        Child<QPushButton>(form_.get(), button)->click();
        QCOMPARE(f.CssText(), result);
        // Choosing no colour takes it out again.
        OnNextModal<ColorDialog>([](ColorDialog* color) {
            QTest::mouseClick(color->Swatch[6], Qt::LeftButton);
            color->OkCommand->click();
        });
        Child<QPushButton>(form_.get(), button)->click();
        QCOMPARE(f.CssText(), QString());
    }

    void okAndCancel_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("result");
        QTest::newRow("ok") << true << "color:red;font-style:italic;cursor:text";
        QTest::newRow("cancel hands back nothing") << false << QString();
    }
    void okAndCancel()
    {
        QFETCH(bool, ok);
        QFETCH(QString, result);
        StyleDialog form(shared_->Context(), {QStringLiteral("COLOR:RED;cursor:text")}, nullptr);
        QString openedOn;
        const std::optional<QString> style = RunDriven(form, [ok, &openedOn](StyleDialog* css) {
            openedOn = css->CssText();
            css->FontStyleOption[1]->click();
            (ok ? css->OkCommand : css->CancelCommand)->click();
        });
        // The incoming text is read lower-cased.
        QCOMPARE(openedOn, QStringLiteral("color:red;cursor:text"));
        QCOMPARE(style, ok ? std::optional<QString>(result) : std::nullopt);
    }

    void previewPage_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("html1");
        QTest::addColumn<QString>("html2");
        QTest::addColumn<QString>("page");
        QTest::newRow("bare sample") << ""
                                     << ""
                                     << ""
                                     << "<html><body><div >Kestrel网页编辑</div></body></html>";
        QTest::newRow("default sample") << "color:red"
                                        << ""
                                        << ""
                                        << "<html><body><div  style='color:red'>Kestrel网页编辑</div></body></html>";
        QTest::newRow("the selection") << "color:red"
                                       << "<span"
                                       << "选中的字</span>"
                                       << "<html><body><span style='color:red'>选中的字</span></body></html>";
    }
    void previewPage()
    {
        QFETCH(QString, style);
        QFETCH(QString, html1);
        QFETCH(QString, html2);
        QFETCH(QString, page);
        StyleDialog& f = Open(style, html1, html2);
        QFile file(shared_->ScratchFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), PageCodec::ToGb18030(page));
        QCOMPARE(f.previewBrowser->CurrentUrl(), QUrl::fromLocalFile(shared_->ScratchFile));
        file.close();
        // The page follows a change once the moves pause.
        f.FontStyleOption[1]->click();
        const auto written = [&] {
            QFile again(shared_->ScratchFile);
            return again.open(QIODevice::ReadOnly) ? again.readAll() : QByteArray();
        };
        QTRY_VERIFY(written().contains("font-style:italic"));
    }
};

QTEST_MAIN(TestStyleDialog)
#include "tst_styledialog.moc"
