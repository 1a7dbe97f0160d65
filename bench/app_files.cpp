// Times the steps of opening and saving a big page in a real page window, then key presses in its middle:
//   app_files PAGE.html   (make one with bench/make-page)
#include "base/pagefile.h"
#include "editor/pageedit.h"
#include "editor/pagewindow.h"
#include "shell/mainframe.h"

#include "benchsetting.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTextCursor>

#include <algorithm>
#include <cstdio>
#include <tuple>

// Peak resident memory of this process so far, in MB.
static double PeakMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: app_files PAGE.html\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    BenchSetting setting;

    QElapsedTimer t;
    t.start();
    DecodedPage page;
    PageFile::Read(path, page);
    const qint64 read = t.restart();
    const double peakRead = PeakMb();
    MainFrame frame(setting.shared);
    frame.show();
    QCoreApplication::processEvents();
    const qint64 frameShown = t.restart();
    PageWindow* doc = frame.OpenDocument(true, path, setting.dir.path() + QLatin1Char('/'), &page);
    const qint64 opened = t.restart();
    const double peakOpened = PeakMb();
    QCoreApplication::processEvents();
    const qint64 painted = t.restart();
    const double peakPainted = PeakMb();
    const QString copy = setting.dir.filePath(QStringLiteral("copy.html"));
    doc->filePath = copy;
    doc->Save();
    const qint64 saved = t.restart();
    const double peakSaved = PeakMb();
    QFile a(path), b(copy);
    a.open(QIODevice::ReadOnly);
    b.open(QIODevice::ReadOnly);
    const bool same = a.readAll() == b.readAll();
    std::printf("read+decode %lld ms, frame %lld ms, into window %lld ms, first paint %lld ms, save %lld ms, "
                "bytes %s; peak MB after read %.0f, after open %.0f, after paint %.0f, after save %.0f\n",
                read, frameShown, opened, painted, saved, same ? "identical" : "DIFFERENT", peakRead, peakOpened,
                peakPainted, peakSaved);
    // Keys after the save: a letter (typed, or refused on a page shown read-only) with the repaint that follows, in
    // the middle of the page.
    QTextCursor middle(doc->pageEdit->document());
    middle.setPosition(doc->pageEdit->document()->characterCount() / 2);
    doc->pageEdit->setTextCursor(middle);
    QCoreApplication::processEvents();
    for (const auto& [name, key, text] : {std::tuple{"letter", int(Qt::Key_X), QStringLiteral("x")}}) {
        double worst = 0, total = 0;
        const int presses = 20;
        for (int i = 0; i < presses; ++i) {
            t.restart();
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
            QApplication::sendEvent(doc->pageEdit, &press);
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
            QApplication::sendEvent(doc->pageEdit, &release);
            QCoreApplication::processEvents();
            const double ms = t.nsecsElapsed() / 1e6;
            total += ms;
            worst = std::max(worst, ms);
        }
        std::printf("key %s%s: mean %.1f ms, worst %.1f ms with repaint\n", name,
                    doc->pageEdit->isReadOnly() ? " (page read-only)" : "", total / presses, worst);
    }
    doc->HideCompletion();
    frame.Document(0)->pageEdit->document()->setModified(false);
    for (int i = 0; i < MainFrame::MaxDocuments; ++i)
        if (PageWindow* d = frame.Document(i))
            d->close();
    return same ? 0 : 1;
}
