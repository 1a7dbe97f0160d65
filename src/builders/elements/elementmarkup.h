#pragma once
// What the element dialog computes: the kind's attribute slots and the markup built from them, the shared id /
// title / class values, other and event attributes, the style, the content, the preview page and the lines of the
// list-line editor. The dialog moves values between its controls and this object; nothing here knows a widget.

#include "builders/elements/elementkind.h"

#include "editor/tagparser.h"
#include <QList>
#include <QPair>

#include <QString>
#include <QStringList>

class TagDb;

class ElementMarkup
{
public:
    static constexpr int OtherMax = 30;  // other attributes 0..30 (an edited tag may bring more)
    static constexpr int EventMax = 100; // events 0..100
    static constexpr int MaxLines = 100; // list lines 0..99
    static const QString SampleText;     // "Kestrel网页编辑软件", the content shown when a tag is edited
    static const QString SampleCells;    // the sample rows of the table and caption previews
    static const QString NewLineText;    // "新的一行"

    ElementMarkup();

    // Inputs.
    QString HtmlN;
    int EditTag = 0;

    // The kind's state.
    QStringList SlotName;
    QStringList SlotValue;
    int SlotMax = 0;
    QStringList CommonName;  // "id", "title", "class"
    QStringList CommonValue; // the texts of the three common boxes
    QStringList OtherName;
    QStringList OtherValue;
    int OtherCount = 0;
    QStringList EventName;
    QStringList EventValue;
    QString StyleStr;
    int TagType = 0;
    QString EndTag;
    Wrapping PreviewWrap = Wrapping::None;
    QStringList ItemValue;
    ListMode ListKind = ListMode::None;
    QString Content;         // content box text, CR LF line breaks
    bool HtmlFormat = false; // content is markup already

    // From SetupKind for the dialog.
    const ElementKind* Kind = nullptr;
    QString Title;

    // The list-line editor's lines (text of each line; ItemValue(i) belongs to line i).
    QStringList Lines;

    // Clears everything a fresh dialog starts without.
    void Reset();
    // Reads the kind's database entry and applies the kind's row: titles, closing text, type, slots.
    // False for an opening text outside the dialog's kinds (nothing but the database values is set then).
    bool SetupKind(const TagDb& db);
    void SetSlotCount(int n);
    // The value of the kind's slot for that attribute, in place of an other attribute of that name the edited tag
    // kept; false (nothing set) when the kind has no such slot.
    bool SetAttr(const QString& attr, const QString& value);
    QString Attr(const QString& attr) const;

    QString BuildStartTag() const;
    QString BuildStyleEvents() const;
    QString GetContent() const;
    // The markup OK writes: the whole element, or in edit mode the start tag alone.
    QString OkMarkup() const;
    void GetPreviewWrap(QString& prefix, QString& suffix) const;
    // prefix + start tag + content + closing text + suffix (also kept in MyTxStr by the dialog).
    QString PreviewMarkup() const;
    static QString PreviewPage(const QString& markup);
    // What the style builder previews: its element start (without ">") and the text after its own ">".
    void StyleBuilderTexts(QString& htmlTxt1, QString& htmlTxt2) const;

    // Edit-mode attributes that the kind has no control for. True when handled.
    bool ApplyCommonAttr(const QString& name, const QString& value, const TagDb& db);
    bool ApplyEventAttr(const QString& name, const QString& value, const TagDb& db);
    void AddOtherAttr(const QString& name, const QString& value);
    // Removes the other attributes of that name (in any case); the later ones move up.
    void DropOtherAttr(const QString& name);
    void ApplyGenericAttr(const QString& name, const QString& value, const TagDb& db);

    // List lines. AddLine is false (and adds nothing) when the list is full.
    bool AddLine();
    // Removes line i with its value; returns the line to choose afterwards (the last one, -1 when empty).
    int DeleteLine(int i);
    QString BuildListContent(const QString& radioName, bool radioBreak);

    // The number at the start of the text (blanks ignored, decimal point and exponent allowed) as a whole number
    // brought into minimum..maximum, written out in digits; "0" (or the minimum) when there is none.
    static QString NumericText(const QString& text, int minimum, int maximum);
    // The rule's width: the number followed by "%" when given in per cent.
    static QString RuleWidth(const QString& text, bool percent);

private:
    // The names BuildStyleEvents writes.
    QStringList WrittenAfterStartTag() const;
};
