#include "editor/transitiondialog.h"

#include "base/dialogbuttons.h"
#include "base/formkit.h"
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

    EffectList = new QListWidget(this);
    EffectList->setObjectName(QStringLiteral("List1"));
    EffectList->setMinimumSize(220, 240);
    TimeText = new QLineEdit(QStringLiteral("4"), this);
    TimeText->setObjectName(QStringLiteral("TimeText"));
    auto* listLabel = new QLabel(QStringLiteral("选择效果"), this);
    listLabel->setBuddy(EffectList);
    for (QWidget* w : std::initializer_list<QWidget*>{EffectList, listLabel, TimeText})
        FormKit::MarkOldIeOnly(w);
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
    layout->addWidget(EffectList, 1);
    layout->addLayout(time);
    layout->addLayout(buttons.Row);

    // An effect's place in the list is its transition number.
    if (db.IsLoaded())
        EffectList->addItems(db.FieldTexts(db.Section(QStringLiteral("style")), QStringLiteral("txt")));

    connect(TimeText, &QLineEdit::textChanged, this, &TransitionDialog::KeepNumeric);
    connect(OkCommand, &QPushButton::clicked, this, &TransitionDialog::Accept);
    connect(CanCommand, &QPushButton::clicked, this, &QDialog::reject);
    connect(EffectList, &QListWidget::itemDoubleClicked, this, &TransitionDialog::Accept);
    EffectList->setFocus();
}

void TransitionDialog::KeepNumeric()
{
    const QString number = HeadMarkup::NumericText(TimeText->text());
    if (number != TimeText->text())
        TimeText->setText(number);
}

void TransitionDialog::Accept()
{
    const int effect =
        EffectList->currentItem() && EffectList->currentItem()->isSelected() ? EffectList->currentRow() : -1;
    if (effect < 0 || !(HeadMarkup::NumericValue(TimeText->text()) > 0)) {
        Messages::Show(this, QStringLiteral("您没有选择一项特效或时间设置为0,请重新设置!!"));
        return;
    }
    line_ = HeadMarkup::TransitionLine(TimeText->text(), effect);
    accept();
}

std::optional<QString> TransitionDialog::Run()
{
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return line_;
}
