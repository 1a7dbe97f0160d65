#include "editor/refreshdialog.h"

#include "base/dialogbuttons.h"
#include "base/messages.h"
#include "base/uihelpers.h"
#include "editor/headmarkup.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

RefreshDialog::RefreshDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Aboutsform"));
    setWindowTitle(QStringLiteral("自动刷新设置"));

    auto* frame = new QGroupBox(QStringLiteral("页面自动刷新"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    Text1 = new QLineEdit(QStringLiteral("5"), frame);
    Text1->setObjectName(QStringLiteral("Text1"));
    Check1 = new QCheckBox(QStringLiteral("过一段时间后自动转为另一链接"), frame);
    Check1->setObjectName(QStringLiteral("Check1"));
    Text2 = new QLineEdit(frame);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setMinimumWidth(260);
    auto* timeLabel = new QLabel(QStringLiteral("刷新间隔(秒)"), frame);
    timeLabel->setBuddy(Text1);
    auto* urlLabel = new QLabel(QStringLiteral("链接地址"), frame);
    urlLabel->setBuddy(Text2);

    auto* grid = new QGridLayout(frame);
    grid->addWidget(timeLabel, 0, 0);
    grid->addWidget(Text1, 0, 1);
    grid->addWidget(Check1, 1, 0, 1, 2);
    grid->addWidget(urlLabel, 2, 0);
    grid->addWidget(Text2, 2, 1);

    const DialogButtons buttons = DialogButtons::Make(this, QStringLiteral("OkCom"), QStringLiteral("CanCom"));
    OkCom = buttons.Ok;
    CanCom = buttons.Cancel;
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons.Row);

    // The address box takes input only while the box asking for it is checked.
    SetBoxEnabled(Text2, false);

    connect(Text1, &QLineEdit::textChanged, this, &RefreshDialog::Text1_Change);
    connect(Check1, &QCheckBox::clicked, this, &RefreshDialog::Check1_Click);
    connect(OkCom, &QPushButton::clicked, this, &RefreshDialog::OkCom_Click);
    connect(CanCom, &QPushButton::clicked, this, &RefreshDialog::CanCom_Click);

    Rtime = -1;
    RefreshUrl.clear();
    Text1->setFocus();
    Text1->selectAll();
}

void RefreshDialog::Text1_Change()
{
    // The box always holds a number.
    const QString number = HeadMarkup::NumericText(Text1->text());
    if (number != Text1->text())
        Text1->setText(number);
}

void RefreshDialog::Check1_Click()
{
    SetBoxEnabled(Text2, Check1->isChecked());
    if (Check1->isChecked())
        Text2->setFocus();
}

void RefreshDialog::OkCom_Click()
{
    int seconds = 0;
    if (!HeadMarkup::IntervalSeconds(Text1->text(), seconds)) {
        Messages::Show(this, QStringLiteral("刷新间隔应在0到2147483647秒之间,请重新设置!!"));
        SelectAllInBox(Text1);
        return;
    }
    Rtime = seconds;
    // An address left in the box after the user unchecked it is not wanted any more.
    RefreshUrl = Check1->isChecked() ? Text2->text() : QString();
    accept();
}

void RefreshDialog::CanCom_Click()
{
    Rtime = -1;
    RefreshUrl.clear();
    reject();
}
