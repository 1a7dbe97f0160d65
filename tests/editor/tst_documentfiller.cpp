#include "editor/documentfiller.h"
#include "editor/linechunks.h"

#include <QPlainTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>
#include <private/qtextdocument_p.h>

// A page filled in at once must leave the text document exactly as inserting it through a cursor does, with sound
// trees underneath (later edits, undo and the layout all walk them).
class TestDocumentFiller : public QObject
{
    Q_OBJECT

    static std::unique_ptr<QTextDocument> NewDocument()
    {
        auto doc = std::make_unique<QTextDocument>();
        doc->setDocumentLayout(new QPlainTextDocumentLayout(doc.get()));
        doc->setUndoRedoEnabled(false);
        return doc;
    }

    // Fills `doc` with `text` cut into pieces from its end, each put in at the top, as a page is opened (emptying
    // it first in the same edit block, as a reload does).
    static bool Fill(QTextDocument* doc, const QString& text, qsizetype pieceSize,
                     const QTextCharFormat& format = QTextCharFormat())
    {
        QTextCursor c(doc);
        c.beginEditBlock();
        c.select(QTextCursor::Document);
        c.removeSelectedText();
        DocumentFiller filler(doc, format, c.blockFormat());
        for (qsizetype end = text.size(), first = 1; end > 0 || first; first = 0) {
            const qsizetype start = LineChunks::PieceStart(text, end, pieceSize);
            QString piece = text.sliced(start, end - start);
            DocumentFiller::ToBlockText(piece);
            filler.Add(0, piece);
            end = start;
        }
        const bool fast = filler.Fast();
        filler.Finish();
        c.endEditBlock();
        return fast;
    }

    // Red-black tree checks of one map: links, left sizes, no red node with a red child, one black height.
    template <class Map>
    static int CheckTree(const Map& map, quint32 node, quint32 parent, std::array<quint32, 3>& total)
    {
        total.fill(0);
        if (!node)
            return 1;
        const auto* f = map.fragment(node);
        const int n = std::remove_pointer_t<decltype(f)>::size_array_max;
        if (f->parent != parent)
            return -1;
        std::array<quint32, 3> left{}, right{};
        const int lh = CheckTree(map, f->left, node, left);
        const int rh = CheckTree(map, f->right, node, right);
        const bool red = f->color == 0;
        const auto isRed = [&](quint32 child) { return child && map.fragment(child)->color == 0; };
        if (lh < 0 || lh != rh || (red && (isRed(f->left) || isRed(f->right))))
            return -1;
        for (int i = 0; i < n; ++i) {
            if (f->size_left_array[i] != left[i])
                return -1;
            total[i] = left[i] + f->size_array[i] + right[i];
        }
        return lh + (red ? 0 : 1);
    }
    template <class Map> static bool TreeSound(const Map& map)
    {
        quint32 root = map.firstNode();
        while (root && map.fragment(root)->parent)
            root = map.fragment(root)->parent;
        std::array<quint32, 3> total{};
        return CheckTree(map, root, 0, total) > 0 && (!root || map.fragment(root)->color == 1);
    }

    static QStringList Describe(QTextDocument* doc)
    {
        QStringList lines;
        for (QTextBlock b = doc->firstBlock(); b.isValid(); b = b.next()) {
            lines << QStringLiteral("%1|%2|%3|%4|%5|%6|rev %7|state %8|data %9|formats %10 %11")
                         .arg(b.blockNumber())
                         .arg(b.position())
                         .arg(b.length())
                         .arg(b.firstLineNumber())
                         .arg(doc->findBlock(b.position()).blockNumber())
                         .arg(b.text())
                         .arg(b.revision())
                         .arg(b.userState())
                         .arg(b.userData() != nullptr)
                         .arg(b.blockFormatIndex())
                         .arg(b.charFormatIndex());
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QTextFragment f = it.fragment();
                lines << QStringLiteral("  %1+%2 format %3 %4")
                             .arg(f.position())
                             .arg(f.length())
                             .arg(f.charFormatIndex())
                             .arg(f.charFormat().foreground().color().name());
            }
        }
        lines << doc->toPlainText() << QString::number(doc->characterCount());
        return lines;
    }

    // What a document tells its watchers while a page goes in.
    struct Signals
    {
        QStringList seen;
        explicit Signals(QTextDocument* doc)
        {
            connect(doc, &QTextDocument::contentsChange, doc, [this](int at, int removed, int added) {
                seen << QStringLiteral("change %1 -%2 +%3").arg(at).arg(removed).arg(added);
            });
            connect(doc, &QTextDocument::blockCountChanged, doc,
                    [this](int n) { seen << QStringLiteral("blocks %1").arg(n); });
            connect(doc, &QTextDocument::contentsChanged, doc, [this] { seen << QStringLiteral("changed"); });
            connect(doc, &QTextDocument::modificationChanged, doc,
                    [this](bool m) { seen << QStringLiteral("modified %1").arg(m); });
        }
    };

    // `before` is in both documents first (a reload replaces it); `format` colours the page's text.
    static void CheckSameAsCursor(const QString& text, qsizetype pieceSize, const QString& before = QString(),
                                  const QTextCharFormat& format = QTextCharFormat())
    {
        auto expected = NewDocument();
        auto filled = NewDocument();
        for (QTextDocument* doc : {expected.get(), filled.get()}) {
            QTextCursor c(doc);
            c.insertText(before, format);
            doc->setModified(false);
        }
        Signals expectedSignals(expected.get());
        Signals filledSignals(filled.get());
        {
            QTextCursor c(expected.get());
            c.beginEditBlock();
            c.select(QTextCursor::Document);
            c.removeSelectedText();
            c.insertText(text, format);
            c.endEditBlock();
        }
        QVERIFY(Fill(filled.get(), text, pieceSize, format));
        QCOMPARE(Describe(filled.get()), Describe(expected.get()));
        QCOMPARE(filledSignals.seen, expectedSignals.seen);
        auto* d = QTextDocumentPrivate::get(filled.get());
        QVERIFY(TreeSound(d->fragmentMap()));
        QVERIFY(TreeSound(d->blockMap()));

        // Edits afterwards, with undo on, walk the new trees and must give what they give on the other document.
        for (QTextDocument* doc : {expected.get(), filled.get()}) {
            doc->setUndoRedoEnabled(true);
            QTextCursor c(doc);
            c.setPosition(doc->characterCount() / 2);
            c.insertText(QStringLiteral("<p>\n新</p>"));
            c.setPosition(doc->characterCount() / 3);
            c.setPosition(std::min(doc->characterCount() - 1, c.position() + 7), QTextCursor::KeepAnchor);
            c.removeSelectedText();
            doc->undo();
        }
        QCOMPARE(Describe(filled.get()), Describe(expected.get()));
        QVERIFY(TreeSound(d->fragmentMap()));
        QVERIFY(TreeSound(d->blockMap()));
    }

private Q_SLOTS:
    // Every break becomes one separator, wherever it falls among the characters taken eight at a time (a CR LF
    // across two such runs included), and the rest of the text stays as it was.
    void blockTextAtEveryPlace_data()
    {
        QTest::addColumn<QString>("brk");
        QTest::newRow("CR LF") << QStringLiteral("\r\n");
        QTest::newRow("CR") << QStringLiteral("\r");
        QTest::newRow("LF") << QStringLiteral("\n");
        QTest::newRow("CR CR LF") << QStringLiteral("\r\r\n");
        QTest::newRow("LF CR") << QStringLiteral("\n\r");
        QTest::newRow("frame marks") << (QString(QChar(0xFDD0)) + QChar(0xFDD1));
        QTest::newRow("separator stays") << QString(QChar::ParagraphSeparator);
    }
    void blockTextAtEveryPlace()
    {
        QFETCH(QString, brk);
        const QString plain = QStringLiteral("abcdefghijklmnopqrstuvw中文xyz");
        for (qsizetype at = 0; at <= plain.size(); ++at) {
            for (qsizetype second = at; second <= plain.size(); second += 5) {
                QString text = plain;
                text.insert(second, brk);
                text.insert(at, brk);
                QString expected;
                for (qsizetype i = 0; i < text.size(); ++i) {
                    const QChar c = text[i];
                    if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                        ++i;
                    const bool lineBreak = c == u'\r' || c == u'\n' || c.unicode() == 0xFDD0 || c.unicode() == 0xFDD1;
                    expected += lineBreak ? QChar(QChar::ParagraphSeparator) : c;
                }
                QString blocked = text;
                DocumentFiller::ToBlockText(blocked);
                QCOMPARE(blocked, expected);
            }
        }
    }

    void sameAsCursorInsertion_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pieceSize");
        QTest::newRow("empty") << "" << 4;
        QTest::newRow("one line") << "<html>" << 4;
        QTest::newRow("LF lines, small pieces") << "ab\ncd\nef" << 2;
        QTest::newRow("CR LF, ends with a break") << "a\r\nb\r\n" << 3;
        QTest::newRow("empty lines only") << "\n\n\n" << 1;
        QTest::newRow("lone CR and LF then CR") << "a\rb\n\rc" << 2;
        QTest::newRow("separators the document takes as breaks")
            << QStringLiteral("中文\u2029x\uFDD0y\uFDD1z\u2028w") << 3;
        QTest::newRow("one piece") << "<p>第一段</p>\r\n<p>第二段</p>" << 1000;
    }
    void sameAsCursorInsertion()
    {
        QFETCH(QString, text);
        QFETCH(int, pieceSize);
        CheckSameAsCursor(text, pieceSize);
    }

    // A page reloaded over another, and pages in a format of their own: the same documents, formats, block
    // revisions and states, and the same signals as ordinary insertion.
    void reloadAndFormats_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("coloured");
        QTest::newRow("reload over a page") << "old\nlines\n"
                                            << "new\r\npage\r\n"
                                            << false;
        QTest::newRow("reload over coloured text") << "<b>old</b>"
                                                   << "a\nb" << true;
        QTest::newRow("reload with nothing") << "x\ny"
                                             << "" << false;
        QTest::newRow("coloured page") << ""
                                       << "<p>\n中\n</p>" << true;
    }
    void reloadAndFormats()
    {
        QFETCH(QString, before);
        QFETCH(QString, text);
        QFETCH(bool, coloured);
        QTextCharFormat format;
        if (coloured)
            format.setForeground(QColor(Qt::blue));
        CheckSameAsCursor(text, 3, before, format);
    }

    // Edited and marked lines before a reload leave nothing behind in the new page.
    void reloadAfterEdits()
    {
        auto filled = NewDocument();
        auto expected = NewDocument();
        for (QTextDocument* doc : {filled.get(), expected.get()}) {
            QTextCursor(doc).insertText(QStringLiteral("a\nb\nc"));
            doc->findBlockByNumber(1).setUserState(7);
            QTextCursor(doc->findBlockByNumber(2)).insertText(QStringLiteral("x"));
        }
        QVERIFY(Fill(filled.get(), QStringLiteral("d\ne"), 2));
        QTextCursor c(expected.get());
        c.beginEditBlock();
        c.select(QTextCursor::Document);
        c.removeSelectedText();
        c.insertText(QStringLiteral("d\ne"));
        c.endEditBlock();
        QCOMPARE(Describe(filled.get()), Describe(expected.get()));
    }

    // Every shape of tree from one to a few hundred lines, and one of many thousands.
    void treesOfEverySize()
    {
        QString text;
        for (int lines = 1; lines <= 300; ++lines) {
            text += (lines % 7 == 0 ? QString() : QStringLiteral("<td>%1</td>").arg(lines)) + QLatin1Char('\n');
            CheckSameAsCursor(text, 40);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("at %1 lines").arg(lines)));
        }
        CheckSameAsCursor(text.repeated(40), 1 << 12);
    }

    // A document that is not empty, or keeps undo history, is filled the ordinary way.
    void ordinaryWayWhenNotEmpty()
    {
        auto doc = NewDocument();
        QTextCursor(doc.get()).insertText(QStringLiteral("old"));
        QTextCursor c(doc.get());
        DocumentFiller filler(doc.get(), c.charFormat(), c.blockFormat());
        QVERIFY(!filler.Fast());
        // Pieces in any order of position, one of them inside another: one insertion of the whole at the end.
        Signals changes(doc.get());
        filler.Add(0, QStringLiteral("c\u2029"));
        filler.Add(0, QStringLiteral("a\u2029"));
        filler.Add(1, QStringLiteral("1"));
        filler.Add(5, QStringLiteral("d"));
        QVERIFY(changes.seen.isEmpty());
        filler.Finish();
        QCOMPARE(doc->toPlainText(), QStringLiteral("a1\nc\ndold"));
        QCOMPARE(doc->blockCount(), 3);
        QCOMPARE(changes.seen.count(QStringLiteral("change 0 -0 +6")), 1);
    }
};

QTEST_MAIN(TestDocumentFiller)
#include "tst_documentfiller.moc"
