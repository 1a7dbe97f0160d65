#pragma once
// The page's text control: plain text, one block per line, with the colour marking of inserted markup.

#include "base/pagecodec.h"

#include <QHash>
#include <QPlainTextEdit>

#include <functional>

class LineNumberGutter;
class SyntaxColouring;

class PageEdit : public QPlainTextEdit
{
    Q_OBJECT

public:
    static const QColor InsertColor;  // markup written by the dialogs
    static const QColor RewriteColor; // a tag rewritten in place
    static const QColor TypingColor;

    explicit PageEdit(QWidget* parent = nullptr);
    ~PageEdit() override;

    // Writes `text` at `position` in `color`; the caret goes after the text when `caret` >= `position`,
    // otherwise it stays at `caret`. Typing afterwards is black.
    void InsertTextAt(int position, int caret, const QString& text);
    // Replaces `length` characters after the caret by `text` in purple; the caret goes after it.
    void ReplaceAtCaret(int length, const QString& text);

    int SelStart() const { return textCursor().selectionStart(); }
    void SetSelStart(int position);
    // Puts the caret at the start of `line` (from 1; the last line for one past the end) and scrolls it into the
    // middle of the view.
    void ShowLine(int line);
    // The whole text with "\n" line breaks and nothing replaced (unlike toPlainText(), which turns no-break
    // spaces into blanks).
    QString RawText() const;
    // Feeds the text to `encoder` line by line; returns the line (from 1) of a character it could not write, or 0.
    // With `flush`, the bytes are handed to it each time about PieceBytes are encoded (and at the end), and -1
    // is returned as soon as it returns false.
    int EncodeInto(PageEncoder& encoder, const std::function<bool(const QByteArray& piece)>& flush = {}) const;
    static constexpr qsizetype PieceBytes = 1 << 20;
    // Marks the lines of a just loaded page whose break is not the `usual` one, so that saving writes each
    // line's own break back (`breaks` as in DecodedPage).
    void SetLineBreaks(const QByteArray& breaks, char usual);
    // The break after each line but the last as saving writes it ('c', 'n', 'r'; 0: the page's usual one), or
    // nothing when every break is the usual one.
    QByteArray LineBreakKinds() const;
    // Replaces the whole text as one edit (one undo step).
    void ReplaceAllText(const QString& text);

    // The selected text in UTF-8, lines parted by `lineBreak`.
    QByteArray SelectionUtf8(QStringView lineBreak = u"\n") const;

    void SetTypingBlack();
    // Text the user puts in (typed over a selection, pasted) at the caret, in black.
    void InsertTyped(const QString& text);

    // The line-number strip beside the text and the current line's background.
    void SetLineNumbersShown(bool on);
    bool LineNumbersShown() const { return lineNumbers_; }
    int GutterWidth() const;
    // Makes the strip wide enough for `lines` before a page goes in: widening it afterwards would lay out the
    // whole page again.
    void SizeGutterFor(int lines);
    void PaintGutter(QPaintEvent* event);
    // Lines marked beside the text in a colour (by block number): where the page checker found problems.
    void SetLineMarks(QHash<int, QColor> marks);

    // Colours tags, attributes, comments, style sheets and scripts as they come on screen. Off by default: then
    // only inserted markup is coloured.
    void SetSyntaxColouring(bool on);
    SyntaxColouring* Colouring() const { return colouring_; }

    // The font of every page, and this page's zoom in points over it.
    void SetPageFont(const QFont& font);
    QFont PageFont() const { return pageFont_; }
    void ZoomBy(int points);
    void ResetZoom();
    int Zoom() const { return zoom_; }

    // The local files a drag carries; nothing when it carries anything else.
    static QStringList DroppedFiles(const QMimeData* mime);
    // The files a drag from the site tree carries; nothing for any other drag.
    static QStringList DraggedSiteFiles(const QMimeData* mime);

    // Calls `visit` with each block on screen, top to bottom, and its top and height in the viewport, until it
    // returns false.
    void ForEachVisibleBlock(const std::function<bool(const QTextBlock& block, qreal top, qreal height)>& visit) const;

Q_SIGNALS:
    void ContextMenuRequested(const QPoint& globalPos);
    // Files dragged from a file manager and dropped on the text: they are opened, not pasted as names.
    void FilesDropped(const QStringList& paths);
    // Files dragged from the site tree and dropped at `position`: the page is to refer to them.
    void SiteFilesDropped(const QStringList& paths, int position);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    // The caret takes the colour of the character beside it: what the user types must be black all the same.
    void keyPressEvent(QKeyEvent* event) override;
    // A drag of the selection starts from here: it carries the text itself.
    void mouseMoveEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    // Copy, cut and dragging put the selection on the clipboard as plain text only. The selection the window
    // system is told of whenever the selection changes is read only when another program asks for it.
    QMimeData* createMimeDataFromSelection() const override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void UpdateGutterWidth();
    void SetGutterDigits(int digits);
    void ApplyFont();
    void CaretMoved();
    // The selection is drawn as plainly while another window has the keyboard (a match the find dialog chose).
    void KeepSelectionShown();
    // The line marks at the text's left edge while the gutter is hidden.
    void PaintLineMarks();

    LineNumberGutter* gutter_ = nullptr;
    SyntaxColouring* colouring_ = nullptr;
    bool lineNumbers_ = false;
    int gutterDigits_ = 0;
    bool unusualBreaks_ = false; // some line was given a break of its own since the last load
    bool copying_ = false;       // the key that copies or cuts is being handled: the clipboard gets the text now
    int caretBlock_ = -1;
    QFont pageFont_;
    int zoom_ = 0;
    QHash<int, QColor> lineMarks_;
};
