#include "editor/completionlists.h"

#include "base/messages.h"
#include "base/programstate.h"
#include "editor/pageedit.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTextCursor>
#include <QTextDocument>

namespace {

const QString Prefix = QStringLiteral("说明:  ");
const QString StylePrefix = QStringLiteral("说明  :");

} // namespace

CompletionLists::CompletionLists(QWidget* form, PageEdit* text, ProgramState& shared)
    : QObject(form), form_(form), text_(text), shared_(shared)
{
    setObjectName(QStringLiteral("CompletionLists"));
    TagList = MakeList(QStringLiteral("TagList"));
    HtmlPList = MakeList(QStringLiteral("HtmlPList"));
    ValueList = MakeList(QStringLiteral("ValueList"));
    StyleList = MakeList(QStringLiteral("StyleList"));
    StyleValueList = MakeList(QStringLiteral("StyleValueList"));
    FontList = MakeList(QStringLiteral("FontList"));
    JStyleList = MakeList(QStringLiteral("JStyleList"));
    JavaList = MakeList(QStringLiteral("JavaList"));
    FontList->setFixedWidth(240);

    TxtText = new QLineEdit(form);
    TxtText->setObjectName(QStringLiteral("TxtText"));
    TxtText->setReadOnly(true);
    TxtText->setFocusPolicy(Qt::NoFocus);
    // It reads as part of the status row: no frame, no box of its own while it is empty.
    TxtText->setFrame(false);
    QPalette flat = TxtText->palette();
    flat.setColor(QPalette::Base, Qt::transparent);
    TxtText->setPalette(flat);
}

QListWidget* CompletionLists::MakeList(const QString& name)
{
    auto* list = new QListWidget(form_);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setFixedSize(200, 160);
    list->setUniformItemSizes(true);
    list->hide();
    list->installEventFilter(this);
    connect(list, &QListWidget::itemSelectionChanged, this, [this, list] { ShowDescription(list); });
    connect(list, &QListWidget::itemClicked, this, [this, list] { ShowDescription(list); });
    connect(list, &QListWidget::itemDoubleClicked, this, [this, list] { AcceptFromList(list); });
    lists_.append(list);
    return list;
}

void CompletionLists::FillFixedLists()
{
    const TagDb& db = shared_.Db;
    tagsNode_ = TagDb::FindSection(db.TagRoot(), QStringLiteral("html1"));
    stylesNode_ = TagDb::FindSection(db.TagRoot(), QStringLiteral("style1"));
    TagList->clear();
    TagList->addItems(db.TagNames(tagsNode_));
    StyleList->clear();
    StyleList->addItems(db.CssProperties(stylesNode_));
    JStyleList->clear();
    JStyleList->addItems(db.JstyleNames());
}

void CompletionLists::FillFonts()
{
    // Scanning the installed fonts takes a while: only when the list is first wanted, never at start-up.
    if (fontsFilled_)
        return;
    fontsFilled_ = true;
    FontList->addItems(QFontDatabase::families());
}

QListWidget* CompletionLists::ListFor(int mode) const
{
    switch (mode) {
    case CompletionState::Tags:
        return TagList;
    case CompletionState::Attributes:
        return HtmlPList;
    case CompletionState::Values:
        return ValueList;
    case CompletionState::Styles:
        return StyleList;
    case CompletionState::StyleValues:
        return StyleValueList;
    case CompletionState::Fonts:
        return FontList;
    case CompletionState::JStyles:
        return JStyleList;
    case CompletionState::Members:
        return JavaList;
    default:
        return nullptr;
    }
}

int CompletionLists::Highlight(const QListWidget* list)
{
    const QListWidgetItem* item = list->currentItem();
    return item && item->isSelected() ? list->currentRow() : -1;
}

void CompletionLists::SetHighlight(QListWidget* list, int row)
{
    if (row < 0) {
        list->setCurrentRow(-1);
        list->clearSelection();
        return;
    }
    list->setCurrentRow(row);
    list->scrollToItem(list->item(row), QAbstractItemView::PositionAtTop);
}

void CompletionLists::Show(QListWidget* list)
{
    // Only the list of the current mode is ever visible: a list left showing would accept with another list's
    // filter position.
    for (QListWidget* other : std::as_const(lists_)) {
        if (other != list)
            other->hide();
    }
    list->raise();
    list->show();
}

void CompletionLists::PlaceListAtCaret(QListWidget* list)
{
    const QRect caret = text_->cursorRect();
    const QPoint at = text_->viewport()->mapTo(text_, caret.topLeft());
    int x = at.x();
    int y = at.y();
    const int F = QFontInfo(text_->font()).pointSize();
    if (text_->width() - x < list->width())
        x = x - list->width() - 15;
    if (text_->height() - y < list->height())
        y = y - list->height() - 15;
    list->move(text_->x() + F + x, text_->y() + F + y + 7);
}

int CompletionLists::TagIndexOf(const QString& start) const
{
    return shared_.Db.TagIndexByStart(tagsNode_, start);
}

void CompletionLists::ShowTagList()
{
    DropOfferedEndTag();
    PlaceListAtCaret(TagList);
    SetHighlight(TagList, -1);
    Show(TagList);
    State.ListMode = CompletionState::Tags;
    State.TypedText = QStringLiteral("<");
    State.ListAnchor = text_->SelStart() + 1;
}

void CompletionLists::OfferEndTag(const QString& element)
{
    DropOfferedEndTag();
    TagList->insertItem(0, QLatin1Char('/') + element + QLatin1Char('>'));
    endTagOffered_ = true;
}

void CompletionLists::DropOfferedEndTag()
{
    if (!endTagOffered_)
        return;
    endTagOffered_ = false;
    delete TagList->takeItem(0);
}

void CompletionLists::ShowAttributeList()
{
    const TagDb& db = shared_.Db;
    const int id = TagDb::NumField(db.Entry(tagsNode_, State.TagIndex), QStringLiteral("id"));
    HtmlPList->clear();
    currentAttrs_ = db.AttributesOf(id);
    QStringList names;
    for (const QDomElement& attr : std::as_const(currentAttrs_))
        names.append(TagDb::Field(attr, QStringLiteral("name")));
    names += db.OffTenNames();
    HtmlPList->addItems(names);

    State.ListAnchor = text_->SelStart();
    PlaceListAtCaret(HtmlPList);
    HideCompletion();
    SetHighlight(HtmlPList, -1);
    Show(HtmlPList);
    State.TypedText = QStringLiteral(" ");
    State.ListMode = CompletionState::Attributes;
}

void CompletionLists::ShowValueList()
{
    State.ListMode = CompletionState::NoList;
    State.SkipNextKey = true;
    const int chid = State.TagIndex < 0 || State.TagIndex >= currentAttrs_.size()
                         ? TagDb::NoValueList
                         : TagDb::NumField(currentAttrs_.at(State.TagIndex), QStringLiteral("chid"));
    const QStringList values = shared_.Db.AttributeValues(chid);
    // A value list with nothing in it would only swallow Enter and blanks.
    if (values.isEmpty()) {
        State.ListMode = CompletionState::AttributeWritten;
        return;
    }
    ValueList->clear();
    ValueList->addItems(values);
    HideCompletion();
    State.ListAnchor = text_->SelStart();
    PlaceListAtCaret(ValueList);
    SetHighlight(ValueList, -1);
    Show(ValueList);
    State.ListMode = CompletionState::Values;
    State.TypedText = QStringLiteral(" ");
}

void CompletionLists::ShowStyleList()
{
    HideCompletion();
    PlaceListAtCaret(StyleList);
    State.ListAnchor = text_->SelStart() + 1; // the ";" or "{" is being typed
    SetHighlight(StyleList, -1);
    Show(StyleList);
    State.TypedText = QStringLiteral("*");
    State.ListMode = CompletionState::Styles;
}

bool CompletionLists::HasScriptMembers(const QString& path) const
{
    return path.toLower().split(QLatin1Char('.')).constLast() == QLatin1String("style") ||
           !shared_.Db.ScriptObject(path).isNull();
}

void CompletionLists::ShowScriptMembers(const QString& path)
{
    if (path.toLower().split(QLatin1Char('.')).constLast() == QLatin1String("style")) {
        PlaceListAtCaret(JStyleList);
        Show(JStyleList);
        State.ListMode = CompletionState::JStyles;
        return;
    }
    const QDomElement object = shared_.Db.ScriptObject(path);
    if (object.isNull())
        return;
    JavaList->clear();
    JavaList->addItems(shared_.Db.ScriptMemberNames(object));
    scriptNode_ = object;
    PlaceListAtCaret(JavaList);
    Show(JavaList);
    State.ListMode = CompletionState::Members;
}

bool CompletionLists::ReplaceTyped(const QString& text)
{
    QTextDocument* doc = text_->document();
    const int end = doc->characterCount() - 1;
    const int from = State.ListAnchor;
    const int to = from + State.ReplacedLength();
    if (from < 0 || to > end)
        return false;
    QTextCursor c(doc);
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    // Only what the user typed is replaced: after an undo or a cut the filter no longer matches the text, and the
    // entry is not written over something else.
    if (c.selectedText() != QStringView(State.TypedText).mid(1))
        return false;
    QTextCharFormat black;
    black.setForeground(PageEdit::TypingColor);
    c.insertText(text, black);
    text_->SetSelStart(c.position());
    return true;
}

void CompletionLists::AcceptListItem(QListWidget* list)
{
    const int row = Highlight(list);
    if (row >= 0)
        ReplaceTyped(list->item(row)->text());
    HideCompletion();
}

int CompletionLists::CurrentAttrIndex(const QString& name) const
{
    for (int i = 0; i < currentAttrs_.size(); ++i) {
        if (TagDb::Field(currentAttrs_.at(i), QStringLiteral("name")) == name)
            return i;
    }
    return -1;
}

bool CompletionLists::AcceptAttribute()
{
    const int row = Highlight(HtmlPList);
    if (row < 0) {
        HideCompletion();
        return false;
    }
    const QString name = HtmlPList->item(row)->text();
    State.TagIndex = CurrentAttrIndex(name);
    const bool bare = State.TagIndex >= 0 &&
                      TagDb::NumField(currentAttrs_.at(State.TagIndex), QStringLiteral("chid")) == TagDb::BareAttribute;
    if (!ReplaceTyped(CompletionState::AttributeText(name, bare))) {
        HideCompletion();
        return false;
    }
    text_->SetSelStart(text_->SelStart() - 1); // between the quotes, or between the blanks
    HideCompletion();
    ShowValueList();
    if (name == QLatin1String("style")) {
        HideCompletion();
        State.TypedText = QStringLiteral("\"");
        State.SkipNextKey = true;
        State.ListAnchor = text_->SelStart();
        PlaceListAtCaret(StyleList);
        SetHighlight(StyleList, -1);
        Show(StyleList);
        State.ListMode = CompletionState::Styles;
    }
    return true;
}

bool CompletionLists::AcceptStyleProperty()
{
    const int row = Highlight(StyleList);
    if (row < 0) {
        HideCompletion();
        return false;
    }
    const QString name = StyleList->item(row)->text();
    if (!ReplaceTyped(name + QLatin1Char(':'))) {
        HideCompletion();
        return false;
    }
    HideCompletion();
    const int dtype = shared_.Db.CssDtype(stylesNode_, name);
    if (dtype == TagDb::NoValueList)
        return true;
    if (dtype == TagDb::FontDtype) {
        FillFonts();
        PlaceListAtCaret(FontList);
        Show(FontList);
        State.ListMode = CompletionState::Fonts;
        return true;
    }
    const QStringList values = shared_.Db.CssValues(dtype);
    if (values.isEmpty())
        return true;
    StyleValueList->clear();
    StyleValueList->addItems(values);
    State.ListAnchor = text_->SelStart();
    State.TypedText = QStringLiteral(";");
    State.SkipNextKey = true;
    PlaceListAtCaret(StyleValueList);
    SetHighlight(StyleValueList, -1);
    Show(StyleValueList);
    State.ListMode = CompletionState::StyleValues;
    return true;
}

void CompletionLists::InsertFontName()
{
    const int row = Highlight(FontList);
    if (row >= 0) {
        QTextCursor c = text_->textCursor();
        c.clearSelection();
        QTextCharFormat black;
        black.setForeground(PageEdit::TypingColor);
        c.insertText(FontList->item(row)->text(), black);
        text_->setTextCursor(c);
    }
    HideCompletion();
}

void CompletionLists::TrackTypedKey(QChar key)
{
    if (State.TrackTypedKey(key) == CompletionState::Close)
        HideCompletion();
}

void CompletionLists::SelectByPrefix(QListWidget* list)
{
    if (State.TypedText.isEmpty()) {
        HideCompletion();
        return;
    }
    QStringList items;
    items.reserve(list->count());
    for (int i = 0; i < list->count(); ++i)
        items.append(list->item(i)->text());
    const int row = CompletionState::PrefixRow(items, State.TypedText);
    if (row != Highlight(list))
        SetHighlight(list, row);
    text_->setFocus();
}

void CompletionLists::HideCompletion()
{
    if (State.ListMode == CompletionState::NoList)
        return;
    State.Clear();
    for (QListWidget* list : std::as_const(lists_))
        list->hide();
    DropOfferedEndTag();
    TxtText->clear();
}

void CompletionLists::FocusText()
{
    text_->setFocus();
}

void CompletionLists::AcceptFromList(QListWidget* list)
{
    if (Highlight(list) < 0)
        return;
    if (list == HtmlPList) {
        AcceptAttribute();
        State.SkipNextKey = false;
    } else if (list == StyleList) {
        AcceptStyleProperty();
        State.SkipNextKey = false;
    } else if (list == FontList) {
        InsertFontName();
    } else {
        AcceptListItem(list);
    }
    FocusText();
}

void CompletionLists::ShowDescription(QListWidget* list)
{
    const int row = Highlight(list);
    if (row < 0 || list == FontList) {
        TxtText->clear();
        return;
    }
    const QString entry = list->item(row)->text();
    const TagDb& db = shared_.Db;
    if (list == TagList) {
        if (entry.startsWith(QLatin1Char('/'))) {
            TxtText->clear();
            return;
        }
        const std::optional<QString> text = db.TagDescription(tagsNode_, QLatin1Char('<') + entry);
        if (!text) {
            Messages::Show(form_, QStringLiteral("出现异常错误!!"));
            return;
        }
        TxtText->setText(Prefix + *text);
    } else if (list == HtmlPList) {
        const int i = CurrentAttrIndex(entry);
        const std::optional<QString> text =
            i >= 0 ? std::optional<QString>(TagDb::Field(currentAttrs_.at(i), QStringLiteral("txt")))
                   : db.OffTenDescription(entry);
        if (!text) {
            Messages::Show(form_, QStringLiteral("出现异常错误,您是否改动了数据库??"));
            return;
        }
        TxtText->setText(Prefix + *text);
    } else if (list == ValueList) {
        TxtText->setText(Prefix + db.ValueDescription(entry).value_or(QString()));
    } else if (list == StyleList) {
        TxtText->setText(StylePrefix + db.CssPropertyDescription(stylesNode_, entry).value_or(QString()));
    } else if (list == StyleValueList) {
        TxtText->setText(Prefix + db.CssValueDescription(entry).value_or(QString()));
    } else if (list == JStyleList) {
        TxtText->setText(db.JstyleDescription(entry).value_or(QString()));
    } else if (list == JavaList) {
        TxtText->setText(db.ScriptMemberDescription(scriptNode_, entry).value_or(QString()));
    }
    TxtText->setCursorPosition(0);
}

bool CompletionLists::eventFilter(QObject* watched, QEvent* event)
{
    auto* list = qobject_cast<QListWidget*>(watched);
    if (!list || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease))
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const bool press = event->type() == QEvent::KeyPress;
    switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        // The caret moves off the entry: close and step the caret.
        if (!press && !key->isAutoRepeat()) {
            HideCompletion();
            FocusText();
            text_->moveCursor(key->key() == Qt::Key_Left ? QTextCursor::PreviousCharacter : QTextCursor::NextCharacter);
        }
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return false;
    default:
        break;
    }
    if (!press)
        return false;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        AcceptFromList(list);
        return true;
    case Qt::Key_Space:
        if (Highlight(list) >= 0) {
            AcceptFromList(list);
        } else {
            HideCompletion();
            FocusText();
        }
        return true;
    case Qt::Key_Escape:
        HideCompletion();
        FocusText();
        return true;
    default:
        break;
    }
    const QString text = key->text();
    if (text.isEmpty())
        return false;
    if (text == QLatin1String("\"") || text == QLatin1String("'") || text == QLatin1String("=") ||
        text == QLatin1String(">"))
        HideCompletion();
    // Typing goes on in the text, as if the list had never taken the focus.
    FocusText();
    QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text(), key->isAutoRepeat(), ushort(key->count()));
    QApplication::sendEvent(text_, &copy);
    return true;
}
