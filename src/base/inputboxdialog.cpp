#include "base/inputboxdialog.h"

#include "base/dialogbuttons.h"
#include "base/formkit.h"
#include "base/uihelpers.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

InputBoxDialog::InputBoxDialog(const MessageRecord& box, bool multiLine, QWidget* parent) : QDialog(parent), box_(box)
{
    setObjectName(QStringLiteral("InputBox"));
    setWindowTitle(box.title);
    auto* prompt = new QLabel(box.text, this);
    prompt->setWordWrap(true);
    auto* field = new QHBoxLayout;
    if (multiLine) {
        TextBox = new QPlainTextEdit(box.defaultText, this);
        TextBox->setObjectName(QStringLiteral("Text1"));
        TextBox->setTabChangesFocus(true);
        field->addWidget(TextBox, 1);
    } else {
        LineBox = new QLineEdit(box.defaultText, this);
        LineBox->setObjectName(QStringLiteral("Text1"));
        LineBox->setMinimumWidth(LineBox->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 48);
        field->addWidget(LineBox, 1);
        if (!box.browseFilter.isEmpty()) {
            BrowseCommand = FormKit::Button(this, QStringLiteral("BrowseCommand"), QStringLiteral("浏览(&B)"));
            field->addWidget(BrowseCommand);
            connect(BrowseCommand, &QPushButton::clicked, this,
                    [this] { PickFileUrl(LineBox, box_.browseFilter, this, box_.pageFolder); });
        }
    }
    prompt->setBuddy(multiLine ? static_cast<QWidget*>(TextBox) : LineBox);
    const DialogButtons buttons =
        DialogButtons::Make(this, QStringLiteral("OkCommand"), QStringLiteral("CancelCommand"));
    OkCommand = buttons.Ok;
    CancelCommand = buttons.Cancel;
    buttons.CloseOnClick(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addLayout(field, 1);
    layout->addLayout(buttons.Row);
    if (LineBox)
        LineBox->selectAll();
}

QString InputBoxDialog::Text() const
{
    if (LineBox)
        return LineBox->text();
    // The core expects CR LF line breaks from a multi-line box.
    QString text = TextBox->toPlainText();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}
