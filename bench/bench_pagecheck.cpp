// The whole page check (HTML library and site checks) of a 2 MB and a 20 MB page, as 检查网页 runs it on its
// worker thread: the figures are the time from the text to the sorted problems. The page is the one
// bench/make-page writes (every picture without alt and not there, so the list is long).

#include "check/pagecheck.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QString Page(qsizetype megabytes)
{
    QString page =
        QStringLiteral("<html>\n<head>\n<meta http-equiv='Content-Type' content='text/html;charset=gb2312'>\n"
                       "<title>大网页</title>\n</head>\n<body>\n");
    const QString rows[] = {
        QStringLiteral("<p class=\"t%1\">第%1段：这是一段用来测试编辑器速度的中文文字, with some English words.</p>\n"),
        QStringLiteral("<div style=\"color:#336699;font-size:12px\"><a href=\"page%1.html\">链接 %1</a> &nbsp; "
                       "<img src=\"img/%1.gif\"></div>\n"),
        QStringLiteral("<table border=1><tr><td>单元格 %1</td><td>数据</td><td>%1</td></tr></table>\n"),
    };
    // About as many characters as GB18030 bytes of make-page's page (a Chinese character is two bytes there).
    for (int i = 0; page.size() * 13 / 10 < megabytes * 1024 * 1024; ++i)
        page += rows[i % 3].arg(i);
    return page + QStringLiteral("</body>\n</html>\n");
}

void Check(benchmark::State& state)
{
    const QString text = Page(state.range(0));
    QTemporaryDir folder;
    SiteCheck::Input input{folder.path(), folder.path(), CodePageIds::Gb18030};
    qsizetype problems = 0;
    for (auto _ : state)
        problems = PageCheck::Run(text, input).size();
    state.counters["chars"] = double(text.size());
    state.counters["problems"] = double(problems);
}
BENCHMARK(Check)->Name("BM_CheckPage_MB")->Arg(2)->Arg(20)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
