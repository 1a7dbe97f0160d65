// Times typing with the completion lists on a big page, caret near its end: from the key press to the list shown
// or the character typed (press and release handled), and the same with the repaint that follows. The line
// numbers are on (as by default); --colour switches syntax colouring on, --no-gutter the line numbers off.
// --side-preview times every key again with the page shown beside its source (边写边看), and the side preview's
// refresh after a pause (the page written and handed to the browser) and its following of the caret.
//   app_typing PAGE.html [--colour] [--no-gutter] [--side-preview]   (make one with bench/make-page, e.g. 10 MB)
#include "base/browserview.h"
#include "base/messages.h"
#include "base/pagefile.h"
#include "base/programstate.h"
#include "editor/completionlists.h"
#include "editor/pageedit.h"
#include "editor/pagewindow.h"
#include "editor/sidepreview.h"
#include "editor/syntaxcolouring.h"
#include "scriptedprompts.h"
#include "shell/mainframe.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void Press(QWidget* target, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

// Waits for the view's next page; false when none comes or it failed.
bool WaitLoaded(BrowserView* view)
{
    QEventLoop loop;
    bool ok = false;
    QObject::connect(view, &BrowserView::LoadFinished, &loop, [&](bool done) {
        ok = done;
        loop.quit();
    });
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    return ok;
}

struct Case
{
    const char* name;
    int line; // counted from the end of the page's tail
    int key;
    QString text;
    const char* list; // the list that must show, or "" for a plain character
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: app_typing PAGE.html\n");
        return 2;
    }
    QTemporaryDir dir;
    ProgramState shared(dir.path());
    ScriptedPrompts prompts;
    shared.Prompts = &prompts;
    if (shared.Db.Load(QStringLiteral(KESTREL_BUILD_DIR "/data.xml")) != TagDb::Loaded) {
        std::fprintf(stderr, "data.xml not found in the build folder\n");
        return 2;
    }
    prompts.SetResponder([](const MessageRecord&, QString&) { return MsgAnswer::No; });

    DecodedPage page;
    if (PageFile::Read(QString::fromLocal8Bit(argv[1]), page) != PageFile::Ok)
        return 2;
    // The contexts to type in, at the end of the page.
    page.text +=
        QStringLiteral("<script>\nvar t = document\n</script>\n<p style=\"color:red\n<img\n<p title=\"x\">plain text");
    MainFrame frame(shared);
    frame.resize(1000, 700);
    frame.show();
    const QStringList options = QCoreApplication::arguments().mid(2);
    if (options.contains(QStringLiteral("--colour")))
        frame.RunCommand(Command::ToggleSyntaxColouring);
    if (options.contains(QStringLiteral("--no-gutter")))
        frame.RunCommand(Command::ToggleLineNumbers);
    std::printf("line numbers %s, syntax colouring %s\n",
                frame.Action(Command::ToggleLineNumbers)->isChecked() ? "on" : "off",
                frame.Action(Command::ToggleSyntaxColouring)->isChecked() ? "on" : "off");
    PageWindow* doc = frame.OpenDocument(true, QString::fromLocal8Bit(argv[1]), dir.path() + QLatin1Char('/'), &page);
    PageEdit* edit = doc->pageEdit;
    const int blocks = edit->document()->blockCount();
    std::printf("page: %d characters, %d lines\n", edit->document()->characterCount(), blocks);
    {
        // Before the idle pass has learnt the page's lines: the first ";" that has to look back to the top.
        edit->moveCursor(QTextCursor::End);
        QElapsedTimer t;
        t.start();
        Press(edit, Qt::Key_Semicolon, QStringLiteral(";"));
        std::printf("%-36s handled: %.3f ms\n", "first \";\" in plain text, no idle yet", t.nsecsElapsed() / 1e6);
        edit->textCursor().deletePreviousChar();
    }
    QElapsedTimer idle;
    idle.start();
    while (idle.elapsed() < 1000)
        QCoreApplication::processEvents();
    if (const SyntaxColouring* colouring = edit->Colouring()) {
        while (colouring->KnownLines() < edit->document()->blockCount() && idle.elapsed() < 20000)
            QCoreApplication::processEvents();
        std::printf("colouring states of every line known after %lld ms idle\n", idle.elapsed());
    }

    const Case cases[] = {
        {"\"<\"", 0, Qt::Key_Less, QStringLiteral("<"), "TagList"},
        {"blank after \"<img\"", 1, Qt::Key_Space, QStringLiteral(" "), "HtmlPList"},
        {"\".\" after \"document\" in a script", 4, Qt::Key_Period, QStringLiteral("."), "JavaList"},
        {"\";\" in a style attribute", 2, Qt::Key_Semicolon, QStringLiteral(";"), "StyleList"},
        {"plain letter", 0, Qt::Key_X, QStringLiteral("x"), ""},
        {"\";\" in plain text (no list)", 0, Qt::Key_Semicolon, QStringLiteral(";"), ""},
    };
    bool ok = true;
    auto typeCases = [&](const char* label) {
        std::printf("-- %s\n", label);
        for (const Case& c : cases) {
            std::vector<double> handled, painted;
            for (int i = 0; i < 200; ++i) {
                const QTextBlock block = edit->document()->findBlockByNumber(blocks - 1 - c.line);
                edit->SetSelStart(block.position() + block.length() - 1);
                QCoreApplication::processEvents();
                QElapsedTimer t;
                t.start();
                Press(edit, c.key, c.text);
                handled.push_back(t.nsecsElapsed() / 1e6);
                QCoreApplication::processEvents();
                painted.push_back(t.nsecsElapsed() / 1e6);
                if (*c.list) {
                    QListWidget* list = doc->findChild<QListWidget*>(QString::fromLatin1(c.list));
                    if (!list || list->isHidden()) {
                        std::printf("%s: %s did not show\n", c.name, c.list);
                        ok = false;
                        break;
                    }
                }
                doc->HideCompletion();
                edit->textCursor().deletePreviousChar();
            }
            if (handled.empty())
                continue;
            auto report = [](std::vector<double> v) {
                std::sort(v.begin(), v.end());
                return std::pair<double, double>(v[v.size() / 2], v.back());
            };
            const double first = handled.front(), firstPainted = painted.front();
            const auto [hm, hw] = report(handled);
            const auto [pm, pw] = report(painted);
            std::printf("%-36s handled: median %.3f, worst %.3f (first %.3f) | with repaint: median %.3f, worst %.3f "
                        "(first %.3f) ms\n",
                        c.name, hm, hw, first, pm, pw, firstPainted);
        }
    };
    typeCases("side preview off");
    if (options.contains(QStringLiteral("--side-preview"))) {
        BrowserView::AddPluginFolder(QStringLiteral(KESTREL_BUILD_DIR));
        QElapsedTimer shown;
        shown.start();
        // The view is made by the command, and its page handed over at once: the load ends later.
        frame.RunCommand(Command::SidePreview);
        // A big page may take the engine longer than the wait: the keys are timed all the same, while it loads.
        const bool loaded = WaitLoaded(doc->sidePreview->View());
        if (loaded)
            std::printf("side preview shown (engine started, page written and loaded): %lld ms\n", shown.elapsed());
        else
            std::printf("side preview still loading after %lld ms; keys timed while it loads\n", shown.elapsed());
        typeCases("side preview on");
        std::vector<double> refresh;
        for (int i = 0; i < (loaded ? 5 : 1); ++i) {
            QElapsedTimer t;
            t.start();
            doc->sidePreview->Refresh();
            refresh.push_back(t.nsecsElapsed() / 1e6);
            if (loaded && !WaitLoaded(doc->sidePreview->View()))
                break;
        }
        std::sort(refresh.begin(), refresh.end());
        std::printf(
            "side preview refresh on the user-interface thread (write + navigate): median %.3f, worst %.3f ms\n",
            refresh[refresh.size() / 2], refresh.back());
        // The caret followed after a pause: the page read up to the caret near its end.
        edit->moveCursor(QTextCursor::End);
        QElapsedTimer follow;
        follow.start();
        doc->sidePreview->FollowCaret();
        std::printf("side preview following the caret at the page's end: %.3f ms\n", follow.nsecsElapsed() / 1e6);
    }
    edit->document()->setModified(false);
    for (int i = 0; i < MainFrame::MaxDocuments; ++i) {
        if (PageWindow* d = frame.Document(i))
            d->close();
    }
    return ok ? 0 : 1;
}
