#pragma once
// The recovery files of changed pages: one file a page in the user's data folder, holding the page's name, the
// time it was written, its encoding and its text, so that a run that ends without saving loses little.
// Files are replaced whole (temporary file, then rename), so a crash while writing leaves the previous one.

#include "base/pagecodec.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

struct RecoveryEntry
{
    QString file; // the recovery file's name in its folder (no folder)
    QString path; // the page's file; "" for an untitled page
    QString name; // the page's caption ("无标题0" for an untitled one)
    QDateTime time;
    PageEncoding encoding;
    QString text; // with its own line breaks when ownBreaks, else "\n" ones (files of earlier versions)
    bool ownBreaks = false;

    bool operator==(const RecoveryEntry&) const = default;
};

class RecoveryStore
{
public:
    explicit RecoveryStore(const QString& folder) : folder_(folder) {}
    QString Folder() const { return folder_; }

    // The file's bytes: a header of percent-encoded fields, an empty line, then the text in UTF-8.
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
    // Creates the folder (owner only) when needed and replaces the file.
    bool Write(const QString& file, const RecoveryEntry& entry) const;
    void Remove(const QString& file) const;

    static constexpr const char* Suffix = ".kestrel-recovery";

private:
    QString folder_;
};
