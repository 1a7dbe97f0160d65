#include "shell/startup.h"

#include "base/helpers.h"
#include "base/messages.h"
#include "base/shared.h"
#include "shell/mdiform1.h"
#include "shell/programicon.h"
#include "shell/translations.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

#include <memory>
#include <thread>

namespace {

QString LockPath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir + QStringLiteral("/kestrel-editor.lock");
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
    // The program folder is known before the application object exists (the link of this process's executable),
    // so the tag database can be parsed while the window system starts up. Nothing reads it before the join.
    Shared shared(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath());
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

    QLockFile lock(LockPath());
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0)) {
        loader.join();
        Messages::Show(nullptr, QStringLiteral("已经运行!!"), Messages::ProgramTitle);
        return 0;
    }

    // The frame's menus and toolbar are built while the database is still being read.
    auto frame = std::make_unique<MDIForm1>(shared, nullptr, false);
    loader.join();
    int result = 0;
    if (status == TagDb::Loaded) {
        const QStringList files = QCoreApplication::arguments().mid(1);
        // The new page goes in before the frame shows; named files come after, so that what cannot be opened is
        // reported over the frame.
        if (files.isEmpty())
            frame->StartWith(files);
        frame->show();
        if (!files.isEmpty())
            frame->StartWith(files);
        DeleteFileIfExists(shared.TempFile);
        result = app.exec();
    } else {
        frame.reset();
        ReportDatabase(status, detail);
        DeleteFileIfExists(shared.TempFile);
    }
    frame.reset();
    shared.Release();
    return result;
}
