#include "editor/pagesearch.h"

#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

class TestPageSearch : public QObject
{
    Q_OBJECT

    static QString Text(const QTextDocument& doc)
    {
        QString text = doc.toRawText();
        text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        return text;
    }

private Q_SLOTS:
    void find_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<int>("found");
        struct Row
        {
            const char *name, *text, *what;
            int from;
            bool matchCase;
            int found;
        };
        const Row rows[] = {
            {"first", "abcabc", "abc", 0, false, 0},
            {"overlap", "aaaa", "aa", 1, false, 1},
            {"ignoring case", "xxABC", "abc", 0, false, 2},
            {"case matters", "xxABC", "abc", 0, true, -1},
            {"later line", "one\ntwo\nthree", "three", 0, false, 8},
            {"from the middle of a line", "a</HEAD>\n</head>", "</head", 2, false, 9},
            {"never across a break", "ab\ncd", "bc", 0, false, -1},
            {"chinese", "中文网页中文", "中文", 1, false, 4},
            {"non-ASCII letters ignoring case", "xÄPFEL", "äpfel", 0, false, 1},
            {"no-break space is not a blank", "a\u00A0b", "a b", 0, false, -1},
            {"empty text at the start", "abc", "", 2, false, 2},
            {"empty text past the end", "abc", "", 4, false, -1},
            {"empty document", "", "a", 0, false, -1},
        };
        for (const Row& r : rows)
            QTest::newRow(r.name) << QString::fromUtf8(r.text) << QString::fromUtf8(r.what) << r.from << r.matchCase
                                  << r.found;
    }
    void find()
    {
        QFETCH(QString, text);
        QFETCH(QString, what);
        QFETCH(int, from);
        QFETCH(bool, matchCase);
        QFETCH(int, found);
        const Qt::CaseSensitivity cs = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
        QTextDocument doc;
        doc.setPlainText(text);
        QCOMPARE(PageSearch::Find(&doc, what, from, cs), found);

        // The same text far down a long page, searched from the top: there the search no longer goes line by line.
        if (what.isEmpty())
            return;
        QString filler;
        for (int i = 0; i < 3000; ++i)
            filler += QStringLiteral("x\n");
        QTextDocument far;
        far.setPlainText(filler + text);
        const int shift = int(filler.size());
        QCOMPARE(PageSearch::Find(&far, what, from > 0 ? from + shift : 0, cs), found < 0 ? -1 : found + shift);
    }

    void findBefore_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("before");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<int>("found");
        struct Row
        {
            const char *name, *text, *what;
            int before;
            bool matchCase;
            int found;
        };
        const Row rows[] = {
            {"last one before", "abcabc", "abc", 6, false, 3},
            {"not the one starting there", "abcabc", "abc", 3, false, 0},
            {"one starting just before, ending after", "abcabc", "abc", 4, false, 3},
            {"overlap", "aaaa", "aa", 2, false, 1},
            {"ignoring case", "ABCxx", "abc", 5, false, 0},
            {"case matters", "ABCxx", "abc", 5, true, -1},
            {"earlier line", "three\ntwo\none", "three", 13, false, 0},
            {"never across a break", "ab\ncd", "bc", 5, false, -1},
            {"before the start", "abc", "abc", 0, false, -1},
            {"past the end", "xabc", "abc", 99, false, 1},
            {"empty text", "abc", "", 2, false, -1},
        };
        for (const Row& r : rows)
            QTest::newRow(r.name) << QString::fromUtf8(r.text) << QString::fromUtf8(r.what) << r.before << r.matchCase
                                  << r.found;
    }
    void findBefore()
    {
        QFETCH(QString, text);
        QFETCH(QString, what);
        QFETCH(int, before);
        QFETCH(bool, matchCase);
        QFETCH(int, found);
        const Qt::CaseSensitivity cs = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
        QTextDocument doc;
        doc.setPlainText(text);
        QCOMPARE(PageSearch::FindBefore(&doc, what, before, cs), found);

        // Searched from its end, the same text far up a long page: there the search no longer goes line by line.
        if (before < int(text.size()))
            return;
        QString filler;
        for (int i = 0; i < 3000; ++i)
            filler += QStringLiteral("\nx");
        QTextDocument far;
        far.setPlainText(text + filler);
        QCOMPARE(PageSearch::FindBefore(&far, what, far.characterCount(), cs), found);
    }

    void replaceAll_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("with");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("count");
        struct Row
        {
            const char *name, *text, *what, *with;
            bool matchCase;
            const char* result;
            int count;
        };
        const Row rows[] = {
            {"not rescanned", "aa", "a", "aa", false, "aaaa", 2},
            {"no overlaps", "aaa", "aa", "b", false, "ba", 1},
            {"ignoring case", "Abc aBC abc", "abc", "x", false, "x x x", 3},
            {"case matters", "Abc aBC abc", "abc", "x", true, "Abc aBC x", 1},
            {"every line", "td\n<td>td</td>\n\ntd", "td", "th", false, "th\n<th>th</th>\n\nth", 5},
            {"longer, chinese", "一二一", "一", "壹壹", false, "壹壹二壹壹", 2},
            {"breaks in the replacement, not rescanned", "x;\nx", "x", "x\nx", false, "x\nx;\nx\nx", 2},
            {"none", "abc", "z", "y", false, "abc", 0},
            {"empty find text", "abc", "", "y", false, "abc", 0},
        };
        for (const Row& r : rows)
            QTest::newRow(r.name) << QString::fromUtf8(r.text) << QString::fromUtf8(r.what) << QString::fromUtf8(r.with)
                                  << r.matchCase << QString::fromUtf8(r.result) << r.count;
    }
    void replaceAll()
    {
        QFETCH(QString, text);
        QFETCH(QString, what);
        QFETCH(QString, with);
        QFETCH(bool, matchCase);
        QFETCH(QString, result);
        QFETCH(int, count);
        QTextDocument doc;
        doc.setPlainText(text);
        doc.clearUndoRedoStacks();
        int changes = 0;
        connect(&doc, &QTextDocument::contentsChanged, this, [&changes] { ++changes; });
        QCOMPARE(PageSearch::ReplaceAll(&doc, what, with, matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive,
                                        QTextCharFormat()),
                 count);
        QCOMPARE(Text(doc), result);
        QCOMPARE(changes, count > 0 ? 1 : 0);
        QCOMPARE(doc.isUndoAvailable(), count > 0);
        // One undo step takes the whole replacement back.
        doc.undo();
        QCOMPARE(Text(doc), text);
        QVERIFY(!doc.isUndoAvailable());
    }

    // Whole words and regular expressions, through the document: the first match from `from`, and the last one
    // searching back from the end, each near (line by line) and far down or up a long page (in one copy).
    void findWithOptions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("options"); // c: match case, w: whole words, r: regular expression
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("found");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("lastLength");
        struct Row
        {
            const char *name, *text, *what, *options;
            int from, found, length, last, lastLength;
        };
        const Row rows[] = {
            {"whole word passes parts of words", "concat cat_ cats cat", "cat", "w", 0, 17, 3, 17, 3},
            {"whole word ignoring case", "Cat scat CAT", "cat", "w", 1, 9, 3, 9, 3},
            {"whole word: chinese letters are word letters", "中文网页 中文", "中文", "w", 0, 5, 2, 5, 2},
            {"regex", "a1 b22 c333", "\\d{2,}", "r", 0, 4, 2, 9, 2},
            {"regex ignoring case", "Hello HELLO", "h(e)llo", "r", 1, 6, 5, 6, 5},
            {"regex with case", "HELLO Hello", "Hello", "rc", 0, 6, 5, 6, 5},
            {"regex never across a break", "ab\ncd", "b\\sc", "r", 0, -1, 0, -1, 0},
            {"regex never across a break, any character", "ab\ncd", "b[^x]c", "r", 0, -1, 0, -1, 0},
            {"regex ^ is a line's start", "xa\na", "^a", "r", 0, 3, 1, 3, 1},
            {"regex $ is a line's end", "ab\nab", "b$", "r", 0, 1, 1, 4, 1},
            {"regex and whole word", "foo1 foo foobar", "fo+", "rw", 0, 5, 3, 5, 3},
            {"regex sees the line before the start", "xab", "(?<=x)a", "r", 1, 1, 1, 1, 1},
            {"regex matching nothing", "abc", "x*", "r", 1, 1, 0, 2, 0},
            {"no match", "abc", "\\d", "r", 0, -1, 0, -1, 0},
        };
        for (const Row& r : rows)
            QTest::newRow(r.name) << QString::fromUtf8(r.text) << QString::fromUtf8(r.what)
                                  << QString::fromLatin1(r.options) << r.from << r.found << r.length << r.last
                                  << r.lastLength;
    }
    void findWithOptions()
    {
        QFETCH(QString, text);
        QFETCH(QString, what);
        QFETCH(QString, options);
        QFETCH(int, from);
        QFETCH(int, found);
        QFETCH(int, length);
        QFETCH(int, last);
        QFETCH(int, lastLength);
        const TextMatcher matcher(SearchOptions{what, options.contains(QLatin1Char('c')),
                                                options.contains(QLatin1Char('w')), options.contains(QLatin1Char('r'))});
        QVERIFY(matcher.IsValid());
        const PageSearch::Hit none;
        const PageSearch::Hit first = found < 0 ? none : PageSearch::Hit{found, length};
        const PageSearch::Hit back = last < 0 ? none : PageSearch::Hit{last, lastLength};
        QTextDocument doc;
        doc.setPlainText(text);
        QCOMPARE(PageSearch::Find(&doc, matcher, from), first);
        QCOMPARE(PageSearch::FindBefore(&doc, matcher, doc.characterCount()), back);

        // Far down and far up a long page of lines that hold no match.
        QString filler;
        for (int i = 0; i < 3000; ++i)
            filler += QStringLiteral("-\n");
        const int shift = int(filler.size());
        QTextDocument down;
        down.setPlainText(filler + text);
        if (length > 0 || found < 0) // an empty match is found anywhere in the filler
        {
            const PageSearch::Hit far = found < 0 ? none : PageSearch::Hit{found + shift, length};
            QCOMPARE(PageSearch::Find(&down, matcher, from > 0 ? from + shift : 0), far);
        }
        QTextDocument up;
        up.setPlainText(text + QLatin1Char('\n') + filler.chopped(1));
        if (lastLength > 0 || last < 0)
            QCOMPARE(PageSearch::FindBefore(&up, matcher, up.characterCount()), back);
    }

    // A pattern that does not compile: nothing is searched, and the message says where it went wrong.
    void badPattern_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("wholeWord");
        QTest::addColumn<QString>("message");
        QTest::newRow("open group") << "(abc" << false
                                    << QStringLiteral("正则表达式有错误,第 5 个字符处: missing closing parenthesis");
        QTest::newRow("nothing to repeat") << "*a" << false
                                           << QStringLiteral("正则表达式有错误,第 1 个字符处: quantifier does not "
                                                             "follow a repeatable item");
        QTest::newRow("whole word: the position is still the user's") << "a[b" << true
            << QStringLiteral("正则表达式有错误,第 4 个字符处: missing terminating ] for character class");
    }
    void badPattern()
    {
        QFETCH(QString, pattern);
        QFETCH(bool, wholeWord);
        QFETCH(QString, message);
        const TextMatcher matcher(SearchOptions{pattern, false, wholeWord, true});
        QVERIFY(!matcher.IsValid());
        QCOMPARE(matcher.ErrorMessage(), message);
        QTextDocument doc;
        doc.setPlainText(QStringLiteral("(abc *a a[b"));
        QCOMPARE(PageSearch::Find(&doc, matcher, 0), PageSearch::Hit());
        QCOMPARE(PageSearch::ReplaceAll(&doc, matcher, QStringLiteral("x"), QTextCharFormat()), 0);
        QCOMPARE(Text(doc), QStringLiteral("(abc *a a[b"));
    }

    void replaceAllWithOptions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("with");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("count");
        struct Row
        {
            const char *name, *text, *what, *options, *with, *result;
            int count;
        };
        const Row rows[] = {
            {"groups", "a=1, b=2\nc=3", "(\\w)=(\\d)", "r", "\\2:\\1", "1:a, 2:b\n3:c", 3},
            {"a group the pattern lacks stays as written", "ab", "(a)", "r", "\\2\\1", "\\2ab", 1},
            {"two digits only for a group that is there", "ab", "(a)", "r", "\\10", "a0b", 1},
            {"a backslash before no digit stays", "ab", "a", "r", "\\n\\", "\\n\\b", 1},
            {"every line's start", "ab\ncd", "^", "r", "> ", "> ab\n> cd", 2},
            {"empty matches between characters", "ab", "x*", "r", "-", "-a-b-", 3},
            {"whole words", "cat concat cat", "cat", "w", "dog", "dog concat dog", 2},
            {"regex whole words", "x1 x12 x1", "x\\d", "rw", "y", "y x12 y", 2},
            {"captures are not expanded without a regex", "ab", "a", "", "\\1", "\\1b", 1},
        };
        for (const Row& r : rows)
            QTest::newRow(r.name) << QString::fromUtf8(r.text) << QString::fromUtf8(r.what)
                                  << QString::fromLatin1(r.options) << QString::fromUtf8(r.with)
                                  << QString::fromUtf8(r.result) << r.count;
    }
    void replaceAllWithOptions()
    {
        QFETCH(QString, text);
        QFETCH(QString, what);
        QFETCH(QString, options);
        QFETCH(QString, with);
        QFETCH(QString, result);
        QFETCH(int, count);
        const TextMatcher matcher(SearchOptions{what, options.contains(QLatin1Char('c')),
                                                options.contains(QLatin1Char('w')), options.contains(QLatin1Char('r'))});
        QTextDocument doc;
        doc.setPlainText(text);
        doc.clearUndoRedoStacks();
        QCOMPARE(PageSearch::ReplaceAll(&doc, matcher, with, QTextCharFormat()), count);
        QCOMPARE(Text(doc), result);
        doc.undo();
        QCOMPARE(Text(doc), text);
    }

    // A long replacement reports how far it has come; stopped, it leaves the page and its undo history as they
    // were, whether it stops before the first match or after many.
    void replaceAllReportsAndStops_data()
    {
        QTest::addColumn<int>("stopAfterReports");
        QTest::newRow("runs to the end") << -1;
        QTest::newRow("stopped at the first report") << 0;
        QTest::newRow("stopped half way") << 2;
    }
    void replaceAllReportsAndStops()
    {
        QFETCH(int, stopAfterReports);
        QStringList lines;
        for (int i = 0; i < 5 * 4096; ++i)
            lines += QStringLiteral("line %1 abc").arg(i);
        const QString text = lines.join(QLatin1Char('\n'));
        QTextDocument doc;
        doc.setPlainText(text);
        doc.clearUndoRedoStacks();
        QList<int> reports;
        const int count = PageSearch::ReplaceAll(&doc, QStringLiteral("abc"), QStringLiteral("x"), Qt::CaseSensitive,
                                                 QTextCharFormat(), [&](int position) {
                                                     reports.append(position);
                                                     return reports.size() - 1 != stopAfterReports;
                                                 });
        QVERIFY(reports.size() >= (stopAfterReports < 0 ? 5 : stopAfterReports + 1));
        QVERIFY(std::is_sorted(reports.begin(), reports.end()));
        QVERIFY(reports.back() <= int(text.size()));
        if (stopAfterReports < 0) {
            QCOMPARE(count, 5 * 4096);
            QVERIFY(!Text(doc).contains(QStringLiteral("abc")));
            return;
        }
        QCOMPARE(count, 0);
        QCOMPARE(Text(doc), text);
        QVERIFY(!doc.isUndoAvailable());
        QVERIFY(!doc.isRedoAvailable());
    }
};

QTEST_MAIN(TestPageSearch)
#include "tst_pagesearch.moc"
