#pragma once
// The automatic refresh dialog: an interval in seconds and, optionally, an address to go to.

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

class RefreshDialog : public QDialog
{
    Q_OBJECT

public:
    explicit RefreshDialog(QWidget* parent = nullptr);

    // Results: the interval, -1 when cancelled; the address, "" when none or cancelled.
    int Rtime = -1;
    QString RefreshUrl;

    QLineEdit* Text1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QPushButton* OkCom = nullptr;
    QPushButton* CanCom = nullptr;

    void Text1_Change();
    void Check1_Click();
    void OkCom_Click();
    void CanCom_Click();
};
