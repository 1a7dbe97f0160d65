#pragma once
// The page transition dialog: one of the transition effects of the tag database and its duration.

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;
class TagDb;

class TransitionDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TransitionDialog(const TagDb& db, QWidget* parent = nullptr);

    // The finished meta line, "" when cancelled.
    QString TxStr;

    QListWidget* List1 = nullptr;
    QLineEdit* TimeText = nullptr;
    QPushButton* OkCommand = nullptr;
    QPushButton* CanCommand = nullptr;

    void TimeText_Change();
    void OkCommand_Click();
    void CanCommand_Click();
};
