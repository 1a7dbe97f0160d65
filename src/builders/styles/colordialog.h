#pragma once
// The colour dialog "颜色设置": three sliders, a preview, seven swatches. FontColorM goes in as the starting colour;
// Run() hands back the chosen one ("#" and six hex digits, or "" for no colour) after OK, nothing after Cancel, which
// leaves FontColorM alone.

#include "base/builderdialog.h"

#include <QColor>

class TagDb;

class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

class ColorDialog : public BuilderDialog
{
    Q_OBJECT

public:
    // All the picker needs of the program is the database's list of colour names.
    explicit ColorDialog(const TagDb& colorNames, QWidget* parent = nullptr);

    QString FontColorM; // in and out
    QString ColorText;  // the working colour

    QSlider* ColorSlider[3] = {};
    QLineEdit* Text1[3] = {};
    QLabel* Label2 = nullptr;
    QLabel* Label1[7] = {};
    QPushButton* OkCommand = nullptr;
    QPushButton* CancelCommand = nullptr;

    // The colour the preview shows.
    QColor PreviewColor() const { return previewColor_; }

protected:
    // Takes FontColorM.
    void Load() override;
    QString Result() const override { return FontColorM; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyColorText();
    void ColorSlider_Change(int i);
    void Label1_Click(int i);
    void OkCommand_Click();
    void PaintPreview(const QColor& color);

    const TagDb& colorNames_;
    QColor previewColor_;
};

// The shared colour-picking routine: shows the colour dialog preset with `value` and puts the picked colour
// back into it (unchanged after Cancel, "" after choosing no colour). `db` gives the colour names.
void PickColor(const TagDb& db, QString& value, QWidget* owner = nullptr);
