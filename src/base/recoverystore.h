#pragma once
// The recovery files of changed pages: one file a page in the user's data folder, holding the page's name, the
// time it was written and its encoding, and then either the page's whole text (a copy) or the edits made to the
// page's file since it was opened or saved (a journal, see EditJournal), so that a run that ends without saving
// loses little. A copy is replaced whole (temporary file, then rename), so a crash while writing leaves the
// previous one; a journal only grows, and ends on its last whole record.

#include "base/editjournal.h"
#include "base/pagecodec.h"
#include "base/pageidentity.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

struct RecoveryEntry
{
    QString file; // the recovery file's name in its folder (no folder)
    QString path; // the page's file; "" for an untitled page
    QString name; // the page's caption ("无标题0" for an untitled one)
    QDateTime time;
    PageEncoding encoding;
    QString text; // with its own line breaks when ownBreaks, else "\n" ones (files of earlier versions)
    bool ownBreaks = false;
    // The page's file the copy or the edits go with (none for an untitled page, and in files of earlier versions).
    std::optional<PageIdentity> identity;
    // A journal: edits to the page's file as it was read in `readCodec` (-1: as opening decides), not its text.
    bool journal = false;
    int readCodec = -1;
    QList<JournalRecord> records;
    qsizetype wholeBytes = 0; // the file up to the end of its last whole record

    bool operator==(const RecoveryEntry&) const = default;
};

class RecoveryStore
{
public:
    explicit RecoveryStore(const QString& folder) : folder_(folder) {}
    QString Folder() const { return folder_; }

    // The file's bytes: a header of percent-encoded fields, an empty line, then the text in UTF-8 (a journal's
    // frames are appended after it).
    static QByteArray Encode(const RecoveryEntry& entry);
    // False for anything that is not a whole recovery file (another program's file, a cut-off one).
    static bool Decode(const QByteArray& bytes, RecoveryEntry& entry, bool withText = true);

    // Turns the document's raw text (lines parted by U+2029) into the page's text with each line's own break:
    // kinds[i] for the break after line i ('c' CR LF, 'n' LF, 'r' CR; 0 or past the end: `usual`).
    static void PutBreaks(QString& text, const QByteArray& kinds, PageEncoding::LineEnd usual);

    // Whether an entry names something the editor could have had open: an untitled page, or an absolute path that
    // is a regular file the user can read, or is not there any more (a deleted page's text is still the user's).
    // A relative path, a folder, a device, a FIFO or a socket is none.
    static bool Offerable(const RecoveryEntry& entry);

    // A fresh file name for a page.
    static QString NewFileName();

    // Every recovery file in the folder, oldest first, without their texts.
    QList<RecoveryEntry> List() const;
    // Reads one file whole; false when it is gone or damaged.
    bool Load(const QString& file, RecoveryEntry& entry) const;
    // Creates the folder (owner only) when needed and replaces the file; `frames` follow a journal's header.
    bool Write(const QString& file, const RecoveryEntry& entry, QByteArrayView frames = {}) const;
    // The same for a copy whose text `next` hands over a piece at a time (false: no more), so that the whole text
    // is never in memory twice.
    bool WriteInPieces(const QString& file, const RecoveryEntry& entry,
                       const std::function<bool(QString& piece)>& next) const;
    // Appends a frame to a journal, through to the disk.
    bool Append(const QString& file, QByteArrayView frame) const;
    // Cuts a journal back to its whole records, before more are appended to it.
    bool Cut(const QString& file, qsizetype length) const;
    void Remove(const QString& file) const;

    static constexpr const char* Suffix = ".kestrel-recovery";

private:
    bool MakeFolder() const;

    QString folder_;
};
