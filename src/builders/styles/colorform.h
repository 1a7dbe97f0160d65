#pragma once
// The colour dialog "颜色设置": three sliders, a preview, seven swatches. FontColorM goes in as the starting colour
// and comes out as the chosen one ("#" and six hex digits, or "" for no colour); Cancel leaves it alone.

#include <QColor>
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

class ColorForm : public QDialog
{
    Q_OBJECT

public:
    explicit ColorForm(QWidget* parent = nullptr);

    QString FontColorM; // in and out
    QString ColorText;  // the working colour

    // Takes FontColorM; exec() does it before showing.
    void Load();
    int exec() override;

    QSlider* ColorSlider[3] = {};
    QLineEdit* Text1[3] = {};
    QLabel* Label2 = nullptr;
    QLabel* Label1[7] = {};
    QPushButton* OkCommand = nullptr;
    QPushButton* CancelCommand = nullptr;

    // The colour the preview shows.
    QColor PreviewColor() const { return previewColor_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyColorText();
    void ColorSlider_Change(int i);
    void Label1_Click(int i);
    void OkCommand_Click();
    void PaintPreview(const QColor& color);

    QColor previewColor_;
};

// The shared colour-picking routine: shows the colour dialog preset with `value` and puts the picked colour
// back into it (unchanged after Cancel, "" after choosing no colour).
void PickColor(QString& value, QWidget* owner = nullptr);
