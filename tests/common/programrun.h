#pragma once
// Runs the real program offscreen on a private desktop: its own home, runtime, settings and data folders and its
// own instance socket, so it meets neither the user's editor nor another test's.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

class ProgramRun
{
public:
    QTemporaryDir dir;
    std::vector<std::unique_ptr<QProcess>> started;

    ProgramRun()
    {
        for (const char* sub : {"home", "runtime", "config", "data"})
            QDir(dir.path()).mkpath(QString::fromLatin1(sub));
        QFile::setPermissions(Path(QStringLiteral("runtime")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    ~ProgramRun()
    {
        for (auto& p : started)
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(5000);
            }
    }

    QString Path(const QString& name) const { return dir.filePath(name); }
    // Where the program keeps its settings and its recovery files on this desktop.
    QString SettingsFile() const { return Path(QStringLiteral("config/kestrel/kestrel.conf")); }
    QString RecoveryFolder() const { return Path(QStringLiteral("data/kestrel/recovery")); }
    // The list of pages it is rewriting in place, beside the recovery folder.
    QString RewriteList() const { return Path(QStringLiteral("data/kestrel/rewrites.list")); }
    // The list of the preview files it wrote beside the pages.
    QString PreviewList() const { return Path(QStringLiteral("data/kestrel/previews.list")); }

    QProcessEnvironment Environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), Path(QStringLiteral("home")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), Path(QStringLiteral("runtime")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), Path(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), Path(QStringLiteral("data")));
        env.insert(QStringLiteral("KESTREL_INSTANCE_SOCKET"), Path(QStringLiteral("runtime/editor.socket")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        for (const char* name :
             {"KESTREL_TEST_TYPING", "KESTREL_TEST_COMMANDS", "KESTREL_RECOVERY_INTERVAL", "KESTREL_TEST_KILL_REWRITE",
              "KESTREL_TEST_KEYS"})
            env.remove(QString::fromLatin1(name));
        return env;
    }

    QProcess* Start(const QString& program, const QStringList& args, const QProcessEnvironment& env,
                    const QString& workDir = QString())
    {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(workDir.isEmpty() ? dir.path() : workDir);
        process->setProcessChannelMode(QProcess::MergedChannels);
        process->start(program, args);
        if (!process->waitForStarted(10000))
            qWarning("could not start %s", qPrintable(program));
        started.push_back(std::move(process));
        return started.back().get();
    }
    QProcess* Start(const QStringList& args)
    {
        return Start(QStringLiteral(KESTREL_BUILD_DIR "/kestrel"), args, Environment());
    }

    // The pages the running editor added to its recent files (it writes them as it opens each).
    QStringList RecentFiles() const
    {
        return QSettings(SettingsFile(), QSettings::IniFormat).value(QStringLiteral("RecentFiles")).toStringList();
    }
    // Whether the editor listens on its socket yet (it does once it has decided to be the first).
    bool Serving() const { return QFileInfo(Path(QStringLiteral("runtime/editor.socket"))).exists(); }

    static bool WriteFile(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }
};
