#include "shell/sitefileinsert.h"

#include "base/sitefiles.h"
#include "editor/pageedit.h"
#include "editor/pagewindow.h"
#include "shell/stylesheetcommands.h"

#include <QImageReader>

namespace {
QString AddressOf(const PageWindow& doc, const QString& path)
{
    return SiteFiles::Address(doc.folder, doc.hasFile, path);
}
} // namespace

QString SiteFileInsert::Markup(const PageWindow& doc, const QString& path)
{
    switch (SiteFiles::KindOf(path)) {
    case SiteFiles::Kind::Picture: {
        // The size from the file's header: the picture itself is not decoded.
        const QSize size = QImageReader(path).size();
        return SiteFiles::PictureTag(AddressOf(doc, path), size.width(), size.height());
    }
    case SiteFiles::Kind::Page:
        return SiteFiles::PageLink(AddressOf(doc, path));
    case SiteFiles::Kind::Script:
        return SiteFiles::ScriptTag(AddressOf(doc, path));
    case SiteFiles::Kind::StyleSheet:
    case SiteFiles::Kind::Other:
        break;
    }
    return QString();
}

void SiteFileInsert::Drop(PageWindow& doc, const QStringList& paths, int position)
{
    if (doc.LongLinePage())
        return;
    QString markup;
    bool link = false;
    for (const QString& path : paths) {
        if (SiteFiles::KindOf(path) == SiteFiles::Kind::StyleSheet)
            LinkStyleSheet(doc, path);
        else
            markup += Markup(doc, path);
        link = link || SiteFiles::KindOf(path) == SiteFiles::Kind::Page;
    }
    if (markup.isEmpty())
        return;
    // Where the files fell, in one undo step; one link alone keeps the caret inside it, for its text.
    doc.InsertTextAt(position, position, markup);
    const int end = doc.pageEdit->SelStart();
    const bool onlyLink = link && paths.size() == 1;
    doc.pageEdit->SetSelStart(onlyLink ? end - int(QStringLiteral("</a>").size()) : end);
    doc.pageEdit->setFocus();
}

void SiteFileInsert::LinkStyleSheet(PageWindow& doc, const QString& path)
{
    StyleSheetCommands::LinkSheet(doc, AddressOf(doc, path));
}
