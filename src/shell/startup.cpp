#include "shell/startup.h"

#include "base/browserview.h"
#include "base/messages.h"
#include "base/pagefile.h"
#include "base/previewjournal.h"
#include "base/programstate.h"
#include "base/rewritejournal.h"
#include "editor/pageedit.h"
#include "editor/pagewindow.h"
#include "shell/commandline.h"
#include "shell/displaycheck.h"
#include "shell/handoverqueue.h"
#include "shell/mainframe.h"
#include "shell/programicon.h"
#include "shell/recoverykeeper.h"
#include "shell/singleinstance.h"
#include "shell/translations.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <optional>
#include <thread>

namespace {

// Milliseconds between recovery writes: KESTREL_RECOVERY_INTERVAL (tests), else every half minute.
int RecoveryInterval()
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("KESTREL_RECOVERY_INTERVAL", &ok);
    return ok && ms > 0 ? ms : RecoveryKeeper::DefaultInterval;
}

// KESTREL_TEST_KEYS keys are typed into the first page, one every 2 ms, as key presses: the characters of
// "abc中文xyz" in turn, a Backspace in place of every seventh.
void TypeTestKeys(MainFrame& frame)
{
    const int keys = qEnvironmentVariableIntValue("KESTREL_TEST_KEYS");
    const QString text = QStringLiteral("abc中文xyz");
    PageWindow* page = frame.Document(0);
    if (keys <= 0 || !page)
        return;
    auto* timer = new QTimer(page);
    timer->start(2);
    QObject::connect(timer, &QTimer::timeout, page, [page, timer, keys, text, typed = 0]() mutable {
        const QChar ch = text.at(typed % text.size());
        const bool back = typed % 7 == 6;
        QKeyEvent press(QEvent::KeyPress, back ? Qt::Key_Backspace : Qt::Key_unknown, Qt::NoModifier,
                        back ? QString() : QString(ch));
        QApplication::sendEvent(page->pageEdit, &press);
        if (++typed == keys)
            timer->stop();
    });
}

// Tests of the whole program cannot type into it: KESTREL_TEST_TYPING is typed at the caret of a page, as the user
// would; then KESTREL_TEST_COMMANDS names commands (by their keys in the command registry, split by ",") run on
// it, as the user would choose them (a preview, a save). Both act on each page the program starts with and on the
// page a hand-over brings forward.
void RunTestHooks(MainFrame& frame, PageWindow* page)
{
    const QString text = qEnvironmentVariable("KESTREL_TEST_TYPING");
    const QStringList commands =
        qEnvironmentVariable("KESTREL_TEST_COMMANDS").split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (!page || (text.isEmpty() && commands.isEmpty()))
        return;
    if (!text.isEmpty())
        page->pageEdit->InsertTyped(text);
    frame.Area->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(page->parentWidget()));
    for (const QString& key : commands)
        if (const CommandEntry* command = frame.Commands().Find(key))
            frame.RunCommand(*command);
}

void RunTestHooks(MainFrame& frame)
{
    for (int slot = 0; slot < MainFrame::MaxDocuments; ++slot)
        RunTestHooks(frame, frame.Document(slot));
}

void Print(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

// Answers what needs no window (--help, --version, a wrong option, no display at all): the exit status, or
// nothing when the editor is to start.
std::optional<int> Answer(const CommandLine& line)
{
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const bool chinese = Translations::ChineseWanted(env);
    switch (line.action) {
    case CommandLine::Help:
        Print(stdout, CommandLine::Usage(chinese));
        return 0;
    case CommandLine::Version:
        Print(stdout, CommandLine::VersionText(chinese));
        return 0;
    case CommandLine::Refuse:
        Print(stderr, line.Refusal(chinese));
        return CommandLine::RefusedStatus;
    case CommandLine::Run:
        break;
    }
    if (!DisplayCheck::Available(line.platform, env)) {
        Print(stderr, DisplayCheck::NoDisplay + QLatin1Char('\n'));
        return 1;
    }
    return std::nullopt;
}

QStringList ArgumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QFile::decodeName(argv[i]));
    return arguments;
}

// Reports a database that cannot be used; the program then ends.
void ReportDatabase(TagDb::LoadStatus status, const QString& detail)
{
    const QString title = QStringLiteral("异常错误");
    switch (status) {
    case TagDb::Missing:
        Messages::Show(nullptr, QStringLiteral("数据库丢失!!!"), title);
        break;
    case TagDb::Unreadable:
        Messages::Show(nullptr, QStringLiteral("数据库无法读取!!!\n") + detail, title);
        break;
    case TagDb::ParseError:
        Messages::Show(nullptr, QStringLiteral("数据库已损坏!!!\n") + detail, title);
        break;
    case TagDb::NoHtmlSection:
        Messages::Show(nullptr, QStringLiteral("数据库中没有 html 部分!!!\n") + detail, title);
        break;
    case TagDb::Loaded:
        break;
    }
}

} // namespace

int Main(int argc, char* argv[])
{
    // Read before anything of the window system: --help and --version work without a display.
    const CommandLine commandLine = CommandLine::Parse(ArgumentsOf(argc, argv), QDir::currentPath());
    if (const std::optional<int> status = Answer(commandLine))
        return *status;
    // The program folder is known before the application object exists (the link of this process's executable),
    // so the tag database can be parsed while the window system starts up. Nothing reads it before the join.
    ProgramState shared(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath());
    QString detail;
    TagDb::LoadStatus status = TagDb::Missing;
    // Qt takes the first thread that asks for its thread data as the main one: ask here, before the loader runs.
    QThread::currentThread();
    std::thread loader([&shared, &detail, &status] { status = shared.Db.Load(shared.DataFile, &detail); });

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kestrel"));
    QApplication::setApplicationDisplayName(QString());
    QApplication::setWindowIcon(ProgramIcon::Icon());
    QApplication::setDesktopFileName(QStringLiteral("kestrel"));
    Translations::InstallQt(app);
    shared.SettingsFile = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                          QStringLiteral("/kestrel/kestrel.conf");

    const PageRequests& files = commandLine.pages;
    SingleInstance instance(SingleInstance::SocketPath());
    // An editor of its own neither hands its pages over nor serves later starts.
    if (!commandLine.newInstance && instance.Claim() == SingleInstance::Another) {
        // Pages asked for go to the editor that runs, which opens them; this start ends quietly.
        const bool handedOver = !files.isEmpty() && instance.HandOver(files);
        loader.join();
        if (handedOver)
            return 0;
        Messages::Show(nullptr, QStringLiteral("已经运行!!"), Messages::ProgramTitle);
        return files.isEmpty() ? 0 : 1;
    }
    // A user's pages start in the user's documents, not in the program's folder.
    shared.lastFolder = ProgramState::PagesFolder();
    // Previews may show the program's own pictures (the effects' defaults) wherever the page is.
    BrowserView::SetSharedFolders(
        {shared.ProgramDir + QStringLiteral("qzimg"), shared.DataDir + QStringLiteral("qzimg")});
    // A page rewritten in place is listed beside the recovery files while it is written.
    PageFile::SetRewriteList(RewriteJournal::Beside(RecoveryKeeper::DefaultFolder()));
    // So are the preview files written beside the pages; those a run that crashed left go now.
    PreviewJournal::SetProgramList(PreviewJournal::Beside(RecoveryKeeper::DefaultFolder()));
    PreviewJournal::Program().Sweep();

    // The frame's menus and toolbar are built while the database is still being read.
    auto frame = std::make_unique<MainFrame>(shared, nullptr, false);
    // Pages handed over from now on, also while a question about the first pages is open.
    auto* handOvers = new HandOverQueue(*frame, frame.get());
    QObject::connect(&instance, &SingleInstance::FilesArrived, handOvers, &HandOverQueue::Add);
    QObject::connect(&instance, &SingleInstance::FilesArrived, frame.get(),
                     [&frame] { RunTestHooks(*frame, frame->ActiveDocument()); });
    loader.join();
    int result = 0;
    if (status == TagDb::Loaded) {
        // The new page goes in before the frame shows; named files come after, so that what cannot be opened is
        // reported over the frame.
        if (files.isEmpty())
            frame->StartWith(files);
        frame->show();
        if (!files.isEmpty())
            frame->StartWith(files);
        PreviewJournal::Program().Discard(shared.ScratchFile);
        RecoveryKeeper keeper(*frame, RecoveryKeeper::DefaultFolder(), RecoveryInterval());
        keeper.Offer(frame.get());
        RunTestHooks(*frame);
        TypeTestKeys(*frame);
        result = app.exec();
    } else {
        frame.reset();
        ReportDatabase(status, detail);
        PreviewJournal::Program().Discard(shared.ScratchFile);
        result = 1; // a start that could not work is no success to a script that started it
    }
    frame.reset();
    shared.Release();
    return result;
}
