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
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressDialog>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {
QPointer<FindDialog> instance;

// What the dialog held when it went; F3 repeats it until the dialog is back.
SearchOptions& Last()
{
    static SearchOptions last;
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
    FolderCom = button("FolderCom", "在文件夹中查找(&D)");
    CanCom = button("CanCom", "取消(&C)");

    auto* fields = new QGridLayout;
    fields->addWidget(findLabel, 0, 0);
    fields->addWidget(FindText, 0, 1);
    fields->addWidget(replLabel, 1, 0);
    fields->addWidget(ReplText, 1, 1);
    AddOptions(fields);
    fields->setColumnMinimumWidth(1, 240);
    fields->setRowStretch(3, 1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {FindNextCom, ReplaceCom, Com, FolderCom, CanCom})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    setTabOrder(FindText, ReplText);
    setTabOrder(ReplText, CheckDx);
    setTabOrder(CheckDx, CheckWord);
    setTabOrder(CheckWord, CheckRegex);
    setTabOrder(CheckRegex, CheckAll);
    setTabOrder(CheckAll, FindNextCom);
    setTabOrder(FindNextCom, ReplaceCom);
    setTabOrder(ReplaceCom, Com);
    setTabOrder(Com, FolderCom);
    setTabOrder(FolderCom, CanCom);

    connect(FindText, &QLineEdit::returnPressed, this, &FindDialog::FindNext);
    connect(FindNextCom, &QPushButton::clicked, this, &FindDialog::FindNext);
    connect(ReplaceCom, &QPushButton::clicked, this, &FindDialog::ReplaceNext);
    connect(Com, &QPushButton::clicked, this, &FindDialog::ReplaceAll);
    connect(FolderCom, &QPushButton::clicked, this, &FindDialog::FindInFolder);
    connect(CheckDx, &QCheckBox::clicked, this, &FindDialog::FollowMatchCase);
    connect(CanCom, &QPushButton::clicked, this, &FindDialog::CloseDialog);
    FindText->installEventFilter(this);

    // Opening: a fresh dialog searches without case and knows of no earlier find.
    MatchCase = false;
    LastFound = -1;
    ReplacedAt = -1;
}

void FindDialog::AddOptions(QGridLayout* fields)
{
    auto check = [this](const char* name, const char* caption) {
        auto* box = new QCheckBox(QString::fromUtf8(caption), this);
        box->setObjectName(QString::fromLatin1(name));
        return box;
    };
    CheckWord = check("CheckWord", "全字匹配");
    CheckRegex = check("CheckRegex", "正则表达式");
    CheckAll = check("CheckAll", "在所有打开的网页中查找");
    auto* options = new QGridLayout;
    options->setContentsMargins(0, 0, 0, 0);
    options->addWidget(CheckDx, 0, 0);
    options->addWidget(CheckWord, 0, 1);
    options->addWidget(CheckRegex, 1, 0);
    options->addWidget(CheckAll, 2, 0, 1, 2);
    fields->addLayout(options, 2, 1);
}

SearchOptions FindDialog::Options() const
{
    return {FindText->text(), MatchCase, CheckWord->isChecked(), CheckRegex->isChecked()};
}

bool FindDialog::Usable(const TextMatcher& matcher)
{
    if (matcher.IsValid())
        return true;
    Messages::Show(this, matcher.ErrorMessage(), QStringLiteral("提示"));
    FindText->setFocus();
    return false;
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
        Last() = form->Options();
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
    const TextMatcher matcher(Options());
    if (!Usable(matcher))
        return;
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
    const PageSearch::Hit hit = PageSearch::Find(pageEdit->document(), matcher, start - 1);
    if (hit.position >= 0) {
        SelectMatch(pageEdit, hit.position, hit.length);
        LastFound = hit.position;
        ReplacedAt = -1;
    } else if (!(CheckAll->isChecked() && FindInOtherPages(matcher, start - 1))) {
        ReportNotFound(this);
        return;
    }
    // The keyboard stays here, so Enter finds the next one (never replaces the match with a line break in the
    // page); the page shows the match selected all the same.
    if (!FindText->hasFocus())
        FindText->setFocus();
}

QList<PageWindow*> FindDialog::OpenPages() const
{
    QList<PageWindow*> pages;
    auto* own = Form1 ? qobject_cast<QMdiSubWindow*>(Form1->parentWidget()) : nullptr;
    if (!own || !own->mdiArea())
        return Form1 ? QList<PageWindow*>{Form1.data()} : pages;
    for (QMdiSubWindow* window : own->mdiArea()->subWindowList(QMdiArea::CreationOrder)) {
        auto* page = qobject_cast<PageWindow*>(window->widget());
        if (page && page->pageEdit && !PagePreview::IsShown(*page))
            pages.append(page);
    }
    return pages;
}

bool FindDialog::FindInOtherPages(const TextMatcher& matcher, int from)
{
    const QList<PageWindow*> pages = OpenPages();
    const qsizetype self = pages.indexOf(Form1.data());
    for (qsizetype k = 1; k < pages.size(); ++k) {
        PageWindow* page = pages.at((self + k) % pages.size());
        const PageSearch::Hit hit = PageSearch::Find(page->pageEdit->document(), matcher, 0);
        if (hit.position >= 0) {
            ShowPage(page);
            SelectMatch(pageEdit, hit.position, hit.length);
            LastFound = hit.position;
            ReplacedAt = -1;
            return true;
        }
    }
    // Round again to the page's own start.
    const PageSearch::Hit hit = PageSearch::Find(pageEdit->document(), matcher, 0);
    if (hit.position < 0 || hit.position >= from)
        return false;
    SelectMatch(pageEdit, hit.position, hit.length);
    LastFound = hit.position;
    ReplacedAt = -1;
    return true;
}

void FindDialog::ShowPage(PageWindow* page)
{
    if (auto* window = qobject_cast<QMdiSubWindow*>(page->parentWidget()); window && window->mdiArea())
        window->mdiArea()->setActiveSubWindow(window);
    Form1 = page;
    pageEdit = page->pageEdit;
    // The dialog keeps the keyboard for the next find.
    activateWindow();
}

void FindDialog::FindAgain(PageWindow* form, bool forward)
{
    if (!form)
        return;
    // The dialog's own fields while it is there.
    const SearchOptions last = instance ? instance->Options() : Last();
    if (last.text.isEmpty()) {
        Open(form);
        return;
    }
    const TextMatcher matcher(last);
    if (!matcher.IsValid()) {
        Messages::Show(form, matcher.ErrorMessage(), QStringLiteral("提示"));
        return;
    }
    PageEdit* text = form->pageEdit;
    const QTextCursor cursor = text->textCursor();
    // After a match the next one may overlap it, as in the dialog.
    const PageSearch::Hit hit =
        forward ? PageSearch::Find(text->document(), matcher,
                                   cursor.hasSelection() ? cursor.selectionStart() + 1 : cursor.position())
                : PageSearch::FindBefore(text->document(), matcher, cursor.selectionStart());
    if (hit.position < 0) {
        ReportNotFound(form);
        return;
    }
    SelectMatch(text, hit.position, hit.length);
    // The dialog's next find goes on from here.
    if (instance && instance->pageEdit == text) {
        instance->LastFound = hit.position;
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
    QString with = ReplText->text();
    // A selection the regular expression matches is replaced with its groups filled in; any other selection
    // with the replacement text as it stands.
    const TextMatcher matcher(Options());
    const QTextBlock block = pageEdit->document()->findBlock(cursor.selectionStart());
    const int at = cursor.selectionStart() - block.position();
    const int length = cursor.selectionEnd() - cursor.selectionStart();
    if (Options().regex && matcher.MatchesAt(block.text(), at, length))
        with = matcher.Replacement(block.text(), {at, length}, with);
    cursor.insertText(with, TypingFormat());
    pageEdit->setTextCursor(cursor);
    ReplacedAt = cursor.position();
}

void FindDialog::ReplaceAll()
{
    if (!PageEditable())
        return;
    const TextMatcher matcher(Options());
    if (!Usable(matcher))
        return;
    const QString what = FindText->text();
    const QString with = ReplText->text();
    if (Messages::Show(this,
                       QStringLiteral("您确信要用  ") + with + QStringLiteral("替换  ") + what + QStringLiteral("  吗"),
                       QStringLiteral("提示"), MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    if (!pageEdit)
        return;
    // Only pages that are open are changed; each keeps its replacement as one undo step.
    QList<QTextDocument*> documents;
    int total = 0;
    for (PageWindow* page : CheckAll->isChecked() ? OpenPages() : QList<PageWindow*>{Form1.data()}) {
        if (page && page->pageEdit && !page->pageEdit->isReadOnly()) {
            documents.append(page->pageEdit->document());
            total += documents.last()->characterCount();
        }
    }
    // Big pages show how far it has come after half a second; 取消 takes back what was replaced, in every page.
    // The whole program waits meanwhile, so that nothing changes a page under the replacing.
    QProgressDialog progress(QStringLiteral("正在全部替换……"), QStringLiteral("取消(&C)"), 0, total, this);
    progress.setWindowTitle(QStringLiteral("全部替换"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(500);
    progress.setValue(0);
    QList<QTextDocument*> changed;
    int done = 0;
    for (QTextDocument* document : std::as_const(documents)) {
        const int size = document->characterCount();
        if (PageSearch::ReplaceAll(document, matcher, with, TypingFormat(), [&progress, done](int position) {
                progress.setValue(done + position);
                return !progress.wasCanceled();
            }) > 0)
            changed.append(document);
        if (progress.wasCanceled()) {
            for (QTextDocument* replaced : std::as_const(changed)) {
                replaced->undo();
                replaced->clearUndoRedoStacks(QTextDocument::RedoStack);
            }
            break;
        }
        done += size;
    }
    LastFound = -1;
    ReplacedAt = -1;
}

void FindDialog::FindInFolder()
{
    if (!Form1)
        return;
    const TextMatcher matcher(Options());
    if (!Usable(matcher))
        return;
    if (FindText->text().isEmpty()) {
        FindText->setFocus();
        return;
    }
    if (!Form1->hasFile) {
        Messages::Show(this, QStringLiteral("网页还没有保存,没有可以查找的文件夹!"), QStringLiteral("提示"));
        return;
    }
    Form1->FindInFolder(Options());
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
