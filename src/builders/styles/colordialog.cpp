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

ColorDialog::ColorDialog(const TagDb& colorNames, QWidget* parent) : BuilderDialog(parent), colorNames_(colorNames)
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
        Text1[i] = new QLineEdit(QStringLiteral("0"), this);
        Text1[i]->setObjectName(FormKit::Indexed(QStringLiteral("Text1"), i));
        Text1[i]->setReadOnly(true);
        Text1[i]->setFocusPolicy(Qt::NoFocus);
        Text1[i]->setFixedWidth(Text1[i]->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
        FormKit::Row(sliders, i, QString::fromUtf8(names[i]), ColorSlider[i]);
        sliders->addWidget(Text1[i], i, 2);
        connect(ColorSlider[i], &QSlider::valueChanged, this, [this, i] { ColorSlider_Change(i); });
    }
    top->addLayout(sliders, 1);
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFixedSize(80, 80);
    PaintPreview(palette().color(QPalette::Window));
    top->addWidget(Label2);
    layout->addLayout(top);

    auto* swatches = new QHBoxLayout;
    for (int i = 0; i < ColorSetting::SwatchCount; ++i) {
        Label1[i] = new QLabel(this);
        Label1[i]->setObjectName(FormKit::Indexed(QStringLiteral("Label1"), i));
        Label1[i]->setFixedSize(32, 24);
        Label1[i]->setCursor(Qt::PointingHandCursor);
        Label1[i]->installEventFilter(this);
        if (i == ColorSetting::NoColorSwatch) {
            Label1[i]->setText(QStringLiteral("无"));
            Label1[i]->setAlignment(Qt::AlignCenter);
            Fill(Label1[i], palette().color(QPalette::Window));
            Label1[i]->setToolTip(QStringLiteral("不设置颜色"));
        } else {
            Fill(Label1[i], kSwatchColors[i]);
            Label1[i]->setToolTip(ColorSetting::SwatchText(i));
        }
        swatches->addWidget(Label1[i]);
    }
    swatches->addStretch(1);
    layout->addLayout(swatches);

    const DialogButtons buttons =
        DialogButtons::Make(this, QStringLiteral("OkCommand"), QStringLiteral("CancelCommand"));
    OkCommand = buttons.Ok;
    CancelCommand = buttons.Cancel;
    layout->addLayout(buttons.Row);
    connect(OkCommand, &QPushButton::clicked, this, &ColorDialog::OkCommand_Click);
    connect(CancelCommand, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(ColorSlider[0], ColorSlider[1]);
    setTabOrder(ColorSlider[1], ColorSlider[2]);
    setTabOrder(ColorSlider[2], OkCommand);
    setTabOrder(OkCommand, CancelCommand);
    ColorSlider[0]->setFocus();
}

void ColorDialog::Load()
{
    ColorText = FontColorM.toLower();
    ApplyColorText();
}

void ColorDialog::ApplyColorText()
{
    ColorText = ColorSetting::Resolve(colorNames_, ColorText);
    // A text that is no colour leaves the sliders where they are.
    int rgb[3] = {ColorSlider[0]->value(), ColorSlider[1]->value(), ColorSlider[2]->value()};
    QString text = ColorText;
    ParseColorText(text, rgb[0], rgb[1], rgb[2]);
    ColorText = text;
    for (int i = 0; i < 3; ++i)
        ColorSlider[i]->setValue(std::clamp(rgb[i], 0, 255));
    if (ColorText == QLatin1String("#000000"))
        PaintPreview(Qt::black);
}

void ColorDialog::ColorSlider_Change(int i)
{
    Text1[i]->setText(QString::number(ColorSlider[i]->value()));
    const int r = Text1[0]->text().toInt(), g = Text1[1]->text().toInt(), b = Text1[2]->text().toInt();
    PaintPreview(QColor(r, g, b));
    ColorText = ColorSetting::FromRgb(r, g, b);
}

void ColorDialog::Label1_Click(int i)
{
    ColorText = ColorSetting::SwatchText(i);
    ApplyColorText();
    if (i == ColorSetting::NoColorSwatch) {
        ColorText.clear();
        PaintPreview(palette().color(QPalette::Window));
    } else {
        PaintPreview(kSwatchColors[i]);
    }
}

void ColorDialog::PaintPreview(const QColor& color)
{
    Fill(Label2, color);
    previewColor_ = color;
}

void ColorDialog::OkCommand_Click()
{
    FontColorM = ColorText;
    accept();
}

bool ColorDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        for (int i = 0; i < ColorSetting::SwatchCount; ++i) {
            if (watched == Label1[i]) {
                Label1_Click(i);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void PickColor(const TagDb& db, QString& value, QWidget* owner)
{
    ColorDialog form(db, owner);
    form.FontColorM = value;
    if (const std::optional<QString> picked = form.Run())
        value = *picked;
}
