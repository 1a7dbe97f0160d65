#include "editor/headinsert.h"

#include "base/messages.h"
#include "base/programstate.h"
#include "editor/headmarkup.h"
#include "editor/pageedit.h"
#include "editor/pagesearch.h"
#include "editor/pagewindow.h"
#include "editor/refreshdialog.h"
#include "editor/transitiondialog.h"

void HeadInsert::FindHeadInsertPoint(PageWindow& form, const QString& first, const QString& second, int& position)
{
    const QTextDocument* document = form.pageEdit->document();
    int at = PageSearch::Find(document, first, 0, Qt::CaseInsensitive);
    if (at < 0)
        at = PageSearch::Find(document, second, 0, Qt::CaseInsensitive);
    if (at >= 0) {
        position = at + 1;
        return;
    }
    position = -2;
    Messages::Show(&form, QStringLiteral("您没有") + first + QStringLiteral("和") + second +
                              QStringLiteral("标识符,无法添加!!"));
}

void HeadInsert::InsertRefresh(PageWindow& form)
{
    int p = 0;
    FindHeadInsertPoint(form, QStringLiteral("</head"), QStringLiteral("<body"), p);
    if (p <= 0)
        return;
    RefreshDialog dialog(&form);
    const std::optional<RefreshDialog::Refresh> refresh = dialog.Run();
    if (!refresh)
        return;
    form.InsertTextAt(p - 1, form.pageEdit->SelStart(), HeadMarkup::RefreshLine(refresh->seconds, refresh->url));
}

void HeadInsert::InsertTransition(PageWindow& form)
{
    const int c = form.pageEdit->SelStart();
    int p = 0;
    FindHeadInsertPoint(form, QStringLiteral("</head"), QStringLiteral("<body"), p);
    if (p <= 0)
        return;
    TransitionDialog dialog(form.SharedState().Db, &form);
    const QString line = dialog.Run().value_or(QString());
    if (line.isEmpty())
        return;
    form.InsertTextAt(p - 1, c, line);
}
