// The page checker without a window: the library's messages in Chinese at the right line and column, the site
// checks, and a page with nothing to find.

#include "check/localfiles.h"
#include "check/pagecheck.h"
#include "check/sitecheck.h"
#include "check/textpositions.h"
#include "check/tidymessages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestPageCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void findsEachKind_data();
    void findsEachKind();
    void cleanPageHasNoProblems();
    void sortedByLineAndColumn();
    void looksUpLocalFiles_data();
    void looksUpLocalFiles();
    void tellsOldIeFilters_data();
    void tellsOldIeFilters();
    void untranslatedKeyKeepsLibraryText();
    void columnsCountSurrogatePairsTwice();

private:
    // A clean HTML5 page with `body` as its fifth line; it declares `charset`.
    static QString Page(const QString& body, const QString& charset = QStringLiteral("gb2312"));
    SiteCheck::Input Input() const;
    void Touch(const QString& relative);

    QTemporaryDir site_;
};

void TestPageCheck::initTestCase()
{
    QVERIFY(site_.isValid());
    // The pages lie in site/a; the site's root is the temporary folder (two levels below "/").
    Touch(QStringLiteral("a/style.css"));
    Touch(QStringLiteral("a/img/Logo.gif"));
    Touch(QStringLiteral("a/my pic.gif"));
    Touch(QStringLiteral("root.html"));
}

void TestPageCheck::Touch(const QString& relative)
{
    const QString path = site_.filePath(relative);
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

SiteCheck::Input TestPageCheck::Input() const
{
    return {site_.filePath(QStringLiteral("a")), site_.path(), CodePageIds::Gb18030};
}

QString TestPageCheck::Page(const QString& body, const QString& charset)
{
    return QStringLiteral("<!DOCTYPE html>\n<html>\n<head><meta charset=\"%1\"><title>t</title></head>\n<body>\n%2\n"
                          "</body>\n</html>\n")
        .arg(charset, body);
}

void TestPageCheck::findsEachKind_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");

    const int error = PageProblem::Error, warning = PageProblem::Warning, note = PageProblem::Note;
    QTest::newRow("missing end tag") << Page("<p><b>粗体</p>") << "MISSING_ENDTAG_BEFORE" << 5 << 4 << warning
                                     << "</p> 之前缺少结束标签 </b>";
    QTest::newRow("unexpected end tag") << Page("<div>x</span></div>") << "DISCARDING_UNEXPECTED" << 5 << 7 << warning
                                        << "多余的 </span>, 浏览器会忽略它";
    QTest::newRow("unknown element") << Page("<zzz>q</zzz>") << "UNKNOWN_ELEMENT" << 5 << 1 << error
                                     << "不认识的元素 <zzz>";
    QTest::newRow("proprietary attribute") << Page("<div foo=\"1\">x</div>") << "PROPRIETARY_ATTRIBUTE" << 5 << 1
                                           << warning << "<div> 的属性 \"foo\" 不是标准属性";
    QTest::newRow("duplicate attribute") << Page("<p title=\"a\" title=\"b\">x</p>") << "REPEATED_ATTRIBUTE" << 5 << 1
                                         << warning << "<p> 的属性 \"title\" 重复出现, 值 \"a\" 不起作用";
    QTest::newRow("missing alt") << Page("<img src=\"img/Logo.gif\">") << "MISSING_ATTRIBUTE" << 5 << 1 << warning
                                 << "<img> 缺少 \"alt\" 属性";
    QTest::newRow("nested element") << Page("<form><form></form></form>") << "ILLEGAL_NESTING" << 5 << 7 << warning
                                    << "<form> 里不应再有 <form>";
    QTest::newRow("missing doctype") << QString("<html><head><title>t</title></head><body></body></html>")
                                     << "MISSING_DOCTYPE" << 1 << 1 << warning << "缺少 <!DOCTYPE> 声明";
    QTest::newRow("missing title") << QString("<!DOCTYPE html>\n<html><head></head><body></body></html>")
                                   << "MISSING_TITLE_ELEMENT" << 2 << 7 << warning << "缺少 <title> 元素";
    QTest::newRow("bad entity") << Page("<p>&nbsx; 和</p>") << "UNKNOWN_ENTITY" << 5 << 4 << warning
                                << "未转义的 & 或不认识的实体 \"&nbsx\"";
    QTest::newRow("removed from HTML5") << Page("<font color=\"red\">x</font>") << "REMOVED_HTML5" << 5 << 1 << warning
                                        << "HTML5 已经去掉了 <font> 元素";
    QTest::newRow("column after Chinese and a tab")
        << Page("中文\t<zzz>q</zzz>") << "UNKNOWN_ELEMENT" << 5 << 4 << error << "不认识的元素 <zzz>";
    QTest::newRow("missing picture, other case")
        << Page("<img src=\"img/logo.gif\" alt=\"\">") << "FILE_MISSING" << 5 << 11 << error
        << "找不到文件 \"img/logo.gif\": 那里有 \"Logo.gif\", 但网站服务器区分大小写";
    QTest::newRow("missing style sheet, other case")
        << Page("<a href=\"Style.css\">s</a>") << "FILE_MISSING" << 5 << 10 << error
        << "找不到文件 \"Style.css\": 那里有 \"style.css\", 但网站服务器区分大小写";
    QTest::newRow("missing script") << Page("<script src=\"js/app.js\"></script>") << "FILE_MISSING" << 5 << 14 << error
                                    << "找不到文件 \"js/app.js\"";
    QTest::newRow("missing url()") << Page("<div style=\"background:url('bg.png')\">x</div>") << "FILE_MISSING" << 5
                                   << 29 << error << "找不到文件 \"bg.png\"";
    QTest::newRow("missing @import") << Page("<style>@import \"gone.css\";</style>") << "FILE_MISSING" << 5 << 17
                                     << error << "找不到文件 \"gone.css\"";
    QTest::newRow("missing from the site's root")
        << Page("<a href=\"/A/style.css\">s</a>") << "FILE_MISSING" << 5 << 10 << error
        << "找不到文件 \"/A/style.css\": 那里有 \"a\", 但网站服务器区分大小写";
    QTest::newRow("charset") << Page("<p>x</p>", "big5") << "CHARSET_MISMATCH" << 3 << 22 << error
                             << "网页声明的字符集 \"big5\" 与保存网页所用的编码 GB18030 不一致, 浏览器会显示乱码";
    QTest::newRow("duplicate id") << Page("<p id=\"a\">x</p><p id=\"a\">y</p>") << "DUPLICATE_ID" << 5 << 23 << warning
                                  << "id \"a\" 在第 5 行已经用过";
    QTest::newRow("duplicate id, lines apart") << Page("<p id=\"k\">x</p>\n\n<p id=\"k\">y</p>") << "DUPLICATE_ID" << 7
                                               << 8 << warning << "id \"k\" 在第 5 行已经用过";
    QTest::newRow("filter") << Page("<p style=\"filter:alpha(opacity=50)\">x</p>") << "OLD_IE_FILTER" << 5 << 11 << note
                            << "filter 滤镜只有旧版 IE 认识, 其他浏览器会忽略它";
    QTest::newRow("filter in a style block") << Page("<style>\np { -ms-filter: \"x\" }\n</style>") << "OLD_IE_FILTER"
                                             << 6 << 5 << note << "filter 滤镜只有旧版 IE 认识, 其他浏览器会忽略它";
    QTest::newRow("vbscript") << Page("<script language=\"VBScript\">x = 1</script>") << "OLD_IE_VBSCRIPT" << 5 << 1
                              << note << "VBScript 脚本只有旧版 IE 能运行";
    QTest::newRow("vbscript link") << Page("<a href=\"vbscript:go()\">x</a>") << "OLD_IE_VBSCRIPT" << 5 << 10 << note
                                   << "VBScript 脚本只有旧版 IE 能运行";
    QTest::newRow("page transition")
        << Page("<meta http-equiv=\"Page-Enter\" content=\"revealTrans(Duration=2,Transition=1)\">")
        << "OLD_IE_TRANSITION" << 5 << 1 << note << "页面转换特效 (Page-Enter) 只有旧版 IE 认识, 其他浏览器会忽略它";
}

void TestPageCheck::findsEachKind()
{
    QFETCH(QString, text);
    QFETCH(QString, code);
    QFETCH(int, line);
    QFETCH(int, column);
    QFETCH(int, kind);
    QFETCH(QString, message);
    const QList<PageProblem> problems = PageCheck::Run(text, Input());
    QStringList seen;
    for (const PageProblem& problem : problems) {
        if (problem.code != code) {
            seen.append(problem.code);
            continue;
        }
        QCOMPARE(problem.text, message);
        QCOMPARE(problem.line, line);
        QCOMPARE(problem.column, column);
        QCOMPARE(int(problem.kind), kind);
        // The library's own report of an id used twice goes where ours stands.
        for (const PageProblem& other : problems)
            QVERIFY(other.code != QLatin1String("ANCHOR_NOT_UNIQUE"));
        return;
    }
    QFAIL(qPrintable(QStringLiteral("no %1 among %2").arg(code, seen.join(u' '))));
}

void TestPageCheck::cleanPageHasNoProblems()
{
    // Present files (in their case, with a query, a fragment, percent escapes, from the root and from above),
    // addresses elsewhere, today's filter, a script block holding markup.
    const QString text =
        Page("<link rel=\"stylesheet\" href=\"style.css?v=2#x\">\n<img src=\"img/Logo.gif\" alt=\"标志\">\n"
             "<img src=\"my%20pic.gif\" alt=\"\"> <a href=\"../root.html\">r</a> <a href=\"/a/img/\">i</a>\n"
             "<a href=\"http://example.com/gone.html\">w</a> <a href=\"#top\" id=\"top\">t</a> "
             "<a href=\"mailto:a@b.cn\">m</a>\n<p style=\"filter: blur(2px); background: url(img/Logo.gif)\">好</p>\n"
             "<script>document.write('<img src=\"nothere.gif\">');</script>");
    const QList<PageProblem> problems = PageCheck::Run(text, Input());
    QStringList found;
    for (const PageProblem& problem : problems)
        found.append(
            QStringLiteral("%1:%2 %3 %4").arg(problem.line).arg(problem.column).arg(problem.code, problem.text));
    QCOMPARE(found, QStringList());
    QCOMPARE(PageCheck::Summary(problems), QStringLiteral("没有发现问题"));
}

void TestPageCheck::sortedByLineAndColumn()
{
    // The library's findings and ours come in separate runs; the list is by place.
    const QString text = Page("<p id=\"a\">x</p><zzz></zzz>\n<img src=\"gone.gif\"><p id=\"a\"></p>");
    const QList<PageProblem> problems = PageCheck::Run(text, Input());
    QVERIFY(problems.size() >= 4);
    for (qsizetype i = 1; i < problems.size(); ++i) {
        const PageProblem& a = problems.at(i - 1);
        const PageProblem& b = problems.at(i);
        QVERIFY2(a.line < b.line || (a.line == b.line && a.column <= b.column), qPrintable(b.code));
    }
    QCOMPARE(PageCheck::Summary(problems).contains(QStringLiteral("个错误")), true);
}

void TestPageCheck::looksUpLocalFiles_data()
{
    QTest::addColumn<QString>("reference");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("otherCase");
    const int present = LocalFiles::Present, missing = LocalFiles::Missing, elsewhere = LocalFiles::NotLocal;
    QTest::newRow("beside") << "style.css" << present << "";
    QTest::newRow("in a folder") << "img/Logo.gif" << present << "";
    QTest::newRow("file in other case") << "img/logo.gif" << missing << "Logo.gif";
    QTest::newRow("folder in other case") << "IMG/Logo.gif" << missing << "img";
    QTest::newRow("not there") << "nothere.png" << missing << "";
    QTest::newRow("above") << "../root.html" << present << "";
    QTest::newRow("from the root") << "/a/style.css" << present << "";
    QTest::newRow("from the root, other case") << "/A/style.css" << missing << "a";
    QTest::newRow("query and fragment") << " img/Logo.gif?v=2#x " << present << "";
    QTest::newRow("escaped blank") << "my%20pic.gif" << present << "";
    QTest::newRow("folder") << "img/" << present << "";
    QTest::newRow("web address") << "http://example.com/a.gif" << elsewhere << "";
    QTest::newRow("protocol-relative") << "//cdn.example.com/x.js" << elsewhere << "";
    QTest::newRow("fragment") << "#top" << elsewhere << "";
    QTest::newRow("mail") << "mailto:a@b.cn" << elsewhere << "";
    QTest::newRow("script") << "javascript:void(0)" << elsewhere << "";
    QTest::newRow("data") << "data:image/png;base64,AAAA" << elsewhere << "";
    QTest::newRow("empty") << "" << elsewhere << "";
    QTest::newRow("made by a server") << "<%= logo %>" << elsewhere << "";
}

void TestPageCheck::looksUpLocalFiles()
{
    QFETCH(QString, reference);
    QFETCH(int, status);
    QFETCH(QString, otherCase);
    LocalFiles files(site_.filePath(QStringLiteral("a")), site_.path());
    QString other;
    QCOMPARE(int(files.Look(reference, &other)), status);
    QCOMPARE(other, otherCase);
}

void TestPageCheck::tellsOldIeFilters_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("oldIe");
    QTest::newRow("alpha") << "alpha(opacity=50)" << true;
    QTest::newRow("progid") << " progid:DXImageTransform.Microsoft.gradient(startColorstr=#fff)" << true;
    QTest::newRow("bare gray") << "Gray" << true;
    QTest::newRow("old blur") << "Blur(Add=1, Direction=90, Strength=5)" << true;
    QTest::newRow("blur today") << "blur(2px)" << false;
    QTest::newRow("invert today") << "invert(100%)" << false;
    QTest::newRow("none") << "none" << false;
    QTest::newRow("url") << "url(#svg)" << false;
}

void TestPageCheck::tellsOldIeFilters()
{
    QFETCH(QString, value);
    QFETCH(bool, oldIe);
    QCOMPARE(SiteCheck::OldIeFilter(value), oldIe);
}

void TestPageCheck::untranslatedKeyKeepsLibraryText()
{
    // A message with no row of ours keeps the library's words, and the page still lists it.
    QVERIFY(!TidyMessages::Translated(QStringLiteral("ESCAPED_ILLEGAL_URI")));
    const QList<PageProblem> problems = PageCheck::Run(Page("<a href=\"a b.html\">x</a>"), SiteCheck::Input());
    for (const PageProblem& problem : problems)
        if (problem.code == QLatin1String("ESCAPED_ILLEGAL_URI")) {
            QCOMPARE(problem.text, QStringLiteral("<a> escaping malformed URI reference"));
            return;
        }
    QFAIL("no ESCAPED_ILLEGAL_URI");
}

void TestPageCheck::columnsCountSurrogatePairsTwice()
{
    // The control counts a character outside the BMP as two; the library as one.
    const QString text = Page(QStringLiteral("\U0001F600<zzz></zzz>"));
    for (const PageProblem& problem : PageCheck::Run(text, SiteCheck::Input()))
        if (problem.code == QLatin1String("UNKNOWN_ELEMENT")) {
            QCOMPARE(problem.column, 3);
            QCOMPARE(TextPositions(text).ColumnOfCodePoint(5, 2), 3);
            return;
        }
    QFAIL("no UNKNOWN_ELEMENT");
}

QTEST_GUILESS_MAIN(TestPageCheck)
#include "tst_pagecheck.moc"
