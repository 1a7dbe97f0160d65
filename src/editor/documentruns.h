#pragma once
// Reads a text document's lines without copying them: their text comes as views into the document's own buffer, a
// run at a time, in order (where the text document's private structures can be used; otherwise a copy of each line,
// as QTextBlock::text gives it). Saving a page of a million lines reads it this way.

#include <QStringView>

#include <functional>

class QTextDocument;

class DocumentRuns
{
public:
    // Called with each run of a line's text (lineEnd false; a line may come in several runs, an empty one in none)
    // and between one line and the next (lineEnd true, no text); returns false to stop.
    using Visit = std::function<bool(QStringView text, bool lineEnd)>;
    // False when a visit stopped it.
    static bool Read(const QTextDocument* document, const Visit& visit);

private:
    static bool ReadBlocks(const QTextDocument* document, const Visit& visit);
};
