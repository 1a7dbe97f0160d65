// The declaration list behind the style dialog: parse and build against the shipped database, the option
// groups, the filter value and the preview page.

#include "base/pagecodec.h"
#include "base/scratchpage.h"
#include "builders/styles/cssdeclarations.h"
#include "tagdb/tagdb.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using P = CssDeclarations;

class TestCssDeclarations : public QObject
{
    Q_OBJECT

    TagDb db_;
    CssDeclarations css_;

    QString RoundTrip(const QString& style)
    {
        css_.Load(db_);
        css_.Parse(CssDeclarations::LowerStyle(style));
        return css_.Build();
    }

private Q_SLOTS:
    void initTestCase() { QCOMPARE(db_.Load(QStringLiteral(KESTREL_BUILD_DIR "/data.xml")), TagDb::Loaded); }
    void init() { css_.Load(db_); }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("result");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("lower-cased") << "Color:Red;FONT-SIZE:12pt"
                                     << "color:red;font-size:12pt";
        QTest::newRow("position order") << "font-size:12pt;color:red"
                                        << "color:red;font-size:12pt";
        QTest::newRow("blank after separator kept") << "color:red; font-size:12pt"
                                                    << "color:red;font-size:12pt";
        QTest::newRow("blanks and line breaks around names") << "color : red;\n  width:10px"
                                                             << "color:red;width:10px";
        QTest::newRow("trailing separator") << "color:red;"
                                            << "color:red";
        QTest::newRow("empty value dropped") << "color:;font-size:12pt"
                                             << "font-size:12pt";
        QTest::newRow("no name") << ":red;color:blue"
                                 << "color:blue";
        QTest::newRow("later wins") << "color:red;color:blue"
                                    << "color:blue";
        QTest::newRow("unknown kept after known") << "-moz-thing:1;color:red"
                                                  << "color:red;-moz-thing:1";
        QTest::newRow("url unwrapped and wrapped again") << "background-image:url(file:///c:/a.gif)"
                                                         << "background-image:url(file:///c:/a.gif)";
        QTest::newRow("address keeps its case") << "Background-Image:URL(file:///home/Me/A.gif)"
                                                << "background-image:url(file:///home/Me/A.gif)";
        QTest::newRow("blank in a file name") << "background-image:url(file:///home/a b.gif)"
                                              << "background-image:url(file:///home/a%20b.gif)";
        QTest::newRow("image keyword not wrapped") << "background-image:none"
                                                   << "background-image:none";
        QTest::newRow("bold keeps its weight") << "font-weight:bold"
                                               << "font-weight:700";
        QTest::newRow("normal weight") << "font-weight:normal"
                                       << "font-weight:400";
        QTest::newRow("weight above range") << "font-weight:950"
                                            << "font-weight:900";
        QTest::newRow("weight below range") << "font-weight:50"
                                            << "font-weight:100";
        QTest::newRow("weight with priority kept") << "font-weight:700 !important"
                                                   << "font-weight:700 !important";
        QTest::newRow("weight keyword the slider has not") << "font-weight:lighter"
                                                           << "font-weight:lighter";
        QTest::newRow("filter alpha and gray") << "filter: alpha(opacity=30) gray()"
                                               << "filter: alpha(Opacity=30) gray()";
        QTest::newRow("filter fixed part order")
            << "filter:invert() fliph() glow(color=#ff0000,strength=9) shadow(color=#000000,direction=135)"
            << "filter: fliph() invert() shadow(color=#000000,direction=135) glow(color=#ff0000,strength=9)";
        QTest::newRow("shadow without direction") << "filter:shadow(color=red)"
                                                  << "filter: shadow(color=red)";
        QTest::newRow("blur limited to its sliders") << "filter:blur(add=true,direction=90,strength=500)"
                                                     << "filter: blur(add=true,direction=90,strength=100)";
        QTest::newRow("blur without keys takes the start values") << "filter:blur(add=1)"
                                                                  << "filter: blur(add=true,direction=270,strength=5)";
        QTest::newRow("wave") << "filter:wave(add=true,freq=3,lightstrength=20,phase=50,strength=5)"
                              << "filter: wave(add=true,freq=3,lightstrength=20,phase=50,strength=5)";
        QTest::newRow("filter function without controls kept") << "filter:gray() blur(5px)"
                                                               << "filter: gray() blur(5px)";
        QTest::newRow("colon inside a value") << "filter:progid:dx.alpha(opacity=5)"
                                              << "filter: progid:dx.alpha(opacity=5)";
        QTest::newRow("list of images kept whole") << "background-image:url(A.png), url(B.png)"
                                                   << "background-image:url(A.png), url(B.png)";
        QTest::newRow("shadow parameters in any order") << "filter:shadow(direction=135,color=#999999)"
                                                        << "filter: shadow(color=#999999,direction=135)";
        QTest::newRow("glow parameters in any order") << "filter:glow(strength=5,color=red)"
                                                      << "filter: glow(color=red,strength=5)";
        QTest::newRow("colourless shadow kept apart") << "filter:shadow(color=red,direction=90) shadow(direction=10)"
                                                      << "filter: shadow(color=red,direction=90) shadow(direction=10)";
        QTest::newRow("shadow strength kept") << "filter:shadow(color=red,direction=90,strength=4)"
                                              << "filter: shadow(color=red,direction=90,strength=4)";
        QTest::newRow("huge negative opacity clamped") << "filter:alpha(opacity=-99999999999)"
                                                       << "filter: alpha(Opacity=0)";
        QTest::newRow("unclosed address takes the rest") << "x:url(A;color:RED"
                                                         << "x:url(A;color:RED";
        QTest::newRow("separator inside an address") << "background-image:url(data:image/png;base64,AB==)"
                                                     << "background-image:url(data:image/png;base64,AB==)";
        QString many, manyBuilt;
        for (int i = 1; i <= 60; ++i) {
            many += QStringLiteral("x%1:%1;").arg(i);
            manyBuilt += QStringLiteral(";x%1:%1").arg(i);
        }
        QTest::newRow("past the 50th declaration")
            << many + QStringLiteral("x3:a;color:red")
            << QStringLiteral("color:red") + manyBuilt.replace(QStringLiteral("x3:3;"), QStringLiteral("x3:a;"));
        QTest::newRow("bracket in an address") << "background-image:url(A(1).png)"
                                               << "background-image:url(A(1).png)";
        QTest::newRow("closing bracket without url") << "background-image:a)b"
                                                     << "background-image:a)b";
        QTest::newRow("empty address kept") << "background-image:url()"
                                            << "background-image:url()";
        QTest::newRow("unclosed address written last") << "background-image:url(a;COLOR:X;-x-y:1"
                                                       << "background-image:url(a;COLOR:X;-x-y:1";
        QTest::newRow("unclosed address stays behind what it followed") << "width:5px;background-image:url(a"
                                                                        << "width:5px;background-image:url(a";
        QTest::newRow("tab between filter functions") << "filter:gray()\tglow(strength=5,color=red)"
                                                      << "filter: gray() glow(color=red,strength=5)";
        QTest::newRow("huge opacity clamped") << "filter:alpha(opacity=99999999999)"
                                              << "filter: alpha(Opacity=100)";
        // Brackets, strings and comments are read whole, whatever separators they hold.
        QTest::newRow("blank after a comma in a shadow") << "filter: shadow(color=#ff0000, direction=45)"
                                                         << "filter: shadow(color=#ff0000,direction=45)";
        QTest::newRow("blank after a comma in a glow") << "filter:glow(color=red, strength=5)"
                                                       << "filter: glow(color=red,strength=5)";
        QTest::newRow("blanks between blur parameters") << "filter:blur(add=true, direction=90, strength=50)"
                                                        << "filter: blur(add=true,direction=90,strength=50)";
        QTest::newRow("colour with brackets in a shadow") << "filter:shadow(color=rgb(1,2,3),direction=4)"
                                                          << "filter: shadow(color=rgb(1,2,3),direction=4)";
        QTest::newRow("text after a function's brackets kept") << "filter:glow(color=red)x"
                                                               << "filter: glow(color=red)x";
        // A function the controls could not write back as it was is kept whole.
        QTest::newRow("shadow with an empty colour kept") << "filter:shadow(color=)"
                                                          << "filter: shadow(color=)";
        QTest::newRow("unclosed shadow kept") << "filter:gray() shadow(color=red,direction=4"
                                              << "filter: gray() shadow(color=red,direction=4";
        QTest::newRow("shadow without brackets kept") << "filter:shadow,color=red)"
                                                      << "filter: shadow,color=red)";
        QTest::newRow("comment holding separators before a name") << "width:100px; /* a; b:c */ height:20px"
                                                                  << "width:100px;height:20px";
        QTest::newRow("comment in a value kept") << "color:red /* a;b:c */;width:1px"
                                                 << "color:red /* a;b:c */;width:1px";
        QTest::newRow("unclosed comment written last") << "width:1px /* a;color:red"
                                                       << "width:1px /* a;color:red";
        QTest::newRow("address opener inside a comment") << "/* url( */COLOR:RED"
                                                         << "color:red";
        QTest::newRow("separator in a bracketed value")
            << "filter:progid:dx.alphaimageloader(src='a;b.png');color:red"
            << "color:red;filter: progid:dx.alphaimageloader(src='a;b.png')";
        QTest::newRow("separator in a string") << "font-family:\"a;b\";color:red"
                                               << "color:red;font-family:\"a;b\"";
        QTest::newRow("comment opener in a string") << "x:\"/*\";color:red"
                                                    << "color:red;x:\"/*\"";
    }
    void roundTrip()
    {
        QFETCH(QString, style);
        QFETCH(QString, result);
        QCOMPARE(RoundTrip(style), result);
        // What the dialog writes reads back to itself.
        QCOMPARE(RoundTrip(result), result);
    }

    // However long the list, every declaration is its own (the dialog once folded the 50th onwards into one).
    void everyDeclarationKept()
    {
        QString style;
        for (int i = 1; i <= 49; ++i)
            style += QStringLiteral("x%1:%1;").arg(i);
        style += QStringLiteral("color:red;width:10px;height:5px");
        const QList<P::Declaration> parts = CssDeclarations::Split(style);
        QCOMPARE(parts.size(), 52);
        QCOMPARE(parts.at(48), (P::Declaration{QStringLiteral("x49"), QStringLiteral("49")}));
        QCOMPARE(parts.at(49), (P::Declaration{QStringLiteral("color"), QStringLiteral("red")}));
        QCOMPARE(parts.at(51), (P::Declaration{QStringLiteral("height"), QStringLiteral("5px")}));
        css_.Parse(style);
        QCOMPARE(css_.Value(P::FontColor), QStringLiteral("red"));
        QCOMPARE(css_.Value(P::Width), QStringLiteral("10px"));
        QCOMPARE(css_.Unknown.size(), 49);
    }

    void parsedValuesForTheControls()
    {
        css_.Parse(QStringLiteral("font-style:oblique;text-align:center;position:static;left:5px;"
                                  "visibility:hidden;overflow:auto;float:right;display:list-item;"
                                  "border-left-style:double;cursor: pointer ;text-decoration:blink"));
        QCOMPARE(css_.OptionIndex(P::FontStyle), 2);
        QCOMPARE(css_.OptionIndex(P::TextAlign), 3);
        QCOMPARE(css_.OptionIndex(P::Positioning), 2);
        // Reading a static placement does not throw away the left the page had.
        QCOMPARE(css_.Value(P::Left), QStringLiteral("5px"));
        QCOMPARE(css_.OptionIndex(P::Visibility), 1);
        QCOMPARE(css_.OptionIndex(P::Overflow), 3);
        QCOMPARE(css_.OptionIndex(P::Float), 1);
        QCOMPARE(css_.OptionIndex(P::Display), 2);
        QCOMPARE(css_.BorderStyleIndex(2), 5);
        QCOMPARE(css_.BorderStyleIndex(0), -1);
        QCOMPARE(css_.CursorNames.value(css_.CursorIndex()), QStringLiteral("pointer"));
        // A value no option has: nothing selected, still written out.
        QCOMPARE(css_.OptionIndex(P::TextDecoration), -1);
        QVERIFY(css_.Build().contains(QStringLiteral("text-decoration:blink")));
    }

    void filterPartsInFixedOrder()
    {
        css_.SetWave(true);
        css_.SetFlip(3, true);
        css_.SetAlpha(60);
        css_.SetShadowColor(QStringLiteral("#ff0000"));
        css_.SetBlur(true);
        QCOMPARE(css_.Value(P::Filter),
                 QStringLiteral(" alpha(Opacity=40) invert() shadow(color=#ff0000) blur(add=true,direction=270,"
                                "strength=5) wave(add=true,freq=2,lightstrength=10,phase=30,strength=10)"));
        css_.SetBlur(false);
        css_.CancelAlpha();
        css_.SetShadowColor(QString());
        css_.SetWave(false);
        QCOMPARE(css_.Value(P::Filter), QStringLiteral(" invert()"));
        css_.SetFlip(3, false);
        QCOMPARE(css_.Build(), QString());
    }

    void filterControlsFromAParsedFilter()
    {
        css_.Parse(QStringLiteral("filter: alpha(opacity=30) gray() shadow(color=#000000,direction=400) "
                                  "wave(add=true,freq=7)"));
        const P::FilterControls& f = css_.FilterState;
        QCOMPARE(f.Alpha, 70);
        QVERIFY(f.Flip[2] && !f.Flip[0]);
        QCOMPARE(f.Shadow, P::ShadowMax);
        QVERIFY(f.Wave);
        QCOMPARE(f.WaveValue[0], 7);
        QCOMPARE(f.WaveValue[1], 10);
        QVERIFY(!f.Blur);
    }

    void scratchPageReplacesALinkInsteadOfWritingThroughIt()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("keep.html"));
        const QString path = dir.filePath(QStringLiteral("qz125677.html"));
        {
            QFile f(target);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("keep");
        }
        QVERIFY(QFile::link(target, path));
        QVERIFY(ScratchPage::Write(path, QStringLiteral("<p>中文</p>")));
        QVERIFY(!QFileInfo(path).isSymLink());
        QFile page(path), kept(target);
        QVERIFY(page.open(QIODevice::ReadOnly) && kept.open(QIODevice::ReadOnly));
        QCOMPARE(page.readAll(), PageCodec::ToGb18030(QStringLiteral("<p>中文</p>")));
        QCOMPARE(kept.readAll(), QByteArray("keep"));
        QVERIFY(!ScratchPage::Write(dir.filePath(QStringLiteral("no/such/folder.html")), QStringLiteral("x")));
    }
};

QTEST_GUILESS_MAIN(TestCssDeclarations)
#include "tst_cssdeclarations.moc"
