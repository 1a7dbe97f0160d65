#pragma once
// Lists the pages a run that did not end cleanly left changed, each with a check box, for the user to choose
// which come back.

#include "base/recoverystore.h"
#include "base/rewritejournal.h"

#include <QDialog>

class QTreeWidget;

class RecoveryDialog : public QDialog
{
    Q_OBJECT

public:
    // `copies`: pages whose save was cut off, listed after the pages, to be put back as they were before it.
    explicit RecoveryDialog(const QList<RecoveryEntry>& entries, QWidget* parent = nullptr,
                            const QList<PageCopy>& copies = {});

    QTreeWidget* PageList = nullptr;

    // The entries checked when OK was pressed, in the order listed; nothing after Cancel.
    std::optional<QList<RecoveryEntry>> Run();

    // "无标题0" or the page's path, as listed.
    static QString Caption(const RecoveryEntry& entry);
    static QString Caption(const PageCopy& copy);
    // The copies checked when OK was pressed.
    QList<PageCopy> CheckedCopies() const;

private:
    QList<RecoveryEntry> entries_;
    QList<PageCopy> copies_;
};
