#include "builders/styles/colordialog.h"

#include "base/dialogbuttons.h"
#include "base/formkit.h"
#include "base/helpers.h"
#include "builders/styles/colorsetting.h"
#include "tagdb/tagdb.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {
const QColor kSwatchColors[6] = {QColor(255, 0, 0), QColor(0, 0, 255),   QColor(0, 255, 0),
                                 QColor(0, 0, 0),   QColor(255, 255, 0), QColor(255, 255, 255)};

void Fill(QLabel* label, const QColor& color)
{
    label->setAutoFillBackground(true);
    label->setStyleSheet(
        QStringLiteral("QLabel { background-color: %1; border: 1px solid #808080; }").arg(color.name()));
}
} // namespace

ColorDialog::ColorDialog(const TagDb& colorNames, const QString& start, QWidget* parent)
    : BuilderDialog(parent), colorNames_(colorNames), start_(start)
{
    setObjectName(QStringLiteral("ColorForm"));
    setWindowTitle(QStringLiteral("颜色设置"));

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* sliders = new QGridLayout;
    const char* names[3] = {"红", "绿", "蓝"};
    for (int i = 0; i < 3; ++i) {
        ColorSlider[i] = new QSlider(Qt::Horizontal, this);
        ColorSlider[i]->setObjectName(FormKit::Indexed(QStringLiteral("ColorSlider"), i));
        ColorSlider[i]->setRange(0, 255);
        ColorSlider[i]->setPageStep(16);
        ColorSlider[i]->setMinimumWidth(220);
        SliderValue[i] = new QLineEdit(QStringLiteral("0"), this);
        SliderValue[i]->setObjectName(FormKit::Indexed(QStringLiteral("Text1"), i));
        SliderValue[i]->setReadOnly(true);
        SliderValue[i]->setFocusPolicy(Qt::NoFocus);
        SliderValue[i]->setFixedWidth(SliderValue[i]->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
        FormKit::Row(sliders, i, QString::fromUtf8(names[i]), ColorSlider[i]);
        sliders->addWidget(SliderValue[i], i, 2);
        connect(ColorSlider[i], &QSlider::valueChanged, this, [this, i] { ShowSlider(i); });
    }
    top->addLayout(sliders, 1);
    PreviewSwatch = new QLabel(this);
    PreviewSwatch->setObjectName(QStringLiteral("Label2"));
    PreviewSwatch->setFixedSize(80, 80);
    PaintPreview(palette().color(QPalette::Window));
    top->addWidget(PreviewSwatch);
    layout->addLayout(top);

    auto* swatches = new QHBoxLayout;
    for (int i = 0; i < ColorSetting::SwatchCount; ++i) {
        Swatch[i] = new QLabel(this);
        Swatch[i]->setObjectName(FormKit::Indexed(QStringLiteral("Label1"), i));
        Swatch[i]->setFixedSize(32, 24);
        Swatch[i]->setCursor(Qt::PointingHandCursor);
        Swatch[i]->installEventFilter(this);
        if (i == ColorSetting::NoColorSwatch) {
            Swatch[i]->setText(QStringLiteral("无"));
            Swatch[i]->setAlignment(Qt::AlignCenter);
            Fill(Swatch[i], palette().color(QPalette::Window));
            Swatch[i]->setToolTip(QStringLiteral("不设置颜色"));
        } else {
            Fill(Swatch[i], kSwatchColors[i]);
            Swatch[i]->setToolTip(ColorSetting::SwatchText(i));
        }
        swatches->addWidget(Swatch[i]);
    }
    swatches->addStretch(1);
    layout->addLayout(swatches);

    const DialogButtons buttons =
        DialogButtons::Make(this, QStringLiteral("OkCommand"), QStringLiteral("CancelCommand"));
    OkCommand = buttons.Ok;
    CancelCommand = buttons.Cancel;
    layout->addLayout(buttons.Row);
    buttons.CloseOnClick(this);

    setTabOrder(ColorSlider[0], ColorSlider[1]);
    setTabOrder(ColorSlider[1], ColorSlider[2]);
    setTabOrder(ColorSlider[2], OkCommand);
    setTabOrder(OkCommand, CancelCommand);
    ColorSlider[0]->setFocus();
}

void ColorDialog::Load()
{
    colorText_ = start_.toLower();
    ApplyColorText();
}

void ColorDialog::ApplyColorText()
{
    colorText_ = ColorSetting::Resolve(colorNames_, colorText_);
    // A text that is no colour leaves the sliders where they are.
    int rgb[3] = {ColorSlider[0]->value(), ColorSlider[1]->value(), ColorSlider[2]->value()};
    QString text = colorText_;
    ParseColorText(text, rgb[0], rgb[1], rgb[2]);
    colorText_ = text;
    for (int i = 0; i < 3; ++i)
        ColorSlider[i]->setValue(std::clamp(rgb[i], 0, 255));
    if (colorText_ == QLatin1String("#000000"))
        PaintPreview(Qt::black);
}

void ColorDialog::ShowSlider(int i)
{
    SliderValue[i]->setText(QString::number(ColorSlider[i]->value()));
    const int r = SliderValue[0]->text().toInt(), g = SliderValue[1]->text().toInt(),
              b = SliderValue[2]->text().toInt();
    PaintPreview(QColor(r, g, b));
    colorText_ = ColorSetting::FromRgb(r, g, b);
}

void ColorDialog::PickSwatch(int i)
{
    colorText_ = ColorSetting::SwatchText(i);
    ApplyColorText();
    if (i == ColorSetting::NoColorSwatch) {
        colorText_.clear();
        PaintPreview(palette().color(QPalette::Window));
    } else {
        PaintPreview(kSwatchColors[i]);
    }
}

void ColorDialog::PaintPreview(const QColor& color)
{
    Fill(PreviewSwatch, color);
    previewColor_ = color;
}

bool ColorDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        for (int i = 0; i < ColorSetting::SwatchCount; ++i) {
            if (watched == Swatch[i]) {
                PickSwatch(i);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void PickColor(const TagDb& db, QString& value, QWidget* owner)
{
    ColorDialog form(db, value, owner);
    if (const std::optional<QString> picked = form.Run())
        value = *picked;
}
