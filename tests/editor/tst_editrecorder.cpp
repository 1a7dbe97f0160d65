#include "base/editjournal.h"
#include "editor/editrecorder.h"
#include "pagewindowfixture.h"

#include <QRandomGenerator>
#include <QtTest>

// Whatever is done to a page's text (typing, deleting, pasting, undo, redo, whole replacements, markup), the
// recorded edits made again on the page as it was opened give the same text and code page.
class TestEditRecorder : public QObject
{
    Q_OBJECT

    PageWindowFixture f_;
    static constexpr char Original[] = "<p>一段</p>\n<div>\n  <b>x</b>\n</div>\n";

    PageWindow* Open(const QString& name)
    {
        const QString path = f_.Path(name);
        if (!f_.WriteFile(path, Original))
            return nullptr;
        return f_.frame->OpenPath(path);
    }

    static void Caret(PageWindow* page, int position)
    {
        const int last = page->pageEdit->document()->characterCount() - 1;
        page->pageEdit->SetSelStart(position < 0 ? last : std::min(position, last));
    }

    // One step: "t:text" typed, "k:Return"/"k:Backspace"/"k:Delete", "c:N" caret (-1 the end), "s:A-B" a
    // selection, "u" undo, "r" redo, "p:text" pasted, "a:text" the whole text replaced, "m:text" markup inserted,
    // "b" the page saved in Big5 from now on, "x:text" the document's text set anew (as a plug-in would).
    static void Do(PageWindow* page, const QString& step)
    {
        PageEdit* edit = page->pageEdit;
        const QString arg = step.mid(2);
        switch (step.at(0).toLatin1()) {
        case 't':
            QTest::keyClicks(edit, arg);
            break;
        case 'k':
            QTest::keyClick(edit, arg == QLatin1String("Return")      ? Qt::Key_Return
                                  : arg == QLatin1String("Backspace") ? Qt::Key_Backspace
                                                                      : Qt::Key_Delete);
            break;
        case 'c':
            Caret(page, arg.toInt());
            break;
        case 's': {
            QTextCursor c = edit->textCursor();
            c.setPosition(arg.section(QLatin1Char('-'), 0, 0).toInt());
            c.setPosition(arg.section(QLatin1Char('-'), 1, 1).toInt(), QTextCursor::KeepAnchor);
            edit->setTextCursor(c);
            break;
        }
        case 'u':
            edit->undo();
            break;
        case 'r':
            edit->redo();
            break;
        case 'p':
            edit->InsertTyped(arg);
            break;
        case 'a':
            edit->ReplaceAllText(arg);
            break;
        case 'm':
            page->InsertMarkup(arg);
            break;
        case 'b':
            page->SetCodec(PageEncoding::Big5);
            break;
        case 'x':
            edit->document()->setPlainText(arg);
            break;
        }
    }

    // Makes the edits again on a second copy of the page and compares.
    void Replayed(PageWindow* page)
    {
        const QByteArray records = page->Recorder().Take();
        QList<JournalRecord> list;
        QCOMPARE(EditJournal::ReadFrames(EditJournal::Frame(records), 0, list),
                 records.size() + EditJournal::FrameHead);
        PageWindow* again = Open(QStringLiteral("again.html"));
        QVERIFY(again);
        QVERIFY(again->RestoreEdits(list));
        QCOMPARE(f_.Text(again), f_.Text(page));
        QCOMPARE(again->Encoding(), page->Encoding());
    }

private Q_SLOTS:
    void init() { f_.Start(false); }
    void cleanup() { f_.Stop(); }

    void replayed_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("typed in a line") << QStringList{"c:5", "t:abc"};
        QTest::newRow("line breaks typed and taken back")
            << QStringList{"c:3", "k:Return", "t:x", "k:Return", "k:Backspace", "k:Backspace"};
        QTest::newRow("typed at the very end") << QStringList{"c:-1", "t:xyz", "k:Backspace"};
        QTest::newRow("the last characters deleted")
            << QStringList{"c:-1", "k:Backspace", "k:Backspace", "k:Backspace"};
        QTest::newRow("Delete at the start") << QStringList{"c:0", "k:Delete", "k:Delete"};
        QTest::newRow("a selection typed over") << QStringList{"s:2-9", "t:Z"};
        QTest::newRow("undo and redo") << QStringList{"c:0", "t:abc", "k:Return", "t:def", "u", "u", "r"};
        QTest::newRow("undone back to the page as opened") << QStringList{"t:abc", "u", "u", "u"};
        QTest::newRow("lines pasted") << QStringList{"c:4", "p:one\ntwo\r\nthree"};
        QTest::newRow("the whole text replaced") << QStringList{"a:全新的\n内容"};
        QTest::newRow("the whole text replaced, then undone") << QStringList{"a:new", "u"};
        QTest::newRow("the whole text replaced by nothing") << QStringList{"a:"};
        QTest::newRow("the document's text set anew, then typed at its end") << QStringList{"x:a\nb", "c:-1", "t:z"};
        QTest::newRow("markup with CR LF") << QStringList{"c:2", "m:<p>\r\n</p>"};
        QTest::newRow("saved in another code page") << QStringList{"t:x", "b", "t:y"};
    }
    void replayed()
    {
        QFETCH(QStringList, steps);
        PageWindow* page = Open(QStringLiteral("a.html"));
        QVERIFY(page);
        for (const QString& step : steps)
            Do(page, step);
        QVERIFY(!page->Recorder().Overflowed());
        Replayed(page);
    }

    // Many edits of every kind, in a random order, and taken in several parts.
    void replayedAtRandom()
    {
        const QStringList kinds{"t:ab", "p:页", "k:Return", "k:Backspace", "k:Delete", "u", "r", "p:x\ny", "m:<i>\r\n"};
        PageWindow* page = Open(QStringLiteral("a.html"));
        QVERIFY(page);
        QRandomGenerator random(7);
        QByteArray taken;
        for (int i = 0; i < 400; ++i) {
            const int length = page->pageEdit->document()->characterCount();
            Do(page, random.bounded(4) == 0 ? QStringLiteral("c:%1").arg(random.bounded(length))
                                            : kinds.at(random.bounded(kinds.size())));
            if (i % 50 == 49)
                taken += page->Recorder().Take();
        }
        const QByteArray rest = page->Recorder().Take();
        QCOMPARE(page->Recorder().Bytes(), taken.size() + rest.size());
        QList<JournalRecord> list;
        EditJournal::ReadFrames(EditJournal::Frame(QByteArray(taken + rest)), 0, list);
        PageWindow* again = Open(QStringLiteral("again.html"));
        QVERIFY(again->RestoreEdits(list));
        QCOMPARE(f_.Text(again), f_.Text(page));
    }

    // A journal bigger than the page is not worth keeping: a big replacement is not even read into it.
    void overflow_data()
    {
        QTest::addColumn<int>("pasted");
        QTest::addColumn<bool>("overflowed");
        QTest::newRow("a few characters") << 100 << false;
        QTest::newRow("three times the page and more") << 5000 << true;
    }
    void overflow()
    {
        QFETCH(int, pasted);
        QFETCH(bool, overflowed);
        PageWindow* page = Open(QStringLiteral("a.html"));
        QVERIFY(page);
        page->pageEdit->InsertTyped(QString(pasted, QLatin1Char('y')));
        QCOMPARE(page->Recorder().Overflowed(), overflowed);
        QCOMPARE(page->Recorder().Take().isEmpty(), overflowed);
        // Saving starts a new journal.
        QVERIFY(page->Save());
        QVERIFY(!page->Recorder().Overflowed());
        QCOMPARE(page->Recorder().Bytes(), 0);
    }
};

QTEST_MAIN(TestEditRecorder)
#include "tst_editrecorder.moc"
