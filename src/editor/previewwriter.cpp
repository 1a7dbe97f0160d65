#include "editor/previewwriter.h"

#include "app/helpers.h"

#include <QFile>

PreviewWriter::Status PreviewWriter::Write(const QString& path, const QString& text, const PageEncoding& encoding,
                                           QString* error)
{
    QByteArray bytes;
    if (!PageCodec::Encode(text, encoding, bytes)) {
        if (error)
            *error = QStringLiteral("encoding");
        return NotEncodable;
    }
    return WriteBytes(path, bytes, error);
}

PreviewWriter::Status PreviewWriter::WriteBytes(const QString& path, const QByteArray& bytes, QString* error)
{
    DeleteFileIfExists(path);
    QFile file(path);
    // NewOnly creates with O_EXCL: an existing name, a symbolic link included, makes the open fail.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        if (error)
            *error = file.errorString();
        return NotCreated;
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        if (error)
            *error = file.errorString();
        file.close();
        QFile::remove(path);
        return NotCreated;
    }
    return Written;
}
