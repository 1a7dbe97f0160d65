#pragma once
// The automatic refresh dialog: an interval in seconds and, optionally, an address to go to. Run() hands both back
// after OK, nothing after Cancel.

#include <QDialog>

#include <optional>

class QCheckBox;
class QLineEdit;
class QPushButton;

class RefreshDialog : public QDialog
{
    Q_OBJECT

public:
    struct Refresh
    {
        int seconds = 0;
        QString url; // "" when none
    };

    explicit RefreshDialog(QWidget* parent = nullptr);

    std::optional<Refresh> Run();

    // ---- Controls.
    QLineEdit* IntervalText = nullptr;
    QCheckBox* GoToCheck = nullptr; // go to another address after the interval
    QLineEdit* UrlText = nullptr;
    QPushButton* OkCommand = nullptr;
    QPushButton* CancelCommand = nullptr;

private:
    void KeepNumeric();
    void ToggleUrl();
    void Accept();

    Refresh refresh_; // set by OK
};
