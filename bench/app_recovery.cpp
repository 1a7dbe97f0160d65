// Times what the recovery files cost the typing on a big page: the copy of the text taken on the user-interface
// thread when the changed page is written (the stall), the writer thread's time to encode and write it, and the
// keys typed while that write is under way.
//   app_recovery PAGE.html   (make one with bench/make-page, 20 MB by default)
#include "base/messages.h"
#include "base/pagefile.h"
#include "editor/pagewindow.h"
#include "editor/pageedit.h"
#include "shell/mainframe.h"
#include "shell/recoverykeeper.h"

#include "benchsetting.h"

#include <QApplication>
#include <QElapsedTimer>
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

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: app_recovery PAGE.html\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    BenchSetting setting;
    DecodedPage page;
    if (PageFile::Read(path, page) != PageFile::Ok) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    MainFrame frame(setting.shared);
    frame.show();
    PageWindow* doc = frame.OpenDocument(true, path, setting.dir.path() + QLatin1Char('/'), &page);
    QCoreApplication::processEvents();
    RecoveryKeeper keeper(frame, setting.dir.filePath(QStringLiteral("recovery")), 3600 * 1000);

    std::vector<double> stalls, writes, keysDuring, keysIdle;
    QElapsedTimer t;
    for (int round = 0; round < 7; ++round) {
        // Keys with no write under way, for comparison.
        for (int k = 0; k < 10; ++k) {
            t.start();
            TypeKey(doc->pageEdit);
            keysIdle.push_back(Ms(t.nsecsElapsed()));
        }
        t.start();
        keeper.WriteChanged();
        stalls.push_back(Ms(t.nsecsElapsed()));
        QElapsedTimer w;
        w.start();
        // Typing goes on while the writer encodes and writes.
        for (int k = 0; k < 10; ++k) {
            t.start();
            TypeKey(doc->pageEdit);
            keysDuring.push_back(Ms(t.nsecsElapsed()));
        }
        keeper.Flush();
        writes.push_back(Ms(w.nsecsElapsed()));
    }
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    auto worst = [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); };
    std::printf("page %.1f MB, %d characters\n", QFileInfo(path).size() / 1048576.0,
                doc->pageEdit->document()->characterCount());
    std::printf("stall on the UI thread (text copy): median %.1f ms, worst %.1f ms\n", median(stalls), worst(stalls));
    std::printf("write on the writer thread (encode + file): median %.1f ms, worst %.1f ms\n", median(writes),
                worst(writes));
    std::printf("one key while a write is under way: median %.2f ms, worst %.2f ms; with no write: median %.2f ms, "
                "worst %.2f ms\n",
                median(keysDuring), worst(keysDuring), median(keysIdle), worst(keysIdle));
    // Close without questions.
    setting.prompts.SetResponder([](const MessageRecord&, QString&) { return MsgAnswer::No; });
    return 0;
}
