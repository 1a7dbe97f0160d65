// Times opening the element dialog: from creating it to its first paint, for a new image and for an existing link
// being edited (its preview written and navigated). The first opening loads the browser engine and is shown
// apart; the figure that counts is the median of the openings after it.
#include "base/browserview.h"
#include "base/programstate.h"
#include "builders/elements/elementdialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double OpenOnce(const ProgramState& shared, const QString& htmlN, int editTag)
{
    QElapsedTimer timer;
    timer.start();
    const ElementDialog::Purpose purpose =
        editTag ? ElementDialog::Purpose::RebuildStartTag : ElementDialog::Purpose::Insert;
    ElementDialog dialog(shared.Context(),
                         {purpose, htmlN, {{"href", "x.html"}, {"title", "t"}, {"target", "_blank"}, {"", ""}}});
    dialog.show();
    QApplication::processEvents(); // the first paint and, in edit mode, the queued preview
    QApplication::processEvents();
    const double ms = timer.nsecsElapsed() / 1e6;
    dialog.reject();
    return ms;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    ProgramState shared(dir.path());
    if (shared.Db.Load(QStringLiteral(KESTREL_BUILD_DIR "/data.xml")) != TagDb::Loaded) {
        std::fprintf(stderr, "no data.xml in the build folder\n");
        return 1;
    }
    const struct
    {
        const char* name;
        const char* htmlN;
        int editTag;
    } cases[] = {{"edit <a (first: engine loads)", "<a", 1},
                 {"new <img", "<img", 0},
                 {"edit <a", "<a", 1},
                 {"new <p", "<p", 0},
                 {"new <select", "<select", 0}};
    for (const auto& c : cases) {
        const bool first = &c == &cases[0];
        std::vector<double> times;
        for (int i = 0; i < (first ? 1 : 20); ++i)
            times.push_back(OpenOnce(shared, QString::fromLatin1(c.htmlN), c.editTag));
        std::sort(times.begin(), times.end());
        std::printf("%-32s median %7.1f ms  max %7.1f ms\n", c.name, times[times.size() / 2], times.back());
    }
    return 0;
}
