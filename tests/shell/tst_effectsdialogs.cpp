// The effects through the frame: a page effect with a colour and a text inserted into the new page (the body tag
// rewritten, the script after it), and an element given an animated effect through the element dialog's picker.

#include "base/browserview.h"
#include "base/pagecodec.h"
#include "base/previewpane.h"
#include "builders/elements/elementdialog.h"
#include "builders/scripts/elementeffectdialog.h"
#include "builders/scripts/pageeffectdialog.h"
#include "builders/styles/colordialog.h"
#include "modaldriver.h"
#include "pagewindowfixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QDomElement Effect(const TagDb& db, const QString& section, const QString& name)
{
    const QDomElement s = db.Section(section);
    const int i = db.FindChildIndex(s, name, QStringLiteral("txt"));
    return i < 0 ? QDomElement() : db.Entry(s, i);
}

void Choose(QListWidget* list, const QString& name)
{
    const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(name));
    list->setCurrentItem(found.first());
}

} // namespace

class TestEffectsDialogs : public QObject
{
    Q_OBJECT

    PageWindowFixture f_;

private Q_SLOTS:
    void init() { f_.Start(true); }
    void cleanup() { f_.Stop(); }

    // An effect with handlers chosen first, then the one inserted: only the second one's handler and onload code
    // reach the body tag, and its script stands right after it with the colour and text given.
    void pageEffectIntoTemplate()
    {
        PageWindow* doc = f_.Active();
        const QString before = PageWindowFixture::Text(doc);
        const TagDb& db = f_.shared->Db;
        int seen = 0;
        OnNextModal<PageEffectDialog>(
            [&](PageEffectDialog* form) {
                QCOMPARE(form->windowTitle(), QStringLiteral("JavaScript特效"));
                QCOMPARE(form->focusWidget(), form->EffectList);
                QCOMPARE(form->CountLabel->text(), QString::number(db.EntryCount(db.Section("javas1"))));
                QVERIFY(!form->OkCommand->isEnabled());
                QCOMPARE(form->OkCommand->text(), QStringLiteral("确定(&S)"));
                Choose(form->EffectList, QStringLiteral("点击页面飘出文字"));
                QVERIFY(form->OkCommand->isEnabled());
                Choose(form->EffectList, QStringLiteral("返回顶部按钮"));
                QVERIFY(form->ParamFrame->isVisibleTo(form));
                QVERIFY(!form->NoSetLabel->isVisibleTo(form));
                // Row 0 a text typed in, row 1 a colour from the picker; the other rows hidden.
                QVERIFY(form->ParamLabel[0]->isVisibleTo(form) && form->TxText[0]->isEnabled());
                QVERIFY(form->ParamCommand[1]->isVisibleTo(form) && !form->TxText[1]->isEnabled());
                QVERIFY(!form->TxText[2]->isVisibleTo(form));
                form->TxText[0]->clear();
                QTest::keyClicks(form->TxText[0], QStringLiteral("Go up"));
                OnNextModal<ColorDialog>([](ColorDialog* color) {
                    QTest::mouseClick(color->Swatch[0], Qt::LeftButton);
                    color->OkCommand->click();
                });
                form->ParamCommand[1]->click();
                QCOMPARE(form->TxText[1]->text(), QStringLiteral("#FF0000"));
                form->OkCommand->click();
            },
            &seen);
        f_.frame->RunCommand(Command::AddEffect);
        QCOMPARE(seen, 1);

        const QDomElement e = Effect(db, QStringLiteral("javas1"), QStringLiteral("返回顶部按钮"));
        QVERIFY(!e.isNull());
        const auto field = [&](const char* n) { return TagDb::Field(e, QString::fromLatin1(n)); };
        const QString script =
            field("v1") + QStringLiteral("Go up") + field("v3") + QStringLiteral("#FF0000") + field("value");
        const QString tag = QStringLiteral("<body onscroll=\"%1\" onload=\"%2\">").arg(field("a1"), field("start"));
        QString expected = before;
        expected.replace(QStringLiteral("<body>"), tag + QLatin1Char('\n') + script + QLatin1Char('\n'));
        QCOMPARE(PageWindowFixture::Text(doc), expected);
        QVERIFY(f_.MessageTexts().isEmpty());
        // The rewritten tag and the script are purple; the caret stands after them.
        const int at = int(expected.indexOf(tag));
        QTextCursor c(doc->pageEdit->document());
        c.setPosition(at + 1);
        QCOMPARE(c.charFormat().foreground().color(), PageEdit::RewriteColor);
        QCOMPARE(doc->pageEdit->SelStart(), at + int(tag.size() + script.size()) + 2);
    }

    // A page without a body gets nothing, with a message; Cancel inserts nothing and asks nothing.
    void nothingInserted_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("no body") << "<html>\n<p>x</p>\n</html>" << true
                                 << QStringList{QStringLiteral("您未添加BODY主体标识符,请添加!")};
        QTest::newRow("cancelled") << "<html>\n<body>\n</body>\n</html>" << false << QStringList{};
    }
    void nothingInserted()
    {
        QFETCH(QString, page);
        QFETCH(bool, confirm);
        PageWindow* doc = f_.Active();
        PageWindowFixture::SetText(doc, page, 3);
        OnNextModal<PageEffectDialog>([confirm](PageEffectDialog* form) {
            Choose(form->EffectList, QStringLiteral("每次打开随机背景颜色"));
            QVERIFY(form->NoSetLabel->isVisibleTo(form));
            QVERIFY(!form->ParamFrame->isVisibleTo(form));
            (confirm ? form->OkCommand : form->CancelCommand)->click();
            QCOMPARE(form->Outcome().value_or(BodyScript()).JavaTxt.isEmpty(), !confirm);
        });
        f_.frame->RunCommand(Command::AddEffect);
        QCOMPARE(PageWindowFixture::Text(doc), page);
        QTEST(f_.MessageTexts(), "messages");
    }

    // The element dialog asks for the id, the picker shows each effect on the element; OK brings the element,
    // the effect after the body tag and its onload code; a cancelled picker leaves the element alone. An element
    // rebuilt from its tag at the caret gets its effect the same way.
    void elementEffect_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<bool>("edit");
        QTest::newRow("picked") << true << false;
        QTest::newRow("picker cancelled") << false << false;
        QTest::newRow("picked for an edited tag") << true << true;
        QTest::newRow("picker cancelled for an edited tag") << false << true;
    }
    void elementEffect()
    {
        QFETCH(bool, confirm);
        QFETCH(bool, edit);
        PageWindow* doc = f_.Active();
        const QString before = PageWindowFixture::Text(doc);
        const int end = int(before.indexOf(QStringLiteral("</body>")));
        if (edit) {
            QString page = before;
            page.insert(end, QStringLiteral("<div>Hi</div>\n"));
            PageWindowFixture::SetText(doc, page, end + 2); // in the start tag
        } else {
            PageWindowFixture::SetText(doc, before, end);
        }
        // What the picker previews: an edited tag shows the sample content.
        const QString previewed = QStringLiteral("<html><body onload=\"if(window['box1781']){window['box1781']();}"
                                                 "\"><div id=\"box\">%1</div><script")
                                      .arg(edit ? ElementMarkup::SampleText : QStringLiteral("Hi"));
        const QString effectName = QStringLiteral("载入后渐渐显现");
        f_.inputs << QStringLiteral("  box  ");
        int seen = 0;
        OnNextModal<ElementDialog>(
            [&](ElementDialog* form) {
                QCOMPARE(form->Given().purpose == ElementDialog::Purpose::RebuildStartTag, edit);
                if (!edit)
                    QTest::keyClicks(form->HtmlText, QStringLiteral("Hi"));
                QVERIFY(form->EffectCommand->isEnabled());
                OnNextModal<ElementEffectDialog>(
                    [&](ElementEffectDialog* picker) {
                        QCOMPARE(picker->windowTitle(), QStringLiteral("设置特效"));
                        QCOMPARE(picker->focusWidget(), picker->EffectList);
                        QCOMPARE(picker->ElementId(), QStringLiteral("box"));
                        QCOMPARE(picker->EffectList->count(), f_.shared->Db.EntryCount(f_.shared->Db.Section("mytx")));
                        Choose(picker->EffectList, effectName);
                        QVERIFY(picker->Chosen().onload.contains(QStringLiteral("box1781")));
                        const QByteArray page = f_.ReadFile(f_.shared->ScratchFile);
                        QVERIFY2(PageCodec::FromGb18030(page).startsWith(previewed), page.left(120).constData());
                        QCOMPARE(picker->Preview->View()->CurrentUrl(), QUrl::fromLocalFile(f_.shared->ScratchFile));
                        // A later effect without onload code brings none.
                        Choose(picker->EffectList, QStringLiteral("闪烁"));
                        QVERIFY(picker->Chosen().onload.isEmpty());
                        Choose(picker->EffectList, effectName);
                        (confirm ? picker->OkCommand : picker->CanCommand)->click();
                    },
                    &seen);
                form->EffectCommand->click();
                QCOMPARE(form->CommonText[0]->text(), QStringLiteral("box"));
                form->OkCommand->click();
            },
            &seen);
        if (edit)
            f_.frame->RunCommand(Command::EditTag);
        else
            f_.frame->RunCommand(Command::InsertElement, CommandRegistry::ElementArgument(QStringLiteral("<div")));
        QCOMPARE(seen, 2);
        QCOMPARE(f_.MessageTexts(), QStringList{QStringLiteral("请输入用于辨别此元素的标识字符串(任意字符串)")});

        const QDomElement e = Effect(f_.shared->Db, QStringLiteral("mytx"), effectName);
        QString markup = TagDb::Field(e, QStringLiteral("name"));
        markup.replace(QStringLiteral("qz@@"), QStringLiteral("box1781")).replace(QStringLiteral("qz**"), "box");
        QString expected = before;
        expected.replace(QStringLiteral("</body>"), QStringLiteral("<div id=\"box\">Hi</div>\n</body>"));
        if (confirm)
            expected.replace(QStringLiteral("<body>"),
                             QStringLiteral("<body onload=\"if(window['box1781']){window['box1781']();}\">\n") +
                                 markup + QLatin1Char('\n'));
        QCOMPARE(PageWindowFixture::Text(doc), expected);
    }

    // A preview page that cannot be written: the message, the picker stays open with the effect chosen.
    void pickerPreviewFails()
    {
        BuilderContext context = f_.shared->Context();
        context.ScratchFile = f_.Path(QStringLiteral("no/such/folder/preview.html"));
        ElementEffectDialog picker(context, {QStringLiteral("box"), QString()});
        picker.show();
        Choose(picker.EffectList, QStringLiteral("闪烁"));
        QCOMPARE(f_.MessageTexts(), QStringList{QStringLiteral("出现异常错误!")});
        QVERIFY(picker.isVisible());
        QVERIFY(picker.Chosen().script.contains(QStringLiteral("getElementById('box')")));
        picker.CanCommand->click();
        QVERIFY(picker.Chosen().script.isEmpty());
    }
};

QTEST_MAIN(TestEffectsDialogs)
#include "tst_effectsdialogs.moc"
