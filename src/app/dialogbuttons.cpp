#include "app/dialogbuttons.h"

#include <QHBoxLayout>
#include <QPushButton>

DialogButtons DialogButtons::Make(QWidget* parent, const QString& okName, const QString& cancelName)
{
    DialogButtons buttons;
    buttons.Ok = new QPushButton(QStringLiteral("确定"), parent);
    buttons.Ok->setObjectName(okName);
    buttons.Ok->setDefault(true);
    buttons.Cancel = new QPushButton(QStringLiteral("取消"), parent);
    buttons.Cancel->setObjectName(cancelName);
    buttons.Row = new QHBoxLayout;
    buttons.Row->addStretch(1);
    buttons.Row->addWidget(buttons.Ok);
    buttons.Row->addWidget(buttons.Cancel);
    return buttons;
}
