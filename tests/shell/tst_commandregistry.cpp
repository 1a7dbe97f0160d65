// Every command of the registry, one row each: its caption carries no key, its key and keys are its own, and its
// flags hold on a page shown read-only and on a page showing its preview.

#include "browserplugin.h"
#include "editor/finddialog.h"
#include "editor/longlines.h"
#include "editor/pagepreview.h"
#include "modaldriver.h"
#include "pagewindowfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QToolBar>
#include <QtTest>

#include <algorithm>

class TestCommandRegistry : public QObject
{
    Q_OBJECT

    PageWindowFixture f_;

    const CommandEntry& Entry(const QString& key) const { return *f_.frame->Commands().Find(key); }

    // Whether the user reaches a menu from the menu bar: every menu on the way is shown and enabled.
    bool OpenFromBar(const QMenu* menu) const
    {
        const QAction* entry = menu->menuAction();
        if (!entry->isEnabled() || !entry->isVisible())
            return false;
        for (QObject* place : entry->associatedObjects()) {
            const auto* parent = qobject_cast<QMenu*>(place);
            if (place == f_.frame->menuBar() || (parent && OpenFromBar(parent)))
                return true;
        }
        return false;
    }
    // Whether the user reaches an action from the menu bar or the toolbar.
    bool Offered(const QAction* action) const
    {
        if (!action->isEnabled())
            return false;
        for (QObject* place : action->associatedObjects()) {
            const auto* menu = qobject_cast<QMenu*>(place);
            if (place == f_.frame->menuBar() || (menu && OpenFromBar(menu)) ||
                (place == f_.frame->toolbar && f_.frame->toolbar->isVisible()))
                return true;
        }
        return false;
    }

    // Runs a command the page's mode refuses: no dialog, no message, and the page, its selection, its zoom and
    // the clipboard stay as they were.
    void RefusedLeavesAlone(const CommandEntry& command, PageWindow* doc)
    {
        const QString text = PageWindowFixture::Text(doc), clipboard = QApplication::clipboard()->text();
        const QTextCursor selection = doc->pageEdit->textCursor();
        const int changes = doc->ChangeCount(), size = doc->pageEdit->font().pointSize();
        f_.prompts->Record().clear();
        int dialogs = 0;
        const auto waiting = OnNextModal([](QDialog*) {}, &dialogs);
        f_.frame->RunCommand(command);
        *waiting = false;
        QCOMPARE(dialogs, 0);
        QVERIFY(f_.prompts->Record().isEmpty());
        QVERIFY(!FindDialog::Instance());
        QCOMPARE(PageWindowFixture::Text(doc), text);
        QCOMPARE(doc->ChangeCount(), changes);
        QCOMPARE(doc->pageEdit->textCursor(), selection);
        QCOMPARE(doc->pageEdit->font().pointSize(), size);
        QCOMPARE(QApplication::clipboard()->text(), clipboard);
        QCOMPARE(f_.frame->ActiveDocument(), doc);
    }

private Q_SLOTS:
    void init() { f_.Start(false); }
    void cleanup() { f_.Stop(); }

    void everyCommand_data()
    {
        QTest::addColumn<QString>("key");
        const CommandRegistry registry([](Command, int) { return CommandRegistry::Handler(); });
        for (const CommandEntry& command : registry.Entries())
            QTest::newRow(qPrintable(command.key)) << command.key;
    }
    void everyCommand()
    {
        QFETCH(QString, key);
        const CommandEntry& command = Entry(key);
        const std::vector<CommandEntry>& all = f_.frame->Commands().Entries();
        QCOMPARE(f_.frame->Action(command.id, command.argument)->objectName(), key);
        QCOMPARE(std::count_if(all.begin(), all.end(), [&](const CommandEntry& c) { return c.key == key; }), 1);

        // The keys are in the key column only, and no other command has them.
        static const QRegularExpression keyText(
            QStringLiteral("\\b(ctrl|shift|alt)\\s*\\+|\\bdel\\b|\\bF\\d+\\b|\\S\\s{2,}"),
            QRegularExpression::CaseInsensitiveOption);
        QVERIFY(!command.caption.trimmed().isEmpty());
        QVERIFY2(!keyText.match(command.caption).hasMatch(), qPrintable(command.caption));
        for (const QKeySequence& keys : command.keys)
            for (const CommandEntry& other : all)
                QVERIFY2(&other == &command || !other.keys.contains(keys), qPrintable(other.key));

        // A command that edits the text runs neither on a read-only page nor during the preview.
        const CommandEntry::Flags flags = command.flags;
        if (flags.testFlag(CommandEntry::ChangesText))
            QVERIFY(!flags.testAnyFlags(CommandEntry::ReadOnlyOk | CommandEntry::PreviewOk));

        const QString path = f_.Path(QStringLiteral("long.html"));
        QVERIFY(f_.WriteFile(path, "<p>" + QByteArray(LongLines::Threshold + 1, 'a') + "</p>"));
        PageWindow* readOnly = f_.frame->OpenPath(path);
        QVERIFY(readOnly && readOnly->LongLinePage());
        readOnly->pageEdit->selectAll();
        QApplication::clipboard()->setText(QStringLiteral("pasted"));
        if (!flags.testFlag(CommandEntry::ReadOnlyOk))
            RefusedLeavesAlone(command, readOnly);

        // During the preview, the menus and the toolbar offer exactly the commands it allows.
        SKIP_WITHOUT_BROWSER();
        f_.frame->RunCommand(Command::PreviousPage);
        PageWindow* previewed = f_.Active();
        QVERIFY(previewed != readOnly);
        PageWindowFixture::SetText(previewed, QStringLiteral("<p>ab</p>"), 3);
        previewed->pageEdit->selectAll();
        f_.frame->RunCommand(Command::Preview);
        QVERIFY(PagePreview::IsShown(*previewed));
        QCOMPARE(Offered(f_.frame->Action(command.id, command.argument)), flags.testFlag(CommandEntry::PreviewOk));
        if (!flags.testFlag(CommandEntry::PreviewOk))
            RefusedLeavesAlone(command, previewed);
    }
};

QTEST_MAIN(TestCommandRegistry)
#include "tst_commandregistry.moc"
