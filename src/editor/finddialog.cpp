#include "editor/finddialog.h"

#include "base/helpers.h"
#include "base/messages.h"
#include "base/uihelpers.h"
#include "editor/pageedit.h"
#include "editor/pagepreview.h"
#include "editor/pagesearch.h"
#include "editor/pagewindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {
QPointer<FindDialog> instance;

// What the dialog held when it went; F3 repeats it until the dialog is back.
struct LastSearch
{
    QString text;
    bool matchCase = false;
};
LastSearch& Last()
{
    static LastSearch last;
    return last;
}

QTextCharFormat TypingFormat()
{
    QTextCharFormat format;
    format.setForeground(PageEdit::TypingColor);
    return format;
}
} // namespace

FindDialog::FindDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FindForm"));
    setWindowTitle(QStringLiteral("查找替换"));
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    setModal(false);

    FindText = new QLineEdit(this);
    FindText->setObjectName(QStringLiteral("FindText"));
    ReplText = new QLineEdit(this);
    ReplText->setObjectName(QStringLiteral("ReplText"));
    auto* findLabel = new QLabel(QStringLiteral("查找内容(&F):"), this);
    findLabel->setBuddy(FindText);
    auto* replLabel = new QLabel(QStringLiteral("替换内容(&W):"), this);
    replLabel->setBuddy(ReplText);
    CheckDx = new QCheckBox(QStringLiteral("区分大小写"), this);
    CheckDx->setObjectName(QStringLiteral("CheckDx"));

    auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        // Enter belongs to the find box, never to a default button.
        b->setAutoDefault(false);
        b->setDefault(false);
        return b;
    };
    FindNextCom = button("FindNextCom", "查找下一个(&N)");
    ReplaceCom = button("ReplaceCom", "替换(&R)");
    Com = button("Com", "全部替换(&A)");
    CanCom = button("CanCom", "取消(&C)");

    auto* fields = new QGridLayout;
    fields->addWidget(findLabel, 0, 0);
    fields->addWidget(FindText, 0, 1);
    fields->addWidget(replLabel, 1, 0);
    fields->addWidget(ReplText, 1, 1);
    fields->addWidget(CheckDx, 2, 1);
    fields->setColumnMinimumWidth(1, 240);
    fields->setRowStretch(3, 1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {FindNextCom, ReplaceCom, Com, CanCom})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    setTabOrder(FindText, ReplText);
    setTabOrder(ReplText, CheckDx);
    setTabOrder(CheckDx, FindNextCom);
    setTabOrder(FindNextCom, ReplaceCom);
    setTabOrder(ReplaceCom, Com);
    setTabOrder(Com, CanCom);

    connect(FindText, &QLineEdit::returnPressed, this, &FindDialog::FindNext);
    connect(FindNextCom, &QPushButton::clicked, this, &FindDialog::FindNext);
    connect(ReplaceCom, &QPushButton::clicked, this, &FindDialog::ReplaceNext);
    connect(Com, &QPushButton::clicked, this, &FindDialog::ReplaceAll);
    connect(CheckDx, &QCheckBox::clicked, this, &FindDialog::FollowMatchCase);
    connect(CanCom, &QPushButton::clicked, this, &FindDialog::CloseDialog);
    FindText->installEventFilter(this);

    // Opening: a fresh dialog searches without case and knows of no earlier find.
    MatchCase = false;
    LastFound = -1;
    ReplacedAt = -1;
}

FindDialog::~FindDialog()
{
    if (instance == this)
        instance = nullptr;
}

FindDialog* FindDialog::Instance()
{
    return instance.data();
}

FindDialog* FindDialog::Open(PageWindow* form)
{
    if (!form)
        return nullptr;
    if (!instance)
        instance = new FindDialog(form->window());
    instance->Form1 = form;
    instance->pageEdit = form->pageEdit;
    FollowPage();
    instance->show();
    instance->raise();
    instance->activateWindow();
    instance->FindText->setFocus();
    return instance.data();
}

void FindDialog::Unload()
{
    FindDialog* form = instance.data();
    if (!form)
        return;
    instance = nullptr;
    if (!form->FindText->text().isEmpty())
        Last() = {form->FindText->text(), form->MatchCase};
    form->Form1 = nullptr;
    form->pageEdit = nullptr;
    form->hide();
    form->deleteLater();
}

bool FindDialog::PageEditable() const
{
    return pageEdit && !(Form1 && PagePreview::IsShown(*Form1));
}

void FindDialog::FollowPage()
{
    FindDialog* form = instance.data();
    if (!form)
        return;
    const bool on = form->PageEditable();
    for (QPushButton* b : {form->FindNextCom, form->ReplaceCom, form->Com})
        b->setEnabled(on);
}

bool FindDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FindText && event->type() == QEvent::FocusIn)
        SelectAllInBox(FindText);
    return QDialog::eventFilter(watched, event);
}

void FindDialog::FindNext()
{
    if (!PageEditable())
        return;
    const QString what = FindText->text();
    // Starts are one-based: the caret offset itself begins at the character before the caret; after a find,
    // offset + 2 begins at the match's second character, so overlapping matches are found.
    const int c = pageEdit->SelStart();
    int start = c;
    if (c == ReplacedAt)
        start = c + 1;
    else if (c == LastFound)
        start = c + 2;
    if (start < 1)
        start = 1;
    const int p =
        PageSearch::Find(pageEdit->document(), what, start - 1, MatchCase ? Qt::CaseSensitive : Qt::CaseInsensitive);
    if (p < 0) {
        ReportNotFound(this);
        return;
    }
    SelectMatch(pageEdit, p, int(what.size()));
    LastFound = p;
    ReplacedAt = -1;
    // The keyboard stays here, so Enter finds the next one (never replaces the match with a line break in the
    // page); the page shows the match selected all the same.
    if (!FindText->hasFocus())
        FindText->setFocus();
}

void FindDialog::FindAgain(PageWindow* form, bool forward)
{
    if (!form)
        return;
    // The dialog's own fields while it is there.
    const LastSearch last = instance ? LastSearch{instance->FindText->text(), instance->MatchCase} : Last();
    if (last.text.isEmpty()) {
        Open(form);
        return;
    }
    PageEdit* text = form->pageEdit;
    const QTextCursor cursor = text->textCursor();
    const Qt::CaseSensitivity cs = last.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    // After a match the next one may overlap it, as in the dialog.
    const int p = forward
                      ? PageSearch::Find(text->document(), last.text,
                                         cursor.hasSelection() ? cursor.selectionStart() + 1 : cursor.position(), cs)
                      : PageSearch::FindBefore(text->document(), last.text, cursor.selectionStart(), cs);
    if (p < 0) {
        ReportNotFound(form);
        return;
    }
    SelectMatch(text, p, int(last.text.size()));
    // The dialog's next find goes on from here.
    if (instance && instance->pageEdit == text) {
        instance->LastFound = p;
        instance->ReplacedAt = -1;
    }
}

void FindDialog::SelectMatch(PageEdit* text, int at, int length)
{
    QTextCursor cursor = text->textCursor();
    cursor.setPosition(at);
    cursor.setPosition(at + length, QTextCursor::KeepAnchor);
    text->setTextCursor(cursor);
    text->ensureCursorVisible();
}

void FindDialog::ReportNotFound(QWidget* parent)
{
    Messages::Show(parent,
                   QStringLiteral("对不起,没找到!") + CrLf + CrLf + QStringLiteral("已查找完毕!请注意光标的位置!"),
                   QStringLiteral("提示"));
}

void FindDialog::ReplaceNext()
{
    if (!PageEditable())
        return;
    if (ReplText->text().isEmpty() &&
        Messages::Show(this, QStringLiteral("您确信要用空字符串替换吗?"), QStringLiteral("Kestrel提示"),
                       MsgButtons::YesNoCancel) != MsgAnswer::Yes)
        return;
    if (!pageEdit)
        return;
    QTextCursor cursor = pageEdit->textCursor();
    if (!cursor.hasSelection())
        return;
    cursor.insertText(ReplText->text(), TypingFormat());
    pageEdit->setTextCursor(cursor);
    ReplacedAt = cursor.position();
}

void FindDialog::ReplaceAll()
{
    if (!PageEditable())
        return;
    const QString what = FindText->text();
    const QString with = ReplText->text();
    if (Messages::Show(this,
                       QStringLiteral("您确信要用  ") + with + QStringLiteral("替换  ") + what + QStringLiteral("  吗"),
                       QStringLiteral("提示"), MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    if (!pageEdit)
        return;
    // A big page shows how far it has come after half a second; 取消 takes back what was replaced. The whole
    // program waits meanwhile, so that nothing changes the page under the replacing.
    QTextDocument* document = pageEdit->document();
    QProgressDialog progress(QStringLiteral("正在全部替换……"), QStringLiteral("取消(&C)"), 0,
                             document->characterCount(), this);
    progress.setWindowTitle(QStringLiteral("全部替换"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(500);
    progress.setValue(0);
    PageSearch::ReplaceAll(document, what, with, MatchCase ? Qt::CaseSensitive : Qt::CaseInsensitive, TypingFormat(),
                           [&progress](int position) {
                               progress.setValue(position);
                               return !progress.wasCanceled();
                           });
    LastFound = -1;
    ReplacedAt = -1;
}

void FindDialog::FollowMatchCase()
{
    MatchCase = CheckDx->isChecked();
}

void FindDialog::CloseDialog()
{
    Unload();
}

void FindDialog::closeEvent(QCloseEvent* event)
{
    // The close box unloads the dialog like Cancel.
    event->accept();
    if (instance == this)
        Unload();
}

void FindDialog::reject()
{
    // Escape unloads the dialog like Cancel.
    Unload();
}
