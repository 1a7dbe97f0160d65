#include "editor/tageditor.h"

#include "base/messages.h"
#include "base/programstate.h"
#include "editor/pagewindow.h"
#include "editor/pagedialogs.h"
#include "editor/pageedit.h"
#include "editor/pagesearch.h"
#include "editor/tagparser.h"

#include <QCoreApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

const QString TagEditor::FailText = QStringLiteral("无法查看!!!!");

TagEditor::TagEditor(PageWindow& form, ProgramState& shared, Purpose purpose)
    : form_(form), purpose_(purpose), shared_(shared)
{
}

bool TagEditor::FindTagAtCaret()
{
    QTextDocument* doc = form_.pageEdit->document();
    const int caret = form_.pageEdit->SelStart();
    if (caret <= 0)
        return false;
    // Back from the character left of the caret to the first "<" (a ">" on the way does not stop it), then
    // forward to the first ">". The document is searched, never copied.
    const QTextCursor open = doc->find(QStringLiteral("<"), caret, QTextDocument::FindBackward);
    if (open.isNull())
        return false;
    const int start = open.selectionStart();
    const int last = doc->characterCount() - 1; // the final paragraph separator is not text
    if (start + 1 >= last)
        return false;
    const QChar next = doc->characterAt(start + 1);
    if (next == QLatin1Char(' ') || next == QLatin1Char('\r') || next == QLatin1Char('\n') ||
        next == QChar::ParagraphSeparator || next == QLatin1Char('/'))
        return false; // closing tags and a lone "<" are not edited
    const QTextCursor close = doc->find(QStringLiteral(">"), start);
    if (close.isNull())
        return false;
    TagStart = start;
    TagLength = close.selectionEnd() - start;

    QTextCursor c(doc);
    c.setPosition(start);
    c.setPosition(start + TagLength, QTextCursor::KeepAnchor);
    QString tag = c.selectedText();
    tag.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    if (purpose_ == Purpose::EditAtCaret)
        form_.pageEdit->SetSelStart(start);
    ParseTagHead(tag);
    return true;
}

void TagEditor::ParseTagHead(const QString& tag)
{
    QString name;
    int nameEnd = 0;
    if (!TagParser::ParseTagHead(tag, name, nameEnd))
        return;
    const QDomElement html1 = TagDb::FindSection(shared_.TagRoot(), QStringLiteral("html1"));
    const int index = shared_.Db.TagIndexByStart(html1, name);
    if (index < 0)
        return; // tags the database does not know are not edited
    TagName = name;
    ParseAttributes(tag, nameEnd);
}

void TagEditor::ParseAttributes(const QString& tag, int nameEnd)
{
    if (tag.size() > TagParser::LongTag) {
        const QString question =
            QStringLiteral("这个字符串太长,共有 ") + QString::number(tag.size()) + QStringLiteral("个字符,您是否继续?");
        if (Messages::Show(&form_, question, Messages::ProgramTitle, MsgButtons::YesNo) != MsgAnswer::Yes)
            return;
    }
    QStringList names, values;
    int count = 0;
    // Paint events go on between attributes; input waits, so nothing edits the page under the parser.
    const auto status = TagParser::ParseAttributes(tag, nameEnd, names, values, count, [] {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    if (status != TagParser::Parsed) {
        Messages::Show(&form_, FailText);
        return;
    }
    Attributes.clear();
    for (int i = 1; i <= count; ++i)
        Attributes.append({names.at(i), values.at(i)});

    if (purpose_ == Purpose::EditAtCaret) {
        SelectTag();
        OpenTagEditor(TagName);
    } else if (purpose_ == Purpose::EditBody) {
        EditBodyInDialog();
    } else if (purpose_ == Purpose::MergeScript) {
        MergeScriptIntoBody();
    }
}

void TagEditor::EditBodyTag()
{
    const int at = PageSearch::Find(form_.pageEdit->document(), QStringLiteral("<body"), 0, Qt::CaseInsensitive);
    if (at < 0) {
        Messages::Show(&form_, QStringLiteral("您未添加BODY主体标识符,请添加!"));
        return;
    }
    form_.pageEdit->SetSelStart(at + 1);
    form_.HideCompletion();
    if (!FindTagAtCaret())
        form_.pageEdit->SetSelStart(form_.SavedCaret);
}

void TagEditor::EditBodyInDialog()
{
    const std::optional<QString> body = form_.Dialogs().EditBody(&form_, Attributes);
    int caret = form_.SavedCaret;
    if (body) {
        // A caret after the tag moves with the text it stood on.
        if (TagStart < caret)
            caret = qMax(TagStart, caret + int(body->size()) - TagLength);
        SelectTag();
        WriteOverSelection(*body);
    }
    form_.pageEdit->SetSelStart(qBound(0, caret, form_.pageEdit->document()->characterCount() - 1));
}

void TagEditor::MergeScriptIntoBody()
{
    form_.pageEdit->SetSelStart(TagStart);
    form_.ReplaceAtCaret(TagLength, Script.Replacement(TagName, Attributes));
}

void TagEditor::SelectTag()
{
    QTextCursor c = form_.pageEdit->textCursor();
    c.setPosition(TagStart);
    c.setPosition(TagStart + TagLength, QTextCursor::KeepAnchor);
    form_.pageEdit->setTextCursor(c);
}

void TagEditor::WriteOverSelection(const QString& text)
{
    QTextCursor c = form_.pageEdit->textCursor();
    c.insertText(text);
    form_.pageEdit->setTextCursor(c);
}

void TagEditor::OpenTagEditor(const QString& name)
{
    // Kinds the element dialog rebuilds; every other tag gets its style edited.
    PageDialogs& dialogs = form_.Dialogs();
    if (!dialogs.EditsElement(name)) {
        EditStyleOfTag(name);
        return;
    }
    const std::optional<QString> markup = dialogs.EditElement(&form_, name, Attributes, &Effect);
    if (markup && !markup->isEmpty())
        WriteOverSelection(*markup);
}

void TagEditor::EditStyleOfTag(const QString& name)
{
    // The first style attribute is edited; the rebuilt tag carries one style whatever the old one had.
    int styleAt = -1;
    for (int i = 0; i < Attributes.size(); ++i) {
        if (Attributes.at(i).first == QLatin1String("style")) {
            styleAt = i;
            break;
        }
    }
    if (styleAt < 0)
        return;
    QString t = name;
    for (const auto& [attr, value] : std::as_const(Attributes)) {
        if (attr.isEmpty() || attr == QLatin1String("style"))
            continue;
        t += QLatin1Char(' ') + attr + QLatin1Char('=') + TagParser::Quoted(value);
    }
    const QDomElement html1 = TagDb::FindSection(shared_.TagRoot(), QStringLiteral("html1"));
    const int index = shared_.Db.TagIndexByStart(html1, name);
    if (index < 0)
        return;
    const QString endd = TagDb::Field(shared_.Db.Entry(html1, index), QStringLiteral("endd"));

    // A cancelled style builder leaves the tag as it was.
    const std::optional<QString> style = form_.Dialogs().EditStyle(&form_, Attributes.at(styleAt).second, t, endd);
    if (!style)
        return;
    Attributes[styleAt].second = *style;
    t += QStringLiteral(" style=") + TagParser::Quoted(*style) + QLatin1Char('>');
    WriteOverSelection(t);
}
