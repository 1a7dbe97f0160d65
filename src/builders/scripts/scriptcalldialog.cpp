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

ScriptCallDialog::ScriptCallDialog(const BuilderContext& context, QWidget* parent) : BuilderDialog(context, parent)
{
    setObjectName(QStringLiteral("JsForm"));
    setWindowTitle(QStringLiteral("属性设置"));
    for (int i = 0; i < JsStatement::ArgCount; ++i)
        JsValues.append(QString());

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* rows = new QGridLayout(Frame1);
    for (int i = 0; i < JsStatement::ArgCount; ++i) {
        JsText[i] =
            FormKit::TextRow(rows, i, QString(), FormKit::Indexed(QStringLiteral("JsText"), i), QString(), &JsLabel[i]);
        JsLabel[i]->setObjectName(FormKit::Indexed(QStringLiteral("JsLabel"), i));
        JsText[i]->setMinimumWidth(280);
        connect(JsText[i], &QLineEdit::textChanged, this, [this, i] { JsText_Change(i); });
    }
    const FormKit::Picker colour =
        FormKit::PickerRow(rows, JsStatement::ArgCount, 0, QStringLiteral("ColorCom"), QStringLiteral("设置颜色"));
    ColorCom = colour.Button;
    ColorValue = colour.Value;
    ColorCom->hide();
    ColorValue->hide();
    connect(ColorCom, &QPushButton::clicked, this, &ScriptCallDialog::ColorCom_Click);

    OPenFrame = new QGroupBox(QStringLiteral("窗口外观"), this);
    OPenFrame->setObjectName(QStringLiteral("OPenFrame"));
    auto* panel = new QGridLayout(OPenFrame);
    const char* captions[WindowFeatures::FeatureCount] = {"工具栏", "地址栏", "目录按扭", "状态栏",
                                                          "菜单栏", "滚动条", "缩放",     "全屏"};
    for (int i = 0; i < WindowFeatures::FeatureCount; ++i) {
        OpenCheck[i] =
            FormKit::Check(OPenFrame, FormKit::Indexed(QStringLiteral("OpenCheck"), i), QString::fromUtf8(captions[i]));
        panel->addWidget(OpenCheck[i], i / 4, i % 4);
        connect(OpenCheck[i], &QCheckBox::clicked, this, [this, i] { OpenCheck_Click(i); });
    }
    // Each label names the feature its box writes: width, height, left, top.
    const char* sizeLabels[WindowFeatures::SizeCount] = {"窗口宽度", "窗口高度", "水平坐标", "垂直坐标"};
    auto* sizes = new QGridLayout;
    for (int i = 0; i < WindowFeatures::SizeCount; ++i) {
        auto* box = new QLineEdit(OPenFrame);
        box->setObjectName(FormKit::Indexed(QStringLiteral("WinText"), i));
        auto* label = new QLabel(QString::fromUtf8(sizeLabels[i]), OPenFrame);
        label->setObjectName(FormKit::Indexed(QStringLiteral("WinLabel"), i));
        label->setBuddy(box);
        sizes->addWidget(label, i / 2, (i % 2) * 2);
        sizes->addWidget(box, i / 2, (i % 2) * 2 + 1);
        WinText[i] = box;
        WinLabel[i] = label;
        connect(box, &QLineEdit::textChanged, this, [this, i] { WinText_Change(i); });
    }
    panel->addLayout(sizes, 2, 0, 1, 4);
    OPenFrame->hide();

    const DialogButtons buttons =
        DialogButtons::Make(this, QStringLiteral("OkCommand"), QStringLiteral("CancelCommand"),
                            QStringLiteral("&S  确定"), QStringLiteral("&C  取消"));
    OkCommand = buttons.Ok;
    CancelCommand = buttons.Cancel;
    connect(OkCommand, &QPushButton::clicked, this, &ScriptCallDialog::OkCommand_Click);
    connect(CancelCommand, &QPushButton::clicked, this, &QDialog::reject);

    auto* main = new QVBoxLayout(this);
    main->setSizeConstraint(QLayout::SetFixedSize);
    main->addWidget(Frame1);
    main->addWidget(OPenFrame);
    main->addLayout(buttons.Row);
}

void ScriptCallDialog::Load()
{
    Yn = false;
    Window = WindowFeatures();
    Statement = JsStatement::FromEntry(Context().Db.Entry(Context().Db.Section(QStringLiteral("javas")), RsIndex));
    Frame1->setTitle(Statement.Title);

    for (int i = 0; i < JsStatement::ArgCount; ++i) {
        const bool shown = Statement.RowShown(i);
        JsLabel[i]->setVisible(shown);
        JsText[i]->setVisible(shown);
        JsLabel[i]->setText(Statement.HasCaption.at(i) ? Statement.Captions.at(i)
                                                       : QStringLiteral("参数%1").arg(i + 1));
        JsText[i]->clear();
        JsValues[i].clear();
    }

    switch (Statement.Layout) {
    case JsStatement::ColourButton:
        for (int i = 0; i < JsStatement::ArgCount; ++i) {
            JsLabel[i]->hide();
            JsText[i]->hide();
        }
        ColorCom->show();
        ColorValue->show();
        ColorCom->setToolTip(Statement.Title);
        break;
    case JsStatement::WindowPanel:
        JsLabel[WindowRow]->hide();
        JsText[WindowRow]->hide();
        OPenFrame->show();
        OpenCheck[WindowFeatures::Directories]->setChecked(true);
        OpenCheck_Click(WindowFeatures::Directories);
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

void ScriptCallDialog::GetV(QStringList& values) const
{
    while (values.size() < JsStatement::ArgCount)
        values.append(QString());
    for (int i = 0; i < JsStatement::ArgCount; ++i)
        values[i] = Yn ? JsValues.at(i) : QString();
}

void ScriptCallDialog::JsText_Change(int i)
{
    JsValues[i] = JsText[i]->text();
}

void ScriptCallDialog::ColorCom_Click()
{
    QString colour = JsText[0]->text();
    PickColor(Context().Db, colour, this);
    JsText[0]->setText(colour);
    FormKit::ShowValue(ColorValue, colour, FormKit::Shown::Colour);
}

void ScriptCallDialog::OpenCheck_Click(int i)
{
    Window.SetTicked(i, OpenCheck[i]->isChecked());
    settingSizes_ = true;
    for (int k = 0; k < WindowFeatures::SizeCount; ++k) {
        if (WinText[k]->text() != Window.Sizes[k])
            WinText[k]->setText(Window.Sizes[k]);
        SetBoxEnabled(WinText[k], Window.SizesEnabled());
    }
    settingSizes_ = false;
    Compose();
}

void ScriptCallDialog::WinText_Change(int i)
{
    Window.SetSize(i, WinText[i]->text());
    if (!settingSizes_)
        Compose();
}

void ScriptCallDialog::Compose()
{
    JsText[WindowRow]->setText(Window.Row());
}

void ScriptCallDialog::OkCommand_Click()
{
    Yn = true;
    accept();
}
