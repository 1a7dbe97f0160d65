#pragma once
// The list-line editor: the lines of a list box, a radio group or a bulleted, numbered or definition list.

#include "builders/elements/kindframe.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class SelectFrame : public KindFrame
{
    Q_OBJECT

public:
    explicit SelectFrame(ElementDialog* form);
    void Setup() override;

    QListWidget* SelectList = nullptr;
    QLineEdit* SelectText[2] = {};
    QLineEdit* ValueText = nullptr;
    QPushButton* AddListCommand = nullptr;
    QPushButton* DelListCommand = nullptr;
    QCheckBox* SelectCheck = nullptr;
    QLineEdit* FradioText = nullptr;
    QCheckBox* RadioCheck = nullptr;
    QLabel* LineLabel = nullptr;
    QLabel* CountLabel = nullptr;
    QLabel* ValueLabel = nullptr;
    QLabel* RadioNameLabel = nullptr;

    void AddLine();
    void DeleteLine();
    void ChooseLine();
    void BuildListContent();

Q_SIGNALS:
    // A line was chosen (-1: none); the bulleted list's options follow it.
    void LineChosen(int line);

private:
    bool choosing_ = false;
};
