#pragma once
// The page transition dialog: one of the transition effects of the tag database and its duration. Run() hands back
// the finished meta line after OK, nothing after Cancel.

#include <QDialog>

#include <optional>

class QLineEdit;
class QListWidget;
class QPushButton;
class TagDb;

class TransitionDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TransitionDialog(const TagDb& db, QWidget* parent = nullptr);

    std::optional<QString> Run();

    // ---- Controls.
    QListWidget* EffectList = nullptr;
    QLineEdit* TimeText = nullptr;
    QPushButton* OkCommand = nullptr;
    QPushButton* CanCommand = nullptr;

private:
    void KeepNumeric();
    void Accept();

    QString line_; // set by OK
};
