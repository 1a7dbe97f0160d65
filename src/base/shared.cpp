#include "base/shared.h"

#include <QDir>
#include <QFileInfo>

static QString WithSlash(QString dir)
{
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

Shared::Shared(const QString& programDir)
{
    const QChar nul(0);
    HtmlFilter = QStringLiteral("HTML 文件") + nul + QStringLiteral("*.html;*.htm") + nul + QStringLiteral("所有文件") +
                 nul + QStringLiteral("*.*");
    ImageFilter = QStringLiteral("所有图象文件") + nul + QStringLiteral("*.jpg;*.jpeg;*.bmp;*.ico;*.gif") + nul +
                  QStringLiteral("所有文件") + nul + QStringLiteral("*.*");
    ProgramDir = WithSlash(programDir);
    TempFile = ProgramDir + QStringLiteral("qz125677.html");
    // Previews are written into LastDir, so an installed, read-only program folder is no place for them.
    const QFileInfo dirInfo(ProgramDir);
    LastDir = dirInfo.isWritable() ? ProgramDir : WithSlash(QDir::homePath());
    HelpFile = ProgramDir + QStringLiteral("readme.html");
    DataFile = ProgramDir + QStringLiteral("data.xml");
}

void Shared::Release()
{
    Db.Release();
}
