#pragma once
// The program's input box: a prompt, a one-line or multi-line box, OK and Cancel; for an address, a 浏览 button
// beside the box that fills it with the chosen file as the page addresses it.

#include "base/messages.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class InputBoxDialog : public QDialog
{
    Q_OBJECT

public:
    InputBoxDialog(const MessageRecord& box, bool multiLine, QWidget* parent);

    // What was typed; a multi-line box's lines end in CR LF.
    QString Text() const;

    QLineEdit* LineBox = nullptr;         // the one-line box ("Text1"); null for a multi-line one
    QPlainTextEdit* TextBox = nullptr;    // the multi-line box ("Text1"); null for a one-line one
    QPushButton* BrowseCommand = nullptr; // "浏览" ("BrowseCommand"); only for an address
    QPushButton* OkCommand = nullptr;
    QPushButton* CancelCommand = nullptr;

private:
    MessageRecord box_;
};
