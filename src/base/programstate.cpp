#include "base/programstate.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

static QString WithSlash(QString dir)
{
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

ProgramState::ProgramState(const QString& programDir)
{
    const QChar nul(0);
    HtmlFilter = QStringLiteral("HTML 文件") + nul + QStringLiteral("*.html;*.htm") + nul + QStringLiteral("所有文件") +
                 nul + QStringLiteral("*.*");
    ImageFilter = QStringLiteral("所有图象文件") + nul +
                  QStringLiteral("*.png;*.jpg;*.jpeg;*.gif;*.svg;*.webp;*.bmp;*.ico") + nul +
                  QStringLiteral("所有文件") + nul + QStringLiteral("*.*");
    ProgramDir = WithSlash(programDir);
    ScratchFile = ProgramDir + QStringLiteral("qz125677.html");
    // Previews are written into lastFolder, so an installed, read-only program folder is no place for them.
    const QFileInfo dirInfo(ProgramDir);
    lastFolder = dirInfo.isWritable() ? ProgramDir : WithSlash(QDir::homePath());
    DataDir = DataFolder(ProgramDir);
    HelpFile = DataDir + QStringLiteral("readme.html");
    DataFile = DataDir + QStringLiteral("data.xml");
}

QString ProgramState::DataFolder(const QString& programDir)
{
    const QString program = WithSlash(programDir);
    if (QFileInfo(program + QStringLiteral("data.xml")).isFile())
        return program;
    const QString shared = WithSlash(QDir::cleanPath(program + QStringLiteral(KESTREL_DATA_FROM_BIN)));
    if (QFileInfo(shared + QStringLiteral("data.xml")).isFile())
        return shared;
    return program;
}

QString ProgramState::PagesFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return WithSlash(documents);
    return WithSlash(QDir::homePath());
}

void ProgramState::Release()
{
    Db.Release();
}
