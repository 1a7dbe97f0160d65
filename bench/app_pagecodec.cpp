// Times one stage of opening or saving a big page, a number of times, and prints the median:
//   app_pagecodec PAGE.html decode|pieces|open|save [RUNS]
// decode: the page decoded whole (PageCodec::Decode); pieces: decoded piece by piece on the workers with the hook
// the page window gives them; open: the page opened in a page window as the program opens one, to its first paint;
// save: that window's page written to another file (once per run, after one opening). Built to be run under
// valgrind --tool=callgrind as well (RUNS 1), whose instruction counts do not depend on the load of the machine.
#include "base/pagefile.h"
#include "base/piecedecoder.h"
#include "editor/contextchecks.h"
#include "editor/documentfiller.h"
#include "editor/pageedit.h"
#include "editor/pagewindow.h"
#include "shell/mainframe.h"

#include "benchsetting.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

qsizetype DecodeWhole(const QByteArray& bytes)
{
    return PageCodec::Decode(bytes).text.size();
}

qsizetype DecodePieces(const QByteArray& bytes)
{
    PieceDecoder pieces(bytes);
    pieces.Start([](DecodedPiece& piece) {
        piece.markers = ContextChecks::MarkersOfLines(piece.text);
        DocumentFiller::ToBlockText(piece.text);
    });
    qsizetype size = 0;
    for (DecodedPiece piece; pieces.Next(piece);)
        size += piece.text.size();
    return size + pieces.Summary().badBytes;
}

double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times.empty() ? 0 : times[times.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: app_pagecodec PAGE.html decode|pieces|open|save [RUNS]\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QByteArray stage = argv[2];
    const int runs = argc > 3 ? std::max(1, atoi(argv[3])) : 5;
    BenchSetting setting;
    QByteArray bytes;
    if (PageFile::ReadBytes(path, bytes) != PageFile::Ok) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }

    std::vector<double> times;
    QElapsedTimer t;
    if (stage == "decode" || stage == "pieces") {
        const auto decode = stage == "decode" ? DecodeWhole : DecodePieces;
        for (int i = 0; i < runs; ++i) {
            t.start();
            const qsizetype size = decode(bytes);
            times.push_back(t.nsecsElapsed() / 1e6);
            if (size == 0)
                return 1;
        }
    } else if (stage == "open" || stage == "save") {
        bytes.clear();
        MainFrame frame(setting.shared);
        frame.show();
        QCoreApplication::processEvents();
        for (int i = 0; i < runs; ++i) {
            t.start();
            PageWindow* doc = frame.OpenPath(path);
            QCoreApplication::processEvents();
            const double opened = t.nsecsElapsed() / 1e6;
            if (!doc)
                return 1;
            if (stage == "save") {
                doc->filePath = setting.dir.filePath(QStringLiteral("copy.html"));
                QFile::remove(doc->filePath);
                doc->KeepFileStamp(FileStamp::Absent());
                t.start();
                if (!doc->Save())
                    return 1;
                times.push_back(t.nsecsElapsed() / 1e6);
            } else {
                times.push_back(opened);
            }
            doc->pageEdit->document()->setModified(false);
            doc->close();
            QCoreApplication::processEvents();
        }
    } else {
        std::fprintf(stderr, "unknown stage %s\n", stage.constData());
        return 2;
    }
    std::printf("%s %s: median %.1f ms of %d\n", argv[1], stage.constData(), Median(times), runs);
    return 0;
}
