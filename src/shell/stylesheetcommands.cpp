#include "shell/stylesheetcommands.h"

#include "base/filedialog.h"
#include "base/messages.h"
#include "base/pagefile.h"
#include "builders/styles/stylesheet.h"
#include "builders/styles/stylesheetdialog.h"
#include "editor/headinsert.h"
#include "editor/pageedit.h"
#include "editor/pagesearch.h"
#include "editor/pagewindow.h"

#include <QTextDocument>

namespace {
QString StyleSheetFilter()
{
    return QStringLiteral("样式表文件") + QChar(0) + QStringLiteral("*.css");
}

// The rules built in the style sheet dialog, "" when it was cancelled or no style was set.
QString AskRules(const BuilderContext& context, PageWindow& doc)
{
    StyleSheetDialog form(context, &doc);
    return form.Run().value_or(QString());
}
} // namespace

void StyleSheetCommands::MakeInCss(const BuilderContext& context, PageWindow& doc)
{
    const QTextDocument* page = doc.pageEdit->document();
    const int offset = StyleSheet::BlockOffset(PageSearch::Find(page, QStringLiteral("<body"), 0, Qt::CaseInsensitive),
                                               PageSearch::Find(page, QStringLiteral("<html>"), 0, Qt::CaseInsensitive),
                                               page->characterCount() - 1);
    const QString rules = AskRules(context, doc);
    if (rules.isEmpty())
        return;
    doc.InsertTextAt(offset, doc.pageEdit->SelStart(), StyleSheet::Block(rules));
}

void StyleSheetCommands::MakeOutCss(const BuilderContext& context, PageWindow& doc)
{
    const QString rules = AskRules(context, doc);
    if (rules.isEmpty())
        return;
    const QString path = FileDialog(&doc, FileDialogMode::Save, QStringLiteral("保存文件"), QString(),
                                    StyleSheetFilter(), doc.folder, QStringLiteral("css"));
    if (path.isEmpty())
        return;
    // The sheet holds the rules alone (a browser takes the block's wrapping for part of the first rule and drops
    // it), in the page's code page, without a byte-order mark, its lines ending in CR LF as built.
    PageEncoding encoding = doc.Encoding();
    encoding.lineEnd = PageEncoding::CrLf;
    encoding.bom = false;
    QByteArray bytes;
    if (!PageCodec::Encode(rules, encoding, bytes) || !PageFile::WriteBytes(path, bytes))
        Messages::Show(&doc, QStringLiteral("无法保存!!"));
}

namespace {
// Where a line goes into the head: before "</head", else before "<body"; 0 after telling the user neither is there.
int HeadPoint(PageWindow& doc)
{
    int p = 0;
    HeadInsert::FindHeadInsertPoint(doc, QStringLiteral("</head"), QStringLiteral("<body"), p);
    return p;
}
} // namespace

void StyleSheetCommands::LinkCss(PageWindow& doc)
{
    const int p = HeadPoint(doc);
    if (p <= 0)
        return;
    const QString answer =
        Messages::InputAddress(&doc, QStringLiteral("请输入CSS样式表的路径文件名:"), QStringLiteral("提示"),
                               StyleSheetFilter(), doc.hasFile ? doc.folder : QString());
    if (!StyleSheet::IsLinkPath(answer))
        return;
    doc.InsertTextAt(p - 1, doc.pageEdit->SelStart(), StyleSheet::LinkLine(answer));
}

void StyleSheetCommands::LinkSheet(PageWindow& doc, const QString& address)
{
    if (const int p = HeadPoint(doc); p > 0)
        doc.InsertTextAt(p - 1, doc.pageEdit->SelStart(), StyleSheet::LinkLine(address));
}
