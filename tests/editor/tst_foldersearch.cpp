#include "editor/foldersearch.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(SearchOptions)

// A scratch site of pages in three code pages, searched as a folder.
class TestFolderSearch : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;

    bool Write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir_.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }

    // "file:line:column" and the text shown with its match in brackets.
    QStringList Found(const SearchOptions& options)
    {
        QStringList rows;
        const FolderSearch::Summary summary =
            FolderSearch::Run(dir_.path(), TextMatcher(options), [&](const QList<FolderHit>& hits) {
                for (const FolderHit& hit : hits) {
                    QString text = hit.text;
                    text.insert(hit.textStart + hit.length, QLatin1Char(']')).insert(hit.textStart, QLatin1Char('['));
                    rows.append(QStringLiteral("%1:%2:%3 %4")
                                    .arg(QDir(dir_.path()).relativeFilePath(hit.path))
                                    .arg(hit.line)
                                    .arg(hit.column)
                                    .arg(text));
                }
                return true;
            });
        if (summary.files != 6 || summary.unreadable != 0)
            rows.append(QStringLiteral("files %1, unreadable %2").arg(summary.files).arg(summary.unreadable));
        return rows;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        // 中文 is D6D0 CEC4 in GB18030 and A4A4 A4E5 in Big5.
        QVERIFY(Write("gb.html", "<meta charset=\"gb2312\">\r\n<p>\xD6\xD0\xCE\xC4 abc</p>\r\n"));
        QVERIFY(Write("sub/big5.htm", "<meta charset=\"big5\">\n\n\t<b>\xA4\xA4\xA4\xE5</b>\n"));
        QVERIFY(Write("sub/deep/Style.CSS", "/* \xE4\xB8\xAD\xE6\x96\x87 */"));
        QVERIFY(Write("script.js", "var a = 1;\rvar b = \"\xE4\xB8\xAD\xE6\x96\x87\xE4\xB8\xAD\xE6\x96\x87\";\r"));
        QVERIFY(Write("long.html", QByteArray(400, 'x') + "\xE4\xB8\xAD\xE6\x96\x87"));
        QVERIFY(Write("empty.html", ""));
        // Not searched: hidden, not a web file, the editor's preview pages.
        QVERIFY(Write(".git/hidden.html", "\xE4\xB8\xAD\xE6\x96\x87"));
        QVERIFY(Write("sub/.old.html", "\xE4\xB8\xAD\xE6\x96\x87"));
        QVERIFY(Write("notes.txt", "\xE4\xB8\xAD\xE6\x96\x87"));
        QVERIFY(Write("qz78.html", "\xE4\xB8\xAD\xE6\x96\x87"));
        QVERIFY(Write("sub/qz783.html", "\xE4\xB8\xAD\xE6\x96\x87"));
        QVERIFY(Write("qz125677.html", "\xE4\xB8\xAD\xE6\x96\x87"));
    }

    void search_data()
    {
        QTest::addColumn<SearchOptions>("options");
        QTest::addColumn<QStringList>("found");
        const QString longShown = QString(100, QLatin1Char('x')) + QStringLiteral("[中文]");
        QTest::newRow("each file in its own code page")
            << SearchOptions{QStringLiteral("中文")}
            << QStringList{QStringLiteral("gb.html:2:3 <p>[中文] abc</p>"), "long.html:1:400 " + longShown,
                           QStringLiteral("script.js:2:9 var b = \"[中文]中文\";"),
                           QStringLiteral("script.js:2:11 var b = \"中文[中文]\";"),
                           QStringLiteral("sub/big5.htm:3:4 \t<b>[中文]</b>"),
                           QStringLiteral("sub/deep/Style.CSS:1:3 /* [中文] */")};
        QTest::newRow("regular expression, case")
            << SearchOptions{QStringLiteral("^<[A-Z]"), true, false, true} << QStringList();
        QTest::newRow("regular expression")
            << SearchOptions{QStringLiteral("^<[A-Z]"), false, false, true}
            << QStringList{QStringLiteral("gb.html:1:0 [<m]eta charset=\"gb2312\">"),
                           QStringLiteral("gb.html:2:0 [<p]>中文 abc</p>"),
                           QStringLiteral("sub/big5.htm:1:0 [<m]eta charset=\"big5\">")};
        QTest::newRow("whole words")
            << SearchOptions{QStringLiteral("b"), false, true, false}
            << QStringList{QStringLiteral("script.js:2:4 var [b] = \"中文中文\";"),
                           QStringLiteral("sub/big5.htm:3:2 \t<[b]>中文</b>"),
                           QStringLiteral("sub/big5.htm:3:8 \t<b>中文</[b]>")};
    }
    void search()
    {
        QFETCH(SearchOptions, options);
        QFETCH(QStringList, found);
        QCOMPARE(Found(options), found);
    }

    void stopsWhenAsked()
    {
        int calls = 0;
        const FolderSearch::Summary summary = FolderSearch::Run(
            dir_.path(), TextMatcher(SearchOptions{QStringLiteral("中文")}), [&calls](const QList<FolderHit>&) {
                ++calls;
                return false;
            });
        QCOMPARE(calls, 1);
        QVERIFY(summary.stopped);
        const std::atomic_bool cancel = true;
        QCOMPARE(FolderSearch::Run(dir_.path(), TextMatcher(SearchOptions{QStringLiteral("中文")}),
                                   [](const QList<FolderHit>&) { return true; }, &cancel)
                     .files,
                 0);
    }
};

QTEST_MAIN(TestFolderSearch)
#include "tst_foldersearch.moc"
