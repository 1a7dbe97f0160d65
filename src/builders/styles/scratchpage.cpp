#include "builders/styles/scratchpage.h"

#include "app/helpers.h"
#include "app/pagecodec.h"

#include <QFile>

bool ScratchPage::Write(const QString& path, const QString& html)
{
    if (path.isEmpty())
        return false;
    // A link or an old page at that name goes first; the new file is created exclusively, so a link put there
    // in between makes the write fail instead of writing through it.
    DeleteFileIfExists(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    const QByteArray bytes = PageCodec::ToGb18030(html);
    return file.write(bytes) == bytes.size() && file.flush();
}
