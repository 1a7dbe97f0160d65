#include "base/messages.h"

#include "base/userprompts.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

const QString Messages::ProgramTitle = QStringLiteral("Kestrel网页编辑");

MsgAnswer Messages::Show(QWidget* parent, const QString& text, const QString& title, MsgButtons buttons)
{
    return UserPrompts::For(parent).Show(parent, MessageRecord{text, title, buttons, false, QString()});
}

QString Messages::Input(QWidget* parent, const QString& prompt, const QString& title, const QString& defaultText,
                        bool multiLine)
{
    return UserPrompts::For(parent).Input(parent, MessageRecord{prompt, title, MsgButtons::OkCancel, true, defaultText},
                                          multiLine);
}

MsgAnswer Messages::ShowBox(QWidget* parent, const MessageRecord& box)
{
    const QString& text = box.text;
    const QString& title = box.title;
    const MsgButtons buttons = box.buttons;
    QMessageBox::StandardButtons std = QMessageBox::Ok;
    QMessageBox::Icon icon = QMessageBox::Information;
    switch (buttons) {
    case MsgButtons::Ok:
        break;
    case MsgButtons::OkCancel:
        std = QMessageBox::Ok | QMessageBox::Cancel;
        icon = QMessageBox::Question;
        break;
    case MsgButtons::YesNo:
        std = QMessageBox::Yes | QMessageBox::No;
        icon = QMessageBox::Question;
        break;
    case MsgButtons::YesNoCancel:
        std = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        icon = QMessageBox::Question;
        break;
    }
    QMessageBox box2(icon, title, text, std, parent);
    if (QAbstractButton* b = box2.button(QMessageBox::Yes))
        b->setText(QStringLiteral("是(&Y)"));
    if (QAbstractButton* b = box2.button(QMessageBox::No))
        b->setText(QStringLiteral("否(&N)"));
    if (QAbstractButton* b = box2.button(QMessageBox::Cancel))
        b->setText(QStringLiteral("取消"));
    if (QAbstractButton* b = box2.button(QMessageBox::Ok))
        b->setText(QStringLiteral("确定"));
    switch (box2.exec()) {
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    default:
        return buttons == MsgButtons::Ok || buttons == MsgButtons::OkCancel ? MsgAnswer::Ok : MsgAnswer::Cancel;
    }
}

QString Messages::InputBox(QWidget* parent, const MessageRecord& box, bool multiLine)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(box.title);
    dialog.setLabelText(box.text);
    dialog.setTextValue(box.defaultText);
    dialog.setOkButtonText(QStringLiteral("确定"));
    dialog.setCancelButtonText(QStringLiteral("取消"));
    if (multiLine)
        dialog.setOption(QInputDialog::UsePlainTextEditForTextInput);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    QString text = dialog.textValue();
    if (multiLine) {
        // The core expects CR LF line breaks from a multi-line box.
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    }
    return text;
}
