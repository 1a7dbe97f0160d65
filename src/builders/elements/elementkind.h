#pragma once
// The element dialog's kinds: for each opening text, what the dialog shows and how the kind's markup is framed.
// Entries that say "from the database" leave the field unset; the dialog then reads the element's html1 entry.

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct ElementKind
{
    QString HtmlN;           // opening text, "<img", "<input type=text"
    QStringList Frames;      // kind frames shown, top to bottom
    bool NameFrame = false;  // the shared form-control name field below the frames
    QString Title;           // fixed title line; empty: "添加" + the database title
    int ContentMode = 0;     // 0 hidden, 1 shown, 2 shown tall
    QString ContentLabel;    // empty: the default "标记之间内容(&W)"
    bool HtmlFormat = false; // content written as typed from the start
    std::optional<QString> EndTag;
    std::optional<int> TagType;
    int PreviewWrap = 0;   // 0 none, 1 inside a sample table (caption), 2 followed by sample rows (table)
    QStringList SlotNames; // index = slot; "" unused, "0" a bare-word flag
    int ListKind = -1;     // list-line editor mode, -1 without one
    QString WriteAs;       // opening text written instead of HtmlN (the radio group is a paragraph)

    int SlotMax() const { return int(SlotNames.size()) - 1; }

    static const QList<ElementKind>& All();
    // The kind of that opening text; null for any other text.
    static const ElementKind* Find(const QString& htmlN);
};
