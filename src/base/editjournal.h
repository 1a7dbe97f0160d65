#pragma once
// The edits of a page since it was opened or saved, as a recovery file records them when it stands on the page's
// file on disk. After the file's header come frames appended at each recovery write, each a run of records with its
// length and a checksum: a frame cut off by a crash (or anything after one) is no part of the journal, so the
// journal always ends on a whole record.

#include "base/pagecodec.h"

#include <QByteArray>
#include <QList>
#include <QString>

struct JournalRecord
{
    enum Kind : char
    {
        Edit = 'E',  // at `position`, `removed` characters gave way to `inserted`
        Codec = 'C', // from here on the page saves in `codec`
    };
    Kind kind = Edit;
    qint64 position = 0;
    qint64 removed = 0;
    QString inserted; // lines parted by "\n"
    PageEncoding::Codec codec = PageEncoding::Gb18030;
    bool bom = false;

    bool operator==(const JournalRecord&) const = default;
};

class EditJournal
{
public:
    // Positions count characters of the text control, a line break being one. `inserted` may part its lines by
    // "\n" or U+2029 (as the control gives them).
    static void AddEdit(QByteArray& records, qint64 position, qint64 removed, QStringView inserted);
    static void AddCodec(QByteArray& records, PageEncoding::Codec codec, bool bom);
    // The records as one frame to append to the file.
    static QByteArray Frame(QByteArrayView records);
    // Reads the frames from `offset` on into `records`; returns where the last whole frame ends.
    static qsizetype ReadFrames(QByteArrayView bytes, qsizetype offset, QList<JournalRecord>& records);
    // A frame's length and checksum before its records.
    static constexpr qsizetype FrameHead = 12;
};
