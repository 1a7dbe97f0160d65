#include "base/pageidentity.h"

#include <QFile>

#include <xxhash.h>

PageIdentity PageIdentity::Of(const FileStamp& stamp, const QByteArray& hash)
{
    return PageIdentity{stamp.Size(), stamp.ModifiedNs(), hash};
}

static QByteArray Hex(const XXH128_hash_t& h)
{
    XXH128_canonical_t canonical;
    XXH128_canonicalFromHash(&canonical, h);
    return QByteArray(reinterpret_cast<const char*>(canonical.digest), sizeof canonical.digest).toHex();
}

QByteArray PageIdentity::HashOf(QByteArrayView bytes)
{
    return Hex(XXH3_128bits(bytes.data(), size_t(bytes.size())));
}

std::shared_future<QByteArray> PageIdentity::HashLater(QByteArray bytes)
{
    return std::async(std::launch::async,
                      [bytes = std::move(bytes)]() mutable {
                          const QByteArray hash = HashOf(bytes);
                          bytes = QByteArray(); // the page's bytes go as soon as they can
                          return hash;
                      })
        .share();
}

std::optional<PageIdentity> PageIdentity::OfFile(const QString& path, const FileStamp& stamp)
{
    QFile file(path);
    if (!stamp.Exists() || !file.open(QIODevice::ReadOnly) || FileStamp::OfOpen(file.handle()) != stamp)
        return std::nullopt;
    XXH3_state_t* state = XXH3_createState();
    XXH3_128bits_reset(state);
    QByteArray piece(1 << 20, Qt::Uninitialized);
    qint64 got = 0;
    while ((got = file.read(piece.data(), piece.size())) > 0)
        XXH3_128bits_update(state, piece.constData(), size_t(got));
    const QByteArray hash = Hex(XXH3_128bits_digest(state));
    XXH3_freeState(state);
    // Written to while it was read: the hash is of no one version.
    if (got < 0 || FileStamp::OfOpen(file.handle()) != stamp || FileStamp::Of(path) != stamp)
        return std::nullopt;
    return Of(stamp, hash);
}

bool PageIdentity::Matches(QByteArrayView bytes, const FileStamp& stamp) const
{
    return stamp.Exists() && stamp.Size() == size && stamp.ModifiedNs() == modifiedNs && bytes.size() == size &&
           HashOf(bytes) == hash;
}
