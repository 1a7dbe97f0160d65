#include "builders/elements/addimgframe.h"

#include "base/helpers.h"
#include "builders/elements/elementdialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

void AddImgFrame::Browsed(const ElementField&, QLineEdit* box)
{
    const QString picture = box->text();
    if (picture.trimmed().isEmpty())
        return;
    Form->HtmlCheck->setChecked(true);
    QTextCursor end(Form->HtmlText->document());
    end.movePosition(QTextCursor::End);
    end.insertText(QStringLiteral("<img src='") + AttributeValue(picture) + QStringLiteral("'>"));
    Refresh();
}
