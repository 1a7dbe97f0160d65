#pragma once
// What a page's file was when the editor started recording its edits: its size, its modification time and a hash
// of its bytes. Recorded edits go back only onto a file that still has all three.

#include "base/filestamp.h"

#include <QByteArray>
#include <QString>

#include <future>
#include <optional>

struct PageIdentity
{
    qint64 size = 0;
    qint64 modifiedNs = 0;
    QByteArray hash; // hexadecimal

    bool operator==(const PageIdentity&) const = default;

    static PageIdentity Of(const FileStamp& stamp, const QByteArray& hash);
    // A 128-bit hash of the bytes (XXH3: a page of 100 MB takes some 30 ms).
    static QByteArray HashOf(QByteArrayView bytes);
    // The hash worked out on a thread of its own while the page is decoded; the bytes are let go once it is done.
    static std::shared_future<QByteArray> HashLater(QByteArray bytes);
    // The file at `path` read a piece at a time, when it is what `stamp` says before and after the reading.
    static std::optional<PageIdentity> OfFile(const QString& path, const FileStamp& stamp);
    // Whether `bytes`, read from a file now stamped `stamp`, are the file this identity names.
    bool Matches(QByteArrayView bytes, const FileStamp& stamp) const;
};
