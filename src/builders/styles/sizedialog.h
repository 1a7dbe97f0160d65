#pragma once
// The size dialog "大小设置": a length picked with a scroll bar and a unit. The caller sets Dtype (the kind of
// length) and SizeValue and Run()s it: the picked length after OK, nothing after Cancel (SizeValue is then the
// value it opened with). While it is open every change is passed to SetIndexCss so that the style dialog's preview
// follows.

#include "base/builderdialog.h"
#include "builders/styles/sizesetting.h"

#include <functional>

class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

class SizeDialog : public BuilderDialog
{
    Q_OBJECT

public:
    // The picker needs nothing from the running program.
    explicit SizeDialog(QWidget* parent = nullptr);

    SizeSetting::Kind Dtype = SizeSetting::AnyLength; // in
    QString SizeValue;                                // in and out
    QString SizeUnit;                                 // "pt", "px", "em", "%" or ""
    float SizeNumber = 0;                             // the number shown
    QString SizeAtOpen;                               // SizeValue when the dialog opened
    int ScrollChangeCount = 0;                        // moves of the scroll bar since it opened
    // Called with SizeValue after every unit choice and every move of the scroll bar.
    std::function<void(const QString&)> SetIndexCss;

    void reject() override;

    QScrollBar* HScroll1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QRadioButton* fontoption[6] = {};
    QPushButton* OkCommand = nullptr;
    QPushButton* CancelCommand = nullptr;

    SizeSetting::Unit Unit() const { return unit_; }

protected:
    // Reads Dtype and SizeValue.
    void Load() override;
    QString Result() const override { return SizeValue; }

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
