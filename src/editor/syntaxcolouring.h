#pragma once
// Syntax colouring of a page's text control. Colours are laid over the text (the characters keep their own
// format, so the blue and purple of inserted markup is untouched and shows with a tint behind it), and only
// the lines on screen are coloured. Where each line starts (inside a comment, a style sheet, a script...) is
// worked out down to the screen in small steps while the program is idle; an edit re-scans from its line until
// the states meet the old ones again.

#include "editor/syntaxscanner.h"

#include <QColor>
#include <QObject>
#include <QTextBlock>
#include <QTimer>

#include <vector>

class PageEdit;
class QTextDocument;

class SyntaxColouring : public QObject
{
    Q_OBJECT

public:
    explicit SyntaxColouring(PageEdit* edit);

    // Takes the colours off every line coloured so far (the switch goes off).
    void ClearAll();

    static QColor ColourOf(SyntaxScanner::Kind kind);

    // Lines from the top whose states are known; the idle pass takes it down to the screen.
    int KnownLines() const { return valid_; }

private:
    void ContentsChange(int position, int removed, int added);
    // Colours what is on screen, if it may have changed.
    void ColourVisible();
    void Schedule();
    // Colours the lines edited since the last time.
    void ColourPending();
    void Relayout(const QTextBlock& block);
    // Colours one line from `state`; returns the state it ends in.
    int ColourBlock(QTextBlock block, int state);
    // The state line `line` starts in; plain text where the lines above are not worked out yet.
    int StateBefore(int line) const;
    // Records the end state of line `line`, the next one in order.
    void Store(int line, int state);
    // Works out the states of the next lines, for a few milliseconds.
    void Advance();
    // Lines whose states the screen needs.
    int Needed() const;

    PageEdit* edit_;
    QTextDocument* doc_;
    std::vector<quint16> ends_;    // each line's end state, known for the lines before valid_
    std::vector<quint8> coloured_; // lines whose layout carries colours
    int valid_ = 0;
    int staleValid_ = 0; // before the last edit the states were known up to here: met again, they hold again
    int changedEnd_ = -1;
    int blockCount_ = 0;
    bool dirty_ = true;
    int shownFirst_ = -1;
    int shownLast_ = -1;
    bool provisional_ = false; // lines on screen were coloured before their start states were known
    bool colouring_ = false;
    bool scheduled_ = false;
    int pendingFrom_ = -1;
    int pendingTo_ = -1;
    QTimer idle_;
    QList<SyntaxScanner::Span> spans_;
};
