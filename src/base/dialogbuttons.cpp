#include "base/dialogbuttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>

DialogButtons DialogButtons::Make(QWidget* parent, const QString& okName, const QString& cancelName,
                                  const QString& okCaption, const QString& cancelCaption)
{
    DialogButtons buttons;
    buttons.Box = new QDialogButtonBox(Qt::Horizontal, parent);
    buttons.Box->setObjectName(QStringLiteral("ButtonBox"));
    buttons.Ok = buttons.Box->addButton(okCaption, QDialogButtonBox::AcceptRole);
    buttons.Ok->setObjectName(okName);
    buttons.Ok->setDefault(true);
    buttons.Cancel = buttons.Box->addButton(cancelCaption, QDialogButtonBox::RejectRole);
    buttons.Cancel->setObjectName(cancelName);
    buttons.Row = new QHBoxLayout;
    buttons.Row->addWidget(buttons.Box);
    return buttons;
}

void DialogButtons::CloseOnClick(QDialog* dialog) const
{
    QObject::connect(Ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(Cancel, &QPushButton::clicked, dialog, &QDialog::reject);
}
