#include "base/editjournal.h"

#include <QtEndian>

#include <xxhash.h>

namespace {

void AddNumber(QByteArray& out, quint64 n)
{
    do {
        const char low = char(n & 0x7F);
        n >>= 7;
        out.append(n ? char(low | 0x80) : low);
    } while (n);
}

// Reads a number written by AddNumber at `at`; false when the bytes end first or it is too long to be one.
bool TakeNumber(QByteArrayView bytes, qsizetype& at, quint64& n)
{
    n = 0;
    for (int shift = 0; shift < 64 && at < bytes.size(); shift += 7) {
        const auto byte = quint8(bytes[at++]);
        n |= quint64(byte & 0x7F) << shift;
        if (!(byte & 0x80))
            return true;
    }
    return false;
}

bool TakeRecord(QByteArrayView bytes, qsizetype& at, JournalRecord& record)
{
    const char kind = bytes[at++];
    quint64 a = 0, b = 0, length = 0;
    if (kind == JournalRecord::Edit) {
        if (!TakeNumber(bytes, at, a) || !TakeNumber(bytes, at, b) || !TakeNumber(bytes, at, length) ||
            length > quint64(bytes.size() - at) || a > quint64(INT_MAX) || b > quint64(INT_MAX))
            return false;
        record.kind = JournalRecord::Edit;
        record.position = qint64(a);
        record.removed = qint64(b);
        record.inserted = QString::fromUtf8(bytes.sliced(at, qsizetype(length)));
        at += qsizetype(length);
        return true;
    }
    if (kind == JournalRecord::Codec) {
        if (!TakeNumber(bytes, at, length) || length > quint64(bytes.size() - at))
            return false;
        const CodePage* page = CodePages::Stored(bytes.sliced(at, qsizetype(length)).toByteArray());
        at += qsizetype(length);
        if (!page || !TakeNumber(bytes, at, b) || b > 1)
            return false;
        record.kind = JournalRecord::Codec;
        record.codec = page->id;
        record.bom = b != 0;
        return true;
    }
    return false;
}

} // namespace

void EditJournal::AddEdit(QByteArray& records, qint64 position, qint64 removed, QStringView inserted)
{
    QByteArray text = inserted.toUtf8();
    // U+2029 (three bytes in UTF-8) parts the control's lines; "\n" is what the page has there.
    text.replace("\xE2\x80\xA9", "\n");
    records.append(char(JournalRecord::Edit));
    AddNumber(records, quint64(position));
    AddNumber(records, quint64(removed));
    AddNumber(records, quint64(text.size()));
    records.append(text);
}

void EditJournal::AddCodec(QByteArray& records, PageEncoding::Codec codec, bool bom)
{
    // By the code page's name in recovery files, which never changes.
    const QByteArray name = CodePages::Of(codec).stored;
    records.append(char(JournalRecord::Codec));
    AddNumber(records, quint64(name.size()));
    records.append(name);
    AddNumber(records, bom ? 1 : 0);
}

QByteArray EditJournal::Frame(QByteArrayView records)
{
    QByteArray frame(FrameHead, Qt::Uninitialized);
    qToLittleEndian(quint32(records.size()), frame.data());
    qToLittleEndian(quint64(XXH3_64bits(records.data(), size_t(records.size()))), frame.data() + 4);
    frame.append(records);
    return frame;
}

qsizetype EditJournal::ReadFrames(QByteArrayView bytes, qsizetype offset, QList<JournalRecord>& records)
{
    while (bytes.size() - offset >= FrameHead) {
        const qsizetype length = qFromLittleEndian<quint32>(bytes.data() + offset);
        const quint64 sum = qFromLittleEndian<quint64>(bytes.data() + offset + 4);
        if (length == 0 || length > bytes.size() - offset - FrameHead)
            break;
        const QByteArrayView body = bytes.sliced(offset + FrameHead, length);
        if (XXH3_64bits(body.data(), size_t(body.size())) != sum)
            break;
        QList<JournalRecord> frame;
        qsizetype at = 0;
        while (at < body.size()) {
            JournalRecord record;
            if (!TakeRecord(body, at, record))
                return offset; // written whole but not by this program: nothing of it is trusted
            frame.append(std::move(record));
        }
        records.append(std::move(frame));
        offset += FrameHead + length;
    }
    return offset;
}
