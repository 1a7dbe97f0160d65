#include "editor/transitiondialog.h"

#include "base/dialogbuttons.h"
#include "base/messages.h"
#include "editor/headmarkup.h"
#include "tagdb/tagdb.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TransitionDialog::TransitionDialog(const TagDb& db, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TxForm"));
    setWindowTitle(QStringLiteral("页面过渡特效"));

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setMinimumSize(220, 240);
    TimeText = new QLineEdit(QStringLiteral("4"), this);
    TimeText->setObjectName(QStringLiteral("TimeText"));
    auto* listLabel = new QLabel(QStringLiteral("选择效果"), this);
    listLabel->setBuddy(List1);
    auto* timeLabel = new QLabel(QStringLiteral("转换时间(秒)"), this);
    timeLabel->setBuddy(TimeText);

    const DialogButtons buttons = DialogButtons::Make(this, QStringLiteral("OkCommand"), QStringLiteral("CanCommand"));
    OkCommand = buttons.Ok;
    CanCommand = buttons.Cancel;

    auto* time = new QHBoxLayout;
    time->addWidget(timeLabel);
    time->addWidget(TimeText, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listLabel);
    layout->addWidget(List1, 1);
    layout->addLayout(time);
    layout->addLayout(buttons.Row);

    // An effect's place in the list is its transition number.
    TxStr.clear();
    if (db.IsLoaded())
        List1->addItems(db.FieldTexts(db.Section(QStringLiteral("style")), QStringLiteral("txt")));

    connect(TimeText, &QLineEdit::textChanged, this, &TransitionDialog::TimeText_Change);
    connect(OkCommand, &QPushButton::clicked, this, &TransitionDialog::OkCommand_Click);
    connect(CanCommand, &QPushButton::clicked, this, &TransitionDialog::CanCommand_Click);
    connect(List1, &QListWidget::itemDoubleClicked, this, &TransitionDialog::OkCommand_Click);
    List1->setFocus();
}

void TransitionDialog::TimeText_Change()
{
    const QString number = HeadMarkup::NumericText(TimeText->text());
    if (number != TimeText->text())
        TimeText->setText(number);
}

void TransitionDialog::OkCommand_Click()
{
    const int effect = List1->currentItem() && List1->currentItem()->isSelected() ? List1->currentRow() : -1;
    if (effect < 0 || !(HeadMarkup::NumericValue(TimeText->text()) > 0)) {
        Messages::Show(this, QStringLiteral("您没有选择一项特效或时间设置为0,请重新设置!!"));
        return;
    }
    TxStr = HeadMarkup::TransitionLine(TimeText->text(), effect);
    accept();
}

void TransitionDialog::CanCommand_Click()
{
    TxStr.clear();
    reject();
}
