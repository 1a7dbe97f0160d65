// Editing the tag at the caret (属性编辑): finding the tag, its dialog pre-filled from the tag, the tag rewritten.

#include "../builders/modaldriver.h"
#include "app/mdiform1.h"
#include "app/messages.h"
#include "app/shared.h"
#include "builders/elements/addhform.h"
#include "builders/styles/cssform.h"
#include "editor/htmlform.h"
#include "editor/pageedit.h"

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

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<Shared> shared_;
    std::unique_ptr<MDIForm1> frame_;
    QList<MsgAnswer> answers_;

    htmlform* Doc() { return frame_->ActiveDocument(); }
    QString Page() { return Doc()->text1->RawText(); }
    // Puts `text` in the page with the caret where "|" stands.
    void SetPage(const QString& text)
    {
        const int caret = int(text.indexOf(QLatin1Char('|')));
        QString plain = text;
        plain.remove(caret, 1);
        Doc()->text1->setPlainText(plain);
        Doc()->text1->SetSelStart(caret);
    }
    void EditTag() { frame_->Command(QStringLiteral("TheTagPeditMen"))->trigger(); }
    static QLineEdit* Box(QWidget* d, const QString& name) { return Child<QLineEdit>(d, name); }
    QStringList MessageTexts() const
    {
        QStringList texts;
        for (const MessageRecord& r : std::as_const(Messages::Record()))
            texts.append(r.text);
        return texts;
    }

private Q_SLOTS:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        shared_ = std::make_unique<Shared>(dir_->path());
        Shared::Set(shared_.get());
        QCOMPARE(shared_->Db.Load(QStringLiteral(KESTREL_BUILD_DIR "/data.xml")), TagDb::Loaded);
        Messages::Record().clear();
        answers_.clear();
        Messages::SetResponder([this](const MessageRecord&, QString&) {
            return answers_.isEmpty() ? MsgAnswer::Ok : answers_.takeFirst();
        });
        frame_ = std::make_unique<MDIForm1>(*shared_);
        frame_->show();
    }
    void cleanup()
    {
        if (Doc())
            Doc()->text1->document()->setModified(false);
        Messages::SetResponder([](const MessageRecord&, QString&) { return MsgAnswer::No; });
        frame_.reset();
        Shared::Set(nullptr);
        shared_.reset();
        dir_.reset();
    }

    void editImageInPlace()
    {
        SetPage("<p>x<IMG SRC=\"Pic.GIF\" Align=MIDDLE alt='a \"b\"' onload=f() data-x=1 wid|th=10></p>");
        OnNextModal([](QDialog* d) {
            auto* form = qobject_cast<AddhForm*>(d);
            QVERIFY(form);
            QCOMPARE(form->EditTag, 1);
            QCOMPARE(Box(d, "ImgText_0")->text(), QStringLiteral("Pic.GIF"));
            QCOMPARE(Box(d, "ImgText_1")->text(), QStringLiteral("a \"b\""));
            QCOMPARE(Box(d, "ImgText_3")->text(), QStringLiteral("10"));
            QVERIFY(Child<QRadioButton>(d, "ImgOption_1")->isChecked());
            Box(d, "ImgText_3")->setText("20");
            Child<QPushButton>(d, "OkCommand")->click();
        });
        EditTag();
        QCOMPARE(Page(),
                 QStringLiteral("<p>x<img align=\"middle\" src=\"Pic.GIF\" alt='a \"b\"' width=\"20\" data-x=\"1\""
                                " onload=\"f()\"></p>"));
        QCOMPARE(shared_->AttrCount, 6);
    }

    void editLinkInPlace()
    {
        SetPage("<a href='x.html' tit|le=t target=_BLANK>Home</a>");
        OnNextModal([](QDialog* d) {
            QCOMPARE(Box(d, "LinkText_0")->text(), QStringLiteral("x.html"));
            QCOMPARE(Box(d, "CcText_1")->text(), QStringLiteral("t"));
            QVERIFY(Child<QCheckBox>(d, "LinkCheck1")->isChecked());
            QCOMPARE(Child<QComboBox>(d, "LinkCombo")->currentIndex(), 0);
            // The content box only shows a sample.
            QVERIFY(!Child<QPlainTextEdit>(d, "HtmlText")->isEnabled());
            QCOMPARE(Child<QPlainTextEdit>(d, "HtmlText")->toPlainText(), QStringLiteral("Kestrel网页编辑软件"));
            Box(d, "CcText_1")->setText("t2");
            Child<QPushButton>(d, "OkCommand")->click();
        });
        EditTag();
        QCOMPARE(Page(), QStringLiteral("<a href=\"x.html\" target=\"_blank\" title=\"t2\">Home</a>"));
    }

    // Caret in plain text after a tag finds that tag; enumerated values match in any case; unknown ones stay.
    void editParagraphFromItsText()
    {
        SetPage("<P ALIGN=Center class=k dir=up>Text|</P>");
        OnNextModal([](QDialog* d) {
            QVERIFY(Child<QRadioButton>(d, "AlignOption_3")->isChecked());
            QVERIFY(Child<QRadioButton>(d, "DirOption_0")->isChecked());
            Child<QPushButton>(d, "OkCommand")->click();
        });
        EditTag();
        QCOMPARE(Page(), QStringLiteral("<p align=\"center\" class=\"k\" dir=\"up\">Text</P>"));
    }

    void editRuleInPlace()
    {
        SetPage("<HR Size=2 WIDTH=80 color=#FF0000 noshade|>");
        OnNextModal([](QDialog* d) {
            QCOMPARE(Box(d, "HrText_0")->text(), QStringLiteral("2"));
            QCOMPARE(Box(d, "HrText_1")->text(), QStringLiteral("80"));
            QVERIFY(Child<QRadioButton>(d, "HrOption_1")->isChecked());
            QVERIFY(!Child<QCheckBox>(d, "HrCheck")->isChecked());
            Box(d, "HrText_0")->setText("3");
            Child<QPushButton>(d, "OkCommand")->click();
        });
        EditTag();
        QCOMPARE(Page(), QStringLiteral("<hr size=\"3\" color=\"#FF0000\" width=\"80\" noshade>"));
    }

    // A kind whose fields are still to come keeps every attribute of the edited tag.
    void unbuiltKindKeepsItsAttributes()
    {
        SetPage("<embed| src=a.mp3 loop=3 Width=10>");
        OnNextModal([](QDialog* d) { Child<QPushButton>(d, "OkCommand")->click(); });
        EditTag();
        QCOMPARE(Page(), QStringLiteral("<embed src=\"a.mp3\" loop=\"3\" width=\"10\">"));
    }

    void cancelLeavesTheTag()
    {
        const QString page = "<img src=a.gif>";
        SetPage("<img src=a.gif|>");
        OnNextModal([](QDialog* d) { Child<QPushButton>(d, "CancelCommand")->click(); });
        EditTag();
        QCOMPARE(Page(), page);
        QCOMPARE(Doc()->text1->textCursor().selectedText(), page); // the tag stays selected
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
                auto* css = qobject_cast<CssForm*>(dialog);
                QVERIFY(css);
                QCOMPARE(css->HtmlTxt1, QStringLiteral("<h1 align=\"center\""));
                QCOMPARE(css->HtmlTxt2, QStringLiteral("Kestrel网页编辑软件</h1>"));
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
        QVERIFY(Messages::Record().isEmpty());
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
        auto waiting = OnNextModal([](QDialog* d) { Child<QPushButton>(d, "CancelCommand")->click(); }, &seen);
        EditTag();
        QTest::qWait(20);
        *waiting = false;
        QCOMPARE(MessageTexts(),
                 QStringList{QStringLiteral("这个字符串太长,共有 %1个字符,您是否继续?").arg(tag.size())});
        QCOMPARE(Messages::Record().first().buttons, MsgButtons::YesNo);
        QCOMPARE(seen, go ? 1 : 0);
        QCOMPARE(Page(), tag + "x</span>");
        if (go)
            QCOMPARE(shared_->AttrCount, 50);
    }
};

QTEST_MAIN(TestTagEditor)
#include "tst_tageditor.moc"
