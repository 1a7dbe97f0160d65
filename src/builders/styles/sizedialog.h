#pragma once
// The size dialog "大小设置": a length picked with a scroll bar (or typed) and a unit. Made with the kind of length and
// the value it opens with; Run() hands back the picked length after OK, nothing after Cancel. While it is open every
// change goes to the input's onChange, so that the style dialog's preview follows.

#include "base/builderdialog.h"
#include "builders/styles/sizesetting.h"

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

class SizeDialog : public BuilderDialog
{
    Q_OBJECT

public:
    struct Input
    {
        SizeSetting::Kind kind = SizeSetting::AnyLength;
        QString value; // the length it opens with
        // Called with the value after every unit choice and every move of the scroll bar.
        std::function<void(const QString&)> onChange;
    };

    // The picker needs nothing from the running program.
    explicit SizeDialog(Input input, QWidget* parent = nullptr);

    // Moves of the scroll bar by the user since the dialog opened.
    int ScrollMoves() const { return scrollMoves_; }
    SizeSetting::Kind Kind() const { return input_.kind; }

    // ---- Controls.
    QScrollBar* PositionBar = nullptr;
    QLineEdit* NumberBox = nullptr;
    QLabel* RangeLabel = nullptr; // says which numbers the box takes, while it holds another
    QRadioButton* UnitOption[6] = {};
    QPushButton* OkCommand = nullptr;
    QPushButton* CancelCommand = nullptr;

protected:
    // Reads the input's kind and value.
    void Load() override;
    QString Result() const override { return value_; }

private:
    void ChooseUnit(int i, bool byUser);
    void MoveTo(int position);
    void TypeNumber(const QString& text);
    void SetScrollRange();
    void ShowNumber();
    void Notify();

    const Input input_;
    QString value_;
    int scrollMoves_ = 0;
    SizeSetting::Unit unit_ = SizeSetting::Default;
    int position_ = 0;
    bool positioning_ = false; // the dialog itself is moving the scroll bar
};
