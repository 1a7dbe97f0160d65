#pragma once
// The eight completion lists of a page window and the description box: filled from the tag database, placed next
// to the caret, filtered by what is typed, and written into the text when an entry is accepted.

#include "editor/completionstate.h"

#include <QDomElement>
#include <QList>
#include <QObject>

class PageEdit;
class QLineEdit;
class QListWidget;
class QWidget;
class ProgramState;

class CompletionLists : public QObject
{
    Q_OBJECT

public:
    // The lists are children of `form`, floating over `text`.
    CompletionLists(QWidget* form, PageEdit* text, ProgramState& shared);

    QListWidget* TagList = nullptr;
    QListWidget* HtmlPList = nullptr;
    QListWidget* ValueList = nullptr;
    QListWidget* StyleList = nullptr;
    QListWidget* StyleValueList = nullptr;
    QListWidget* FontList = nullptr;
    QListWidget* JStyleList = nullptr;
    QListWidget* JavaList = nullptr;
    QLineEdit* TxtText = nullptr; // description of the highlighted entry

    CompletionState State;

    // At window creation: tags, CSS properties and script style names (the fonts wait until first needed).
    void FillFixedLists();

    // The list of a ListMode; null for modes without one.
    QListWidget* ListFor(int mode) const;
    // Row of the highlighted entry, -1 when none.
    static int Highlight(const QListWidget* list);
    void SetHighlight(QListWidget* list, int row);

    // Position in html1 of the tag whose start is exactly `start`; -1 if none.
    int TagIndexOf(const QString& start) const;

    void ShowTagList();
    // "</" typed with the tag list open: the end tag of `element` ("/div>") goes first in the list until it closes.
    void OfferEndTag(const QString& element);
    // The attributes of the tag at State.TagIndex in html1.
    void ShowAttributeList();
    // The values of the attribute at State.TagIndex among the current attributes.
    void ShowValueList();
    void ShowStyleList();
    // Whether a "." after `path` has members to offer.
    bool HasScriptMembers(const QString& path) const;
    void ShowScriptMembers(const QString& path);

    void AcceptListItem(QListWidget* list);
    // False when nothing is highlighted (the lists close and the key goes on to the text).
    bool AcceptAttribute();
    bool AcceptStyleProperty();
    void InsertFontName();

    void TrackTypedKey(QChar key);
    void SelectByPrefix(QListWidget* list);
    void HideCompletion();
    void PlaceListAtCaret(QListWidget* list);

    // The lists' own keys, mouse and highlight.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QListWidget* MakeList(const QString& name);
    void Show(QListWidget* list);
    void FillFonts();
    // Replaces the filter text (the characters typed from ListAnchor) by `text`; the caret goes after it. False,
    // and nothing written, when the text there is no longer what was typed.
    bool ReplaceTyped(const QString& text);
    void AcceptFromList(QListWidget* list);
    void ShowDescription(QListWidget* list);
    int CurrentAttrIndex(const QString& name) const;
    void FocusText();
    void DropOfferedEndTag();

    QWidget* form_;
    PageEdit* text_;
    ProgramState& shared_;
    QList<QListWidget*> lists_;
    QDomElement tagsNode_;
    QDomElement stylesNode_;
    QList<QDomElement> currentAttrs_; // the current tag's property1 entries, in order
    QDomElement scriptNode_;
    bool fontsFilled_ = false;
    bool endTagOffered_ = false; // the tag list's first row is an offered end tag
};
