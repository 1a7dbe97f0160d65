#include "builders/scripts/scriptcalldialog.h"

#include "base/dialogbuttons.h"
#include "base/formkit.h"
#include "base/uihelpers.h"
#include "builders/styles/colordialog.h"
#include "tagdb/tagdb.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// The window's argument goes into this row, which the panel replaces.
constexpr int WindowRow = 2;
} // namespace

ScriptCallDialog::ScriptCallDialog(const BuilderContext& context, int callIndex, QWidget* parent)
    : BuilderDialog(context, parent), callIndex_(callIndex)
{
    setObjectName(QStringLiteral("JsForm"));
    setWindowTitle(QStringLiteral("属性设置"));
    for (int i = 0; i < JsStatement::ArgCount; ++i)
        values_.append(QString());

    ArgumentFrame = new QGroupBox(this);
    ArgumentFrame->setObjectName(QStringLiteral("Frame1"));
    auto* rows = new QGridLayout(ArgumentFrame);
    for (int i = 0; i < JsStatement::ArgCount; ++i) {
        JsText[i] =
            FormKit::TextRow(rows, i, QString(), FormKit::Indexed(QStringLiteral("JsText"), i), QString(), &JsLabel[i]);
        JsLabel[i]->setObjectName(FormKit::Indexed(QStringLiteral("JsLabel"), i));
        JsText[i]->setMinimumWidth(280);
        connect(JsText[i], &QLineEdit::textChanged, this, [this, i] { StoreArgument(i); });
    }
    const FormKit::Picker colour =
        FormKit::PickerRow(rows, JsStatement::ArgCount, 0, QStringLiteral("ColorCom"), QStringLiteral("设置颜色"));
    ColorCom = colour.Button;
    ColorValue = colour.Value;
    ColorCom->hide();
    ColorValue->hide();
    connect(ColorCom, &QPushButton::clicked, this, &ScriptCallDialog::PickArgumentColour);

    WindowFrame = new QGroupBox(QStringLiteral("窗口外观"), this);
    WindowFrame->setObjectName(QStringLiteral("OPenFrame"));
    auto* panel = new QGridLayout(WindowFrame);
    const char* captions[WindowFeatures::FeatureCount] = {"工具栏", "地址栏", "目录按钮", "状态栏",
                                                          "菜单栏", "滚动条", "缩放",     "全屏"};
    for (int i = 0; i < WindowFeatures::FeatureCount; ++i) {
        OpenCheck[i] = FormKit::Check(WindowFrame, FormKit::Indexed(QStringLiteral("OpenCheck"), i),
                                      QString::fromUtf8(captions[i]));
        panel->addWidget(OpenCheck[i], i / 4, i % 4);
        connect(OpenCheck[i], &QCheckBox::clicked, this, [this, i] { TickFeature(i); });
    }
    // Each label names the feature its box writes: width, height, left, top.
    const char* sizeLabels[WindowFeatures::SizeCount] = {"窗口宽度", "窗口高度", "水平坐标", "垂直坐标"};
    auto* sizes = new QGridLayout;
    for (int i = 0; i < WindowFeatures::SizeCount; ++i) {
        auto* box = new QLineEdit(WindowFrame);
        box->setObjectName(FormKit::Indexed(QStringLiteral("WinText"), i));
        auto* label = new QLabel(QString::fromUtf8(sizeLabels[i]), WindowFrame);
        label->setObjectName(FormKit::Indexed(QStringLiteral("WinLabel"), i));
        label->setBuddy(box);
        sizes->addWidget(label, i / 2, (i % 2) * 2);
        sizes->addWidget(box, i / 2, (i % 2) * 2 + 1);
        WinText[i] = box;
        WinLabel[i] = label;
        connect(box, &QLineEdit::textChanged, this, [this, i] { StoreWindowSize(i); });
    }
    panel->addLayout(sizes, 2, 0, 1, 4);
    WindowFrame->hide();

    const DialogButtons buttons =
        DialogButtons::Make(this, QStringLiteral("OkCommand"), QStringLiteral("CancelCommand"));
    OkCommand = buttons.Ok;
    CancelCommand = buttons.Cancel;
    buttons.CloseOnClick(this);

    auto* main = new QVBoxLayout(this);
    main->setSizeConstraint(QLayout::SetFixedSize);
    main->addWidget(ArgumentFrame);
    main->addWidget(WindowFrame);
    main->addLayout(buttons.Row);
}

void ScriptCallDialog::Load()
{
    window_ = WindowFeatures();
    statement_ = JsStatement::FromEntry(Context().Db.Entry(Context().Db.Section(QStringLiteral("javas")), callIndex_));
    ArgumentFrame->setTitle(statement_.Title);

    for (int i = 0; i < JsStatement::ArgCount; ++i) {
        const bool shown = statement_.RowShown(i);
        JsLabel[i]->setVisible(shown);
        JsText[i]->setVisible(shown);
        JsLabel[i]->setText(statement_.HasCaption.at(i) ? statement_.Captions.at(i)
                                                        : QStringLiteral("参数%1").arg(i + 1));
        JsText[i]->clear();
        values_[i].clear();
    }

    switch (statement_.Layout) {
    case JsStatement::ColourButton:
        for (int i = 0; i < JsStatement::ArgCount; ++i) {
            JsLabel[i]->hide();
            JsText[i]->hide();
        }
        ColorCom->show();
        ColorValue->show();
        ColorCom->setToolTip(statement_.Title);
        break;
    case JsStatement::WindowPanel:
        JsLabel[WindowRow]->hide();
        JsText[WindowRow]->hide();
        WindowFrame->show();
        OpenCheck[WindowFeatures::Directories]->setChecked(true);
        TickFeature(WindowFeatures::Directories);
        break;
    default:
        break;
    }

    // Tab walks the rows shown, the colour button, the panel, then the buttons.
    QList<QWidget*> order;
    for (QLineEdit* box : JsText)
        order.append(box);
    order << ColorCom;
    for (QCheckBox* check : OpenCheck)
        order.append(check);
    for (QLineEdit* box : WinText)
        order.append(box);
    order << OkCommand << CancelCommand;
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    for (QWidget* w : std::as_const(order)) {
        if (w->isVisibleTo(this) && w->isEnabled()) {
            w->setFocus();
            break;
        }
    }
}

std::optional<QStringList> ScriptCallDialog::Run()
{
    return RunFor([this] { return values_; });
}

void ScriptCallDialog::StoreArgument(int i)
{
    values_[i] = JsText[i]->text();
}

void ScriptCallDialog::PickArgumentColour()
{
    QString colour = JsText[0]->text();
    PickColor(Context().Db, colour, this);
    JsText[0]->setText(colour);
    FormKit::ShowValue(ColorValue, colour, FormKit::Shown::Colour);
}

void ScriptCallDialog::TickFeature(int i)
{
    window_.SetTicked(i, OpenCheck[i]->isChecked());
    settingSizes_ = true;
    for (int k = 0; k < WindowFeatures::SizeCount; ++k) {
        if (WinText[k]->text() != window_.Sizes[k])
            WinText[k]->setText(window_.Sizes[k]);
        SetBoxEnabled(WinText[k], window_.SizesEnabled());
    }
    settingSizes_ = false;
    Compose();
}

void ScriptCallDialog::StoreWindowSize(int i)
{
    window_.SetSize(i, WinText[i]->text());
    if (!settingSizes_)
        Compose();
}

void ScriptCallDialog::Compose()
{
    JsText[WindowRow]->setText(window_.Row());
}
