#include "builders/styles/stylewrap.h"

#include "base/helpers.h"
#include "builders/styles/styledialog.h"
#include "editor/pageedit.h"

#include <QTextCursor>

void StyleWrap::Run(const BuilderContext& context, PageEdit* text, QWidget* owner)
{
    // The control keeps one separator per line; the sample page gets the markup's CR LF.
    QString selected = text->textCursor().selectedText();
    selected.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));

    StyleDialog css(context,
                    {QString(), QStringLiteral("<span"),
                     QString(selected).replace(QLatin1Char('\n'), CrLf) + QStringLiteral("</span>")},
                    owner);
    // Cancel wraps too, in a span with an empty style.
    QString style = css.Run().value_or(QString());

    // The attribute is in double quotes: a quote typed into the style (an address, say) must not end it.
    style.replace(QLatin1Char('"'), QLatin1Char('\''));
    QTextCursor cursor = text->textCursor();
    cursor.insertText(QStringLiteral("<span style=\"") + AttributeValue(style) + QStringLiteral("\">") + selected +
                      QStringLiteral("</span>"));
    text->setTextCursor(cursor);
    text->setFocus();
}
