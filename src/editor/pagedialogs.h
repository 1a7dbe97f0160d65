#pragma once
// The builder dialogs a page window opens. They live in the layers above the editor: the main frame hands each page
// window the one implementation, so the editor itself includes no builder.

#include "editor/bodyscript.h"
#include "editor/tagparser.h"

#include <QString>

#include <optional>

class QWidget;

class PageDialogs
{
public:
    virtual ~PageDialogs() = default;

    // The element dialog for a new element of `kind` ("<img"): its markup, or nothing after Cancel. An effect
    // chosen for the element goes into `effect` (its script and onload code; empty when there is none).
    virtual std::optional<QString> NewElement(QWidget* owner, const QString& kind, BodyScript* effect = nullptr) = 0;
    // The effects dialog: the script, its onload code and its body event handlers after OK, nothing after Cancel.
    virtual std::optional<BodyScript> AddScript(QWidget* owner) = 0;
    // Whether the element dialog rebuilds tags of that kind in place.
    virtual bool EditsElement(const QString& kind) const = 0;
    // The element dialog on the start tag of `kind` with its parsed attributes: the new start tag, or nothing. An
    // effect chosen for the element goes into `effect`, as for a new element.
    virtual std::optional<QString> EditElement(QWidget* owner, const QString& kind, const AttributeList& attrs,
                                               BodyScript* effect = nullptr) = 0;
    // The style dialog on the declaration list of a tag, previewing the tag's start `tagStart` with the style, a
    // sample content and `closing`: the new list after OK, nothing after Cancel.
    virtual std::optional<QString> EditStyle(QWidget* owner, const QString& style, const QString& tagStart,
                                             const QString& closing) = 0;
    // The body dialog on the body tag's parsed attributes: the new tag after OK, nothing after Cancel.
    virtual std::optional<QString> EditBody(QWidget* owner, const AttributeList& attrs) = 0;
    // The colour dialog: the colour text chosen ("" for none), nothing after Cancel.
    virtual std::optional<QString> PickColour(QWidget* owner) = 0;
    // Plain text typed or loaded, escaped as HTML: "" when cancelled.
    virtual QString ImportText(QWidget* owner) = 0;
};
