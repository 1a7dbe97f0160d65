#pragma once
// The plain-text import dialog: text typed, pasted or read from a file, handed back escaped as HTML.

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

class TextImportDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TextImportDialog(QWidget* parent = nullptr);

    // The escaped text; "" when cancelled or when the box was empty.
    QString txt;

    QPlainTextEdit* Text1 = nullptr;
    QPushButton* OpenCom = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

    void OpenCom_Click();
    void Command1_Click();
    void Command2_Click();
};
