#include "shell/handoverreader.h"

#include <QtEndian>

#include <algorithm>
#include <climits>
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

void AppendPath(QByteArray& out, const QString& path)
{
    AppendNumber(out, quint32(path.size() * 2));
    const qsizetype at = out.size();
    out.resize(at + path.size() * 2);
    qToBigEndian<char16_t>(path.utf16(), path.size(), out.data() + at);
}

} // namespace

QByteArray HandOverReader::Encode(const QStringList& paths)
{
    QByteArray out;
    AppendNumber(out, Magic);
    AppendNumber(out, quint32(paths.size()));
    for (const QString& path : paths)
        AppendPath(out, path);
    return out;
}

bool HandOverReader::HasLines(const PageRequests& pages)
{
    return std::any_of(pages.begin(), pages.end(), [](const PageRequest& page) { return page.line > 0; });
}

QByteArray HandOverReader::EncodePages(const PageRequests& pages)
{
    if (!HasLines(pages)) {
        QStringList paths;
        for (const PageRequest& page : pages)
            paths.append(page.path);
        return Encode(paths);
    }
    QByteArray out;
    AppendNumber(out, MagicWithLines);
    AppendNumber(out, quint32(pages.size()));
    for (const PageRequest& page : pages) {
        AppendNumber(out, quint32(std::max(page.line, 0)));
        AppendPath(out, page.path);
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
        if (NumberIn(field) != Magic && NumberIn(field) != MagicWithLines)
            return Refused;
        withLines_ = NumberIn(field) == MagicWithLines;
        at_ = CountField;
        return Reading;
    case CountField:
        count_ = NumberIn(field);
        if (count_ > MostPaths)
            return Refused;
        at_ = PageStart();
        return count_ == 0 ? Done : Reading;
    case LineField:
        if (NumberIn(field) > quint32(INT_MAX))
            return Refused;
        line_ = int(NumberIn(field));
        at_ = LengthField;
        return Reading;
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
    pages_.append(PageRequest(path, line_));
    at_ = PageStart();
    wanted_ = 4;
    return quint32(pages_.size()) == count_ ? Done : Reading;
}
