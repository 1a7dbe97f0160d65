#include "editor/typingassist.h"

#include "editor/autoclose.h"
#include "editor/completionlists.h"
#include "editor/contextchecks.h"
#include "editor/documentlines.h"
#include "editor/pageedit.h"
#include "editor/pagewindow.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QTextCharFormat>
#include <QTextDocument>

namespace {

// The control characters the keys stand for.
enum KeyChar : char16_t
{
    CtrlF = 6,
    Backspace = 8,
    Tab = 9,
    CtrlEnter = 10,
    Enter = 13,
    CtrlV = 22,
    Escape = 27,
};

// The character a key stands for, as the control sees it: Enter 13, Backspace 8, Tab 9, Esc 27, Ctrl+Enter 10,
// Ctrl+letter 1 to 26, otherwise the text typed; a null character for keys that type nothing.
QChar CharOf(const QKeyEvent* event)
{
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (event->modifiers() & Qt::ControlModifier) {
        if (enter)
            return QChar(CtrlEnter);
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            return QChar(key - Qt::Key_A + 1);
        return QChar();
    }
    if (enter)
        return QChar(Enter);
    switch (key) {
    case Qt::Key_Backspace:
        return QChar(Backspace);
    case Qt::Key_Tab:
        return QChar(Tab);
    case Qt::Key_Escape:
        return QChar(Escape);
    default:
        break;
    }
    const QString text = event->text();
    return text.isEmpty() ? QChar() : text.at(0);
}

bool Printable(QChar ch)
{
    return ch.unicode() >= 0x20 && ch.unicode() != 0x7F;
}

} // namespace

TypingAssist::TypingAssist(PageWindow* form, PageEdit* text, CompletionLists* lists)
    : QObject(form), form_(form), text_(text), viewport_(text->viewport()), lists_(lists)
{
    setObjectName(QStringLiteral("TypingAssist"));
    text_->installEventFilter(this);
    viewport_->installEventFilter(this);
    // Paste follows the clipboard as it changes (rather than asking the clipboard on every mouse move).
    connect(QApplication::clipboard(), &QClipboard::dataChanged, form_, &PageWindow::UpdatePasteCommands);
    connect(text_->document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { TextChanged(position, added); });
    warmUp_.setInterval(0);
    connect(&warmUp_, &QTimer::timeout, this, &TypingAssist::WarmUp);
}

bool TypingAssist::CompletionOn() const
{
    return form_->CompletionOn();
}

bool TypingAssist::eventFilter(QObject* watched, QEvent* event)
{
    // A disabled text (the page is previewed) takes no key: its shortcuts (find, colour, line break) neither.
    if (watched == text_ && !text_->isEnabled())
        return false;
    if (watched == text_) {
        switch (event->type()) {
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            return KeyDown(key) || KeyPress(key);
        }
        case QEvent::KeyRelease:
            KeyUp(static_cast<QKeyEvent*>(event));
            return false;
        case QEvent::InputMethod:
            // Text committed by an input method bypasses the keys: the filter would lose count of it.
            if (!static_cast<QInputMethodEvent*>(event)->commitString().isEmpty())
                lists_->HideCompletion();
            return false;
        default:
            return false;
        }
    }
    if (watched == viewport_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        // A click puts the caret elsewhere: the lists no longer belong to it.
        form_->UpdateCaretPosition();
        lists_->HideCompletion();
    }
    return false;
}

bool TypingAssist::KeyDown(QKeyEvent* event)
{
    form_->UpdateCaretPosition();
    CompletionState& state = lists_->State;
    const int key = event->key();
    if (CompletionState::HasList(state.ListMode)) {
        switch (key) {
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Up:
        case Qt::Key_Down: {
            QListWidget* list = lists_->ListFor(state.ListMode);
            list->setFocus();
            if (CompletionLists::Highlight(list) < 0 && list->count() > 0) {
                lists_->SetHighlight(list, 0);
            } else {
                QKeyEvent copy(event->type(), key, event->modifiers(), event->text(), event->isAutoRepeat(),
                               ushort(event->count()));
                QApplication::sendEvent(list, &copy);
            }
            return true;
        }
        case Qt::Key_Left:
        case Qt::Key_Right:
            lists_->HideCompletion();
            break;
        default:
            break;
        }
    }
    if (key == Qt::Key_Home || key == Qt::Key_End)
        lists_->HideCompletion();
    if (key == Qt::Key_F5) {
        lists_->HideCompletion();
        form_->AddColour();
        return true;
    }
    return false;
}

bool TypingAssist::KeyPress(QKeyEvent* event)
{
    const QChar ch = CharOf(event);
    if (ch.isNull())
        return false;
    const bool on = CompletionOn();
    CompletionState& state = lists_->State;
    const bool enter = ch == QChar(Enter);
    const bool blank = ch == QLatin1Char(' ');
    bool swallowed = false;
    bool accepted = false;

    if (on) {
        const int mode = state.ListMode;
        QListWidget* list = lists_->ListFor(mode);
        switch (mode) {
        case CompletionState::Tags:
        case CompletionState::JStyles:
        case CompletionState::Members:
            swallowed = enter;
            if ((enter || blank) && CompletionLists::Highlight(list) >= 0) {
                lists_->AcceptListItem(list);
                accepted = true;
            }
            break;
        case CompletionState::Attributes:
            if (enter || blank)
                swallowed = accepted = lists_->AcceptAttribute();
            break;
        case CompletionState::Values:
        case CompletionState::StyleValues:
            if (enter || blank) {
                swallowed = true;
                if (CompletionLists::Highlight(list) >= 0) {
                    lists_->AcceptListItem(list);
                    accepted = true;
                }
            }
            break;
        case CompletionState::Styles:
            if (enter || blank)
                swallowed = accepted = lists_->AcceptStyleProperty();
            break;
        default:
            break;
        }
        // Only what reaches the text counts in the filter; after an accept the call clears the skip flag.
        if (CompletionState::Filters(mode) && (accepted || (!swallowed && (Printable(ch) || ch == QChar(Backspace)))))
            lists_->TrackTypedKey(ch);
    }

    switch (ch.unicode()) {
    case CtrlF:
        form_->FindReplace();
        return true;
    case CtrlEnter: // a line break tag without a line break
        form_->InsertMarkup(QStringLiteral("<br>"));
        return true;
    case CtrlV:
        lists_->HideCompletion();
        return swallowed;
    default:
        break;
    }
    if (ch == QLatin1Char('>') && !swallowed && form_->AutoCloseOn() && CloseTagAfterCaret()) {
        lists_->HideCompletion();
        return true;
    }
    if (!on)
        return swallowed;

    const DocumentLines lines(text_->document(), &memo_);
    const int caret = text_->SelStart();
    switch (ch.unicode()) {
    case '/':
        if (!OfferEndTag())
            lists_->HideCompletion();
        break;
    case '\t':
    case Escape:
    case '"':
    case '\'':
    case '=':
    case '>':
    case '}':
        lists_->HideCompletion();
        break;
    case '.': {
        state.TypedText = QStringLiteral(".");
        state.ListAnchor = caret + 1;
        // The cheap tests first: the word before the dot, and whether it names an object with members.
        const std::optional<QString> path = ContextChecks::ScriptPath(lines, caret);
        if (path && lists_->HasScriptMembers(*path) && ContextChecks::InScript(lines, caret))
            lists_->ShowScriptMembers(*path);
        break;
    }
    case ';':
        if (ContextChecks::SemicolonOpensStyles(lines, caret))
            lists_->ShowStyleList();
        break;
    case '<':
        lists_->ShowTagList();
        break;
    case '{':
        if (ContextChecks::BraceOpensStyles(lines, caret))
            lists_->ShowStyleList();
        break;
    default:
        break;
    }
    return swallowed;
}

void TypingAssist::KeyUp(QKeyEvent* event)
{
    // One release per physical key, as with the key held down.
    if (event->isAutoRepeat())
        return;
    if (CompletionOn()) {
        CompletionState& state = lists_->State;
        switch (state.ListMode) {
        case CompletionState::Fonts:
            break;
        case CompletionState::AttributeWritten:
            state.ListMode = CompletionState::NoList;
            break;
        case CompletionState::NoList:
            if (event->key() == Qt::Key_Space || event->text() == QLatin1String(" ")) {
                lists_->HideCompletion();
                if (state.SkipNextKey)
                    state.SkipNextKey = false;
                else
                    TagCheck();
            }
            break;
        default:
            lists_->SelectByPrefix(lists_->ListFor(state.ListMode));
            break;
        }
    }
    form_->UpdateCaretPosition();
}

void TypingAssist::TagCheck()
{
    const DocumentLines lines(text_->document(), &memo_);
    const std::optional<QString> name = ContextChecks::TagBeforeBlank(lines, text_->SelStart());
    if (!name)
        return;
    const int index = lists_->TagIndexOf(*name);
    if (index < 0)
        return;
    lists_->State.TagIndex = index;
    lists_->ShowAttributeList();
}

bool TypingAssist::CloseTagAfterCaret()
{
    QTextCursor cursor = text_->textCursor();
    if (cursor.hasSelection() || text_->isReadOnly())
        return false;
    const DocumentLines lines(text_->document(), &memo_);
    const std::optional<QString> endTag = AutoClose::EndTagFor(lines, cursor.position());
    if (!endTag)
        return false;
    QTextCharFormat typed;
    typed.setForeground(PageEdit::TypingColor);
    // One edit, one undo step: the ">" and the end tag.
    cursor.insertText(QLatin1Char('>') + *endTag, typed);
    cursor.setPosition(cursor.position() - int(endTag->size()));
    text_->setTextCursor(cursor);
    return true;
}

bool TypingAssist::OfferEndTag()
{
    const CompletionState& state = lists_->State;
    if (!form_->AutoCloseOn() || state.ListMode != CompletionState::Tags || state.TypedText != QLatin1String("</"))
        return false;
    // The "<" the list opened on stands just before the filter.
    const DocumentLines lines(text_->document(), &memo_);
    const std::optional<QString> name = AutoClose::InnermostOpen(lines, state.ListAnchor - 1);
    if (!name)
        return false;
    lists_->OfferEndTag(*name);
    return true;
}

void TypingAssist::TextChanged(int position, int added)
{
    memo_.TextChanged(position);
    DocumentLines::Forget(text_->document(), position, position + added);
    // A page loaded or pasted whole: learn where its markers are before the first keystroke needs them.
    if (added > 100000) {
        warmLine_ = text_->document()->blockCount() - 1;
        warmUp_.start();
    }
}

void TypingAssist::PageLoaded(const std::vector<int>& markers)
{
    memo_.Clear();
    if (DocumentLines::Learn(text_->document(), markers))
        warmUp_.stop();
}

void TypingAssist::WarmUp()
{
    const DocumentLines lines(text_->document());
    warmLine_ = qMin(warmLine_, lines.LineCount() - 1);
    for (int n = 0; n < 2000 && warmLine_ >= 0; ++n)
        lines.LineMarkers(warmLine_--);
    if (warmLine_ < 0)
        warmUp_.stop();
}
