#pragma once
// The size dialog "大小设置": a length picked with a scroll bar and a unit. The caller sets Dtype (the kind of
// length) and SizeValue, runs it and reads SizeValue; while it is open every change is passed to SetIndexCss so
// that the style dialog's preview follows. Cancel gives back the value it opened with.

#include "builders/styles/sizesetting.h"

#include <QDialog>

#include <functional>

class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

class SizeSetForm : public QDialog
{
    Q_OBJECT

public:
    explicit SizeSetForm(QWidget* parent = nullptr);

    int Dtype = 0;             // in
    QString SizeValue;         // in and out
    QString SizeUnit;          // "pt", "px", "em", "%" or ""
    float SizeNumber = 0;      // the number shown
    QString SizeAtOpen;        // SizeValue when the dialog opened
    int ScrollChangeCount = 0; // moves of the scroll bar since it opened
    // Called with SizeValue after every unit choice and every move of the scroll bar.
    std::function<void(const QString&)> SetIndexCss;

    // Reads Dtype and SizeValue; exec() does it before showing.
    void Load();
    int exec() override;
    void reject() override;

    QScrollBar* HScroll1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QRadioButton* fontoption[6] = {};
    QPushButton* OkCommand = nullptr;
    QPushButton* CancelCommand = nullptr;

    SizeSetting::Unit Unit() const { return unit_; }

private:
    void fontoption_Click(int i, bool byUser);
    void HScroll1_Change(int value);
    void SetScrollRange();
    void ShowNumber();
    void Notify();

    SizeSetting::Unit unit_ = SizeSetting::Default;
    int position_ = 0;
    bool positioning_ = false; // the dialog itself is moving the scroll bar
};
