// What the recovery files cost a big page. Two runs, each in a fresh process:
//   app_recovery memory PAGE.html   peak memory after opening the page, and after one key followed by the timed
//                                   recovery write; the recovery folder's size afterwards (a 100 MB page)
//   app_recovery typing PAGE.html   10,000 keys with a recovery write every 150 keys (a write every half minute at
//                                   five keys a second): the bytes those writes hand to the disk, the time a write
//                                   takes from the typing, and a key typed while the writer is at work (20 MB page)
// Make the pages with bench/make-page (bench/make-page /tmp/p100.html 100).
#include "base/messages.h"
#include "editor/pageedit.h"
#include "editor/pagewindow.h"
#include "shell/mainframe.h"
#include "shell/recoverykeeper.h"

#include "benchsetting.h"

#include <QApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double Ms(qint64 ns)
{
    return double(ns) / 1e6;
}

void TypeKey(QWidget* target)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(target, &release);
}

// A line of /proc/self/<file> ("VmHWM:", "wchar:") as a number (kB for the memory lines, bytes for the others).
qint64 ProcValue(const char* file, const QByteArray& key)
{
    QFile f(QStringLiteral("/proc/self/") + QLatin1String(file));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').first().toLongLong();
    return -1;
}

qint64 FolderBytes(const QString& folder)
{
    qint64 total = 0;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();)
        total += QFileInfo(it.next()).size();
    return total;
}

double Median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void RunEvents(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

int Memory(MainFrame& frame, PageWindow* doc, const QString& folder)
{
    const qint64 opened = ProcValue("status", "VmHWM:");
    // The real schedule: the write comes once the interval is past and the typing pauses.
    RecoveryKeeper keeper(frame, folder, 300);
    TypeKey(doc->pageEdit);
    RunEvents(2500);
    keeper.Flush();
    const qint64 after = ProcValue("status", "VmHWM:");
    std::printf("peak after opening %.0f MB; after one key and the timed recovery write %.0f MB (%+.1f%%)\n",
                opened / 1024.0, after / 1024.0, 100.0 * double(after - opened) / double(opened));
    std::printf("recovery folder %lld bytes (%.3f MB)\n", FolderBytes(folder), FolderBytes(folder) / 1048576.0);
    return 0;
}

int Typing(MainFrame& frame, PageWindow* doc, const QString& folder)
{
    RecoveryKeeper keeper(frame, folder, 3600 * 1000);
    std::vector<double> stalls, keysDuring, keysIdle;
    const qint64 before = ProcValue("io", "wchar:");
    QElapsedTimer t;
    for (int key = 0; key < 10000; ++key) {
        t.start();
        TypeKey(doc->pageEdit);
        keysIdle.push_back(Ms(t.nsecsElapsed()));
        if (key % 150 != 149)
            continue;
        t.start();
        keeper.WriteChanged();
        stalls.push_back(Ms(t.nsecsElapsed()));
        // The key that comes while the writer is at work.
        t.start();
        TypeKey(doc->pageEdit);
        keysDuring.push_back(Ms(t.nsecsElapsed()));
        ++key;
        QCoreApplication::processEvents();
    }
    keeper.WriteChanged();
    keeper.Flush();
    const qint64 written = ProcValue("io", "wchar:") - before;
    std::printf("10000 keys, %zu recovery writes: %.3f MB written; recovery folder %.3f MB\n", stalls.size() + 1,
                written / 1048576.0, FolderBytes(folder) / 1048576.0);
    std::printf("a write's time on the UI thread: median %.2f ms, worst %.2f ms\n", Median(stalls),
                *std::max_element(stalls.begin(), stalls.end()));
    std::printf("a key while a write is under way: median %.2f ms, worst %.2f ms; any key: median %.2f ms\n",
                Median(keysDuring), *std::max_element(keysDuring.begin(), keysDuring.end()), Median(keysIdle));
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString mode = argc > 2 ? QString::fromLatin1(argv[1]) : QString();
    if (mode != QLatin1String("memory") && mode != QLatin1String("typing")) {
        std::fprintf(stderr, "usage: app_recovery memory|typing PAGE.html\n");
        return 2;
    }
    const QString path = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath();
    BenchSetting setting;
    MainFrame frame(setting.shared);
    frame.show();
    QElapsedTimer t;
    t.start();
    PageWindow* doc = frame.OpenPath(path);
    if (!doc) {
        std::fprintf(stderr, "cannot open %s\n", argv[2]);
        return 2;
    }
    QCoreApplication::processEvents();
    std::printf("page %.1f MB opened in %.0f ms\n", QFileInfo(path).size() / 1048576.0, Ms(t.nsecsElapsed()));
    doc->pageEdit->SetSelStart(doc->pageEdit->document()->characterCount() / 2);
    const QString folder = setting.dir.filePath(QStringLiteral("recovery"));
    const int result = mode == QLatin1String("memory") ? Memory(frame, doc, folder) : Typing(frame, doc, folder);
    // Close without questions.
    setting.prompts.SetResponder([](const MessageRecord&, QString&) { return MsgAnswer::No; });
    return result;
}
