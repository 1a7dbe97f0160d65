// Times the whole-page operations on a big page in a real page window, with the peak memory each one adds:
//   app_bigedits copy PAGE.html         select all + copy, then select all + cut and undo
//   app_bigedits replace LINES|PAGE.html [PAIRS]   replace all on a page of LINES lines with one match each (or
//                                       of the cells "数据" of a page from bench/make-page), then undo; then PAIRS
//                                       (20) more replace all + undo pairs and the resident memory they leave
//   app_bigedits keys PAGE.html [N] [--colour]   N keys (200) typed at the start and at the end of the page, each
//                                       timed from the key to the end of the repaint it causes (median, 99th
//                                       percentile); --colour with syntax colouring on; --spread S spreads the keys
//                                       over S seconds, so that the program's timers (the recovery copy) run too
// Run it under Xvfb (or offscreen) with a page from bench/make-page.
#include "base/pagefile.h"
#include "editor/pageedit.h"
#include "editor/pagesearch.h"
#include "editor/pagewindow.h"
#include "shell/mainframe.h"

#include "benchsetting.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double StatusMb(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}
double PeakMb() { return StatusMb("VmHWM:"); }
double ResidentMb() { return StatusMb("VmRSS:"); }

void Settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// Counts the paints of a widget, so that a key can be timed to the end of the repaint it causes.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

struct Bench
{
    BenchSetting setting;
    MainFrame frame{setting.shared};
    PageWindow* doc = nullptr;

    bool Open(const QString& path)
    {
        frame.resize(1000, 700);
        frame.show();
        DecodedPage page;
        if (PageFile::Read(path, page) != PageFile::Ok)
            return false;
        doc = frame.OpenDocument(true, path, setting.dir.path() + QLatin1Char('/'), &page);
        Settle();
        return doc != nullptr;
    }
    bool OpenText(const QString& text)
    {
        const QString path = setting.dir.filePath(QStringLiteral("lines.html"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) != text.toUtf8().size())
            return false;
        file.close();
        return Open(path);
    }
    void Close()
    {
        doc->pageEdit->document()->setModified(false);
        doc->close();
    }
    // Runs `step` and prints its time and the peak memory it added.
    template <typename Step>
    void Time(const char* name, Step step)
    {
        const double before = PeakMb();
        QElapsedTimer t;
        t.start();
        step();
        Settle();
        std::printf("%-28s %8.1f ms, peak %.0f -> %.0f MB\n", name, t.nsecsElapsed() / 1e6, before, PeakMb());
        std::fflush(stdout);
    }
};

int Copy(const QString& path)
{
    Bench b;
    if (!b.Open(path))
        return 2;
    PageEdit* edit = b.doc->pageEdit;
    std::printf("page %d lines, peak after open %.0f MB\n", edit->blockCount(), PeakMb());
    b.Time("select all + copy", [&] {
        edit->selectAll();
        edit->copy();
    });
    const qsizetype copied = QGuiApplication::clipboard()->text().size();
    b.Time("select all + cut", [&] {
        edit->selectAll();
        edit->cut();
    });
    b.Time("undo the cut", [&] { edit->undo(); });
    std::printf("clipboard %lld characters, page %d lines after the undo\n", qlonglong(copied), edit->blockCount());
    b.Close();
    return copied > 0 ? 0 : 1;
}

// Replace all on the page and its undo, then `pairs` more replace all + undo pairs and the resident memory they leave.
int Replace(Bench& b, const QString& what, const QString& with, int pairs)
{
    QTextDocument* document = b.doc->pageEdit->document();
    std::printf("page %d lines, peak after open %.0f MB, resident %.0f MB\n", document->blockCount(), PeakMb(),
                ResidentMb());
    int count = 0;
    b.Time("replace all", [&] { count = PageSearch::ReplaceAll(document, what, with, Qt::CaseSensitive, {}); });
    std::printf("%d replaced\n", count);
    b.Time("undo", [&] { document->undo(); });
    const double start = ResidentMb();
    for (int i = 0; i < pairs; ++i) {
        PageSearch::ReplaceAll(document, what, with, Qt::CaseSensitive, {});
        document->undo();
        Settle();
    }
    if (pairs > 0)
        std::printf("%d replace all + undo pairs: resident %.0f -> %.0f MB\n", pairs, start, ResidentMb());
    b.Close();
    return count > 0 ? 0 : 1;
}

// A page of `lines` lines with one match each.
int ReplaceLines(int lines, int pairs)
{
    Bench b;
    QString text;
    text.reserve(qsizetype(lines) * 24);
    for (int i = 0; i < lines; ++i)
        text += QStringLiteral("<p>line %1 abc</p>\n").arg(i);
    if (!b.OpenText(text))
        return 2;
    text.clear();
    text.squeeze();
    return Replace(b, QStringLiteral("abc"), QStringLiteral("xyzw"), pairs);
}

// A page from bench/make-page: its "数据" cells.
int ReplacePage(const QString& path, int pairs)
{
    Bench b;
    if (!b.Open(path))
        return 2;
    return Replace(b, QStringLiteral("数据"), QStringLiteral("资料"), pairs);
}

double Percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(p * double(values.size())))];
}

int Keys(const QString& path, int keys, bool colour, int spreadSeconds)
{
    Bench b;
    if (colour)
        b.frame.RunCommand(Command::ToggleSyntaxColouring);
    if (!b.Open(path))
        return 2;
    PageEdit* edit = b.doc->pageEdit;
    std::printf("page %d lines%s\n", edit->blockCount(), edit->isReadOnly() ? ", read-only" : "");
    PaintCounter counter;
    edit->viewport()->installEventFilter(&counter);
    for (const bool atEnd : {false, true}) {
        QTextCursor c(edit->document());
        c.movePosition(atEnd ? QTextCursor::End : QTextCursor::Start);
        edit->setTextCursor(c);
        edit->ensureCursorVisible();
        Settle();
        std::vector<double> times;
        double longestBusy = 0;
        QElapsedTimer t;
        for (int i = 0; i < keys; ++i) {
            if (spreadSeconds > 0) {
                // The program's own timers (recovery, idle work) get their turn between the keys, as they would
                // while a user types.
                // A key that arrives while the program is busy waits for it: the longest busy stretch is the
                // worst such wait.
                QElapsedTimer pause, busy;
                pause.start();
                while (pause.elapsed() < spreadSeconds * 1000 / keys) {
                    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
                    busy.start();
                    QCoreApplication::processEvents();
                    longestBusy = std::max(longestBusy, busy.nsecsElapsed() / 1e6);
                }
            }
            const int before = counter.paints;
            t.start();
            QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
            QApplication::sendEvent(edit, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
            QApplication::sendEvent(edit, &release);
            while (counter.paints == before && t.elapsed() < 5000)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
            times.push_back(t.nsecsElapsed() / 1e6);
        }
        const QString typed = atEnd ? edit->document()->lastBlock().text().right(keys)
                                    : edit->document()->firstBlock().text().left(keys);
        if (typed != QString(keys, QLatin1Char('x')))
            std::printf("the keys were not all typed\n");
        std::printf("%d keys at the %s: median %.2f ms, 99th percentile %.2f ms, worst %.2f ms\n", keys,
                    atEnd ? "end" : "start", Percentile(times, 0.5), Percentile(times, 0.99),
                    *std::max_element(times.begin(), times.end()));
        if (spreadSeconds > 0)
            std::printf("    over %d s: the longest the program was busy between keys %.1f ms\n", spreadSeconds,
                        longestBusy);
    }
    b.Close();
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() >= 3 && args[1] == QLatin1String("copy"))
        return Copy(args[2]);
    if (args.size() >= 3 && args[1] == QLatin1String("replace")) {
        const int pairs = args.size() > 3 ? args[3].toInt() : 20;
        return args[2].toInt() > 0 ? ReplaceLines(args[2].toInt(), pairs) : ReplacePage(args[2], pairs);
    }
    if (args.size() >= 3 && args[1] == QLatin1String("keys")) {
        const qsizetype spread = args.indexOf(QLatin1String("--spread"));
        return Keys(args[2], args.size() > 3 && args[3].toInt() > 0 ? args[3].toInt() : 200,
                    args.contains(QLatin1String("--colour")),
                    spread > 0 && spread + 1 < args.size() ? args[spread + 1].toInt() : 0);
    }
    std::fprintf(stderr, "usage: app_bigedits copy PAGE.html | replace LINES|PAGE.html [PAIRS] | keys PAGE.html [N] [--colour] [--spread S]\n");
    return 2;
}
