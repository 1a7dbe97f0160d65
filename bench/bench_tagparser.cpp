// Splitting the tag at the caret: a 100,000-character tag with 50 quoted attributes, and an ordinary image tag.

#include "editor/tagparser.h"

#include <benchmark/benchmark.h>

namespace {

QString LongTag()
{
    QString tag = QStringLiteral("<img");
    const QString chunk(2000, QLatin1Char('x'));
    for (int i = 1; i <= 50; ++i)
        tag += QStringLiteral(" a%1=\"").arg(i) + chunk + QLatin1Char('"');
    return tag + QLatin1Char('>');
}

void Parse(benchmark::State& state, const QString& tag)
{
    QString name;
    int nameEnd = 0;
    TagParser::ParseTagHead(tag, name, nameEnd);
    for (auto _ : state) {
        QStringList names, values;
        int count = 0;
        benchmark::DoNotOptimize(TagParser::ParseAttributes(tag, nameEnd, names, values, count));
        benchmark::DoNotOptimize(count);
    }
    state.counters["chars"] = double(tag.size());
}

void BM_LongTag50Attributes(benchmark::State& state)
{
    Parse(state, LongTag());
}
BENCHMARK(BM_LongTag50Attributes)->Unit(benchmark::kMillisecond);

void BM_ImageTag(benchmark::State& state)
{
    Parse(state, QStringLiteral("<IMG SRC=\"pics/a.gif\" Align=MIDDLE alt='a picture' width=10 height=20>"));
}
BENCHMARK(BM_ImageTag)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
