#pragma once
// Writes a page window's preview file: the bytes a save of the page would write, into a file created afresh.
// The name is first removed (a symbolic link is removed, not followed) and the file is then created exclusively,
// so nothing that appears at that name is ever written through.

#include "app/pagecodec.h"

#include <QString>

class PreviewWriter
{
public:
    enum Status
    {
        Written,
        NotEncodable,
        NotCreated
    };
    static Status Write(const QString& path, const QString& text, const PageEncoding& encoding,
                        QString* error = nullptr);
    // The bytes already encoded (never NotEncodable).
    static Status WriteBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);
};
