// Editing the tag at the caret (属性编辑): finding the tag, its dialog pre-filled from the tag, the tag rewritten.

#include "base/messages.h"
#include "base/programstate.h"
#include "builders/elements/elementdialog.h"
#include "builders/styles/styledialog.h"
#include "editor/pageedit.h"
#include "editor/pagewindow.h"
#include "modaldriver.h"
#include "scriptedprompts.h"
#include "shell/mainframe.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestTagEditor : public QObject
{
    Q_OBJECT

    ScriptedPrompts prompts_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<ProgramState> shared_;
    std::unique_ptr<MainFrame> frame_;
    QList<MsgAnswer> answers_;

    PageWindow* Doc() { return frame_->ActiveDocument(); }
    QString Page() { return Doc()->pageEdit->RawText(); }
    // Puts `text` in the page with the caret where "|" stands.
    void SetPage(const QString& text)
    {
        const int caret = int(text.indexOf(QLatin1Char('|')));
        QString plain = text;
        plain.remove(caret, 1);
        Doc()->pageEdit->setPlainText(plain);
        Doc()->pageEdit->SetSelStart(caret);
    }
    void EditTag() { frame_->Action(Command::EditTag)->trigger(); }
    static QLineEdit* Box(QWidget* d, const QString& name) { return Child<QLineEdit>(d, name); }
    QStringList MessageTexts() const
    {
        QStringList texts;
        for (const MessageRecord& r : std::as_const(prompts_.Record()))
            texts.append(r.text);
        return texts;
    }

private Q_SLOTS:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        shared_ = std::make_unique<ProgramState>(dir_->path());
        shared_->Prompts = &prompts_;
        QCOMPARE(shared_->Db.Load(QStringLiteral(KESTREL_BUILD_DIR "/data.xml")), TagDb::Loaded);
        prompts_.Record().clear();
        answers_.clear();
        prompts_.SetResponder([this](const MessageRecord&, QString&) {
            return answers_.isEmpty() ? MsgAnswer::Ok : answers_.takeFirst();
        });
        frame_ = std::make_unique<MainFrame>(*shared_);
        frame_->show();
    }
    void cleanup()
    {
        if (Doc())
            Doc()->pageEdit->document()->setModified(false);
        prompts_.SetResponder([](const MessageRecord&, QString&) { return MsgAnswer::No; });
        frame_.reset();
        shared_.reset();
        dir_.reset();
    }

    // The dialog opens filled from the tag; after one change OK writes the tag anew. Checks on the dialog:
    // "box=text" (text box or content), "button" / "!button" (checked or not), "combo#index"; "box:=text" types.
    void editInPlace_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("expected");
        QTest::newRow("image: values as typed, unknown attributes and events kept")
            << "<p>x<IMG SRC=\"Pic.GIF\" Align=MIDDLE alt='a \"b\"' onload=f() data-x=1 wid|th=10></p>"
            << QStringList{"ImgText_0=Pic.GIF", "ImgText_1=a \"b\"", "ImgText_3=10", "ImgOption_1", "ImgText_3:=20"}
            << "<p>x<img align=\"middle\" src=\"Pic.GIF\" alt='a \"b\"' width=\"20\" data-x=\"1\" onload=\"f()\"></p>";
        QTest::newRow("link: target in capitals, content only a sample")
            << "<a href='x.html' tit|le=t target=_BLANK>Home</a>" << QStringList{"LinkText_0=x.html",
                                                                                 "CcText_1=t",
                                                                                 "LinkCheck1",
                                                                                 "LinkCombo#0",
                                                                                 "HtmlText=Kestrel网页编辑软件",
                                                                                 "CcText_1:=t2"}
            << "<a href=\"x.html\" target=\"_blank\" title=\"t2\">Home</a>";
        QTest::newRow("paragraph found from its text; unknown direction kept")
            << "<P ALIGN=Center class=k dir=up>Text|</P>" << QStringList{"AlignOption_3", "DirOption_0"}
            << "<p align=\"center\" class=\"k\" dir=\"up\">Text</P>";
        QTest::newRow("rule") << "<HR Size=2 WIDTH=80 color=#FF0000 noshade|>"
                              << QStringList{"HrText_0=2", "HrText_1=80", "HrOption_1", "!HrCheck", "HrText_0:=3"}
                              << "<hr size=\"3\" color=\"#FF0000\" width=\"80\" noshade>";
        QTest::newRow("media: the count and the size back in their fields")
            << "<embed| src=a.mp3 loop=3 Width=10>"
            << QStringList{"EmbedText_0=a.mp3", "EmbedLoopOption_2", "NumText=3", "EmbedText_5=10", "EmbedText_6:=20"}
            << "<embed src=\"a.mp3\" loop=\"3\" width=\"10\" height=\"20\">";
        QTest::newRow("marquee: options in any case, the content kept")
            << "<MARQUEE| direction=left behavior=ALTERNATE scrollamount=5>Hi</MARQUEE>"
            << QStringList{"MarToOption_0", "MarStyleOption_1", "MarText_1=5", "HtmlText=Kestrel网页编辑软件",
                           "MarNumCheck",   "MarText_1:=8"}
            << "<marquee direction=\"left\" behavior=\"alternate\" scrollamount=\"8\">Hi</MARQUEE>";
    }
    void editInPlace()
    {
        QFETCH(QString, page);
        QFETCH(QStringList, steps);
        SetPage(page);
        int seen = 0;
        OnNextModal(
            [steps](QDialog* d) {
                QVERIFY(qobject_cast<ElementDialog*>(d)->Given().purpose == ElementDialog::Purpose::RebuildStartTag);
                for (const QString& step : steps) {
                    if (step.contains(":=")) {
                        Box(d, step.section(":=", 0, 0))->setText(step.section(":=", 1));
                    } else if (step.contains('=')) {
                        QWidget* w = Child<QWidget>(d, step.section('=', 0, 0));
                        auto* plain = qobject_cast<QPlainTextEdit*>(w);
                        const QString text = plain ? plain->toPlainText() : qobject_cast<QLineEdit*>(w)->text();
                        QCOMPARE(text, step.section('=', 1));
                    } else if (step.contains('#')) {
                        QCOMPARE(Child<QComboBox>(d, step.section('#', 0, 0))->currentIndex(),
                                 step.section('#', 1).toInt());
                    } else {
                        const bool off = step.startsWith('!');
                        QVERIFY2(Child<QAbstractButton>(d, step.mid(off ? 1 : 0))->isChecked() != off,
                                 qPrintable(step));
                    }
                }
                Child<QPushButton>(d, "OkCommand")->click();
            },
            &seen);
        EditTag();
        QCOMPARE(seen, 1);
        QTEST(Page(), "expected");
    }

    void cancelLeavesTheTag()
    {
        const QString page = "<img src=a.gif>";
        SetPage("<img src=a.gif|>");
        OnNextModal([](QDialog* d) { Child<QPushButton>(d, "CancelCommand")->click(); });
        EditTag();
        QCOMPARE(Page(), page);
        QCOMPARE(Doc()->pageEdit->textCursor().selectedText(), page); // the tag stays selected
    }

    void editStyleOfTag_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ok") << true << "<h1 align=\"center\" style=\"color:red;z-index:3\">T</h1>";
        QTest::newRow("cancel") << false << "<h1 style='color:red' align=center>T</h1>";
    }
    void editStyleOfTag()
    {
        QFETCH(bool, ok);
        SetPage("<h1 style='color:red' align=center>|T</h1>");
        int seen = 0;
        OnNextModal(
            [ok](QDialog* dialog) {
                auto* css = qobject_cast<StyleDialog*>(dialog);
                QVERIFY(css);
                QCOMPARE(css->Given().tagStart, QStringLiteral("<h1 align=\"center\""));
                QCOMPARE(css->Given().closing, QStringLiteral("Kestrel网页编辑软件</h1>"));
                Box(css, "ZindexText")->setText("3");
                if (ok)
                    Child<QPushButton>(css, "OkCommand")->click();
            },
            &seen);
        EditTag();
        QCOMPARE(seen, 1);
        QTEST(Page(), "expected");
    }

    // Places where nothing opens and nothing changes, without a message.
    void nothingToEdit_data()
    {
        QTest::addColumn<QString>("page");
        QTest::newRow("caret at the start") << "|<p>x</p>";
        QTest::newRow("closing tag") << "<p>x</p|>";
        QTest::newRow("no tag before the caret") << "plain| text";
        QTest::newRow("lone <") << "a < b|";
        QTest::newRow("tag without >") << "<a href=x|";
        QTest::newRow("element unknown to the database") << "<zz a=1|>";
        QTest::newRow("no style to edit") << "<b>bold|</b>";
    }
    void nothingToEdit()
    {
        QFETCH(QString, page);
        SetPage(page);
        const QString before = Page();
        int seen = 0;
        auto waiting = OnNextModal([](QDialog*) {}, &seen);
        EditTag();
        QTest::qWait(20);
        *waiting = false;
        QCOMPARE(seen, 0);
        QCOMPARE(Page(), before);
        QVERIFY(prompts_.Record().isEmpty());
    }

    void tooManyAttributes()
    {
        QString tag = "<a";
        for (int i = 1; i <= 51; ++i)
            tag += QStringLiteral(" a%1=%1").arg(i);
        SetPage(tag + "|>");
        int seen = 0;
        auto waiting = OnNextModal([](QDialog*) {}, &seen);
        EditTag();
        QTest::qWait(20);
        *waiting = false;
        QCOMPARE(seen, 0);
        QCOMPARE(MessageTexts(), QStringList{"无法查看!!!!"});
        QCOMPARE(Page(), tag + ">");
    }

    // A huge tag asks first; No leaves everything, Yes goes on to the dialog.
    void longTag_data()
    {
        QTest::addColumn<bool>("go");
        QTest::newRow("no") << false;
        QTest::newRow("yes") << true;
    }
    void longTag()
    {
        QFETCH(bool, go);
        QString tag = "<span";
        for (int i = 1; i <= 50; ++i)
            tag += QStringLiteral(" a%1=\"").arg(i) + QString(2000, QLatin1Char('x')) + QLatin1Char('"');
        tag += ">";
        SetPage(tag + "|x</span>");
        answers_ << (go ? MsgAnswer::Yes : MsgAnswer::No);
        int seen = 0;
        qsizetype attributes = 0;
        auto waiting = OnNextModal(
            [&attributes](QDialog* d) {
                attributes = qobject_cast<ElementDialog*>(d)->Given().attrs.size();
                Child<QPushButton>(d, "CancelCommand")->click();
            },
            &seen);
        EditTag();
        QTest::qWait(20);
        *waiting = false;
        QCOMPARE(MessageTexts(),
                 QStringList{QStringLiteral("这个字符串太长,共有 %1个字符,您是否继续?").arg(tag.size())});
        QCOMPARE(prompts_.Record().first().buttons, MsgButtons::YesNo);
        QCOMPARE(seen, go ? 1 : 0);
        QCOMPARE(Page(), tag + "x</span>");
        if (go)
            QCOMPARE(attributes, 50);
    }
};

QTEST_MAIN(TestTagEditor)
#include "tst_tageditor.moc"
