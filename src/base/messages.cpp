#include "base/messages.h"

#include "base/dialogbuttons.h"
#include "base/inputboxdialog.h"
#include "base/userprompts.h"

#include <QApplication>
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

QString Messages::InputAddress(QWidget* parent, const QString& prompt, const QString& title, const QString& filter,
                               const QString& pageFolder)
{
    MessageRecord box{prompt, title, MsgButtons::OkCancel, true, QString()};
    box.browseFilter = filter;
    box.pageFolder = pageFolder;
    return UserPrompts::For(parent).Input(parent, box, false);
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
        b->setText(DialogButtons::Keyed(QStringLiteral("取消"), u'C'));
    if (QAbstractButton* b = box2.button(QMessageBox::Ok))
        b->setText(DialogButtons::Keyed(QStringLiteral("确定"), u'S'));
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
    InputBoxDialog dialog(box, multiLine, parent);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.Text();
}
