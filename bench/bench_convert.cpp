// Big5/GB2312 conversion on a 20 MB page of mixed markup and Chinese text:
//   BM_BigToGbScan, BM_GbToBigScan   the byte scans alone (bytes_per_second; aim: at least 300 MB/s)
//   BM_ConvertText                   the text conversion with its GB18030 encoding and decoding
//   BM_MenuCommand                   "Big To Gb" on a page window, whole text replaced (aim: at most 1 s)

#include "base/messages.h"
#include "base/pagecodec.h"
#include "base/programstate.h"
#include "convert/convertdocument.h"
#include "editor/pagewindow.h"
#include "editor/pageedit.h"
#include "shell/mainframe.h"
#include "scriptedprompts.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype PageBytes = 20 * 1024 * 1024;

// About half markup, half Chinese, by bytes; CR LF lines as pages have them.
QString SimplifiedPage()
{
    static const QString page = [] {
        const QString line = QStringLiteral("<p class=\"main\" style=\"color:#333366\">我们的国家很大，这个网页介绍"
                                            "它的历史、地理和文化。门开了，请进来看一看！</p>\r\n");
        const qsizetype lineBytes = PageCodec::ToGb18030(line).size();
        QString text;
        text.reserve((PageBytes / lineBytes + 1) * line.size());
        for (qsizetype n = 0; n * lineBytes < PageBytes; ++n)
            text += line;
        return text;
    }();
    return page;
}

const QByteArray& GbBytes()
{
    static const QByteArray bytes = PageCodec::ToGb18030(SimplifiedPage());
    return bytes;
}

const QByteArray& Big5Bytes()
{
    static const QByteArray bytes = [] {
        QByteArray out(GbBytes().size(), '\0');
        ConversionTables::Program()->GbToBigBytes(GbBytes().constData(), GbBytes().size(), out.data());
        return out;
    }();
    return bytes;
}

void BM_BigToGbScan(benchmark::State& state)
{
    const ConversionTables* tables = ConversionTables::Program();
    const QByteArray& in = Big5Bytes();
    QByteArray out(in.size(), '\0');
    for (auto _ : state) {
        benchmark::DoNotOptimize(tables->BigToGbBytes(in.constData(), in.size(), out.data()));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * in.size());
}
BENCHMARK(BM_BigToGbScan)->Unit(benchmark::kMillisecond);

void BM_GbToBigScan(benchmark::State& state)
{
    const ConversionTables* tables = ConversionTables::Program();
    const QByteArray& in = GbBytes();
    QByteArray out(in.size(), '\0');
    for (auto _ : state) {
        benchmark::DoNotOptimize(tables->GbToBigBytes(in.constData(), in.size(), out.data()));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * in.size());
}
BENCHMARK(BM_GbToBigScan)->Unit(benchmark::kMillisecond);

void BM_ConvertText(benchmark::State& state)
{
    const QString big5Page = PageCodec::FromGb18030(Big5Bytes());
    for (auto _ : state)
        benchmark::DoNotOptimize(ConvertText(big5Page, ConversionDirection::BigToGb));
    state.SetBytesProcessed(int64_t(state.iterations()) * Big5Bytes().size());
}
BENCHMARK(BM_ConvertText)->Unit(benchmark::kMillisecond);

void BM_MenuCommand(benchmark::State& state)
{
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    prompts.SetResponder([](const MessageRecord&, QString&) { return MsgAnswer::No; });
    ProgramState shared(dir.path());
    shared.Prompts = &prompts;
    {
        MainFrame frame(shared);
        frame.show();
        const QString path = dir.filePath(QStringLiteral("big5.html"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(Big5Bytes()) != Big5Bytes().size()) {
            state.SkipWithError("cannot write the page");
            return;
        }
        file.close();
        PageWindow* doc = frame.OpenPath(path);
        if (!doc) {
            state.SkipWithError("cannot open the page");
            return;
        }
        QApplication::processEvents();
        for (auto _ : state) {
            ConvertDocument(doc, ConversionDirection::BigToGb, &frame);
            QApplication::processEvents(); // the window lays the new text out
            state.PauseTiming();
            doc->pageEdit->undo();
            QApplication::processEvents();
            state.ResumeTiming();
        }
        state.counters["page_chars"] = double(doc->pageEdit->document()->characterCount());
    }
}
BENCHMARK(BM_MenuCommand)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    if (!LoadConversionTables()) {
        fprintf(stderr, "the conversion tables are not compiled in\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
