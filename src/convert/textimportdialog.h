#pragma once
// The plain-text import dialog: text typed, pasted or read from a file. Run() hands it back escaped as HTML after OK
// ("" when the box was empty), nothing after Cancel.

#include <QDialog>

#include <optional>

class QPlainTextEdit;
class QPushButton;

class TextImportDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TextImportDialog(QWidget* parent = nullptr);

    std::optional<QString> Run();
    // The same for a dialog shown without Run(): the escaped text once OK was pressed, nothing before.
    std::optional<QString> Outcome() const { return html_; }

    // ---- Controls.
    QPlainTextEdit* TextBox = nullptr;
    QPushButton* OpenCom = nullptr;
    QPushButton* OkCommand = nullptr;
    QPushButton* CancelCommand = nullptr;

private:
    void ReadTextFile();
    void Accept();

    std::optional<QString> html_; // set by OK
};
