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
    IntervalText = new QLineEdit(QStringLiteral("5"), frame);
    IntervalText->setObjectName(QStringLiteral("Text1"));
    GoToCheck = new QCheckBox(QStringLiteral("过一段时间后自动转为另一链接"), frame);
    GoToCheck->setObjectName(QStringLiteral("Check1"));
    UrlText = new QLineEdit(frame);
    UrlText->setObjectName(QStringLiteral("Text2"));
    UrlText->setMinimumWidth(260);
    auto* timeLabel = new QLabel(QStringLiteral("刷新间隔(秒)"), frame);
    timeLabel->setBuddy(IntervalText);
    auto* urlLabel = new QLabel(QStringLiteral("链接地址"), frame);
    urlLabel->setBuddy(UrlText);

    auto* grid = new QGridLayout(frame);
    grid->addWidget(timeLabel, 0, 0);
    grid->addWidget(IntervalText, 0, 1);
    grid->addWidget(GoToCheck, 1, 0, 1, 2);
    grid->addWidget(urlLabel, 2, 0);
    grid->addWidget(UrlText, 2, 1);

    const DialogButtons buttons = DialogButtons::Make(this, QStringLiteral("OkCom"), QStringLiteral("CanCom"));
    OkCommand = buttons.Ok;
    CancelCommand = buttons.Cancel;
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons.Row);

    // The address box takes input only while the box asking for it is checked.
    SetBoxEnabled(UrlText, false);

    connect(IntervalText, &QLineEdit::textChanged, this, &RefreshDialog::KeepNumeric);
    connect(GoToCheck, &QCheckBox::clicked, this, &RefreshDialog::ToggleUrl);
    connect(OkCommand, &QPushButton::clicked, this, &RefreshDialog::Accept);
    connect(CancelCommand, &QPushButton::clicked, this, &QDialog::reject);

    IntervalText->setFocus();
    IntervalText->selectAll();
}

void RefreshDialog::KeepNumeric()
{
    // The box always holds a number.
    const QString number = HeadMarkup::NumericText(IntervalText->text());
    if (number != IntervalText->text())
        IntervalText->setText(number);
}

void RefreshDialog::ToggleUrl()
{
    SetBoxEnabled(UrlText, GoToCheck->isChecked());
    if (GoToCheck->isChecked())
        UrlText->setFocus();
}

void RefreshDialog::Accept()
{
    int seconds = 0;
    if (!HeadMarkup::IntervalSeconds(IntervalText->text(), seconds)) {
        Messages::Show(this, QStringLiteral("刷新间隔应在0到2147483647秒之间,请重新设置!!"));
        SelectAllInBox(IntervalText);
        return;
    }
    // An address left in the box after the user unchecked it is not wanted any more.
    refresh_ = {seconds, GoToCheck->isChecked() ? UrlText->text() : QString()};
    accept();
}

std::optional<RefreshDialog::Refresh> RefreshDialog::Run()
{
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return refresh_;
}
