#include "base/messages.h"
#include "base/programstate.h"
#include "builders/styles/colordialog.h"
#include "editor/completionlists.h"
#include "editor/pageedit.h"
#include "editor/pagewindow.h"
#include "modaldriver.h"
#include "scriptedprompts.h"
#include "shell/mainframe.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>

#include <memory>

// Types into a real page window with the real tag database and checks text, caret, lists and descriptions.
class TestCompletion : public QObject
{
    Q_OBJECT

    ScriptedPrompts prompts_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<ProgramState> shared_;
    std::unique_ptr<MainFrame> frame_;

    PageWindow* Doc() { return frame_->ActiveDocument(); }
    PageEdit* Edit() { return Doc()->pageEdit; }
    QListWidget* List(const char* name) { return Doc()->findChild<QListWidget*>(QString::fromLatin1(name)); }
    QString Description() { return Doc()->Lists->TxtText->text(); }
    int Mode() { return Doc()->Lists->State.ListMode; }
    // The lists that show.
    QStringList Shown()
    {
        QStringList names;
        for (QListWidget* list : Doc()->findChildren<QListWidget*>()) {
            if (!list->isHidden())
                names.append(list->objectName());
        }
        return names;
    }
    QString Highlighted(const char* name)
    {
        QListWidget* list = List(name);
        const int row = CompletionLists::Highlight(list);
        return row < 0 ? QStringLiteral("-") : list->item(row)->text();
    }
    // Keys go where the keyboard focus is, as they would for a user.
    QWidget* Target()
    {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus : Edit();
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyPress(Target(), key, modifiers);
        QTest::keyRelease(Target(), key, modifiers);
    }
    void Type(const QString& text)
    {
        for (const QChar ch : text) {
            const char c = ch.toLatin1();
            const Qt::KeyboardModifiers shift = ch.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
            QTest::keyPress(Target(), c, shift);
            QTest::keyRelease(Target(), c, shift);
        }
    }
    // The text with "|" at the caret.
    QString Marked()
    {
        QString text = Edit()->RawText();
        return text.insert(Edit()->SelStart(), QLatin1Char('|'));
    }
    // Starts the page with `text`, caret at its end.
    void Start(const QString& text)
    {
        Doc()->HideCompletion();
        Edit()->setPlainText(text);
        Edit()->moveCursor(QTextCursor::End);
        Edit()->setFocus();
    }

private Q_SLOTS:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        shared_ = std::make_unique<ProgramState>(dir_->path());
        shared_->Prompts = &prompts_;
        QCOMPARE(shared_->Db.Load(QStringLiteral(KESTREL_BUILD_DIR "/data.xml")), TagDb::Loaded);
        prompts_.Record().clear();
        prompts_.SetResponder([](const MessageRecord& box, QString&) {
            return box.buttons == MsgButtons::YesNoCancel ? MsgAnswer::No : MsgAnswer::Ok;
        });
        frame_ = std::make_unique<MainFrame>(*shared_);
        frame_->show();
        QVERIFY(QTest::qWaitForWindowActive(frame_.get()));
        Start(QString());
    }
    void cleanup()
    {
        frame_.reset();
        shared_.reset();
        dir_.reset();
    }

    void imgSrcFromTheKeyboard()
    {
        Type(QStringLiteral("<im"));
        QCOMPARE(Shown(), QStringList{QStringLiteral("TagList")});
        QCOMPARE(Highlighted("TagList"), QStringLiteral("img"));
        QVERIFY(Description().startsWith(QStringLiteral("说明:  ")));
        Key(Qt::Key_Return);
        QCOMPARE(Marked(), QStringLiteral("<img|"));
        Type(QStringLiteral(" "));
        QCOMPARE(Shown(), QStringList{QStringLiteral("HtmlPList")});
        QCOMPARE(Highlighted("HtmlPList"), QStringLiteral("-"));
        Type(QStringLiteral("sr"));
        QCOMPARE(Highlighted("HtmlPList"), QStringLiteral("src"));
        Key(Qt::Key_Return);
        // src has no value list: no list, and the next key opens nothing.
        QCOMPARE(Marked(), QStringLiteral("<img src=\"|\""));
        QCOMPARE(Shown(), QStringList());
        QCOMPARE(Mode(), int(CompletionState::NoList));
    }

    void attributeWithValues()
    {
        Type(QStringLiteral("<A "));
        QCOMPARE(Shown(), QStringList{QStringLiteral("HtmlPList")});
        QCOMPARE(List("HtmlPList")->item(0)->text(), QStringLiteral("href"));
        Type(QStringLiteral("hr"));
        QCOMPARE(Description().left(5), QStringLiteral("说明:  "));
        Key(Qt::Key_Return);
        // The blank accepted the highlighted tag name: "A" became "a".
        QCOMPARE(Marked(), QStringLiteral("<a href=\"|\""));
        QCOMPARE(Shown(), QStringList{QStringLiteral("ValueList")});
        QCOMPARE(Highlighted("ValueList"), QStringLiteral("-"));
        Type(QStringLiteral("#T"));
        QCOMPARE(Highlighted("ValueList"), QStringLiteral("#top"));
        Key(Qt::Key_Return);
        QCOMPARE(Marked(), QStringLiteral("<a href=\"#top|\""));
        QCOMPARE(Shown(), QStringList());
    }

    void upperCaseTagOpensAttributes()
    {
        Start(QStringLiteral("<A"));
        Type(QStringLiteral(" "));
        QCOMPARE(Shown(), QStringList{QStringLiteral("HtmlPList")});
        QCOMPARE(List("HtmlPList")->item(0)->text(), QStringLiteral("href"));
    }

    void blankAcceptsAndBareAttribute()
    {
        // An attribute that takes no value: name and two blanks, caret between them; the accepting blank is
        // swallowed and its release does not open the list again.
        Type(QStringLiteral("<td nowr "));
        QCOMPARE(Marked(), QStringLiteral("<td nowrap | "));
        QCOMPARE(Shown(), QStringList());
        QCOMPARE(Mode(), int(CompletionState::NoList));
        // The next blank is an ordinary one inside the tag: the list comes back.
        Type(QStringLiteral(" "));
        QCOMPARE(Shown(), QStringList{QStringLiteral("HtmlPList")});
    }

    void tagListFilter()
    {
        Type(QStringLiteral("<"));
        QCOMPARE(Shown(), QStringList{QStringLiteral("TagList")});
        QCOMPARE(Highlighted("TagList"), QStringLiteral("-"));
        QCOMPARE(Description(), QString());
        Type(QStringLiteral("IM"));
        QCOMPARE(Highlighted("TagList"), QStringLiteral("img"));
        Key(Qt::Key_Backspace);
        Key(Qt::Key_Backspace);
        QCOMPARE(Highlighted("TagList"), QStringLiteral("-"));
        QCOMPARE(Shown(), QStringList{QStringLiteral("TagList")});
        // Only the seed is left: Backspace closes.
        Key(Qt::Key_Backspace);
        QCOMPARE(Shown(), QStringList());
        QCOMPARE(Marked(), QStringLiteral("|"));
    }

    void acceptAfterUndoWritesNothing()
    {
        Start(QStringLiteral("abc"));
        Type(QStringLiteral("<im"));
        Key(Qt::Key_Z, Qt::ControlModifier); // undoes typing the list never heard of
        const QString undone = Edit()->RawText();
        QVERIFY(undone != QStringLiteral("abc<im"));
        Key(Qt::Key_Return);
        QCOMPARE(Edit()->RawText(), undone);
        QCOMPARE(Shown(), QStringList());
    }

    void twentyOneCharactersClose()
    {
        Type(QStringLiteral("<") + QString(19, QLatin1Char('b')));
        QCOMPARE(Shown(), QStringList{QStringLiteral("TagList")});
        Type(QStringLiteral("b"));
        QCOMPARE(Shown(), QStringList());
        QCOMPARE(Edit()->RawText(), QStringLiteral("<") + QString(20, QLatin1Char('b')));
    }

    void noMatchThenEnter_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("after"); // the text after Enter, "|" at the caret
        QTest::addColumn<bool>("open");     // the list is still open
        QTest::newRow("tag list") << ""
                                  << "<zz"
                                  << "TagList"
                                  << "<zz|" << true;
        QTest::newRow("script members") << "<script>\n"
                                        << "document.zz"
                                        << "JavaList"
                                        << "<script>\ndocument.zz|" << true;
        QTest::newRow("script style") << "<script>\n"
                                      << "x.style.zz"
                                      << "JStyleList"
                                      << "<script>\nx.style.zz|" << true;
        QTest::newRow("values") << ""
                                << "<a hr\rzz"
                                << "ValueList"
                                << "<a href=\"zz|\"" << true;
        QTest::newRow("css values") << "<p style=\""
                                    << ";co\rzz"
                                    << "StyleValueList"
                                    << "<p style=\";color:zz|" << true;
        QTest::newRow("attributes") << ""
                                    << "<a zz"
                                    << "HtmlPList"
                                    << "<a zz\n|" << false;
        QTest::newRow("css properties") << "<style>\np "
                                        << "{zz"
                                        << "StyleList"
                                        << "<style>\np {zz\n|" << false;
    }
    void noMatchThenEnter()
    {
        QFETCH(QString, before);
        QFETCH(QString, typed);
        QFETCH(QString, list);
        Start(before);
        for (const QChar ch : typed) {
            if (ch == QLatin1Char('\r'))
                Key(Qt::Key_Return);
            else
                Type(QString(ch));
        }
        QCOMPARE(Shown(), QStringList{list});
        QCOMPARE(Highlighted(list.toLatin1().constData()), QStringLiteral("-"));
        Key(Qt::Key_Return);
        QTEST(Marked(), "after");
        QFETCH(bool, open);
        QCOMPARE(Shown(), open ? QStringList{list} : QStringList());
    }

    void blankOpensNothing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("inside a double-quoted value") << "<a title=\"x ";
        QTest::newRow("unknown element") << "<zz ";
        QTest::newRow("after the tag") << "<a> ";
    }
    void blankOpensNothing()
    {
        QFETCH(QString, typed);
        // Typed after an Esc so the tag list is out of the way.
        Type(typed.left(1));
        Key(Qt::Key_Escape);
        Type(typed.mid(1));
        QCOMPARE(Edit()->RawText(), typed);
        QCOMPARE(Shown(), QStringList());
    }

    void scriptMembers()
    {
        Start(QStringLiteral("<script>\nvar t = "));
        Type(QStringLiteral("document."));
        QCOMPARE(Shown(), QStringList{QStringLiteral("JavaList")});
        QCOMPARE(List("JavaList")->item(0)->text(), QStringLiteral("title"));
        Type(QStringLiteral("TI"));
        QCOMPARE(Highlighted("JavaList"), QStringLiteral("title"));
        QCOMPARE(Description(), QStringLiteral("页面标题,即 title 标记的内容")); // no prefix
        Key(Qt::Key_Return);
        QCOMPARE(Marked(), QStringLiteral("<script>\nvar t = document.title|"));
        // Deeper: document.body is an object too.
        Type(QStringLiteral(";document.body."));
        QCOMPARE(Shown(), QStringList{QStringLiteral("JavaList")});
        QVERIFY(List("JavaList")->findItems(QStringLiteral("className"), Qt::MatchExactly).size() == 1);
    }

    void scriptDotOpensNothing_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("typed");
        QTest::newRow("digit before the dot") << "<script>\n"
                                              << "a1.";
        QTest::newRow("outside a script") << "<p>\n"
                                          << "document.";
        QTest::newRow("after the script ended") << "<script></script>\n"
                                                << "document.";
        QTest::newRow("not an object") << "<script>\n"
                                       << "nothing.";
    }
    void scriptDotOpensNothing()
    {
        QFETCH(QString, before);
        QFETCH(QString, typed);
        Start(before);
        Type(typed);
        QCOMPARE(Shown(), QStringList());
        QCOMPARE(Edit()->RawText(), before + typed);
    }

    void scriptStyle()
    {
        Start(QStringLiteral("<script>\n"));
        Type(QStringLiteral("x.style.fontf"));
        QCOMPARE(Shown(), QStringList{QStringLiteral("JStyleList")});
        QCOMPARE(Highlighted("JStyleList"), QStringLiteral("fontFamily"));
        QVERIFY(!Description().isEmpty());
        QVERIFY(!Description().startsWith(QStringLiteral("说明")));
        Key(Qt::Key_Return);
        QCOMPARE(Marked(), QStringLiteral("<script>\nx.style.fontFamily|"));
    }

    void styleAttributeAndValues()
    {
        Type(QStringLiteral("<p sty"));
        QCOMPARE(Highlighted("HtmlPList"), QStringLiteral("style"));
        Key(Qt::Key_Return);
        QCOMPARE(Marked(), QStringLiteral("<p style=\"|\""));
        QCOMPARE(Shown(), QStringList{QStringLiteral("StyleList")});
        Type(QStringLiteral("co"));
        QCOMPARE(Highlighted("StyleList"), QStringLiteral("color"));
        QCOMPARE(Description(), QStringLiteral("说明  :文字颜色,如 #ff0000 或 red"));
        Key(Qt::Key_Return);
        QCOMPARE(Marked(), QStringLiteral("<p style=\"color:|\""));
        QCOMPARE(Shown(), QStringList{QStringLiteral("StyleValueList")});
        Type(QStringLiteral("re"));
        QCOMPARE(Highlighted("StyleValueList"), QStringLiteral("red"));
        QVERIFY(Description().startsWith(QStringLiteral("说明:  ")));
        Key(Qt::Key_Return);
        QCOMPARE(Marked(), QStringLiteral("<p style=\"color:red|\""));
        // A ";" inside the value opens the properties again.
        Type(QStringLiteral(";"));
        QCOMPARE(Shown(), QStringList{QStringLiteral("StyleList")});
    }

    void semicolonAfterTheValueClosed()
    {
        Start(QStringLiteral("<p style=\"color:red\" title=\"a"));
        Type(QStringLiteral(";"));
        QCOMPARE(Shown(), QStringList());
        Start(QStringLiteral("<p style='color:red"));
        Type(QStringLiteral(";"));
        QCOMPARE(Shown(), QStringList{QStringLiteral("StyleList")});
    }

    void braceOpensPropertiesInStyleBlockOnly()
    {
        Start(QStringLiteral("<body>\np "));
        Type(QStringLiteral("{"));
        QCOMPARE(Shown(), QStringList());
        Start(QStringLiteral("<style type=\"text/css\">\np "));
        Type(QStringLiteral("{"));
        QCOMPARE(Shown(), QStringList{QStringLiteral("StyleList")});
        Type(QStringLiteral("font-s "));
        QCOMPARE(Marked(), QStringLiteral("<style type=\"text/css\">\np {font-size:|"));
        QCOMPARE(Shown(), QStringList{QStringLiteral("StyleValueList")});
    }

    // The checks keep what they learnt about each line; typing into a line must renew it.
    void markersFollowTheTyping()
    {
        Start(QStringLiteral("<style>\np "));
        Type(QStringLiteral(";"));
        QCOMPARE(Shown(), QStringList());
        Type(QStringLiteral("{"));
        QCOMPARE(Shown(), QStringList{QStringLiteral("StyleList")});
        Key(Qt::Key_Escape);
        Type(QStringLiteral("a;"));
        QCOMPARE(Shown(), QStringList{QStringLiteral("StyleList")});
        Key(Qt::Key_Escape);
        Type(QStringLiteral("}"));
        Type(QStringLiteral(";"));
        QCOMPARE(Shown(), QStringList());
    }

    void fontProperty()
    {
        Start(QStringLiteral("<p style=\""));
        Type(QStringLiteral(";font-f"));
        Key(Qt::Key_Return);
        QCOMPARE(Marked(), QStringLiteral("<p style=\";font-family:|"));
        QCOMPARE(Shown(), QStringList{QStringLiteral("FontList")});
        QListWidget* fonts = List("FontList");
        if (fonts->count() == 0)
            QSKIP("no fonts installed");
        Key(Qt::Key_Down); // into the list, first font highlighted
        QCOMPARE(QApplication::focusWidget(), fonts);
        const QString font = fonts->item(0)->text();
        QCOMPARE(Highlighted("FontList"), font);
        Key(Qt::Key_Return);
        QCOMPARE(Marked(), QStringLiteral("<p style=\";font-family:") + font + QLatin1Char('|'));
        QCOMPARE(Shown(), QStringList());
        QCOMPARE(QApplication::focusWidget(), Edit());
    }

    void arrowsAndListKeys()
    {
        Type(QStringLiteral("<b"));
        QCOMPARE(Highlighted("TagList"), QStringLiteral("b"));
        Key(Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), List("TagList"));
        QCOMPARE(Highlighted("TagList"), QStringLiteral("base"));
        QCOMPARE(Description().left(5), QStringLiteral("说明:  "));
        // Typing goes on in the text and keeps filtering.
        Type(QStringLiteral("o"));
        QCOMPARE(QApplication::focusWidget(), Edit());
        QCOMPARE(Highlighted("TagList"), QStringLiteral("body"));
        Key(Qt::Key_Down);
        Key(Qt::Key_Up);
        Key(Qt::Key_Return); // Enter in the list accepts
        QCOMPARE(Marked(), QStringLiteral("<body|"));
        QCOMPARE(Shown(), QStringList());
        // Left released in a list: closed, caret one to the left.
        Type(QStringLiteral("<"));
        Key(Qt::Key_Down);
        Key(Qt::Key_Left);
        QCOMPARE(Shown(), QStringList());
        QCOMPARE(Marked(), QStringLiteral("<body|<"));
    }

    void keysThatClose_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("Home") << int(Qt::Key_Home);
        QTest::newRow("End") << int(Qt::Key_End);
        QTest::newRow("Right") << int(Qt::Key_Right);
        QTest::newRow("greater-than") << int(Qt::Key_Greater);
        QTest::newRow("slash") << int(Qt::Key_Slash);
        QTest::newRow("Tab") << int(Qt::Key_Tab);
        QTest::newRow("double quote") << int(Qt::Key_QuoteDbl);
        QTest::newRow("single quote") << int(Qt::Key_Apostrophe);
        QTest::newRow("equals") << int(Qt::Key_Equal);
        QTest::newRow("closing brace") << int(Qt::Key_BraceRight);
    }
    void keysThatClose()
    {
        QFETCH(int, key);
        Type(QStringLiteral("<a"));
        QCOMPARE(Shown(), QStringList{QStringLiteral("TagList")});
        Key(Qt::Key(key));
        QCOMPARE(Shown(), QStringList());
        QCOMPARE(Description(), QString());
    }

    // Starts the page with `text`, the caret at its "|".
    void StartMarked(const QString& text)
    {
        const int caret = int(text.indexOf(QLatin1Char('|')));
        Start(QString(text).remove(QLatin1Char('|')));
        Edit()->SetSelStart(caret);
    }

    // With 自动闭合标记 on (completion on or off), a ">" that ends a start tag puts its end tag after the caret,
    // in one undo step with the ">".
    void autoClose_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("on");
        struct Row
        {
            const char *name, *before, *typed, *after;
            bool on;
        };
        const Row rows[] = {
            {"element", "|", "<div>", "<div>|</div>", true},
            {"attributes", "<p class=\"a b\"|", ">", "<p class=\"a b\">|</p>", true},
            {"the name as written", "x|", "<TD>", "x<TD>|</TD>", true},
            {"void element", "|", "<br>", "<br>|", true},
            {"void element with attributes", "<img src=\"a.gif\"|", ">", "<img src=\"a.gif\">|", true},
            {"self-closed", "<span /|", ">", "<span />|", true},
            {"end tag", "<b>x</b|", ">", "<b>x</b>|", true},
            {"inside a quoted value", "<a title=\"x|", ">", "<a title=\"x>|", true},
            {"in a comment", "<!-- <b|", ">", "<!-- <b>|", true},
            {"after a comment", "<!-- x --><b|", ">", "<!-- x --><b>|</b>", true},
            {"in a script", "<script>\nif (a <b|", ">", "<script>\nif (a <b>|", true},
            {"the script tag itself", "<p></p><script|", ">", "<p></p><script>|</script>", true},
            {"in a style block", "<style>\np <b|", ">", "<style>\np <b>|", true},
            {"its end tag already follows", "<div|</div>", ">", "<div>|</div>", true},
            {"declaration", "<!DOCTYPE html|", ">", "<!DOCTYPE html>|", true},
            {"a less-than sign", "a < b|", ">", "a < b>|", true},
            {"switched off", "|", "<div>", "<div>|", false},
        };
        for (const Row& r : rows)
            QTest::newRow(r.name) << QString::fromUtf8(r.before) << QString::fromUtf8(r.typed)
                                  << QString::fromUtf8(r.after) << r.on;
    }
    void autoClose()
    {
        QFETCH(QString, before);
        QFETCH(QString, typed);
        QFETCH(QString, after);
        QFETCH(bool, on);
        QVERIFY(!frame_->Action(Command::ToggleAutoClose)->isChecked()); // off by default
        frame_->Action(Command::ToggleAutoClose)->setChecked(on);
        for (const bool completion : {true, false}) {
            frame_->Action(Command::ToggleCompletion)->setChecked(completion);
            StartMarked(before);
            Type(typed);
            QCOMPARE(Marked(), after);
            QCOMPARE(Shown(), QStringList());
            // Undo takes back the ">" and the end tag together, nothing before them (typing before it merges into
            // the same step, as ordinary typing does).
            const QString rest = before.mid(before.indexOf(QLatin1Char('|')) + 1);
            const qsizetype caret = after.indexOf(QLatin1Char('|'));
            if (typed.size() == 1 && after.size() - caret - 1 > rest.size()) {
                Edit()->undo();
                QCOMPARE(Edit()->RawText(), after.left(caret - 1) + rest);
            }
        }
    }

    // "</" offers the end tag of the innermost element still open first, highlighted; Enter writes it.
    void endTagOfferedFirst_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("offered"); // "" when nothing is offered and the list closes
        QTest::newRow("innermost") << "<div><p>x" << "/p>";
        QTest::newRow("the inner one closed") << "<div><p>x</p>" << "/div>";
        QTest::newRow("void and self-closed elements") << "<ul><li>a<br><img src=x><span/>" << "/li>";
        QTest::newRow("comment") << "<div><!-- <p> -->" << "/div>";
        QTest::newRow("inside a script") << "<script>var s = '<b>';" << "/script>";
        QTest::newRow("after a script") << "<b><script>var s = '<i>';</script>" << "/b>";
        QTest::newRow("end tags closing what was left open") << "<div><p>x<span></div><i>" << "/i>";
        QTest::newRow("all closed") << "<div></div>" << "";
    }
    void endTagOfferedFirst()
    {
        QFETCH(QString, before);
        QFETCH(QString, offered);
        frame_->Action(Command::ToggleAutoClose)->setChecked(true);
        Start(before);
        Type(QStringLiteral("</"));
        if (offered.isEmpty()) {
            QCOMPARE(Shown(), QStringList());
            return;
        }
        QCOMPARE(Shown(), QStringList{QStringLiteral("TagList")});
        QCOMPARE(List("TagList")->item(0)->text(), offered);
        QCOMPARE(Highlighted("TagList"), offered);
        Key(Qt::Key_Return);
        QCOMPARE(Marked(), before + QLatin1Char('<') + offered + QLatin1Char('|'));
        // The offer goes with the list: the next "<" shows the database's tags only.
        Type(QStringLiteral("<"));
        QVERIFY(List("TagList")->item(0)->text() != offered);
        QCOMPARE(List("TagList")->count(), shared_->Db.TagNames(TagDb::FindSection(shared_->Db.TagRoot(),
                                                                                 QStringLiteral("html1")))
                                               .size());
        // Switched off, "</" closes the list as it always did.
        frame_->Action(Command::ToggleAutoClose)->setChecked(false);
        Start(before);
        Type(QStringLiteral("</"));
        QCOMPARE(Shown(), QStringList());
    }

    void pasteCloses()
    {
        QApplication::clipboard()->setText(QStringLiteral("p>"));
        Type(QStringLiteral("<a"));
        Key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Shown(), QStringList());
        QCOMPARE(Marked(), QStringLiteral("<ap>|"));
    }

    void mouseOnAList()
    {
        Type(QStringLiteral("<"));
        QListWidget* list = List("TagList");
        const QRect second = list->visualItemRect(list->item(1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
        QCOMPARE(Highlighted("TagList"), list->item(1)->text());
        QVERIFY(Description().startsWith(QStringLiteral("说明:  ")));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
        QCOMPARE(Marked(), QStringLiteral("<") + list->item(1)->text() + QLatin1Char('|'));
        QCOMPARE(Shown(), QStringList());
        QCOMPARE(QApplication::focusWidget(), Edit());
    }

    void rightClickPopsTheContextMenu()
    {
        Start(QStringLiteral("abc"));
        Edit()->selectAll();
        QApplication::clipboard()->clear();
        const QPoint at(10, 10);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, Edit()->viewport()->mapToGlobal(at));
        QApplication::sendEvent(Edit()->viewport(), &event);
        auto* menu = frame_->findChild<QMenu*>(QStringLiteral("SetMeMenu"));
        QVERIFY(menu->isVisible());
        // The Edit menu's own entries, with their states: a selection and an empty clipboard.
        const QList<QAction*> editMenu = frame_->MenuNamed(QStringLiteral("EditMenu"))->actions();
        for (const Command command : {Command::Undo, Command::Cut, Command::Copy, Command::Paste, Command::Delete}) {
            QVERIFY(menu->actions().contains(frame_->Action(command)));
            QVERIFY(editMenu.contains(frame_->Action(command)));
        }
        QVERIFY(frame_->Action(Command::Copy)->isEnabled());
        QVERIFY(!frame_->Action(Command::Paste)->isEnabled());
        menu->hide();
    }

    void f5PicksAColourEvenWithCompletionOff()
    {
        for (const bool on : {true, false}) {
            if (frame_->Action(Command::ToggleCompletion)->isChecked() != on)
                frame_->Action(Command::ToggleCompletion)->trigger();
            Start(QString());
            Type(QStringLiteral("<a"));
            QCOMPARE(Shown(), on ? QStringList{QStringLiteral("TagList")} : QStringList());
            int asked = 0;
            OnNextModal<ColorDialog>(
                [](ColorDialog* picker) {
                    picker->ColorSlider[0]->setValue(200);
                    picker->OkCommand->click();
                },
                &asked);
            Key(Qt::Key_F5);
            QCOMPARE(asked, 1);
            QCOMPARE(Shown(), QStringList());
            QVERIFY2(Edit()->RawText().startsWith(QStringLiteral("<a#")), qPrintable(Edit()->RawText()));
            QTextCursor c(Edit()->document());
            c.setPosition(3);
            QCOMPARE(c.charFormat().foreground().color(), PageEdit::InsertColor);
        }
    }

    void clickCloses()
    {
        Type(QStringLiteral("<a"));
        QTest::mouseClick(Edit()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(Shown(), QStringList());
    }

    void ctrlEnterWritesBlueBreakTag()
    {
        Start(QStringLiteral("ab"));
        Key(Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(Marked(), QStringLiteral("ab<br>|"));
        QTextCursor c(Edit()->document());
        c.setPosition(3);
        QCOMPARE(c.charFormat().foreground().color(), PageEdit::InsertColor);
        Type(QStringLiteral("c"));
        c.setPosition(7);
        QCOMPARE(c.charFormat().foreground().color(), PageEdit::TypingColor);
    }

    void completionSwitchedOff()
    {
        QAction* check = frame_->Action(Command::ToggleCompletion);
        Type(QStringLiteral("<a"));
        check->trigger(); // closes what is open
        QVERIFY(!check->isChecked());
        QCOMPARE(Shown(), QStringList());
        Type(QStringLiteral(" <im"));
        Key(Qt::Key_Return);
        QCOMPARE(Shown(), QStringList());
        QCOMPARE(Marked(), QStringLiteral("<a <im\n|"));
        // Ctrl+Enter still works.
        Key(Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(Marked(), QStringLiteral("<a <im\n<br>|"));
        check->trigger();
        Type(QStringLiteral("<"));
        QCOMPARE(Shown(), QStringList{QStringLiteral("TagList")});
    }

    void placedBesideTheCaret()
    {
        Type(QStringLiteral("<"));
        QListWidget* list = List("TagList");
        const QRect caret = Edit()->cursorRect();
        const QPoint at = Edit()->viewport()->mapTo(Doc(), caret.topLeft());
        QVERIFY(list->x() > at.x());
        QVERIFY(list->y() > at.y());
    }

    void placedLeftAndAboveNearTheEdges()
    {
        Doc()->SetWordWrap(false);
        Start(QString(40, QLatin1Char('\n')) + QString(300, QLatin1Char('x')));
        Type(QStringLiteral("<"));
        QListWidget* list = List("TagList");
        const QRect caret = Edit()->cursorRect();
        const QPoint at = Edit()->viewport()->mapTo(Doc(), caret.topLeft());
        QVERIFY2(Edit()->width() - caret.x() < list->width(), "caret not near the right edge");
        QVERIFY(list->geometry().right() < at.x());
        QVERIFY(list->y() < at.y());
        QVERIFY(list->geometry().bottom() < at.y() + caret.height());
    }

    void tagDescriptionMissing()
    {
        // The third child of the entry is not its start: the listed name finds no entry.
        const QByteArray data = "<d><html><html1>"
                                "<t><title>T</title><d>描述</d><start>&lt;q</start><id>1</id></t>"
                                "<t><title>U</title><d>描述</d><x>&lt;qz</x><start>&lt;u</start><id>2</id></t>"
                                "</html1><property1/><offten/></html></d>";
        QCOMPARE(shared_->Db.LoadData(data, QStringLiteral("test")), TagDb::Loaded);
        frame_->RunCommand(Command::NewPage);
        Type(QStringLiteral("<q"));
        QCOMPARE(Highlighted("TagList"), QStringLiteral("q"));
        QCOMPARE(Description(), QStringLiteral("说明:  描述"));
        QVERIFY(prompts_.Record().isEmpty());
        Type(QStringLiteral("z"));
        QCOMPARE(Highlighted("TagList"), QStringLiteral("qz"));
        QCOMPARE(prompts_.Record().size(), 1);
        QCOMPARE(prompts_.Record().first().text, QStringLiteral("出现异常错误!!"));
        QCOMPARE(Description(), QStringLiteral("说明:  描述")); // stays
    }
};

QTEST_MAIN(TestCompletion)
#include "tst_completion.moc"
