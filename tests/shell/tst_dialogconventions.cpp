// Every dialog the program can open, found by walking: each command of the main frame, each button of each dialog
// that opens another one. Every one of them must follow the same conventions: OK and Cancel read alike, access keys
// are underlined after the word and not repeated, Enter in a box that has a meaning of its own never closes the
// dialog nor looks as if it would, and no caption carries the old misspellings.

#include "base/builderdialog.h"
#include "base/formkit.h"
#include "builders/elements/genericelementdialog.h"
#include "builders/scripts/scriptcalldialog.h"
#include "pagewindowfixture.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QtTest>

namespace {

const QStringList Misspellings = {QStringLiteral("HMTL"), QStringLiteral("按扭"), QStringLiteral("Javascript"),
                                  QStringLiteral("Html格式")};

// Every text a user reads on `dialog`: its title, captions, headings, tabs and tips.
QStringList Captions(QDialog* dialog)
{
    QStringList texts{dialog->windowTitle()};
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        if (w->window() != dialog)
            continue;
        texts << w->toolTip();
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            texts << b->text();
        else if (auto* l = qobject_cast<QLabel*>(w))
            texts << l->text();
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            texts << g->title();
        else if (auto* t = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < t->count(); ++i)
                texts << t->tabText(i) << t->tabToolTip(i);
    }
    texts.removeAll(QString());
    return texts;
}

// The word of a caption without its access key: "确定(&S)" -> "确定".
QString Word(QString caption)
{
    static const QRegularExpression key(QStringLiteral("\\(&.\\)$"));
    return caption.remove(key).remove(QLatin1Char('&')).trimmed();
}

} // namespace

class TestDialogConventions : public QObject
{
    Q_OBJECT

    PageWindowFixture f_;
    QSet<QString> seen_;   // class and title of each dialog looked at
    QStringList problems_; // what broke a convention, by dialog
    QStringList titles_;
    QSet<QString> oldIeTips_; // "title/control" (or "title/tab:caption") of each tip naming old IE

    void Problem(QDialog* d, const QString& what) { problems_ << d->windowTitle() + QStringLiteral(": ") + what; }

    void CheckCaptions(QDialog* d)
    {
        static const QRegularExpression leadingKey(QStringLiteral("^&[^&]"));
        static const QRegularExpression trailingKey(QStringLiteral("\\(&([A-Za-z0-9])\\)$"));
        QMap<QChar, QString> keys;
        for (const QString& text : Captions(d)) {
            for (const QString& wrong : Misspellings)
                if (text.contains(wrong))
                    Problem(d, QStringLiteral("misspelt \"%1\"").arg(text));
        }
        for (QWidget* w : d->findChildren<QWidget*>()) {
            if (w->window() != d || !w->isVisibleTo(d))
                continue;
            QString text;
            if (auto* b = qobject_cast<QAbstractButton*>(w))
                text = b->text();
            else if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy())
                text = l->text();
            if (!text.contains(QLatin1Char('&')))
                continue;
            if (text.contains(leadingKey))
                Problem(d, QStringLiteral("key before the word in \"%1\"").arg(text));
            const QRegularExpressionMatch m = trailingKey.match(text);
            if (!m.hasMatch())
                continue;
            const QChar key = m.captured(1).at(0).toUpper();
            if (keys.contains(key))
                Problem(d, QStringLiteral("key %1 in \"%2\" and \"%3\"").arg(key).arg(keys.value(key), text));
            keys.insert(key, text);
        }
        for (QAbstractButton* b : d->findChildren<QAbstractButton*>()) {
            if (b->window() != d)
                continue;
            if (Word(b->text()) == QLatin1String("确定") && b->text() != QLatin1String("确定(&S)"))
                Problem(d, QStringLiteral("OK reads \"%1\"").arg(b->text()));
            if (Word(b->text()) == QLatin1String("取消") &&
                !QRegularExpression(QStringLiteral("^取消\\(&[CQ]\\)$")).match(b->text()).hasMatch())
                Problem(d, QStringLiteral("Cancel reads \"%1\"").arg(b->text()));
        }
    }

    void CheckEnter(QDialog* d)
    {
        auto* builder = qobject_cast<BuilderDialog*>(d);
        const bool keepsOpen = builder && builder->KeepsOpenOnEnter();
        for (QPushButton* b : d->findChildren<QPushButton*>()) {
            if (b->window() != d)
                continue;
            if (keepsOpen && (b->isDefault() || b->autoDefault()))
                Problem(d, QStringLiteral("\"%1\" looks like Enter presses it").arg(b->text()));
        }
        if (auto* box = d->findChild<QDialogButtonBox*>(QStringLiteral("ButtonBox")); box && !keepsOpen) {
            const QList<QAbstractButton*> ok = box->buttons();
            if (!ok.isEmpty() && box->buttonRole(ok.first()) == QDialogButtonBox::AcceptRole &&
                !qobject_cast<QPushButton*>(ok.first())->isDefault())
                Problem(d, QStringLiteral("OK is not the default button"));
        }
        if (!keepsOpen)
            return;
        for (QLineEdit* box : d->findChildren<QLineEdit*>()) {
            if (box->window() != d || !box->isVisibleTo(d) || !box->isEnabled() || box->isReadOnly())
                continue;
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Return);
            if (!d->isVisible() || d->result() == QDialog::Accepted) {
                Problem(d, QStringLiteral("Enter in %1 closed it").arg(box->objectName()));
                return;
            }
        }
    }

    void NoteOldIeTips(QDialog* d)
    {
        for (QWidget* w : d->findChildren<QWidget*>()) {
            if (w->window() != d)
                continue;
            if (w->toolTip().contains(FormKit::OldIeOnly))
                oldIeTips_ << d->windowTitle() + QLatin1Char('/') + w->objectName();
            if (auto* t = qobject_cast<QTabWidget*>(w))
                for (int i = 0; i < t->count(); ++i)
                    if (t->tabToolTip(i) == FormKit::OldIeOnly)
                        oldIeTips_ << d->windowTitle() + QStringLiteral("/tab:") + t->tabText(i);
        }
    }

    // Looks at `d`, then at every dialog its buttons open.
    void Inspect(QDialog* d, int depth)
    {
        // The element dialog names its kind in a heading of its own.
        const auto* heading = d->findChild<QLabel*>(QStringLiteral("Titlelable"));
        const QString key = QLatin1String(d->metaObject()->className()) + QLatin1Char('|') + d->windowTitle() +
                            (heading ? heading->text() : QString());
        if (seen_.contains(key))
            return;
        seen_.insert(key);
        titles_ << d->windowTitle();
        NoteOldIeTips(d);
        CheckCaptions(d);
        CheckEnter(d);
        if (depth >= 3 || !d->isVisible())
            return;
        const QList<QPushButton*> buttons = d->findChildren<QPushButton*>();
        for (const QPointer<QPushButton> b : buttons) {
            if (!b || b->window() != d || !b->isVisibleTo(d) || !b->isEnabled() ||
                qobject_cast<QDialogButtonBox*>(b->parentWidget()) || !d->isVisible())
                continue;
            ClickAndInspect(d, b, depth);
        }
    }

    // Clicks `b`; the dialog it opens, if any, is looked at and cancelled from inside its own loop.
    void ClickAndInspect(QDialog* d, QPushButton* b, int depth)
    {
        QTimer probe;
        probe.setSingleShot(true);
        connect(&probe, &QTimer::timeout, this, [this, d, depth] {
            QPointer<QDialog> opened = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!opened || opened == d)
                return;
            Inspect(opened, depth + 1);
            if (opened)
                opened->reject();
        });
        probe.start(0);
        b->click();
    }

    // Runs a command; whatever dialog it opens, modal or not, is looked at and closed.
    void InspectCommand(const CommandEntry& entry)
    {
        const QList<QDialog*> before = TopDialogs();
        QTimer probe;
        probe.setSingleShot(true);
        connect(&probe, &QTimer::timeout, this, [this] {
            QPointer<QDialog> opened = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!opened)
                return;
            Inspect(opened, 0);
            if (opened)
                opened->reject();
        });
        probe.start(0);
        f_.frame->RunCommand(entry);
        probe.stop();
        for (QDialog* d : TopDialogs()) {
            if (!before.contains(d)) {
                Inspect(d, 0);
                d->close();
            }
        }
    }

    static QList<QDialog*> TopDialogs()
    {
        QList<QDialog*> dialogs;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible())
                dialogs << d;
        return dialogs;
    }

    void PreparePage()
    {
        PageWindow* page = f_.Active();
        PageWindowFixture::SetText(page, PageWindow::NewPageTemplate(), 0);
        QTextCursor c = page->pageEdit->textCursor();
        c.setPosition(int(PageWindow::NewPageTemplate().indexOf(QStringLiteral("超级"))));
        c.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, 2);
        page->pageEdit->setTextCursor(c);
    }

private Q_SLOTS:
    void initTestCase() { f_.Start(true); }
    void cleanupTestCase() { f_.Stop(); }

    void everyDialogFollowsTheConventions()
    {
        static const QStringList skipped = {"Exit",    "Close",      "Help",     "Preview",
                                            "NewPage", "ToggleTabs", "NextPage", "PreviousPage"};
        // Input boxes answer, so that what waits on an answer (the effect picker wants an id) opens too.
        f_.inputs = QStringList(400, QStringLiteral("box1"));
        for (const CommandEntry& entry : f_.frame->Commands().Entries()) {
            if (skipped.contains(entry.key) || entry.id == Command::ReopenAs)
                continue;
            PreparePage();
            InspectCommand(entry);
        }
        // Two dialogs that only a choice in a list opens.
        const BuilderContext context = f_.Active()->Context();
        const TagDb& db = f_.shared->Db;
        GenericElementDialog element(context, db.TagIndexByStart(db.Section(QStringLiteral("html1")), "<abbr"));
        ScriptCallDialog call(context, 0);
        for (BuilderDialog* d : std::initializer_list<BuilderDialog*>{&element, &call}) {
            QTimer::singleShot(0, this, [this, d] {
                Inspect(d, 0);
                d->reject();
            });
            d->Run();
        }

        QVERIFY2(problems_.isEmpty(), qPrintable(problems_.join(QLatin1Char('\n'))));
        // The walk reached the dialogs it is meant to reach.
        for (const char* title : {"设置样式", "大小设置", "颜色设置", "设置样式表", "添加HTML元素", "JavaScript特效",
                                  "添加纯文本", "自动刷新设置", "页面过渡特效", "查找替换", "设置特效", "事件设置",
                                  "其他属性", "属性设置", "设置主体", "表格处理", "添加脚本"})
            QVERIFY2(titles_.contains(QString::fromUtf8(title)), title);
        QVERIFY2(seen_.size() >= 30, qPrintable(titles_.join(QLatin1Char(','))));
    }

    // What only old Internet Explorer understood says so where it is offered.
    void oldIeOptionsSaySo_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("filter tab") << QStringLiteral("设置样式/tab:滤镜");
        QTest::newRow("filter page") << QStringLiteral("设置样式/FilterTab");
        QTest::newRow("VBScript") << QStringLiteral("添加脚本/ScriptOption_1");
        QTest::newRow("page transitions") << QStringLiteral("页面过渡特效/List1");
        QTest::newRow("transition time") << QStringLiteral("页面过渡特效/TimeText");
    }
    void oldIeOptionsSaySo()
    {
        QFETCH(QString, where);
        QVERIFY2(oldIeTips_.contains(where), qPrintable(QStringList(oldIeTips_.values()).join(QLatin1Char(','))));
        // And nothing else claims it: JavaScript is understood everywhere.
        QVERIFY(!oldIeTips_.contains(QStringLiteral("添加脚本/ScriptOption_0")));
    }

    // The element lists show each tag before its description, and typing a tag name jumps to it.
    void elementListsTakeTagNames_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("reached");
        QTest::newRow("other elements") << "InsertOtherElement"
                                        << "abbr" << QStringLiteral("abbr 缩写");
        QTest::newRow("other elements, a longer tag") << "InsertOtherElement"
                                                      << "addr" << QStringLiteral("address 联系信息");
        QTest::newRow("style sheet") << "EmbedStyleSheet"
                                     << "abbr" << QStringLiteral("abbr 缩写");
        QTest::newRow("style sheet, a one-letter tag") << "EmbedStyleSheet"
                                                       << "a" << QStringLiteral("a 超链接");
    }
    void elementListsTakeTagNames()
    {
        QFETCH(QString, command);
        QFETCH(QString, typed);
        QFETCH(QString, reached);
        QString current;
        bool chosen = false;
        QTimer::singleShot(0, this, [&] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(d);
            auto* list = d->findChild<QListWidget*>(QStringLiteral("List1"));
            list->setFocus();
            QTest::keyClicks(list, typed);
            current = list->currentItem() ? list->currentItem()->text() : QString();
            chosen = !list->selectedItems().isEmpty();
            d->reject();
        });
        f_.frame->RunCommand(*f_.frame->Commands().Find(command));
        QCOMPARE(current, reached);
        QVERIFY(chosen);
    }

    // Each menu entry shows its key once, in the shortcut column, and no two entries share a key.
    void menuKeysShowOnce()
    {
        static const QRegularExpression keyInCaption(QStringLiteral("ctrl\\+|\\bdel\\b|\\bF\\d\\b"),
                                                     QRegularExpression::CaseInsensitiveOption);
        QMap<QString, QString> owners;
        QStringList problems;
        for (QMenu* menu : f_.frame->findChildren<QMenu*>()) {
            for (QAction* a : menu->actions()) {
                if (a->text().contains(keyInCaption))
                    problems << QStringLiteral("key in the caption: ") + a->text();
                for (const QString& wrong : Misspellings)
                    if (a->text().contains(wrong))
                        problems << QStringLiteral("misspelt: ") + a->text();
                for (const QKeySequence& k : a->shortcuts()) {
                    const QString shown = k.toString();
                    if (owners.contains(shown) && owners.value(shown) != a->objectName())
                        problems << shown + QStringLiteral(" on ") + owners.value(shown) + " and " + a->objectName();
                    owners.insert(shown, a->objectName());
                }
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        QAction* find = f_.frame->Action(Command::FindReplace);
        QCOMPARE(find->text(), QStringLiteral("查找替换(&F)"));
        QCOMPARE(find->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
    }
};

QTEST_MAIN(TestDialogConventions)
#include "tst_dialogconventions.moc"
