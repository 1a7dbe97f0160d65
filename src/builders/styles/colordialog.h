#pragma once
// The colour dialog "颜色设置": three sliders, a preview, seven swatches. Made with the colour it starts from; Run()
// hands back the chosen one ("#" and six hex digits, or "" for no colour) after OK, nothing after Cancel.

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
    ColorDialog(const TagDb& colorNames, const QString& start, QWidget* parent = nullptr);

    // The colour as it stands: what OK would hand back.
    QString ColorText() const { return colorText_; }
    // The colour the preview shows.
    QColor PreviewColor() const { return previewColor_; }

    // ---- Controls.
    QSlider* ColorSlider[3] = {};
    QLineEdit* SliderValue[3] = {}; // each slider's number
    QLabel* PreviewSwatch = nullptr;
    QLabel* Swatch[7] = {};
    QPushButton* OkCommand = nullptr;
    QPushButton* CancelCommand = nullptr;

protected:
    // Takes the starting colour.
    void Load() override;
    QString Result() const override { return colorText_; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyColorText();
    void ShowSlider(int i);
    void PickSwatch(int i);
    void PaintPreview(const QColor& color);

    const TagDb& colorNames_;
    const QString start_;
    QString colorText_;
    QColor previewColor_;
};

// The shared colour-picking routine: shows the colour dialog preset with `value` and puts the picked colour
// back into it (unchanged after Cancel, "" after choosing no colour). `db` gives the colour names.
void PickColor(const TagDb& db, QString& value, QWidget* owner = nullptr);
