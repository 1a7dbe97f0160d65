#include "base/dialogbuttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>

DialogButtons DialogButtons::Make(QWidget* parent, const QString& okName, const QString& cancelName,
                                  const Captions& captions)
{
    DialogButtons buttons;
    buttons.Box = new QDialogButtonBox(Qt::Horizontal, parent);
    buttons.Box->setObjectName(QStringLiteral("ButtonBox"));
    buttons.Ok = buttons.Box->addButton(Keyed(captions.ok, captions.okKey), QDialogButtonBox::AcceptRole);
    buttons.Ok->setObjectName(okName);
    buttons.Ok->setDefault(true);
    buttons.Cancel =
        buttons.Box->addButton(Keyed(QStringLiteral("取消"), captions.cancelKey), QDialogButtonBox::RejectRole);
    buttons.Cancel->setObjectName(cancelName);
    buttons.Row = new QHBoxLayout;
    buttons.Row->addWidget(buttons.Box);
    return buttons;
}

DialogButtons DialogButtons::Make(QWidget* parent, const QString& okName, const QString& cancelName)
{
    return Make(parent, okName, cancelName, Captions());
}

QString DialogButtons::Keyed(const QString& word, QChar key)
{
    return word + QStringLiteral("(&") + key + QLatin1Char(')');
}

void DialogButtons::NoDefault(QDialog* dialog)
{
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->window() != dialog)
            continue; // a dialog opened from this one keeps its own
        button->setDefault(false);
        button->setAutoDefault(false);
    }
}

void DialogButtons::CloseOnClick(QDialog* dialog) const
{
    QObject::connect(Ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(Cancel, &QPushButton::clicked, dialog, &QDialog::reject);
}
