#pragma once
// Lists the pages a run that did not end cleanly left changed, each with a check box, for the user to choose
// which come back.

#include "base/recoverystore.h"

#include <QDialog>

class QTreeWidget;

class RecoverForm : public QDialog
{
    Q_OBJECT

public:
    explicit RecoverForm(const QList<RecoveryEntry>& entries, QWidget* parent = nullptr);

    QTreeWidget* PageList = nullptr;

    // The entries checked when OK was pressed, in the order listed; nothing after Cancel.
    std::optional<QList<RecoveryEntry>> Run();

    // "无标题0" or the page's path, as listed.
    static QString Caption(const RecoveryEntry& entry);

private:
    QList<RecoveryEntry> entries_;
};
