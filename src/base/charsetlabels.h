#pragma once
// The charset a page declares in its head, named anew when the page's code page changes: a page that says
// big5 while it holds GB bytes shows as garbage in every browser.

#include "base/pagecodec.h"

#include <QList>
#include <QString>
#include <QStringView>

class CharsetLabels
{
public:
    struct Span
    {
        qsizetype start = 0;
        qsizetype length = 0;
        bool operator==(const Span&) const = default;
    };

    // How much of a page is read for its declaration (where no "</head" ends the head before).
    static constexpr qsizetype HeadLength = 16 * 1024;

    // The name written for a code page.
    static QString NameFor(PageEncoding::Codec codec);
    // The charset names declared in the head of `text` (up to "</head" or its first 16 K characters, where opening
    // reads them; http-equiv content "...charset=NAME" and <meta charset=NAME>) that do not name `codec` already.
    static QList<Span> ToRename(QStringView text, PageEncoding::Codec codec);
    // `text` with those names replaced by NameFor(codec); a page that declares nothing is left as it is.
    static QString Renamed(QString text, PageEncoding::Codec codec);
};
