#pragma once

#include <QString>
#include <QTextFormat>
#include <vector>

class QTextDocument;

// Fills an empty text document with a whole page far faster than inserting it line by line.
//
// Inserting text through a cursor costs the document two balanced-tree insertions per line (the line's text and its
// block), about 3 µs a line: two seconds for a page of a million lines, nearly all of the time it takes to open one.
// Here the text goes into the document's buffer a piece at a time as a run of characters, and once it is all in,
// the document's two trees are written out whole, balanced, in one pass over the lines. The document ends up
// exactly as line-by-line insertion would leave it (same blocks, same formats, one contents change), at about a
// tenth of the cost.
//
// This reaches into the text document's private structures, so it is used only where the Qt it runs with is the
// release build of the Qt it was built against (and only compiled for the Qt it was written for), the document is
// empty and keeps no undo history; otherwise the pieces are kept and go in with one ordinary insertion. Use: Add every
// piece (in any order of position), then Finish, all inside one edit block.
class DocumentFiller
{
public:
    DocumentFiller(QTextDocument* document, const QTextCharFormat& charFormat, const QTextBlockFormat& blockFormat);
    // Finishes, if Finish was not called: the document is never left with lines inside a block.
    ~DocumentFiller() { Finish(); }
    DocumentFiller(const DocumentFiller&) = delete;
    DocumentFiller& operator=(const DocumentFiller&) = delete;

    // Puts `text` (already in block form, see ToBlockText) in at `position`, a position in the text added so far.
    void Add(int position, const QString& text);
    // Writes the line structure for everything added. Must come before the edit block ends.
    void Finish();

    // Whether the fast way is taken (false: Add inserts through a cursor).
    bool Fast() const { return fast_; }

    // Turns a page's text into the form the document keeps: every line break (CR LF, LF, CR, and the characters
    // the text document itself takes as breaks) becomes one paragraph separator, in place.
    static void ToBlockText(QString& text);

private:
    void Keep(int position, const QString& text);
    void InsertKept();

    QTextDocument* document_;
    QTextCharFormat charFormat_;
    QTextBlockFormat blockFormat_;
    bool fast_ = false;
    int revision_ = 0;
    // The ordinary way: the pieces in order, and where they go.
    std::vector<QString> pieces_;
    int start_ = 0;
};
