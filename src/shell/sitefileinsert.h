#pragma once
// Files of the site dropped on a page: each is referred to by its address from the page. A picture goes in as an
// image with its size read from the file, a style sheet as a link line in the head (as "链接外部样式表" puts it),
// a script as a script element, a page as a link whose text the caret waits in.

#include <QStringList>

class PageWindow;

class SiteFileInsert
{
public:
    // `position` is where the files fell in the text.
    static void Drop(PageWindow& doc, const QStringList& paths, int position);
    // The markup a file goes in as, at the caret or not ("" for a style sheet, which goes into the head, and for
    // a file of no kind the page can refer to).
    static QString Markup(const PageWindow& doc, const QString& path);

private:
    static void LinkStyleSheet(PageWindow& doc, const QString& path);
};
