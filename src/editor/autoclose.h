#pragma once
// Closing tags as they are typed: the end tag a ">" that ends a start tag calls for, and the element still open
// at the caret (what "</" offers first). Both read back from the caret line by line; neither copies the page.

#include "editor/linesource.h"

#include <QString>

#include <optional>

class AutoClose
{
public:
    // A ">" about to be typed at `caret`: the end tag to put after it ("</div>", the name as written) when it
    // ends the start tag of an element that needs one; nothing for void elements (br, img, input, meta, link,
    // hr...), a start tag closed with "/>", an end tag, a declaration, a ">" inside a quoted value, a comment, a
    // script or a style block, or when that end tag already follows the caret.
    static std::optional<QString> EndTagFor(const LineSource& text, int caret);
    // The innermost element open before `before` (its name as written), from at most `lines` lines back; nothing
    // when every element there is closed.
    static std::optional<QString> InnermostOpen(const LineSource& text, int before, int lines = 2000);
    // Elements that never have an end tag.
    static bool IsVoid(const QString& name);
};
