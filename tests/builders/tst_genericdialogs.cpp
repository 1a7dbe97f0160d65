// The generic element, event, other-attribute, pop-up window and script dialogs driven like a user: through the
// main frame's menu into a page, and from the element dialog's buttons.

#include "builders/elements/attributedialog.h"
#include "builders/elements/elementdialog.h"
#include "builders/elements/elementpickdialog.h"
#include "builders/elements/eventdialog.h"
#include "builders/elements/genericelementdialog.h"
#include "builders/elements/otherattributesdialog.h"
#include "builders/scripts/scriptcalldialog.h"
#include "builders/scripts/scriptdialog.h"
#include "builders/styles/colordialog.h"
#include "builders/styles/styledialog.h"
#include "elementoutcome.h"
#include "modaldriver.h"
#include "pagewindowfixture.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QtTest>

#include <memory>

class TestGenericDialogs : public QObject
{
    Q_OBJECT

    PageWindowFixture f_;

    QString Page() { return f_.Active()->pageEdit->RawText(); }
    // The page as it will be with `text` inserted at the caret.
    QString PageWith(const QString& text)
    {
        QString page = Page();
        return text.isEmpty() ? page : page.insert(f_.Active()->pageEdit->textCursor().position(), text);
    }
    static QLineEdit* Box(QWidget* d, const QString& name) { return Child<QLineEdit>(d, name); }
    static QPushButton* Button(QWidget* d, const QString& name) { return Child<QPushButton>(d, name); }
    // Selects the row of `list` showing `text`, as a click on it does.
    static int Choose(QListWidget* list, const QString& text)
    {
        QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
        if (found.isEmpty()) // an element shown after its tag: "b 粗体"
            found = list->findItems(QLatin1Char(' ') + text, Qt::MatchEndsWith);
        if (found.isEmpty())
            return -1;
        list->setCurrentItem(found.first());
        return list->row(found.first());
    }
    static void DoubleClick(QListWidget* list, const QString& text)
    {
        const int row = Choose(list, text);
        QVERIFY2(row >= 0, qPrintable(text));
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }
    static QStringList Items(QListWidget* list)
    {
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items.append(list->item(i)->text());
        return items;
    }
    // The position in javas of the call titled `title`.
    int Call(const QString& title)
    {
        const TagDb& db = f_.shared->Db;
        return db.FindChildIndex(db.Section("javas"), title, "title");
    }
    // An AttributeDialog answered with this name and value.
    static void AnswerAttribute(const QString& name, const QString& value, QStringList* shown = nullptr)
    {
        OnNextModal<AttributeDialog>([=](AttributeDialog* d) {
            if (shown)
                *shown = QStringList{d->NameText->text(), d->ValueText->text()};
            QCOMPARE(d->focusWidget(), d->NameText);
            d->NameText->setText(name);
            d->ValueText->setText(value);
            d->OkCommand->click();
        });
    }

private Q_SLOTS:
    void init() { f_.Start(true); }
    void cleanup() { f_.Stop(); }

    // Pick an element from the list, give it content, a style and an onclick built from ready-made calls.
    void insertGenericElement()
    {
        int seen = 0;
        OnNextModal<ElementPickDialog>(
            [&](ElementPickDialog* pick) {
                QVERIFY(!pick->AddCommand->isEnabled());
                QCOMPARE(pick->focusWidget(), pick->ElementList);
                QVERIFY(
                    !Items(pick->ElementList).contains("div 块元素")); // the element dialog's own kinds are not offered
                QVERIFY(Choose(pick->ElementList, "粗体") >= 0);
                QVERIFY(pick->AddCommand->isEnabled());
                OnNextModal<GenericElementDialog>(
                    [&](GenericElementDialog* d) {
                        QCOMPARE(d->TitleLabel->text(), QStringLiteral("粗体"));
                        QVERIFY(d->ContentText->isEnabled());
                        QCOMPARE(d->focusWidget(), d->ContentText);
                        QTest::keyClicks(d->ContentText, "a<b");
                        OnNextModal<StyleDialog>(
                            [](StyleDialog* css) {
                                Box(css, "ZindexText")->setText("3");
                                css->OkCommand->click();
                            },
                            &seen);
                        d->StyleCommand->click();
                        OnNextModal<EventDialog>(
                            [&](EventDialog* e) {
                                QVERIFY(!e->CodeBox->isEnabled());
                                QVERIFY(!e->CallList->isEnabled());
                                Choose(e->EventList, "单击 onclick");
                                QCOMPARE(e->EventLabel->text(), QStringLiteral("单击 onclick"));
                                QVERIFY(e->CodeBox->isEnabled());
                                QVERIFY(e->CallList->isEnabled());
                                OnNextModal<ScriptCallDialog>(
                                    [](ScriptCallDialog* js) {
                                        QCOMPARE(js->JsLabel[0]->text(), QStringLiteral("提示文字"));
                                        QCOMPARE(js->focusWidget(), js->JsText[0]);
                                        QVERIFY(!js->JsText[1]->isVisible());
                                        QTest::keyClicks(js->JsText[0], "hi");
                                        js->OkCommand->click();
                                    },
                                    &seen);
                                DoubleClick(e->CallList, "弹出提示框");
                                QCOMPARE(e->CodeBox->text(), QStringLiteral("alert('hi')"));
                                DoubleClick(e->CallList, "后退到上一页"); // no arguments: no dialog
                                QCOMPARE(e->CodeBox->text(), QStringLiteral("alert('hi');history.back()"));
                                e->CodeBox->end(false);
                                QTest::keyClicks(e->CodeBox, ";x=\"a\"");
                                QCOMPARE(e->CodeBox->text(), QStringLiteral("alert('hi');history.back();x='a'"));
                                e->OkCommand->click();
                            },
                            &seen);
                        d->EventCommand->click();
                        d->OkCommand->click();
                    },
                    &seen);
                pick->AddCommand->click();
            },
            &seen);
        f_.frame->Action(Command::InsertOtherElement)->trigger();
        QCOMPARE(seen, 5);
        QVERIFY2(Page().contains("<b style=\"z-index:3\" onclick=\"alert('hi');history.back();x='a'\">a&lt;b</b>\n"),
                 qPrintable(Page()));
    }

    // An element without closing tag takes no content; a double click adds as the button does; Cancel in either
    // dialog inserts nothing.
    void closingAndCancel_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("how"); // "ok", "double click", "cancel element", "cancel list"
        QTest::addColumn<QString>("inserted");

        QTest::newRow("no closing tag") << "可换行点"
                                        << "ok"
                                        << "<wbr>";
        QTest::newRow("double click, empty content") << "粗体"
                                                     << "double click"
                                                     << "<b></b>\n";
        QTest::newRow("element dialog cancelled") << "粗体"
                                                  << "cancel element"
                                                  << "";
        QTest::newRow("pick list cancelled") << "粗体"
                                             << "cancel list"
                                             << "";
    }
    void closingAndCancel()
    {
        QFETCH(QString, title);
        QFETCH(QString, how);
        QFETCH(QString, inserted);
        const QString after = PageWith(inserted);
        OnNextModal<ElementPickDialog>([&](ElementPickDialog* pick) {
            Choose(pick->ElementList, title);
            if (how == "cancel list") {
                pick->CancelCommand->click();
                return;
            }
            OnNextModal<GenericElementDialog>([&](GenericElementDialog* d) {
                QCOMPARE(d->TitleLabel->text(), title);
                if (how == "cancel element") {
                    d->CancelCommand->click();
                    return;
                }
                QCOMPARE(d->ContentText->isEnabled(), inserted.endsWith("\n"));
                QCOMPARE(d->focusWidget(),
                         d->ContentText->isEnabled() ? static_cast<QWidget*>(d->ContentText) : d->HtmlCheck);
                d->OkCommand->click();
            });
            if (how == "double click")
                DoubleClick(pick->ElementList, title);
            else
                pick->AddCommand->click();
            QVERIFY(!pick->isVisible());
        });
        f_.frame->Action(Command::InsertOtherElement)->trigger();
        QCOMPARE(Page(), after);
    }

    // Add, refuse a duplicate, edit and delete other attributes of a new element; see them in its markup.
    void otherAttributesOfANewElement()
    {
        ElementDialog f(f_.shared->Context(), {ElementDialog::Purpose::Insert, "<span"});
        f.Prepare();
        QVERIFY(f.OtherCommand->isEnabled());
        f.CommonText[0]->setText("s");
        int seen = 0;
        OnNextModal<OtherAttributesDialog>(
            [&](OtherAttributesDialog* o) {
                QCOMPARE(o->NameList->count(), 0);
                QVERIFY(!o->EditCommand->isEnabled());
                AnswerAttribute(" lang ", "zh");
                o->AddCommand->click();
                AnswerAttribute("data-x", "1");
                o->AddCommand->click();
                AnswerAttribute("lang", "en"); // listed already
                o->AddCommand->click();
                AnswerAttribute("tabindex", "0");
                o->AddCommand->click();
                QCOMPARE(Items(o->NameList), (QStringList{"lang", "data-x", "tabindex"}));
                QCOMPARE(Items(o->ValueList), (QStringList{"zh", "1", "0"}));
                // A double click on a name edits its row.
                QStringList shown;
                AnswerAttribute("data-x", "2", &shown);
                DoubleClick(o->NameList, "data-x");
                QCOMPARE(shown, (QStringList{"data-x", "1"}));
                // Choosing a value chooses its row; delete it.
                o->ValueList->setCurrentRow(2);
                QCOMPARE(o->NameList->currentRow(), 2);
                o->DelCommand->click();
                QCOMPARE(Items(o->NameList), (QStringList{"lang", "data-x"}));
                QCOMPARE(Items(o->ValueList), (QStringList{"zh", "2"}));
                o->OkCommand->click();
            },
            &seen);
        f.OtherCommand->click();
        QCOMPARE(seen, 1);
        f.OkCommand->click();
        QCOMPARE(OkMarkup(f), QStringLiteral("<span id=\"s\" lang=\"zh\" data-x=\"2\"></span>\r\n"));
    }

    // The attributes of an edited tag that the dialog has no field for are listed; OK takes the changes, Cancel
    // leaves them as they were.
    void otherAttributesOfAnEditedTag_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ok") << true << "<span lang=\"zh\" tabindex=\"1\">";
        QTest::newRow("cancel") << false << "<span lang=\"zh\" data-y=\"b\">";
    }
    void otherAttributesOfAnEditedTag()
    {
        QFETCH(bool, ok);
        ElementDialog f(f_.shared->Context(),
                        {ElementDialog::Purpose::RebuildStartTag, "<span", {{"lang", "zh"}, {"data-y", "b"}}});
        f.Prepare();
        OnNextModal<OtherAttributesDialog>([&](OtherAttributesDialog* o) {
            QCOMPARE(Items(o->NameList), (QStringList{"lang", "data-y"}));
            QCOMPARE(o->NameList->currentRow(), 0);
            o->NameList->setCurrentRow(1);
            o->DelCommand->click();
            AnswerAttribute("tabindex", "1");
            o->AddCommand->click();
            (ok ? o->OkCommand : o->CanCommand)->click();
        });
        f.OtherCommand->click();
        f.OkCommand->click();
        QTEST(OkMarkup(f), "expected");
    }

    // An edited tag's handler sits at its event's row in the event dialog; codes come back by position.
    void eventsOfAnEditedTag_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ok") << true << "<a href=\"a.html\" onclick=\"stop()\" ondblclick=\"d()\">";
        QTest::newRow("cancel") << false << "<a href=\"a.html\" onclick=\"go()\">";
    }
    void eventsOfAnEditedTag()
    {
        QFETCH(bool, ok);
        ElementDialog f(f_.shared->Context(),
                        {ElementDialog::Purpose::RebuildStartTag, "<a", {{"href", "a.html"}, {"onclick", "go()"}}});
        f.Prepare();
        OnNextModal<EventDialog>([&](EventDialog* e) {
            QCOMPARE(e->Kind(), f.Markup().TagType);
            QCOMPARE(e->EventList->item(0)->text(), QStringLiteral("单击 onclick"));
            e->EventList->setCurrentRow(0);
            QCOMPARE(e->CodeBox->text(), QStringLiteral("go()"));
            e->CodeBox->setText("stop()");
            e->EventList->setCurrentRow(1);
            QCOMPARE(e->CodeBox->text(), QString());
            QTest::keyClicks(e->CodeBox, "d()");
            (ok ? e->OkCommand : e->CanCommand)->click();
        });
        f.EventCommand->click();
        f.OkCommand->click();
        QTEST(OkMarkup(f), "expected");
    }

    // The pop-up window panel: sizes in front of the features, full screen empties and locks the sizes.
    void windowPanel()
    {
        const QString row = "height=200,toolbar=Yes,location=No,directories=Yes,status=No,menubar=No,scrollbars=No,"
                            "resizable=No,fullscreen=No";
        ScriptCallDialog dialog(f_.shared->Context(), Call("在新窗口中打开网页"));
        const std::optional<QStringList> args = RunDriven(dialog, [&](ScriptCallDialog* d) {
            ScriptCallDialog& js = *d;
            QVERIFY(QTest::qWaitForWindowExposed(&js));
            QVERIFY(js.WindowFrame->isVisible());
            QVERIFY(js.JsText[0]->isVisible() && js.JsText[1]->isVisible());
            QVERIFY(!js.JsText[2]->isVisible());
            QCOMPARE(js.focusWidget(), js.JsText[0]);
            QVERIFY(js.OpenCheck[2]->isChecked());
            const QString opening = "toolbar=No,location=No,directories=Yes,status=No,menubar=No,scrollbars=No,"
                                    "resizable=No,fullscreen=No";
            QCOMPARE(js.JsText[2]->text(), opening);
            const QStringList labels{"窗口宽度", "窗口高度", "水平坐标", "垂直坐标"};
            for (int i = 0; i < 4; ++i)
                QCOMPARE(js.WinLabel[i]->text(), labels.at(i));

            QTest::keyClicks(js.JsText[0], "a.html");
            QTest::keyClicks(js.WinText[0], "300");
            QCOMPARE(js.JsText[2]->text(), "width=300," + opening);
            QTest::keyClicks(js.WinText[3], "20");
            QCOMPARE(js.JsText[2]->text(), "width=300,top=20," + opening);

            js.OpenCheck[7]->click();
            for (QLineEdit* box : js.WinText) {
                QVERIFY(!box->isEnabled());
                QCOMPARE(box->text(), QString());
            }
            QString full = opening;
            full.replace("fullscreen=No", "fullscreen=Yes");
            QCOMPARE(js.JsText[2]->text(), full);
            js.OpenCheck[7]->click();
            QVERIFY(js.WinText[1]->isEnabled());
            QTest::keyClicks(js.WinText[1], "200");
            js.OpenCheck[0]->click();
            QCOMPARE(js.JsText[2]->text(), row);

            js.OkCommand->click();
        });
        QCOMPARE(args, (QStringList{"a.html", "", row, "", "", "", "", "", "", ""}));
    }

    // A colour call shows the colour button alone; Cancel gives back no arguments.
    void colourCall_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("first");
        QTest::newRow("ok") << true << "#123456";
        QTest::newRow("cancel") << false << "";
    }
    void colourCall()
    {
        QFETCH(bool, ok);
        ScriptCallDialog dialog(f_.shared->Context(), Call("改变本元素文字颜色"));
        const std::optional<QStringList> args = RunDriven(dialog, [&](ScriptCallDialog* d) {
            ScriptCallDialog& js = *d;
            QVERIFY(QTest::qWaitForWindowExposed(&js));
            QVERIFY(js.ColorCom->isVisible());
            QVERIFY(!js.JsText[0]->isVisible());
            QVERIFY(!js.WindowFrame->isVisible());
            QCOMPARE(js.ColorCom->toolTip(), QStringLiteral("改变本元素文字颜色"));
            OnNextModal<ColorDialog>([](ColorDialog* c) {
                c->ColorSlider[0]->setValue(0x12);
                c->ColorSlider[1]->setValue(0x34);
                c->ColorSlider[2]->setValue(0x56);
                c->OkCommand->click();
            });
            js.ColorCom->click();
            QCOMPARE(js.JsText[0]->text(), QStringLiteral("#123456"));
            (ok ? js.OkCommand : js.CancelCommand)->click();
        });
        QFETCH(QString, first);
        // Cancel hands back no arguments at all.
        QCOMPARE(args.value_or(QStringList(10, QString())), (QStringList{first, "", "", "", "", "", "", "", "", ""}));
        QCOMPARE(args.has_value(), ok);
    }

    // The script dialog from the menu: language, src or code, the block at the caret.
    void scriptBlock_data()
    {
        QTest::addColumn<QStringList>("steps"); // "Name" clicks, "Name:=text" types
        QTest::addColumn<QString>("inserted");

        QTest::newRow("nothing changed") << QStringList{} << "<script language=\"JavaScript\">\n\n</script>\n";
        QTest::newRow("VBScript code") << QStringList{"ScriptOption_1", "ScriptText:=MsgBox 1\nMsgBox 2"}
                                       << "<script language=\"VbScript\">\nMsgBox 1\nMsgBox 2\n</script>\n";
        QTest::newRow("other language named") << QStringList{"ScriptOption_2", "SNameText:=PerlScript"}
                                              << "<script language=\"PerlScript\">\n\n</script>\n";
        QTest::newRow("other language, then back to JavaScript")
            << QStringList{"ScriptOption_2", "SNameText:=Perl", "ScriptOption_0"}
            << "<script language=\"JavaScript\">\n\n</script>\n";
        QTest::newRow("src") << QStringList{"SrcYnOption_0", "SrcText:=js/a.js"}
                             << "<script language=\"JavaScript\" src=\"js/a.js\">\n\n</script>\n";
        QTest::newRow("cancel") << QStringList{"CanCommand"} << "";
    }
    void scriptBlock()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, inserted);
        const QString after = PageWith(inserted);
        OnNextModal<ScriptDialog>([&](ScriptDialog* d) {
            QCOMPARE(d->focusWidget(), d->ScriptOption[0]);
            QVERIFY(!d->SNameText->isEnabled());
            QVERIFY(!d->SrcText->isEnabled());
            QVERIFY(d->ScriptText->isEnabled());
            for (const QString& step : std::as_const(steps)) {
                if (!step.contains(":=")) {
                    Child<QAbstractButton>(d, step)->click();
                    continue;
                }
                const QString name = step.section(":=", 0, 0);
                QWidget* box = Child<QWidget>(d, name);
                QVERIFY2(box->isEnabled(), qPrintable(name));
                if (auto* plain = qobject_cast<QPlainTextEdit*>(box))
                    QTest::keyClicks(plain, step.section(":=", 1).replace('\n', '\r'));
                else
                    QTest::keyClicks(qobject_cast<QLineEdit*>(box), step.section(":=", 1));
            }
            QCOMPARE(d->SNameText->isEnabled(), d->ScriptOption[2]->isChecked());
            QCOMPARE(d->SrcText->isEnabled(), d->SrcYnOption[0]->isChecked());
            QCOMPARE(d->ScriptText->isEnabled(), !d->SrcYnOption[0]->isChecked());
            if (d->isVisible())
                d->OkCommand->click();
        });
        f_.frame->Action(Command::InsertScript)->trigger();
        QCOMPARE(Page(), after);
    }

    // Tab walks each dialog's fields in reading order, then its buttons.
    void tabOrder_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QStringList>("walk");
        QTest::newRow("Addform") << "Addform" << QStringList{"List1", "Cancelcom", "List1"};
        QTest::newRow("HSetForm") << "HSetForm" << QStringList{"Text1",     "Check1",        "StyleCommand", "ECommand",
                                                               "OkCommand", "CancelCommand", "Text1"};
        QTest::newRow("EForm") << "EForm" << QStringList{"List1", "OkCommand", "CanCommand", "List1"};
        QTest::newRow("OtherForm") << "OtherForm"
                                   << QStringList{"List1", "List2", "AddCommand", "OkCommand", "CanCommand", "List1"};
        QTest::newRow("AddOtherForm") << "AddOtherForm"
                                      << QStringList{"NameText", "ValueText", "Command1", "Command2", "NameText"};
        QTest::newRow("JsForm") << "JsForm" << QStringList{"JsText_0", "OkCommand", "CancelCommand", "JsText_0"};
        QTest::newRow("ScriptForm") << "ScriptForm" << QStringList{"ScriptOption_0", "SrcYnOption_0", "ScriptText",
                                                                   "OkCommand",      "CanCommand",    "ScriptOption_0"};
    }
    void tabOrder()
    {
        QFETCH(QString, dialog);
        const BuilderContext context = f_.shared->Context();
        std::unique_ptr<QDialog> d;
        if (dialog == "Addform")
            d = std::make_unique<ElementPickDialog>(context);
        else if (dialog == "HSetForm") {
            d = std::make_unique<GenericElementDialog>(context, GenericElement::IndexOfTitle(f_.shared->Db, "粗体"));
        } else if (dialog == "EForm")
            d = std::make_unique<EventDialog>(context, EventDialog::Input());
        else if (dialog == "OtherForm")
            d = std::make_unique<OtherAttributesDialog>(OtherAttributesDialog::Positions());
        else if (dialog == "AddOtherForm")
            d = std::make_unique<AttributeDialog>();
        else if (dialog == "JsForm")
            d = std::make_unique<ScriptCallDialog>(context, Call("弹出提示框"));
        else
            d = std::make_unique<ScriptDialog>();
        d->show();
        d->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d.get()));
        QFETCH(QStringList, walk);
        QStringList seen{QApplication::focusWidget()->objectName()};
        for (int i = 1; i < walk.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(seen, walk);
        d->reject();
    }

    // The pick list chooses an element by its title: titles must name one element each.
    void shippedTitlesAreUnique()
    {
        const TagDb& db = f_.shared->Db;
        const QStringList titles = db.FieldTexts(db.Section("html1"), "title");
        for (const QString& title : GenericElement::PickList(db))
            QVERIFY2(titles.count(title) == 1, qPrintable(title));
    }
};

QTEST_MAIN(TestGenericDialogs)
#include "tst_genericdialogs.moc"
