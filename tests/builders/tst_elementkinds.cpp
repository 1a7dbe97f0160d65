// Every element kind of the dialog: each field of each kind set and read back from an edited tag, one markup row
// per kind, the focus walk of each kind's fields, the digits-only boxes under paste.

#include "base/uihelpers.h"
#include "builders/elements/elementdialog.h"
#include "builders/elements/fieldframe.h"
#include "builders/styles/colordialog.h"
#include "editor/tagparser.h"
#include "elementoutcome.h"
#include "modaldriver.h"
#include "pagewindowfixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QtTest>

#include <memory>

class TestElementKinds : public QObject
{
    Q_OBJECT

    PageWindowFixture f_;

    // The dialog for a new element of kind `htmlN`, or for the start tag with `attrs` when they are given.
    std::unique_ptr<ElementDialog> Open(const QString& htmlN, const std::optional<AttributeList>& attrs = {})
    {
        const auto purpose = attrs ? ElementDialog::Purpose::RebuildStartTag : ElementDialog::Purpose::Insert;
        return std::make_unique<ElementDialog>(f_.shared->Context(),
                                               ElementDialog::Input{purpose, htmlN, attrs.value_or(AttributeList())});
    }
    // "box:=text" sets a text box or the content, "button" clicks, "combo#i" chooses entry i.
    static void Apply(QWidget* d, const QString& step)
    {
        if (step.contains(":=")) {
            QWidget* w = Child<QWidget>(d, step.section(":=", 0, 0));
            QVERIFY2(w, qPrintable(step));
            if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
                plain->setPlainText(step.section(":=", 1));
            else
                qobject_cast<QLineEdit*>(w)->setText(step.section(":=", 1));
        } else if (step.contains('#')) {
            auto* combo = Child<QComboBox>(d, step.section('#', 0, 0));
            QVERIFY2(combo, qPrintable(step));
            const int i = step.section('#', 1).toInt();
            combo->setCurrentIndex(i);
            Q_EMIT combo->activated(i);
        } else {
            auto* button = Child<QAbstractButton>(d, step);
            QVERIFY2(button, qPrintable(step));
            button->click();
        }
    }

    // The loaded dialog's box for `field`, enabled and empty, ready to be typed into.
    static QLineEdit* EmptyBox(ElementDialog* form, const ElementField& field)
    {
        form->Prepare();
        auto* box = FrameOf(form, field)->Get<QLineEdit>(field.Name);
        SetBoxEnabled(box, true);
        box->clear();
        return box;
    }

    // The field's frame among the dialog's.
    static FieldFrame* FrameOf(ElementDialog* form, const ElementField& field)
    {
        for (FieldFrame* frame : form->findChildren<FieldFrame*>())
            if (frame->Control(field.Name))
                return frame;
        return nullptr;
    }

    // Sets the field as a user would (an option group: its option `option`, -1 the last); returns the value its
    // attribute should then have. The control is found by name, so a kind's own controls outside its field frames
    // are set the same way.
    static QString SetField(ElementDialog* form, const ElementField& field, int option = -1)
    {
        switch (field.Kind) {
        case FieldKind::Text:
        case FieldKind::File:
            Child<QLineEdit>(form, field.Name)->setText("v1");
            return "v1";
        case FieldKind::Digits:
        case FieldKind::Number: {
            auto* box = Child<QLineEdit>(form, field.Name);
            SetBoxEnabled(box, true); // a box that starts greyed is opened by another control of its kind first
            box->clear();
            QTest::keyClicks(box, "42");
            return "42";
        }
        case FieldKind::Options: {
            const int i = option < 0 ? int(field.OptionCaptions.size()) - 1 : option;
            FrameOf(form, field)->Option(field.Name, i)->click();
            return field.OptionValues.value(i);
        }
        case FieldKind::Check: {
            auto* check = Child<QCheckBox>(form, field.Name);
            check->click();
            return check->isChecked() ? field.OnValue : field.OffValue;
        }
        case FieldKind::Slider:
            Child<QScrollBar>(form, field.Name)->setValue(40);
            return "40";
        case FieldKind::Colour:
            OnNextModal([](QDialog* d) {
                auto* colours = qobject_cast<ColorDialog*>(d);
                QVERIFY(colours);
                colours->ColorSlider[0]->setValue(0x12);
                colours->ColorSlider[1]->setValue(0x34);
                colours->ColorSlider[2]->setValue(0x56);
                colours->OkCommand->click();
            });
            Child<QPushButton>(form, field.Name)->click();
            return "#123456";
        case FieldKind::Combo: {
            auto* combo = Child<QComboBox>(form, field.Name);
            combo->setCurrentIndex(1);
            Q_EMIT combo->activated(1);
            return field.OptionValues.value(1);
        }
        }
        return QString();
    }

    // The controls of a kind that set an attribute: its fields, and those its dialog or hook adds outside them
    // (the form controls' name box, the list box's size and multiple choice), described as fields.
    static QList<ElementField> Controls(const ElementKind& kind)
    {
        QList<ElementField> out;
        for (const ElementKind::Frame& frame : kind.Frames)
            out << frame.Fields;
        if (kind.NameFrame)
            out << ElementField::Text("FormNameText", "", "name");
        if (kind.List == ListMode::Options)
            out << ElementField::Number("SelectText_1", "", "size")
                << ElementField::Check("SelectCheck", "", "multiple", "multiple", "");
        return out;
    }

    // The attributes of a start tag, names lowered, in the order written (a bare word has an empty value).
    static AttributeList Written(const QString& startTag)
    {
        QString name;
        int end = 0;
        QStringList names, values;
        int count = 0;
        if (!TagParser::ParseTagHead(startTag, name, end) ||
            TagParser::ParseAttributes(startTag, end, names, values, count) != TagParser::Parsed)
            return {};
        AttributeList out;
        for (int i = 1; i <= count; ++i)
            if (!names.at(i).isEmpty())
                out.append({names.at(i), values.at(i)});
        return out;
    }
    // Each name written more than once.
    static QStringList Repeated(const AttributeList& attrs)
    {
        QStringList seen, repeated;
        for (const auto& [name, value] : attrs) {
            if (seen.contains(name) && !repeated.contains(name))
                repeated << name;
            seen << name;
        }
        return repeated;
    }

    // Whether the field shows what SetField set.
    static bool ShowsSet(ElementDialog* form, const ElementField& field)
    {
        FieldFrame* frame = FrameOf(form, field);
        switch (field.Kind) {
        case FieldKind::Text:
        case FieldKind::File:
            return frame->Get<QLineEdit>(field.Name)->text() == QLatin1String("v1");
        case FieldKind::Digits:
        case FieldKind::Number:
            return frame->Get<QLineEdit>(field.Name)->text() == QLatin1String("42");
        case FieldKind::Options:
            return frame->Option(field.Name, int(field.OptionCaptions.size()) - 1)->isChecked();
        case FieldKind::Check:
            return frame->Get<QCheckBox>(field.Name)->isChecked() != field.StartsChecked;
        case FieldKind::Slider:
            return frame->Get<QScrollBar>(field.Name)->value() == 40;
        case FieldKind::Colour:
            return true; // no control shows it; the markup does
        case FieldKind::Combo:
            return frame->Get<QComboBox>(field.Name)->currentIndex() == 1;
        }
        return false;
    }

    // The fields of those kinds, with the element kind that shows each.
    static QList<std::pair<const ElementKind*, ElementField>> Fields(const QList<FieldKind>& kinds)
    {
        QList<std::pair<const ElementKind*, ElementField>> out;
        for (const ElementKind& kind : ElementKind::All())
            for (const ElementKind::Frame& frame : kind.Frames)
                for (const ElementField& field : frame.Fields)
                    if (kinds.contains(field.Kind))
                        out.append({&kind, field});
        return out;
    }
    // The field of that name of that element kind.
    static const ElementField* Described(const QString& htmlN, const QString& name)
    {
        for (const ElementKind::Frame& frame : ElementKind::Find(htmlN)->Frames)
            for (const ElementField& field : frame.Fields)
                if (field.Name == name)
                    return &field;
        return nullptr;
    }

private Q_SLOTS:
    void init() { f_.Start(true); }
    void cleanup() { f_.Stop(); }

    // Every field that sets an attribute, of every kind: set, its attribute is in the markup; the tag opened for
    // editing shows the field set again and writes the attribute back.
    void everyField_data()
    {
        QTest::addColumn<QString>("htmlN");
        QTest::addColumn<QString>("field");
        for (const ElementKind& kind : ElementKind::All())
            for (const ElementKind::Frame& frame : kind.Frames)
                for (const ElementField& field : frame.Fields)
                    if (!field.Attr.isEmpty())
                        QTest::addRow("%s %s", qPrintable(kind.HtmlN), qPrintable(field.Name))
                            << kind.HtmlN << field.Name;
    }
    void everyField()
    {
        QFETCH(QString, htmlN);
        QFETCH(QString, field);
        const ElementKind* kind = ElementKind::Find(htmlN);
        const ElementField* described = Described(htmlN, field);
        QVERIFY(described);
        const bool flag = kind->IsFlag(kind->SlotOf(described->Attr));

        auto form = Open(htmlN);
        form->Prepare();
        QString value = SetField(form.get(), *described);
        if (field == QLatin1String("HrText_1"))
            value += QLatin1Char('%'); // the rule's width in per cent, its first unit
        const QString attribute = flag ? QString(QLatin1Char(' ') + value)
                                       : QString(QLatin1Char(' ') + described->Attr + "=\"" + value + '"');
        form->OkCommand->click();
        QVERIFY2(OkMarkup(*form).contains(attribute), qPrintable(OkMarkup(*form)));

        auto edit = Open(htmlN, AttributeList{{described->Attr, flag ? QString() : value}, {QString(), QString()}});
        edit->Prepare();
        QVERIFY(ShowsSet(edit.get(), *described));
        edit->OkCommand->click();
        QVERIFY2(OkMarkup(*edit).contains(attribute), qPrintable(OkMarkup(*edit)));
        QCOMPARE(OkMarkup(*edit).count(attribute), 1); // nothing kept twice
    }

    // An edited tag whose every attribute holds a word no control stands for. Untouched, each attribute is written
    // once. A control used (each option of a group in turn), nothing is written twice, and the control's attribute
    // holds the control's value in place of the word the tag kept.
    void attributeWrittenOnce_data()
    {
        QTest::addColumn<QString>("htmlN");
        QTest::addColumn<QString>("field");
        for (const ElementKind& kind : ElementKind::All())
            for (const ElementField& field : Controls(kind))
                QTest::addRow("%s %s", qPrintable(kind.HtmlN), qPrintable(field.Name)) << kind.HtmlN << field.Name;
    }
    void attributeWrittenOnce()
    {
        QFETCH(QString, htmlN);
        QFETCH(QString, field);
        const ElementKind* kind = ElementKind::Find(htmlN);
        const QList<ElementField> controls = Controls(*kind);
        const auto described =
            std::find_if(controls.begin(), controls.end(), [&](const ElementField& f) { return f.Name == field; });
        QVERIFY(described != controls.end());

        QStringList attrs;
        for (const QString& attr : kind->SlotNames)
            if (!attr.isEmpty())
                attrs << attr;
        AttributeList odd;
        for (const QString& attr : std::as_const(attrs))
            odd.append({attr, QStringLiteral("x-odd")});
        odd.append({QString(), QString()});
        auto form = Open(htmlN, odd);
        form->Prepare();
        QStringList untouched;
        for (const auto& [name, value] : Written(form->Markup().OkMarkup()))
            untouched << name;
        for (const QString& attr : std::as_const(attrs))
            QVERIFY2(untouched.count(attr) == 1, qPrintable(form->Markup().OkMarkup()));

        const int uses = described->Kind == FieldKind::Options ? int(described->OptionCaptions.size()) : 1;
        for (int use = 0; use < uses; ++use) {
            const QString value = SetField(form.get(), *described, use);
            const QString tag = form->Markup().OkMarkup();
            const AttributeList written = Written(tag);
            QVERIFY2(Repeated(written).isEmpty(), qPrintable(tag));
            const QString& attr = described->Attr;
            if (attr.isEmpty())
                continue; // the kind's hook writes what it sets; enough that nothing is written twice
            const auto found =
                std::find_if(written.begin(), written.end(), [&](const auto& a) { return a.first == attr; });
            if (value.isEmpty())
                QVERIFY2(found == written.end(), qPrintable(tag));
            else if (kind->IsFlag(kind->SlotOf(attr)))
                QVERIFY2(found != written.end() && found->second.isEmpty(), qPrintable(tag));
            else
                QVERIFY2(found != written.end() && found->second == value, qPrintable(tag));
        }
    }

    // Pasted into any text box that sets an attribute, control characters stay out of the markup.
    void controlCharactersDropped_data()
    {
        QTest::addColumn<QString>("htmlN");
        QTest::addColumn<QString>("field");
        for (const auto& [kind, field] : Fields({FieldKind::Text, FieldKind::File}))
            if (!field.Attr.isEmpty())
                QTest::addRow("%s %s", qPrintable(kind->HtmlN), qPrintable(field.Name)) << kind->HtmlN << field.Name;
    }
    void controlCharactersDropped()
    {
        QFETCH(QString, htmlN);
        QFETCH(QString, field);
        const ElementField* described = Described(htmlN, field);
        auto form = Open(htmlN);
        QLineEdit* box = EmptyBox(form.get(), *described);
        QGuiApplication::clipboard()->setText(QStringLiteral("a\u0001b\u001bc") + QChar(0) + QStringLiteral("d"));
        QTest::keySequence(box, QKeySequence::Paste);
        QVERIFY2(box->text().size() == 7, "the box itself shows what was pasted");
        form->OkCommand->click();
        const QString attribute = ' ' + described->Attr + "=\"abcd\"";
        QVERIFY2(OkMarkup(*form).contains(attribute), qPrintable(OkMarkup(*form)));
    }

    // However long the number typed into a number or digits box, the box and its attribute hold a whole number
    // within the box's range: a number box brings it there, a digits box refuses the key that would leave it.
    void numbersWithinRange_data()
    {
        QTest::addColumn<QString>("htmlN");
        QTest::addColumn<QString>("field");
        for (const auto& [kind, field] : Fields({FieldKind::Number, FieldKind::Digits}))
            QTest::addRow("%s %s", qPrintable(kind->HtmlN), qPrintable(field.Name)) << kind->HtmlN << field.Name;
    }
    void numbersWithinRange()
    {
        QFETCH(QString, htmlN);
        QFETCH(QString, field);
        const ElementField* described = Described(htmlN, field);
        auto form = Open(htmlN);
        QLineEdit* box = EmptyBox(form.get(), *described);
        const QString typed = QStringLiteral("1") + QString(20, QLatin1Char('0'));
        QTest::keyClicks(box, typed);
        const QString top = QString::number(described->Maximum);
        const QString expected = described->Kind == FieldKind::Number ? top : typed.left(top.size());
        QCOMPARE(box->text(), expected);
        if (described->Attr.isEmpty())
            return; // the kind's hook writes it (the play times)
        form->OkCommand->click();
        const QString unit = field == QLatin1String("HrText_1") ? QStringLiteral("%") : QString();
        const QString attribute = ' ' + described->Attr + "=\"" + expected + unit + '"';
        QVERIFY2(OkMarkup(*form).contains(attribute), qPrintable(OkMarkup(*form)));
    }

    // The field kinds no kind shows yet: a slider and a combo on the media kind's slots.
    void sliderAndCombo()
    {
        auto form = Open("<embed");
        form->Prepare();
        ElementKind::Frame described{"TestFrame",
                                     {ElementField::Slider("HearHScroll", "音量", "volume", 0, 100, 10),
                                      ElementField::Combo("ControlCombo", "面板", "controls", {"正常面板", "小面板"},
                                                          {"console", "smallconsole"})}};
        auto* frame = new FieldFrame(form.get(), described);
        frame->Get<QScrollBar>("HearHScroll")->setValue(80);
        auto* combo = frame->Get<QComboBox>("ControlCombo");
        combo->setCurrentIndex(1);
        Q_EMIT combo->activated(1);
        QCOMPARE(form->Markup().OkMarkup(), QStringLiteral("<embed controls=\"smallconsole\" volume=\"80\">\r\n"));
        QTest::keyClicks(combo->lineEdit(), "x");
        QCOMPARE(form->Markup().Attr("controls"), QStringLiteral("小面板x"));

        // Edit mode: the ends of the slider stand for no position; a named choice in any case is chosen.
        QVERIFY(!frame->ApplyAttr("volume", "100"));
        QVERIFY(frame->ApplyAttr("volume", "35"));
        QCOMPARE(frame->Get<QScrollBar>("HearHScroll")->value(), 35);
        QVERIFY(frame->ApplyAttr("controls", "CONSOLE"));
        QCOMPARE(combo->currentIndex(), 0);
        QCOMPARE(form->Markup().Attr("controls"), QStringLiteral("console"));
        QVERIFY(frame->ApplyAttr("controls", "volumelever"));
        QCOMPARE(combo->currentText(), QStringLiteral("volumelever"));
    }

    // A digits-only box refuses a paste that holds anything but digits, by keys or from its menu.
    void pasteIntoDigits_data()
    {
        QTest::addColumn<QString>("clip");
        QTest::addColumn<bool>("menu");
        QTest::addColumn<QString>("expected");
        QTest::newRow("letters by Ctrl+V") << "5xyz" << false << "<img height=\"7\">\r\n";
        QTest::newRow("letters from the menu") << "5xyz" << true << "<img height=\"7\">\r\n";
        QTest::newRow("digits by Ctrl+V") << "12" << false << "<img height=\"712\">\r\n";
        QTest::newRow("digits from the menu") << "12" << true << "<img height=\"712\">\r\n";
    }
    void pasteIntoDigits()
    {
        QFETCH(QString, clip);
        QFETCH(bool, menu);
        auto form = Open("<img");
        form->Prepare();
        auto* box = Child<QLineEdit>(form.get(), "ImgText_4");
        QTest::keyClicks(box, "7");
        QGuiApplication::clipboard()->setText(clip);
        if (menu) {
            std::unique_ptr<QMenu> context(box->createStandardContextMenu());
            QAction* paste = nullptr;
            for (QAction* action : context->actions())
                if (action->text().startsWith(QLatin1String("&Paste")))
                    paste = action;
            QVERIFY(paste && paste->isEnabled());
            paste->trigger();
        } else {
            QTest::keySequence(box, QKeySequence::Paste);
        }
        form->OkCommand->click();
        QTEST(OkMarkup(*form), "expected");
    }

    void markupRow_data()
    {
        QTest::addColumn<QString>("htmlN");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("expected");
        QTest::newRow("link") << "<a"
                              << QStringList{"LinkText_0:=a.html", "LinkCheck1", "LinkCombo#0", "HtmlText:=首页"}

                              << "<a href=\"a.html\" target=\"_blank\">首页</a>\r\n";
        QTest::newRow("paragraph") << "<p"
                                   << QStringList{"DirOption_2", "AlignOption_4", "NameText:=n", "HtmlText:=a<b",
                                                  "CcText_0:=i"}

                                   << "<p dir=\"rtl\" align=\"justify\" name=\"n\" id=\"i\">a&lt;b</p>\r\n";
        QTest::newRow("span") << "<span" << QStringList{"AlignOption_3", "HtmlText:=x"}
                              << "<span align=\"center\">x</span>\r\n";
        QTest::newRow("block") << "<div" << QStringList{"DirOption_1", "CcText_1:=t", "HtmlText:=x"}
                               << "<div dir=\"ltr\" title=\"t\">x</div>\r\n";
        QTest::newRow("preformatted") << "<pre" << QStringList{"HtmlText:=a<b\n c"} << "<pre>a<b\r\n c</pre>\r\n";
        QTest::newRow("image") << "<img"
                               << QStringList{"ImgText_0:=a.gif", "ImgText_1:=alt", "ImgText_2:=0", "ImgText_3:=50%",
                                              "ImgText_4:=20",    "ImgNameText:=m", "ImgOption_2"}

                               << "<img name=\"m\" align=\"bottom\" src=\"a.gif\" alt=\"alt\" border=\"0\" "
                                  "width=\"50%\" height=\"20\">\r\n";
        QTest::newRow("rule") << "<hr" << QStringList{"HrText_0:=2", "HrOption_1", "HrText_1:=50", "HrCheck"}
                              << "<hr size=\"2\" width=\"50\" noshade>\r\n";
        QTest::newRow("media") << "<embed"
                               << QStringList{"EmbedText_0:=a.mp3", "EmbedLoopOption_2", "NumText:=3", "CcText_0:=e"}
                               << "<embed src=\"a.mp3\" loop=\"3\" id=\"e\">\r\n";
        QTest::newRow("background sound")
            << "<bgsound" << QStringList{"BgsoundText_0:=a.mid", "BgsoundText_1:=2", "CcText_0:=b"}
            << "<bgsound src=\"a.mid\" loop=\"2\" id=\"b\">\r\n";
        QTest::newRow("scrolling text")
            << "<marquee" << QStringList{"MarToOption_2", "MarStyleOption_1", "MarText_1:=5", "HtmlText:=m"}
            << "<marquee direction=\"up\" behavior=\"alternate\" scrollamount=\"5\">m</marquee>\r\n";
        QTest::newRow("inline frame") << "<iframe"
                                      << QStringList{"IframeText_0:=a.html", "IframeCheck_1", "DirOption_1",
                                                     "NameText:=f"}
                                      << "<iframe dir=\"ltr\" name=\"f\" src=\"a.html\" scrolling=\"no\"></iframe>\r\n";
        QTest::newRow("form") << "<form" << QStringList{"FormNameText:=f"}
                              << "<form name=\"f\" method=\"post\"> \r\n \r\n \r\n<input type=submit value=发送>\r\n"
                                 "<input type=reset value=重写>\r\n</form>\r\n";
        QTest::newRow("text box") << "<input type=text" << QStringList{"FormNameText:=t", "FormTextText_1:=20"}
                                  << "<input type=text name=\"t\" size=\"20\">\r\n";
        QTest::newRow("multi-line box") << "<textarea"
                                        << QStringList{"FormNameText:=ta", "TextareaText_0:=abc", "HtmlText:=x"}
                                        << "<textarea name=\"ta\" rows=\"0\">x</textarea>\r\n";
        QTest::newRow("password") << "<input type=password" << QStringList{"FormNameText:=pw", "FtextCheck"}
                                  << "<input type=password name=\"pw\" readonly>\r\n";
        QTest::newRow("check box") << "<input type=checkbox"
                                   << QStringList{"FormNameText:=c", "FormCheckText:=1", "FormCheckCheck",
                                                  "HtmlText:=同意"}
                                   << "<input type=checkbox name=\"c\" value=\"1\" checked>同意\r\n";
        QTest::newRow("radio group") << "<input type=radio"
                                     << QStringList{"AddListCommand", "ValueText:=m", "SelectText_0:=男",
                                                    "FradioText:=sex", "RadioCheck"}

                                     << "<p><input type=radio name=sex value=m>男<br>\r\n</p>\r\n";
        QTest::newRow("list box") << "<select" << QStringList{"AddListCommand",  "SelectText_0:=one", "ValueText:=1",
                                                              "SelectText_1:=3", "SelectCheck",       "FormNameText:=s"}

                                  << "<select name=\"s\" size=\"3\" multiple><option value=1>one\r\n</select>\r\n";
        QTest::newRow("command button") << "<input type=button"
                                        << QStringList{"FbuttonText_0:=Go", "FbuttonText_1:=b", "CcText_0:=i"}
                                        << "<input type=button value=\"Go\" name=\"b\" id=\"i\">\r\n";
        // The alignment shows "中间" chosen from the start, yet writes nothing until clicked.
        QTest::newRow("caption") << "<caption" << QStringList{"CapValignOption_1", "HtmlText:=T"}
                                 << "<caption valign=\"bottom\">T</caption>\r\n";
        QTest::newRow("table") << "<table"
                               << QStringList{"TableText_0:=1", "TableText_1:=80%", "TabAlignOption_2", "RulesOption_2",
                                              "CcText_0:=t"}
                               << "<table border=\"1\" width=\"80%\" align=\"center\" rules=\"rows\" id=\"t\">\r\n";
        QTest::newRow("table without frame or rules") << "<table" << QStringList{"BorderShowOption_7", "RulesOption_4"}
                                                      << "<table frame=\"void\" rules=\"none\">\r\n";
        QTest::newRow("bullets") << "<ul"
                                 << QStringList{"AddListCommand", "SelectText_0:=a", "AddListCommand",
                                                "SelectText_0:=b", "UlOption_1"}
                                 << "<ul><li type=disc>a\r\n<li type=circle>b\r\n</ul>\r\n";
        QTest::newRow("numbers") << "<ol" << QStringList{"OlOption_3", "OlText:=3", "AddListCommand", "SelectText_0:=a"}
                                 << "<ol type=\"I\" start=\"3\"><li>a\r\n</ol>\r\n";
        QTest::newRow("definitions") << "<dl"
                                     << QStringList{"AddListCommand", "SelectText_0:=a", "AddListCommand",
                                                    "SelectText_0:=b"}
                                     << "<dl><dd>a\r\n<dd>b\r\n</dl>\r\n";
    }
    void markupRow()
    {
        QFETCH(QString, htmlN);
        QFETCH(QStringList, steps);
        auto form = Open(htmlN);
        form->Prepare();
        for (const QString& step : std::as_const(steps))
            Apply(form.get(), step);
        form->OkCommand->click();
        QTEST(OkMarkup(*form), "expected");
    }

    // Tab from the first field to Cancel: the kind's fields, the name, the content, the common boxes, the buttons.
    void focusWalk_data()
    {
        QTest::addColumn<QString>("htmlN");
        QTest::addColumn<QString>("fields"); // up to the common boxes, blank-separated
        QTest::addColumn<bool>("common");
        QTest::newRow("<a") << "<a"
                            << "LinkText_0 LinkCheck1 HtmlText HtmlCheck" << true;
        QTest::newRow("<p") << "<p"
                            << "DirOption_0 AlignOption_0 NameText HtmlText HtmlCheck" << true;
        QTest::newRow("<span") << "<span"
                               << "DirOption_0 AlignOption_0 NameText HtmlText HtmlCheck" << true;
        QTest::newRow("<div") << "<div"
                              << "DirOption_0 AlignOption_0 NameText HtmlText HtmlCheck" << true;
        QTest::newRow("<pre") << "<pre"
                              << "DirOption_0 AlignOption_0 NameText HtmlText HtmlCheck" << true;
        QTest::newRow("<img") << "<img"
                              << "ImgText_0 ImgCommand ImgText_1 ImgText_2 ImgText_3 ImgText_4 ImgNameText ImgOption_0"
                              << true;
        QTest::newRow("<hr") << "<hr"
                             << "HrText_0 HrText_1 HrOption_0 HrColorCommand HrCheck" << true;
        QTest::newRow("<embed") << "<embed"
                                << "EmbedText_0 OpenEmbedCommand EmbedLoopOption_1 ControlOption_0 EmbedText_1 "
                                   "EmbedText_2 EmbedText_3 EmbedText_4 EmbedText_5 EmbedText_6 AutoStartCheck "
                                   "EmbedDisplayCheck HearHScroll"
                                << true;
        QTest::newRow("<bgsound") << "<bgsound"
                                  << "BgsoundText_0 BgSoundCommand BgsoundText_1 BgsoundHScroll" << true;
        QTest::newRow("<marquee") << "<marquee"
                                  << "MarToOption_0 MarStyleOption_0 MarNumCheck MarText_1 MarText_2 MarText_3 "
                                     "MarText_4 MarColorCommand MarImgText1 MarImgCommand HtmlText HtmlCheck"
                                  << true;
        QTest::newRow("<iframe") << "<iframe"
                                 << "IframeText_0 IframeOpenCommand IframeText_1 IframeText_2 IframeCheck_0 "
                                    "IframeCheck_1 DirOption_0 AlignOption_0 NameText"
                                 << true;
        QTest::newRow("<form") << "<form"
                               << "FormText MethodOption_0 FCheck SendCheck_0 SendCheck_1 FormNameText" << true;
        QTest::newRow("<input type=text")
            << "<input type=text"
            << "FormTextText_0 FormTextText_1 FormTextText_2 FtextCheck FormNameText" << true;
        QTest::newRow("<textarea") << "<textarea"
                                   << "TextareaText_0 TextareaText_1 WrapOption_0 TextreaCheck FormNameText HtmlText "
                                      "HtmlCheck"
                                   << true;
        QTest::newRow("<input type=password") << "<input type=password"
                                              << "FormTextText_1 FormTextText_2 FtextCheck FormNameText" << true;
        QTest::newRow("<input type=checkbox") << "<input type=checkbox"
                                              << "FormCheckText FormCheckCheck FormNameText HtmlText HtmlCheck" << true;
        QTest::newRow("<input type=radio") << "<input type=radio"
                                           << "SelectList AddListCommand FradioText RadioCheck" << false;
        QTest::newRow("<select") << "<select"
                                 << "SelectList AddListCommand SelectText_1 SelectCheck FormNameText" << true;
        QTest::newRow("<input type=button") << "<input type=button"
                                            << "FbuttonText_0 FbuttonText_1" << true;
        QTest::newRow("<caption") << "<caption"
                                  << "CapAlignOption_0 CapValignOption_0 HtmlText HtmlCheck" << true;
        QTest::newRow("<table") << "<table"
                                << "TableText_0 TableText_1 TableText_2 TableText_3 TableText_4 TableText_5 "
                                   "TableBgCommand TableBorderColorCommand TableBgcolorCommand TabAlignOption_0 "
                                   "BorderShowOption_0 RulesOption_0"
                                << true;
        QTest::newRow("<ul") << "<ul"
                             << "SelectList AddListCommand UlOption_0" << false;
        QTest::newRow("<ol") << "<ol"
                             << "SelectList AddListCommand OlOption_0 OlText" << false;
        QTest::newRow("<dl") << "<dl"
                             << "SelectList AddListCommand" << false;
    }
    void focusWalk()
    {
        QFETCH(QString, htmlN);
        auto form = Open(htmlN);
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QStringList walk{QApplication::focusWidget()->objectName()};
        while (walk.size() < 40 && walk.last() != QLatin1String("CancelCommand")) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walk << QApplication::focusWidget()->objectName();
        }
        form->reject();
        QFETCH(QString, fields);
        QFETCH(bool, common);
        QStringList expected = fields.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (common)
            expected << "CcText_0"
                     << "CcText_1"
                     << "CcText_2";
        expected << "SCommand"
                 << "ECommand"
                 << "OtherCommand"
                 << "TxCommand"
                 << "ShowCommand"
                 << "OkCommand"
                 << "CancelCommand";
        QCOMPARE(walk.join(QLatin1Char(' ')), expected.join(QLatin1Char(' ')));
    }
};

QTEST_MAIN(TestElementKinds)
#include "tst_elementkinds.moc"
