#include "editor/editrecorder.h"

#include "base/editjournal.h"

#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

EditRecorder::EditRecorder(QTextDocument* document, QObject* parent) : QObject(parent), document_(document)
{
    connect(document_, &QTextDocument::contentsChange, this, &EditRecorder::Changed);
}

void EditRecorder::Restart()
{
    pending_.clear();
    taken_ = 0;
    // A character takes at most three bytes in UTF-8: past that the journal is bigger than the page.
    length_ = document_->characterCount() - 1;
    limit_ = qint64(length_) * 3 + 4096;
    ++journal_;
    paused_ = false;
    overflowed_ = false;
}

void EditRecorder::AddCodec(PageEncoding::Codec codec, bool bom)
{
    if (!paused_ && !overflowed_)
        EditJournal::AddCodec(pending_, codec, bom);
}

QByteArray EditRecorder::Take()
{
    taken_ += pending_.size();
    return std::exchange(pending_, QByteArray());
}

void EditRecorder::Changed(int position, int removed, int added)
{
    if (paused_ || overflowed_)
        return;
    // An edit that reaches the end of the text may be reported with the document's own last break counted on
    // either side (a text set anew is a removal of everything and the break, then an insertion of the new text and
    // the break); that break is no character of the page.
    const int end = document_->characterCount() - 1;
    removed = std::clamp(removed, 0, std::max(0, length_ - position));
    added = std::clamp(added, 0, std::max(0, end - position));
    length_ = end;
    if (Bytes() + qint64(added) * 3 > limit_) {
        // Not even read: a copy of the page will stand for it.
        overflowed_ = true;
        pending_.clear();
        return;
    }
    QTextCursor c(document_);
    c.setPosition(position);
    c.setPosition(position + added, QTextCursor::KeepAnchor);
    EditJournal::AddEdit(pending_, position, removed, c.selectedText());
}
