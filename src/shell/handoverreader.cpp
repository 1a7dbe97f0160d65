#include "shell/handoverreader.h"

#include <QtEndian>

#include <algorithm>
#include <utility>

namespace {

void AppendNumber(QByteArray& out, quint32 value)
{
    const quint32 big = qToBigEndian(value);
    out.append(reinterpret_cast<const char*>(&big), sizeof big);
}

quint32 NumberIn(const QByteArray& field)
{
    return qFromBigEndian<quint32>(field.constData());
}

} // namespace

QByteArray HandOverReader::Encode(const QStringList& paths)
{
    QByteArray out;
    AppendNumber(out, Magic);
    AppendNumber(out, quint32(paths.size()));
    for (const QString& path : paths) {
        AppendNumber(out, quint32(path.size() * 2));
        const qsizetype at = out.size();
        out.resize(at + path.size() * 2);
        qToBigEndian<char16_t>(path.utf16(), path.size(), out.data() + at);
    }
    return out;
}

HandOverReader::Status HandOverReader::Feed(QByteArrayView bytes)
{
    while (!bytes.isEmpty() && status_ == Reading) {
        const qsizetype take = std::min(bytes.size(), wanted_ - field_.size());
        field_.append(bytes.first(take));
        bytes = bytes.sliced(take);
        received_ += take;
        if (field_.size() == wanted_)
            status_ = TakeField();
    }
    if (!bytes.isEmpty())
        status_ = Refused;
    return status_;
}

HandOverReader::Status HandOverReader::TakeField()
{
    const QByteArray field = std::exchange(field_, QByteArray());
    switch (at_) {
    case MagicField:
        if (NumberIn(field) != Magic)
            return Refused;
        at_ = CountField;
        return Reading;
    case CountField:
        count_ = NumberIn(field);
        if (count_ > MostPaths)
            return Refused;
        at_ = LengthField;
        return count_ == 0 ? Done : Reading;
    case LengthField:
        return TakeLength(NumberIn(field));
    case PathField:
        return TakePath(field);
    }
    return Refused;
}

HandOverReader::Status HandOverReader::TakeLength(quint32 length)
{
    // An empty path is no absolute one; 0xFFFFFFFF (a null string) is caught by the bound.
    if (length == 0 || length % 2 != 0 || length > MostPathUnits * 2 || received_ + length > MostBytes)
        return Refused;
    at_ = PathField;
    wanted_ = length;
    return Reading;
}

HandOverReader::Status HandOverReader::TakePath(const QByteArray& field)
{
    QString path(field.size() / 2, Qt::Uninitialized);
    qFromBigEndian<char16_t>(field.constData(), path.size(), path.data());
    if (!path.startsWith(QLatin1Char('/')) || path.contains(QChar(0)))
        return Refused;
    paths_.append(path);
    at_ = LengthField;
    wanted_ = 4;
    return quint32(paths_.size()) == count_ ? Done : Reading;
}
