#include "editor/documentfiller.h"
#include "editor/documentruns.h"

#include <QPlainTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

// The lines read as runs of the document's text are its blocks' texts, however the document came to hold them.
class TestDocumentRuns : public QObject
{
    Q_OBJECT

    static QString ByBlocks(const QTextDocument& doc)
    {
        QStringList lines;
        for (QTextBlock block = doc.firstBlock(); block.isValid(); block = block.next())
            lines.append(block.text());
        return lines.join(QLatin1Char('\n'));
    }

private Q_SLOTS:
    void linesAsTheBlocksHaveThem_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("filled"); // put in as a page is opened, else typed through a cursor
        QTest::addColumn<int>("edit");    // 0 none, 1 text put into a line, 2 lines joined, 3 joined and undone
        const QString page = QStringLiteral("<p>中文</p>\r\n\r\nsecond line\nthird\r\n\n");
        for (const bool filled : {true, false}) {
            for (int edit = 0; edit <= 3; ++edit)
                QTest::addRow("%s, edit %d", filled ? "filled" : "typed", edit) << page << filled << edit;
        }
        QTest::newRow("empty") << QString() << true << 0;
        QTest::newRow("only breaks") << QStringLiteral("\n\n\n") << true << 0;
        QTest::newRow("one line") << QStringLiteral("abc") << false << 1;
    }
    void linesAsTheBlocksHaveThem()
    {
        QFETCH(QString, text);
        QFETCH(bool, filled);
        QFETCH(int, edit);
        QTextDocument doc;
        doc.setDocumentLayout(new QPlainTextDocumentLayout(&doc));
        QTextCursor c(&doc);
        if (filled) {
            doc.setUndoRedoEnabled(false);
            c.beginEditBlock();
            QString blocks = text;
            DocumentFiller::ToBlockText(blocks);
            {
                DocumentFiller filler(&doc, QTextCharFormat(), c.blockFormat());
                filler.Add(0, blocks);
            }
            c.endEditBlock();
            doc.setUndoRedoEnabled(true);
        } else {
            c.insertText(text);
        }
        if (edit >= 1) {
            c.setPosition(std::min(2, doc.characterCount() - 1));
            c.insertText(QStringLiteral("插入"));
        }
        if (edit >= 2 && doc.blockCount() > 2) {
            c.setPosition(1);
            c.setPosition(doc.findBlockByNumber(2).position() + 1, QTextCursor::KeepAnchor);
            c.removeSelectedText();
        }
        if (edit == 3)
            doc.undo();
        QString read;
        int lineEnds = 0;
        QVERIFY(DocumentRuns::Read(&doc, [&](QStringView run, bool lineEnd) {
            if (lineEnd) {
                ++lineEnds;
                read += QLatin1Char('\n');
            } else {
                read += run;
            }
            return true;
        }));
        QCOMPARE(read, ByBlocks(doc));
        QCOMPARE(lineEnds, doc.blockCount() - 1);
        // A visit that says stop ends the reading there.
        int visits = 0;
        const bool all = DocumentRuns::Read(&doc, [&](QStringView, bool) { return ++visits < 2; });
        QCOMPARE(all, visits < 2);
    }
};

QTEST_MAIN(TestDocumentRuns)
#include "tst_documentruns.moc"
