#pragma once
// One hand-over message from a later start, read as its bytes come in: what was read is never read again, and a
// message that announces more than a start of ours sends is refused before anything is set aside for it.
//
// The message is what QDataStream writes for the magic and a QStringList: quint32 magic "KST1", quint32 count,
// then per path a quint32 byte count and the path in big-endian UTF-16. Every path is absolute. Pages asked for
// at a line go as "KST2", each path after its quint32 line (0: none); an editor that knows only "KST1" drops
// such a message, and the start sends it the paths alone.

#include "shell/pagerequest.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

class HandOverReader
{
public:
    enum Status
    {
        Reading, // more bytes are wanted
        Done,    // Pages() holds the message
        Refused  // not a message of ours: drop the connection
    };

    static constexpr quint32 Magic = 0x4b535431;          // "KST1"
    static constexpr quint32 MagicWithLines = 0x4b535432; // "KST2"
    static constexpr quint32 MostPaths = 4096;
    static constexpr quint32 MostPathUnits = 4096; // UTF-16 units in one path
    static constexpr qsizetype MostBytes = 4 * 1024 * 1024;

    // The message a later start sends: "KST1" for paths, and for pages unless one of them has a line.
    static QByteArray Encode(const QStringList& paths);
    static QByteArray EncodePages(const PageRequests& pages);
    static bool HasLines(const PageRequests& pages);

    // Takes the next bytes. Bytes past the end of the message refuse it.
    Status Feed(QByteArrayView bytes);
    Status State() const { return status_; }
    const PageRequests& Pages() const { return pages_; }

private:
    enum Field
    {
        MagicField,
        CountField,
        LineField,
        LengthField,
        PathField
    };
    // field_ holds the whole of the current field.
    Status TakeField();
    Status TakeLength(quint32 length);
    Status TakePath(const QByteArray& field);
    // The field a page begins with.
    Field PageStart() const { return withLines_ ? LineField : LengthField; }

    Field at_ = MagicField;
    qsizetype wanted_ = 4; // bytes of the current field
    QByteArray field_;
    qsizetype received_ = 0;
    quint32 count_ = 0;
    bool withLines_ = false;
    int line_ = 0;
    PageRequests pages_;
    Status status_ = Reading;
};
