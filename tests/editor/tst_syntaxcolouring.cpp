#include "editor/syntaxcolouring.h"
#include "pagewindowfixture.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

class TestSyntaxColouring : public QObject
{
    Q_OBJECT

    PageWindowFixture f_;

    PageEdit* Edit() { return f_.Active()->pageEdit; }

    // The colour a character is drawn in and the tint behind it: the colouring's format where it lays one, else
    // the character's own.
    static QString Look(PageEdit* edit, int line, int column)
    {
        const QTextBlock block = edit->document()->findBlockByNumber(line);
        QTextCursor c(block);
        c.setPosition(block.position() + column + 1);
        QColor colour = c.charFormat().foreground().color();
        QColor tint;
        for (const QTextLayout::FormatRange& r : block.layout()->formats()) {
            if (column < r.start || column >= r.start + r.length)
                continue;
            if (r.format.hasProperty(QTextFormat::ForegroundBrush))
                colour = r.format.foreground().color();
            if (r.format.hasProperty(QTextFormat::BackgroundBrush))
                tint = r.format.background().color();
        }
        return colour.name() + (tint.isValid() ? QStringLiteral(" on ") + tint.name() : QString());
    }
    static QString Colour(SyntaxScanner::Kind kind) { return SyntaxColouring::ColourOf(kind).name(); }

private Q_SLOTS:
    void init()
    {
        f_.Start(false);
        f_.frame->RunCommand(Command::ToggleSyntaxColouring);
    }
    void cleanup() { f_.Stop(); }

    void colours_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("look");
        const QString page = QStringLiteral("<p class=\"a\">text &amp;</p>\n<!-- note\nstill -->\n<style>\n"
                                            "b { color: red }\n</style>\n<script>\nvar s = 'x';\n</script>");
        QTest::newRow("tag") << page << 0 << 1 << Colour(SyntaxScanner::Tag);
        QTest::newRow("attribute") << page << 0 << 4 << Colour(SyntaxScanner::Attribute);
        QTest::newRow("value") << page << 0 << 10 << Colour(SyntaxScanner::Value);
        QTest::newRow("plain text stays black") << page << 0 << 14 << QStringLiteral("#000000");
        QTest::newRow("entity") << page << 0 << 18 << Colour(SyntaxScanner::Entity);
        QTest::newRow("comment on its second line") << page << 2 << 0 << Colour(SyntaxScanner::Comment);
        QTest::newRow("selector") << page << 4 << 0 << Colour(SyntaxScanner::Selector);
        QTest::newRow("property") << page << 4 << 4 << Colour(SyntaxScanner::Property);
        QTest::newRow("css value") << page << 4 << 11 << Colour(SyntaxScanner::CssValue);
        QTest::newRow("script keyword") << page << 7 << 0 << Colour(SyntaxScanner::Keyword);
        QTest::newRow("script string") << page << 7 << 8 << Colour(SyntaxScanner::String);
    }
    void colours()
    {
        QFETCH(QString, page);
        QFETCH(int, line);
        QFETCH(int, column);
        QFETCH(QString, look);
        f_.SetText(f_.Active(), page, 0);
        QCoreApplication::processEvents();
        QCOMPARE(Look(Edit(), line, column), look);
    }

    // Inserted markup keeps its blue (a rewritten tag its purple) with nothing behind it that would pass for a
    // selection; typing next to it is coloured by the syntax again.
    void insertedMarkupStaysRecognisable()
    {
        f_.SetText(f_.Active(), QStringLiteral("<body>\n\n</body>"), 7);
        f_.Active()->InsertMarkup(QStringLiteral("<img src=a.gif>"));
        QTest::keyClicks(Edit(), QStringLiteral("<i>"));
        QCoreApplication::processEvents();
        const QString blue = PageEdit::InsertColor.name();
        QCOMPARE(Look(Edit(), 1, 0), blue);
        QCOMPARE(Look(Edit(), 1, 5), blue);
        QCOMPARE(Look(Edit(), 1, 15), Colour(SyntaxScanner::Tag));
        Edit()->SetSelStart(1);
        Edit()->ReplaceAtCaret(4, QStringLiteral("BODY"));
        QCoreApplication::processEvents();
        QCOMPARE(Look(Edit(), 0, 2), PageEdit::RewriteColor.name());
        // Off again: no colour of the syntax is left, the marking is as it was.
        f_.frame->RunCommand(Command::ToggleSyntaxColouring);
        QCOMPARE(Look(Edit(), 1, 15), QStringLiteral("#000000"));
        QCOMPARE(Look(Edit(), 1, 0), PageEdit::InsertColor.name());
    }

    // An edit recolours the lines below it that now read otherwise, and colouring is no edit of the page.
    void editsRecolourWhatFollows()
    {
        f_.SetText(f_.Active(), QStringLiteral("a\n<p>\n<b>\nc"), 0);
        QCoreApplication::processEvents();
        int changes = 0;
        connect(Edit()->document(), &QTextDocument::contentsChange, this, [&changes] { ++changes; });
        const int count = f_.Active()->ChangeCount();
        QCOMPARE(Look(Edit(), 2, 0), Colour(SyntaxScanner::Tag));
        QTest::keyClicks(Edit(), QStringLiteral("<!--"));
        QCOMPARE(changes, 4);
        QCOMPARE(f_.Active()->ChangeCount(), count + 4);
        QCoreApplication::processEvents();
        QCOMPARE(Look(Edit(), 1, 1), Colour(SyntaxScanner::Comment));
        QCOMPARE(Look(Edit(), 2, 1), Colour(SyntaxScanner::Comment));
        QTest::keyClicks(Edit(), QStringLiteral("-->"));
        QCoreApplication::processEvents();
        QCOMPARE(Look(Edit(), 2, 1), Colour(SyntaxScanner::Tag));
        QCOMPARE(changes, 7); // the colouring itself reported no change of the text
    }

    // A long page: only the lines on screen get colours, the states are worked out down to the screen and no
    // further, and the end of the page is coloured from what its top opened.
    void longPageColoursWhatIsShown()
    {
        QString page = QStringLiteral("<script>\n");
        for (int i = 0; i < 20000; ++i)
            page += QStringLiteral("var x = 1;\n");
        page += QStringLiteral("</script>\n<p>");
        f_.SetText(f_.Active(), page, 0);
        QCoreApplication::processEvents();
        SyntaxColouring* colouring = Edit()->Colouring();
        QVERIFY2(colouring->KnownLines() < 200, qPrintable(QString::number(colouring->KnownLines())));
        Edit()->moveCursor(QTextCursor::End);
        const int last = Edit()->document()->blockCount() - 1;
        QTRY_COMPARE(Look(Edit(), last - 2, 0), Colour(SyntaxScanner::Keyword));
        QCOMPARE(Look(Edit(), last, 0), Colour(SyntaxScanner::Tag));
        QCOMPARE(colouring->KnownLines(), last + 1);
        int coloured = 0;
        for (QTextBlock b = Edit()->document()->firstBlock(); b.isValid(); b = b.next())
            coloured += b.layout()->formats().isEmpty() ? 0 : 1;
        QVERIFY2(coloured > 0 && coloured < 200, qPrintable(QString::number(coloured)));
        // An edit at the top changes how the bottom reads.
        QTextCursor top(Edit()->document());
        top.insertText(QStringLiteral("<!--"));
        QTRY_COMPARE(Look(Edit(), last, 0), Colour(SyntaxScanner::Comment));
        QCOMPARE(Look(Edit(), last - 2, 0), Colour(SyntaxScanner::Comment));
    }
};

QTEST_MAIN(TestSyntaxColouring)
#include "tst_syntaxcolouring.moc"
