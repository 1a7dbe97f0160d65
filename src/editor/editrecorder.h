#pragma once
// Records the edits of a page's text as they happen, as the records of a recovery journal (EditJournal), for the
// recovery keeper to take at each write. Recording an edit costs what the edit costs: its place, the length it
// removed and the text it put in. Undo and redo are edits like any other.

#include <QByteArray>
#include <QObject>

#include "base/pagecodec.h"

class QTextDocument;

class EditRecorder : public QObject
{
    Q_OBJECT

public:
    explicit EditRecorder(QTextDocument* document, QObject* parent = nullptr);

    // A new journal on the text as it is now (opened, saved, read again). Edits are followed from here on.
    void Restart();
    // No edits followed (while a page goes into the control) until the next Restart.
    void Pause() { paused_ = true; }
    // The page saves in another code page from now on.
    void AddCodec(PageEncoding::Codec codec, bool bom);

    // The records since the last Take.
    QByteArray Take();
    // The bytes recorded since the last Restart, taken or not.
    qint64 Bytes() const { return taken_ + pending_.size(); }
    // Restarts so far: a new number is a new journal.
    quint64 Journal() const { return journal_; }
    // The journal grew past what a copy of the page would take (about the page's size in UTF-8): it records no
    // more until the next Restart, and the page is better copied whole.
    bool Overflowed() const { return overflowed_; }

private:
    void Changed(int position, int removed, int added);

    QTextDocument* document_;
    QByteArray pending_;
    qint64 taken_ = 0;
    qint64 limit_ = 0;
    int length_ = 0; // the text's length after the last edit
    quint64 journal_ = 0;
    bool paused_ = true;
    bool overflowed_ = false;
};
