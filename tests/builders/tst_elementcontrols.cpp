// The media, frame and form-control kinds of the element dialog: the edge cases of their fields as rows of steps
// and the markup they give, edited tags read back into the fields, the scrolling text's picture, and every kind
// inserted into a page through its menu command.

#include "base/helpers.h"
#include "builders/elements/elementdialog.h"
#include "editor/pageedit.h"
#include "editor/pagewindow.h"
#include "elementoutcome.h"
#include "modaldriver.h"
#include "pagewindowfixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

class TestElementControls : public QObject
{
    Q_OBJECT

    PageWindowFixture f_;

    // Acts: "box:=text" puts the text in a box or the content, "box+=text" types it key by key, "bar@n" moves a
    // slider, "button" clicks. Checks: "box==text" the box (or slider) shows the text, "box~" it is greyed,
    // "button?" / "button!" it is checked / not.
    static void Step(QWidget* d, const QString& step)
    {
        const QString name = step.section(QRegularExpression("[:+=@~?!]"), 0, 0);
        QWidget* w = Child<QWidget>(d, name);
        QVERIFY2(w, qPrintable(step));
        auto* box = qobject_cast<QLineEdit*>(w);
        const QString arg = step.mid(name.size() + 2);
        if (step.contains(":=")) {
            if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
                plain->setPlainText(arg);
            else
                box->setText(arg);
        } else if (step.contains("+=")) {
            QTest::keyClicks(box, arg);
        } else if (step.contains("==")) {
            auto* bar = qobject_cast<QScrollBar*>(w);
            QCOMPARE(bar ? QString::number(bar->value()) : box->text(), arg);
        } else if (step.contains('@')) {
            qobject_cast<QScrollBar*>(w)->setValue(step.section('@', 1).toInt());
        } else if (step.endsWith('~')) {
            QVERIFY2(!w->isEnabled(), qPrintable(step));
        } else if (step.endsWith('?') || step.endsWith('!')) {
            QVERIFY2(qobject_cast<QAbstractButton*>(w)->isChecked() == step.endsWith('?'), qPrintable(step));
        } else {
            qobject_cast<QAbstractButton*>(w)->click();
        }
    }

private Q_SLOTS:
    void init() { f_.Start(true); }
    void cleanup() { f_.Stop(); }

    void insert_data()
    {
        QTest::addColumn<QString>("htmlN");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("expected");
        QTest::newRow("media: a file and the volume; autostart only once clicked")
            << "<embed" << QStringList{"AutoStartCheck?", "EmbedText_0:=a.mp3", "HearHScroll@80"}
            << "<embed src=\"a.mp3\" volume=\"80\">\r\n";
        QTest::newRow("media: without end")
            << "<embed" << QStringList{"NumText~", "EmbedLoopOption_1"} << "<embed loop=\"true\">\r\n";
        QTest::newRow("media: a count, letters refused")
            << "<embed" << QStringList{"EmbedLoopOption_2", "NumText+=3x"} << "<embed loop=\"3\">\r\n";
        QTest::newRow("media: the loop stays until a count is typed")
            << "<embed" << QStringList{"EmbedLoopOption_1", "EmbedLoopOption_2"} << "<embed loop=\"true\">\r\n";
        QTest::newRow("media: start at 0:0 is no start")
            << "<embed" << QStringList{"EmbedText_1+=0", "EmbedText_2+=0"} << "<embed>\r\n";
        QTest::newRow("media: letters in the minutes are 0, seconds alone count")
            << "<embed" << QStringList{"EmbedText_1+=ab", "EmbedText_1==0", "EmbedText_4+=5"}
            << "<embed endtime=\"0:5\">\r\n";
        QTest::newRow("media: both times, panel, size, the two boxes")
            << "<embed" << QStringList{"EmbedText_1+=1",  "EmbedText_2+=30",  "EmbedText_3+=2", "EmbedText_4+=0",
                                       "ControlOption_5", "EmbedText_5:=320", "AutoStartCheck", "EmbedDisplayCheck"}
            << "<embed controls=\"volumelever\" starttime=\"1:30\" endtime=\"2:0\" width=\"320\" autostart=\"false\" "
               "hidden=\"true\">\r\n";
        QTest::newRow("background sound")
            << "<bgsound" << QStringList{"BgsoundText_0:=a.mid", "BgsoundText_1+=2x", "BgsoundHScroll@30"}
            << "<bgsound src=\"a.mid\" loop=\"2\" volume=\"30\">\r\n";
        QTest::newRow("marquee: up, alternate, speed 5")
            << "<marquee" << QStringList{"MarToOption_2", "MarStyleOption_1", "MarText_1+=5", "HtmlText:=a<b"}
            << "<marquee direction=\"up\" behavior=\"alternate\" scrollamount=\"5\">a&lt;b</marquee>\r\n";
        QTest::newRow("marquee: a count") << "<marquee" << QStringList{"MarText_0~", "MarNumCheck", "MarText_0+=3"}
                                          << "<marquee loop=\"3\"></marquee>\r\n";
        QTest::newRow("marquee: without end again")
            << "<marquee" << QStringList{"MarNumCheck", "MarText_0+=3", "MarNumCheck", "MarText_0~", "MarText_4+=20"}
            << "<marquee height=\"20\"></marquee>\r\n";
        QTest::newRow("inline frame: both boxes unchecked")
            << "<iframe"
            << QStringList{"IframeText_0:=a.html", "IframeText_1+=300", "IframeCheck_0", "IframeCheck_1",
                           "AlignOption_3"}
            << "<iframe align=\"center\" src=\"a.html\" width=\"300\" frameborder=\"0\" scrolling=\"no\"></iframe>\r\n";
        QTest::newRow("form: name and action")
            << "<form" << QStringList{"FormNameText:=f1", "FormText:=save.asp"}
            << "<form name=\"f1\" action=\"save.asp\" method=\"post\"> \r\n \r\n \r\n<input type=submit value=发送>\r\n"
               "<input type=reset value=重写>\r\n</form>\r\n";
        QTest::newRow("form: Get, both buttons off, the three blank lines stay")
            << "<form" << QStringList{"MethodOption_0", "SendCheck_0", "SendCheck_1"}
            << "<form method=\"get\"> \r\n \r\n \r\n</form>\r\n";
        QTest::newRow("form: the reset button alone")
            << "<form" << QStringList{"SendCheck_0"}
            << "<form method=\"post\"> \r\n \r\n \r\n<input type=reset value=重写></form>\r\n";
        QTest::newRow("form: a new window, closed again")
            << "<form"
            << QStringList{"FText~", "FCheck", "FText:=w", "FCheck", "FText==", "FText~", "SendCheck_0", "SendCheck_1"}
            << "<form method=\"post\"> \r\n \r\n \r\n</form>\r\n";
        QTest::newRow("text box")
            << "<input type=text"
            << QStringList{"FormNameText:=t", "FormTextText_0:=v", "FormTextText_1:=20", "FormTextText_2:=10",
                           "FtextCheck"}
            << "<input type=text name=\"t\" value=\"v\" size=\"20\" maxlength=\"10\" readonly>\r\n";
        QTest::newRow("password box: no value")
            << "<input type=password" << QStringList{"FormTextText_0:=v", "FormTextText_1:=8"}
            << "<input type=password size=\"8\">\r\n";
        QTest::newRow("text area: letters in the rows give 0")
            << "<textarea" << QStringList{"TextareaText_0+=abc", "TextareaText_0==0"}
            << "<textarea rows=\"0\"></textarea>\r\n";
        QTest::newRow("text area: emptied columns give 0; wrap, read only, content as typed")
            << "<textarea"
            << QStringList{"TextareaText_1+=40", "TextareaText_1:=", "WrapOption_2", "TextreaCheck", "HtmlText:=a<b"}
            << "<textarea cols=\"0\" wrap=\"hard\" readonly>a<b</textarea>\r\n";
        QTest::newRow("check box") << "<input type=checkbox"
                                   << QStringList{"FormNameText:=agree", "FormCheckText:=1", "FormCheckCheck",
                                                  "HtmlText:=同意"}
                                   << "<input type=checkbox name=\"agree\" value=\"1\" checked>同意\r\n";
        QTest::newRow("radio group: two lines, each ending its line")
            << "<input type=radio"
            << QStringList{"AddListCommand",   "SelectText_0:=男", "ValueText:=m",    "AddListCommand",
                           "SelectText_0:=女", "ValueText:=f",     "FradioText:=sex", "RadioCheck"}
            << "<p><input type=radio name=sex value=m>男<br>\r\n<input type=radio name=sex value=f>女<br>\r\n</p>\r\n";
        QTest::newRow("list box: size and several lines at once")
            << "<select" << QStringList{"SelectText_1+=3", "SelectCheck", "AddListCommand", "SelectText_0:=a"}
            << "<select size=\"3\" multiple><option>a\r\n</select>\r\n";
        QTest::newRow("command button") << "<input type=button"
                                        << QStringList{"FbuttonText_0:=确定", "FbuttonText_1:=b"}
                                        << "<input type=button value=\"确定\" name=\"b\">\r\n";
    }
    void insert()
    {
        QFETCH(QString, htmlN);
        QFETCH(QStringList, steps);
        ElementDialog f(f_.shared->Context(), {ElementDialog::Purpose::Insert, htmlN});
        f.Prepare();
        for (const QString& step : std::as_const(steps))
            Step(&f, step);
        f.OkCommand->click();
        QTEST(OkMarkup(f), "expected");
    }

    // An edited tag's attributes ("name=value") fill the fields; the fields then show what the checks say.
    void edit_data()
    {
        QTest::addColumn<QString>("htmlN");
        QTest::addColumn<QStringList>("attributes");
        QTest::addColumn<QStringList>("checks");
        QTest::addColumn<QString>("expected");
        QTest::newRow("media: a count") << "<embed" << QStringList{"loop=3"}
                                        << QStringList{"EmbedLoopOption_2?", "NumText==3"} << "<embed loop=\"3\">";
        QTest::newRow("media: minus one is without end")
            << "<embed" << QStringList{"loop=-1"} << QStringList{"EmbedLoopOption_1?", "NumText~"}
            << "<embed loop=\"true\">";
        QTest::newRow("media: no option for false, the tag keeps it")
            << "<embed" << QStringList{"loop=false"} << QStringList{"EmbedLoopOption_1!", "EmbedLoopOption_2!"}
            << "<embed loop=\"false\">";
        QTest::newRow("media: volume 100 is no slider position, the tag keeps it")
            << "<embed" << QStringList{"volume=100", "src=a.avi"} << QStringList{"HearHScroll==0", "EmbedText_0==a.avi"}
            << "<embed src=\"a.avi\" volume=\"100\">";
        QTest::newRow("media: play times, panel and autostart as they were")
            << "<embed" << QStringList{"starttime=1:30", "endtime=2:05", "controls=SmallConsole", "autostart=TRUE"}
            << QStringList{"EmbedText_1==1", "EmbedText_2==30", "EmbedText_4==5", "ControlOption_1?", "AutoStartCheck?"}
            << "<embed controls=\"smallconsole\" starttime=\"1:30\" endtime=\"2:5\" autostart=\"true\">";
        QTest::newRow("background sound") << "<bgsound" << QStringList{"volume=50", "loop=3"}
                                          << QStringList{"BgsoundText_1==3"} << "<bgsound loop=\"3\" volume=\"50\">";
        QTest::newRow("marquee: a count opens its box")
            << "<marquee" << QStringList{"loop=3", "direction=UP", "bgcolor=#ff0000"}
            << QStringList{"MarNumCheck!", "MarText_0==3", "MarToOption_2?"}
            << "<marquee direction=\"up\" loop=\"3\" bgcolor=\"#ff0000\">";
        QTest::newRow("marquee: without end as it was written")
            << "<marquee" << QStringList{"loop=infinite"} << QStringList{"MarNumCheck?", "MarText_0~"}
            << "<marquee loop=\"infinite\">";
        QTest::newRow("inline frame: no border, automatic scrolling: both unchecked, the tag keeps auto")
            << "<iframe" << QStringList{"frameborder=0", "scrolling=auto", "name=f"}
            << QStringList{"IframeCheck_0!", "IframeCheck_1!", "NameText==f"}
            << "<iframe name=\"f\" frameborder=\"0\" scrolling=\"auto\">";
        QTest::newRow("inline frame: both boxes clicked write 1 and yes, once each")
            << "<iframe" << QStringList{"frameborder=0", "scrolling=auto"}
            << QStringList{"IframeCheck_0!", "IframeCheck_1!", "IframeCheck_0", "IframeCheck_1"}
            << "<iframe frameborder=\"1\" scrolling=\"yes\">";
        QTest::newRow("media: a word autostart has no state for shows it unchecked")
            << "<embed" << QStringList{"autostart=0", "hidden=yes"}
            << QStringList{"AutoStartCheck!", "EmbedDisplayCheck!", "EmbedDisplayCheck"}
            << "<embed hidden=\"true\" autostart=\"0\">";
        QTest::newRow("inline frame: yes and 1 as they were")
            << "<iframe" << QStringList{"frameborder=YES", "scrolling=1"}
            << QStringList{"IframeCheck_0?", "IframeCheck_1?"} << "<iframe frameborder=\"1\" scrolling=\"yes\">";
    }
    void edit()
    {
        QFETCH(QString, htmlN);
        QFETCH(QStringList, attributes);
        QFETCH(QStringList, checks);
        AttributeList attrs;
        for (const QString& a : std::as_const(attributes))
            attrs.append({a.section('=', 0, 0), a.section('=', 1)});
        ElementDialog f(f_.shared->Context(), {ElementDialog::Purpose::RebuildStartTag, htmlN, attrs});
        f.Prepare();
        for (const QString& check : std::as_const(checks))
            Step(&f, check);
        f.OkCommand->click();
        QTEST(OkMarkup(f), "expected");
    }

    // A picture makes the moving content markup: the text typed before it is written as typed from then on.
    void marqueePicture()
    {
        ElementDialog f(f_.shared->Context(), {ElementDialog::Purpose::Insert, "<marquee"});
        f.Prepare();
        f.HtmlText->setPlainText("a<b");
        const QString picture = f_.Path("p.gif");
        f_.paths << picture;
        Child<QAbstractButton>(&f, "MarImgCommand")->click();
        QCOMPARE(f_.requests.size(), 1);
        QCOMPARE(f_.requests.first().filter, f_.shared->Context().ImageFilter);
        QVERIFY(f.HtmlCheck->isChecked());
        f.OkCommand->click();
        QCOMPARE(OkMarkup(f),
                 "<marquee>a<b<img src='" + QUrl::fromLocalFile(picture).toString() + "'></marquee>" + CrLf);
    }

    // Each kind through its menu command: the dialog comes up titled, with the focus in its first field, and OK
    // puts the element into the page at the caret.
    void insertThroughMenu_data()
    {
        QTest::addColumn<QString>("htmlN"); // the kind its entry inserts
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("expected");
        QTest::newRow("媒体播放") << "<embed"
                                  << "添加媒体播放"
                                  << "EmbedText_0" << QStringList{"EmbedText_0:=a.mp3"} << "<embed src=\"a.mp3\">";
        QTest::newRow("背景音乐") << "<bgsound"
                                  << "添加背景音乐"
                                  << "BgsoundText_0" << QStringList{"BgsoundText_0:=a.mid"}
                                  << "<bgsound src=\"a.mid\">";
        QTest::newRow("文字图像移动") << "<marquee"
                                      << "添加文字图像移动"
                                      << "MarToOption_0" << QStringList{"HtmlText:=走"} << "<marquee>走</marquee>";
        QTest::newRow("浮动窗口") << "<iframe"
                                  << "添加浮动窗口"
                                  << "IframeText_0" << QStringList{"IframeText_0:=a.html"}
                                  << "<iframe src=\"a.html\"></iframe>";
        QTest::newRow("表单") << "<form"
                              << "添加表单"
                              << "FormText" << QStringList{"SendCheck_0", "SendCheck_1"}
                              << "<form method=\"post\"> \n \n \n</form>";
        QTest::newRow("单行文本框") << "<input type=text"
                                    << "添加单行文本框"
                                    << "FormTextText_0" << QStringList{"FormNameText:=t"}
                                    << "<input type=text name=\"t\">";
        QTest::newRow("多行文本框") << "<textarea"
                                    << "添加多行文本框"
                                    << "TextareaText_0" << QStringList{"HtmlText:=x"} << "<textarea>x</textarea>";
        QTest::newRow("密码框") << "<input type=password"
                                << "添加密码框"
                                << "FormTextText_1" << QStringList{"FormNameText:=p"}
                                << "<input type=password name=\"p\">";
        QTest::newRow("复选框") << "<input type=checkbox"
                                << "添加复选框"
                                << "FormCheckText" << QStringList{"HtmlText:=同意"} << "<input type=checkbox>同意";
        QTest::newRow("单选框") << "<input type=radio"
                                << "添加单选框"
                                << "SelectList" << QStringList{"AddListCommand", "SelectText_0:=男"}
                                << "<p><input type=radio name=Name>男";
        QTest::newRow("列表框") << "<select"
                                << "添加列表框"
                                << "SelectList" << QStringList{"AddListCommand", "SelectText_0:=a"}
                                << "<select><option>a";
        QTest::newRow("命令框") << "<input type=button"
                                << "添加命令框"
                                << "FbuttonText_0" << QStringList{"FbuttonText_0:=Go"}
                                << "<input type=button value=\"Go\">";
    }
    void insertThroughMenu()
    {
        QFETCH(QString, htmlN);
        QFETCH(QString, title);
        QFETCH(QString, first);
        QFETCH(QStringList, steps);
        int seen = 0;
        OnNextModal(
            [&](QDialog* d) {
                QCOMPARE(Child<QLabel>(d, "Titlelable")->text(), title);
                QCOMPARE(d->focusWidget()->objectName(), first);
                for (const QString& step : std::as_const(steps))
                    Step(d, step);
                Child<QAbstractButton>(d, "OkCommand")->click();
            },
            &seen);
        f_.frame->Action(Command::InsertElement, CommandRegistry::ElementArgument(htmlN))->trigger();
        QCOMPARE(seen, 1);
        QFETCH(QString, expected);
        QVERIFY2(f_.Text(f_.Active()).contains("\n" + expected), qPrintable(f_.Text(f_.Active())));
    }
};

QTEST_MAIN(TestElementControls)
#include "tst_elementcontrols.moc"
