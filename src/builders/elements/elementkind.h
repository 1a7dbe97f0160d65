#pragma once
// The element dialog's kinds as data: for each opening text, its attribute slots, its frames with their fields,
// how its content box shows and how its markup is framed, the menu entry that inserts it and whether the tag
// editor rebuilds it. Entries that say "from the database" leave the field unset; the dialog then reads the
// element's html1 entry. Adding a kind is adding a row here (and a hook for behaviour no field describes).

#include "builders/elements/elementfield.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

enum class ContentBox
{
    Hidden,
    Shown,
    Tall,
};

// How the preview frames the element.
enum class Wrapping
{
    None,
    Caption, // inside a sample table
    Table,   // the table start tag, followed by sample rows
};

// The list-line editor's mode: what each line becomes.
enum class ListMode
{
    None = -1,
    Options,     // <option> lines of a list box
    Radios,      // radio buttons of a group
    Bullets,     // <li type=...> of an unordered list
    Numbers,     // <li> of an ordered list
    Definitions, // <dd> of a definition list
};

struct ElementKind
{
    // One group of fields; a frame without fields is a kind still to be built (or one its hook fills).
    struct Frame
    {
        Frame() = default;
        Frame(const QString& name, const QList<ElementField>& fields, const QString& title = QString())
            : Name(name), Fields(fields), Title(title)
        {
        }

        QString Name;
        QList<ElementField> Fields;
        QString Title; // a heading drawn round the fields; "" for none
    };

    QString HtmlN;          // opening text, "<img", "<input type=text"
    QList<Frame> Frames;    // shown top to bottom
    bool NameFrame = false; // the shared form-control name field below the frames
    QString Title;          // fixed title line; empty: "添加" + the database title
    ContentBox Content = ContentBox::Hidden;
    QString ContentLabel;    // empty: the default "标记之间内容(&W)"
    bool HtmlFormat = false; // content written as typed from the start
    std::optional<QString> EndTag;
    std::optional<int> TagType;
    Wrapping Wrap = Wrapping::None;
    QStringList SlotNames; // attribute order; index = slot, "" unused
    QStringList Flags;     // slots written as the bare word (noshade, checked)
    ListMode List = ListMode::None;
    QString WriteAs;       // opening text written instead of HtmlN (the radio group is a paragraph)
    QString Command;       // the main frame's command that inserts it; "" when no menu entry does
    bool EditsTag = false; // the tag editor rebuilds tags of this kind in the dialog

    int SlotMax() const { return int(SlotNames.size()) - 1; }
    // The slot of an attribute, -1 when the kind has none.
    int SlotOf(const QString& attr) const;
    bool IsFlag(int slot) const { return slot >= 0 && slot < SlotNames.size() && Flags.contains(SlotNames.at(slot)); }

    static const QList<ElementKind>& All();
    // The kind of that opening text; null for any other text.
    static const ElementKind* Find(const QString& htmlN);
};
