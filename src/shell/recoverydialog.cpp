#include "shell/recoverydialog.h"

#include "base/dialogbuttons.h"
#include "base/messages.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

RecoveryDialog::RecoveryDialog(const QList<RecoveryEntry>& entries, QWidget* parent, const QList<PageCopy>& copies)
    : QDialog(parent), entries_(entries), copies_(copies)
{
    setObjectName(QStringLiteral("RecoverForm"));
    setWindowTitle(QStringLiteral("恢复网页"));
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(QStringLiteral("上次没有正常退出, 下列网页的修改还没有保存。\n"
                                           "选中的网页将被恢复, 没有选中的将被丢弃; 按\"取消\"下次启动时再问。"),
                            this);
    note->setObjectName(QStringLiteral("NoteLabel"));
    if (!copies_.isEmpty())
        note->setText(note->text() + QStringLiteral("\n保存时被中断的网页只写了一部分, 选中的将换回保存前的内容。"));
    layout->addWidget(note);

    PageList = new QTreeWidget(this);
    PageList->setObjectName(QStringLiteral("PageList"));
    PageList->setHeaderLabels({QStringLiteral("网页"), QStringLiteral("修改时间")});
    PageList->setRootIsDecorated(false);
    PageList->setAllColumnsShowFocus(true);
    for (const RecoveryEntry& entry : entries_) {
        auto* item = new QTreeWidgetItem(PageList);
        item->setText(0, Caption(entry));
        item->setToolTip(0, Caption(entry));
        item->setText(1, entry.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        item->setCheckState(0, Qt::Checked);
    }
    for (const PageCopy& copy : copies_) {
        auto* item = new QTreeWidgetItem(PageList);
        item->setText(0, Caption(copy));
        item->setToolTip(0, copy.copy);
        item->setText(1, QFileInfo(copy.copy).lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        item->setCheckState(0, Qt::Checked);
    }
    PageList->header()->setStretchLastSection(false);
    PageList->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    PageList->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    PageList->setMinimumWidth(520);
    if (PageList->topLevelItemCount() > 0)
        PageList->setCurrentItem(PageList->topLevelItem(0));
    layout->addWidget(PageList, 1);

    const DialogButtons buttons =
        DialogButtons::Make(this, QStringLiteral("OkCommand"), QStringLiteral("CancelCommand"));
    buttons.CloseOnClick(this);
    layout->addLayout(buttons.Row);
    PageList->setFocus();
}

QString RecoveryDialog::Caption(const RecoveryEntry& entry)
{
    return entry.path.isEmpty() ? entry.name : entry.path;
}

QString RecoveryDialog::Caption(const PageCopy& copy)
{
    return copy.page + QStringLiteral(" (保存时被中断)");
}

QList<PageCopy> RecoveryDialog::CheckedCopies() const
{
    QList<PageCopy> checked;
    for (qsizetype i = 0; i < copies_.size(); ++i)
        if (PageList->topLevelItem(int(entries_.size() + i))->checkState(0) == Qt::Checked)
            checked.append(copies_.at(i));
    return checked;
}

std::optional<QList<RecoveryEntry>> RecoveryDialog::Run()
{
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    QList<RecoveryEntry> chosen;
    for (int i = 0; i < entries_.size(); ++i)
        if (PageList->topLevelItem(i)->checkState(0) == Qt::Checked)
            chosen.append(entries_.at(i));
    return chosen;
}
