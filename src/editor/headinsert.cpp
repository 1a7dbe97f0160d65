#include "editor/headinsert.h"

#include "base/messages.h"
#include "base/shared.h"
#include "editor/aboutsform.h"
#include "editor/headmarkup.h"
#include "editor/htmlform.h"
#include "editor/pageedit.h"
#include "editor/pagesearch.h"
#include "editor/txform.h"

void HeadInsert::FindHeadInsertPoint(htmlform& form, const QString& first, const QString& second, int& position)
{
    const QTextDocument* document = form.text1->document();
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

void HeadInsert::SelfRefesh(htmlform& form)
{
    int p = 0;
    FindHeadInsertPoint(form, QStringLiteral("</head"), QStringLiteral("<body"), p);
    if (p <= 0)
        return;
    Aboutsform dialog(&form);
    dialog.exec();
    if (dialog.Rtime < 0)
        return;
    form.InsertTextAt(p - 1, form.text1->SelStart(), HeadMarkup::RefreshLine(dialog.Rtime, dialog.RefreshUrl));
}

void HeadInsert::PageEnter(htmlform& form)
{
    const int c = form.text1->SelStart();
    int p = 0;
    FindHeadInsertPoint(form, QStringLiteral("</head"), QStringLiteral("<body"), p);
    if (p <= 0)
        return;
    TxForm dialog(form.SharedState().Db, &form);
    dialog.exec();
    if (dialog.TxStr.isEmpty())
        return;
    form.InsertTextAt(p - 1, c, dialog.TxStr);
}
