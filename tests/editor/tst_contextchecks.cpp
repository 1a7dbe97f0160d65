#include "editor/completionstate.h"
#include "editor/contextchecks.h"
#include "editor/documentlines.h"
#include "editor/scanmemo.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

namespace {

// A text split at "\n", with the control's positions (one break character between lines).
class StringLines : public LineSource
{
public:
    // `markers`: tell which markers each line holds, as the page window's text does.
    explicit StringLines(const QString& text, ScanMemo* memo = nullptr, bool markers = false)
        : lines_(text.split(QLatin1Char('\n'))), memo_(memo), markers_(markers)
    {
        int start = 0;
        for (const QString& line : std::as_const(lines_)) {
            starts_.append(start);
            start += int(line.size()) + 1;
        }
    }
    int LineCount() const override { return int(lines_.size()); }
    int LineOf(int position) const override
    {
        int line = 0;
        while (line + 1 < starts_.size() && starts_.at(line + 1) <= position)
            ++line;
        return line;
    }
    int LineStart(int line) const override { return starts_.at(line); }
    QString LineText(int line) const override { return lines_.at(line); }
    ScanMemo* Memo() const override { return memo_; }
    int LineMarkers(int line) const override { return markers_ ? ContextChecks::MarkersIn(lines_.at(line)) : -1; }

private:
    QStringList lines_;
    QList<int> starts_;
    ScanMemo* memo_;
    bool markers_;
};

// "|" marks the caret; it is taken out of the text.
struct Caret
{
    QString text;
    int caret;
};
Caret At(const QString& marked)
{
    return {QString(marked).remove(QLatin1Char('|')), int(marked.indexOf(QLatin1Char('|')))};
}

} // namespace

class TestContextChecks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lastOf_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("needle");
        QTest::addColumn<int>("position");
        // Needles: "<script", "</script".
        QTest::newRow("open after close") << "<script></script>\n<SCRIPT>x|" << 0 << 18;
        QTest::newRow("close is nearer") << "<script>a</script>|" << 1 << 9;
        QTest::newRow("none") << "plain|" << -1 << -1;
        QTest::newRow("marker running past the caret does not count") << "<scr|ipt>" << -1 << -1;
        QTest::newRow("marker ending at the caret counts") << "ab<script|" << 0 << 2;
        QTest::newRow("earlier line when the caret line has none") << "<script>\nline\nmore|" << 0 << 0;
        QTest::newRow("text after the caret is ignored") << "<script>|</script>" << 0 << 0;
    }
    void lastOf()
    {
        QFETCH(QString, text);
        const Caret c = At(text);
        const StringLines lines(c.text);
        const ContextChecks::Hit hit =
            ContextChecks::LastOf(lines, c.caret, {QStringLiteral("<script"), QStringLiteral("</script")});
        QTEST(hit.needle, "needle");
        QTEST(hit.position, "position");
    }

    // Searches that reuse what earlier ones found, and pass over lines without markers, give the same answers as
    // fresh ones, whatever is edited between them.
    void memoAgreesWithFreshSearches()
    {
        QRandomGenerator random(42);
        const QString pieces[] = {QStringLiteral("<style"), QStringLiteral("</style"), QStringLiteral("{"),
                                  QStringLiteral("}"),      QStringLiteral("x"),       QStringLiteral("\n"),
                                  QStringLiteral("<sty"),   QStringLiteral("le")};
        const QStringList needles[] = {{QStringLiteral("<style"), QStringLiteral("</style")},
                                       {QStringLiteral("{"), QStringLiteral("}")}};
        QString text = QStringLiteral("<style>\np {a}\n</style>\nxx\n");
        ScanMemo memo;
        for (int step = 0; step < 3000; ++step) {
            if (random.bounded(3) == 0) {
                // An edit: insert a piece or remove a few characters somewhere.
                const int at = random.bounded(int(text.size()) + 1);
                if (random.bounded(2) == 0 || text.isEmpty()) {
                    text.insert(at, pieces[random.bounded(8)]);
                } else {
                    text.remove(at, random.bounded(1, 4));
                }
                memo.TextChanged(at);
                continue;
            }
            const QStringList& set = needles[random.bounded(2)];
            // Mostly near the end, as when typing goes on there.
            const int before = random.bounded(4) == 0 ? random.bounded(int(text.size()) + 1)
                                                      : qMax(0, int(text.size()) - random.bounded(5));
            const ContextChecks::Hit fresh = ContextChecks::LastOf(StringLines(text), before, set);
            const ContextChecks::Hit kept = ContextChecks::LastOf(StringLines(text, &memo, true), before, set);
            QVERIFY2(fresh.needle == kept.needle && fresh.position == kept.position,
                     qPrintable(QStringLiteral("step %1 before %2: %3@%4 vs %5@%6")
                                    .arg(step)
                                    .arg(before)
                                    .arg(fresh.needle)
                                    .arg(fresh.position)
                                    .arg(kept.needle)
                                    .arg(kept.position)));
        }
    }

    void markersIn_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("markers");
        QTest::newRow("none") << "plain text" << QStringList();
        QTest::newRow("braces and quotes") << "p {a:'b'}\"" << QStringList{"{", "}", "'", "\""};
        QTest::newRow("script tags, any case") << "<SCRIPT></Script>" << QStringList{"<", ">", "<script", "</script"};
        QTest::newRow("style tags") << "<style></style" << QStringList{"<", ">", "<style", "</style"};
        QTest::newRow("cut short") << "<scrip" << QStringList{"<"};
    }
    void markersIn()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, markers);
        int expected = 0;
        for (const QString& marker : std::as_const(markers))
            expected |= ContextChecks::MarkerBit(marker);
        QCOMPARE(ContextChecks::MarkersIn(line), expected);
        QCOMPARE(ContextChecks::MarkerBit(QStringLiteral("x")), 0);
    }

    // A page just read gets its markers from its text in one pass; they must be the ones each of the control's
    // lines would give, wherever the control breaks the text.
    void markersOfLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << "" << QStringList{""};
        QTest::newRow("CR LF") << "a<b\r\nc{d\r\n" << QStringList{"a<b", "c{d", ""};
        QTest::newRow("LF, CR LF and a lone CR") << "'\n\"\r\n}\r>" << QStringList{"'", "\"", "}", ">"};
        QTest::newRow("CR then LF is one break") << "x\r\n\ry" << QStringList{"x", "", "y"};
        QTest::newRow("LF then CR is two") << "x\n\ry" << QStringList{"x", "", "y"};
        QTest::newRow("paragraph separator") << QStringLiteral("<style\u2029}") << QStringList{"<style", "}"};
        QTest::newRow("frame marks") << QStringLiteral("a\uFDD0<b\uFDD1c") << QStringList{"a", "<b", "c"};
        QTest::newRow("line separator stays in the line")
            << QStringLiteral("{\u2028}") << QStringList{QStringLiteral("{\u2028}")};
        QTest::newRow("marker cut by a break") << "<\r\nscript>" << QStringList{"<", "script>"};
        QTest::newRow("CR at the end") << "</SCRIPT\r" << QStringList{"</SCRIPT", ""};
    }
    void markersOfLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        std::vector<int> expected;
        for (const QString& line : std::as_const(lines))
            expected.push_back(ContextChecks::MarkersIn(line));
        const std::vector<int> markers = ContextChecks::MarkersOfLines(text);
        QCOMPARE(markers, expected);

        // The control splits the text into the same lines, and learns what each holds.
        QTextDocument document;
        document.setPlainText(text);
        QCOMPARE(document.blockCount(), int(lines.size()));
        QVERIFY(DocumentLines::Learn(&document, markers));
        const DocumentLines learnt(&document);
        QTextBlock block = document.firstBlock();
        for (int i = 0; i < int(lines.size()); ++i, block = block.next()) {
            QCOMPARE(block.text(), lines.at(i));
            QCOMPARE(learnt.LineMarkers(i), expected[size_t(i)]);
        }
        // Markers for another number of lines are not taken: the lines read themselves when asked.
        std::vector<int> other = markers;
        other.push_back(0xFF);
        QTextDocument fresh;
        fresh.setPlainText(text);
        QVERIFY(!DocumentLines::Learn(&fresh, other));
        QCOMPARE(fresh.firstBlock().userState(), -1);
    }

    void text()
    {
        const StringLines lines(QStringLiteral("ab\ncd\nef"));
        QCOMPARE(ContextChecks::Text(lines, 1, 7), QStringLiteral("b\ncd\ne"));
        QCOMPARE(ContextChecks::Text(lines, 2, 3), QStringLiteral("\n"));
        QCOMPARE(ContextChecks::Text(lines, 3, 3), QString());
    }

    void semicolon_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("opens");
        QTest::newRow("open double-quoted style value") << "<p style=\"color:red|" << true;
        QTest::newRow("right after the opening quote") << "<p STYLE=\"|" << true;
        QTest::newRow("value closed by its second quote") << "<p style=\"color:red\" title=\"a|" << false;
        QTest::newRow("closed value, caret after it") << "<p style=\"color:red\">x|" << false;
        QTest::newRow("single-quoted style value") << "<p style='color:red|" << true;
        QTest::newRow("single quote after a closed double one") << "<p style=\"a\" x style='b|" << true;
        QTest::newRow("plain text entity") << "<p>a&nbsp|" << false;
        QTest::newRow("rule in a style block") << "<style>\np {color:red|" << true;
        QTest::newRow("after a closed rule") << "<style>\np {color:red}\nq|" << false;
        QTest::newRow("brace outside any style block") << "<script>\nif (a) {b|" << false;
        QTest::newRow("after the style block ended") << "<style></style>\n{a|" << false;
        QTest::newRow("style= at the start of a line") << "style=\"a|" << true;
        QTest::newRow("quote with too little before it") << "le=\"a|" << false;
    }
    void semicolon()
    {
        QFETCH(QString, text);
        const Caret c = At(text);
        QTEST(ContextChecks::SemicolonOpensStyles(StringLines(c.text), c.caret), "opens");
    }

    void brace_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("opens");
        QTest::newRow("in a style block") << "<head><style type=text/css>\nbody |" << true;
        QTest::newRow("outside") << "<body>\np |" << false;
        QTest::newRow("after the block") << "<style>\n</STYLE>\n|" << false;
    }
    void brace()
    {
        QFETCH(QString, text);
        const Caret c = At(text);
        QTEST(ContextChecks::BraceOpensStyles(StringLines(c.text), c.caret), "opens");
    }

    void scriptPath_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("path");
        QTest::newRow("after a blank") << "x = document|" << true << "document";
        QTest::newRow("dotted") << "(window.document.body|" << true << "window.document.body";
        QTest::newRow("after a line break") << "<script>\ndocument|" << true << "document";
        QTest::newRow("digit before the dot") << " a1|" << false << "";
        QTest::newRow("quote") << " \"abc|" << false << "";
        QTest::newRow("closing bracket") << " f()|" << false << "";
        QTest::newRow("start of the text") << "document|" << false << "";
        QTest::newRow("delimiter right before") << "a=|" << true << "";
        QTest::newRow("Chinese letters continue") << ";变量|" << true << "变量";
        QTest::newRow("underscore and brackets are in the letter range") << "+a_b[c]|" << true << "a_b[c]";
        QTest::newRow("word longer than the window") << "\n" + QString(101, QLatin1Char('a')) + "|" << false << "";
    }
    void scriptPath()
    {
        QFETCH(QString, text);
        const Caret c = At(text);
        const std::optional<QString> path = ContextChecks::ScriptPath(StringLines(c.text), c.caret);
        QTEST(path.has_value(), "found");
        if (path)
            QTEST(*path, "path");
    }

    void inScript_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("inside");
        QTest::newRow("open block") << "<script type=text/javascript>\nvar a|" << true;
        QTest::newRow("closed block") << "<script>a</script>\nb|" << false;
        QTest::newRow("no block") << "<p>a|" << false;
        QTest::newRow("second block open") << "<script></script><Script>|" << true;
    }
    void inScript()
    {
        QFETCH(QString, text);
        const Caret c = At(text);
        QTEST(ContextChecks::InScript(StringLines(c.text), c.caret), "inside");
    }

    void tagBeforeBlank_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tag"); // "-" for none
        QTest::newRow("tag name") << "<p><a |"
                                  << "<a";
        QTest::newRow("upper case is lowered") << "<A |"
                                               << "<a";
        QTest::newRow("after an attribute") << "<img src=\"a.gif\" |"
                                            << "<img";
        QTest::newRow("inside a double-quoted value") << "<a title=\"x |"
                                                      << "-";
        QTest::newRow("single quotes are not counted") << "<a title='x |"
                                                       << "<a";
        QTest::newRow("after the tag closed") << "<a> |"
                                              << "-";
        QTest::newRow("no tag at all") << "text |"
                                       << "-";
        QTest::newRow("quote in the name") << "<a\"b\" |"
                                           << "-";
        QTest::newRow("tag across lines") << "<table\nborder=1 |"
                                          << "<table\nborder=1";
    }
    void tagBeforeBlank()
    {
        QFETCH(QString, text);
        QFETCH(QString, tag);
        const Caret c = At(text);
        const std::optional<QString> found = ContextChecks::TagBeforeBlank(StringLines(c.text), c.caret);
        QCOMPARE(found.value_or(QStringLiteral("-")), tag);
    }

    void trackTypedKey()
    {
        CompletionState state;
        state.ListMode = CompletionState::Tags;
        state.TypedText = QStringLiteral("<");
        state.SkipNextKey = true;
        QCOMPARE(state.TrackTypedKey(QLatin1Char('x')), CompletionState::Kept);
        QCOMPARE(state.TypedText, QStringLiteral("<")); // the skipped key
        QVERIFY(!state.SkipNextKey);
        for (int i = 0; i < 19; ++i)
            QCOMPARE(state.TrackTypedKey(QLatin1Char('a')), CompletionState::Kept);
        QCOMPARE(state.ReplacedLength(), 19);
        QCOMPARE(state.TrackTypedKey(QLatin1Char('\b')), CompletionState::Kept);
        QCOMPARE(state.TrackTypedKey(QLatin1Char('b')), CompletionState::Kept);
        QCOMPARE(state.TrackTypedKey(QLatin1Char('c')), CompletionState::Close); // the seed and 20 more
        CompletionState seedOnly;
        seedOnly.TypedText = QStringLiteral("<");
        QCOMPARE(seedOnly.TrackTypedKey(QLatin1Char('\b')), CompletionState::Close);
    }

    void prefixRow_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("row");
        QTest::newRow("seed only") << "<" << -1;
        QTest::newRow("first match") << "<i" << 1;
        QTest::newRow("case ignored") << "<IM" << 1;
        QTest::newRow("longer prefix") << "<inp" << 2;
        QTest::newRow("no match") << "<zz" << -1;
        QTest::newRow("filter longer than the entry") << "<imgs" << -1;
    }
    void prefixRow()
    {
        QFETCH(QString, typed);
        const QStringList items{QStringLiteral("a"), QStringLiteral("img"), QStringLiteral("input")};
        QTEST(CompletionState::PrefixRow(items, typed), "row");
    }
};

QTEST_APPLESS_MAIN(TestContextChecks)
#include "tst_contextchecks.moc"
