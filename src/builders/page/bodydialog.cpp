#include "builders/page/bodydialog.h"

#include "base/dialogbuttons.h"
#include "base/formkit.h"
#include "base/uihelpers.h"
#include "builders/elements/eventdialog.h"
#include "builders/elements/eventsettings.h"
#include "builders/styles/colordialog.h"
#include "builders/styles/styledialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
// The kind of element whose events the body offers (with the events every element has).
constexpr int BodyEvents = 5;
} // namespace

BodyDialog::BodyDialog(const BuilderContext& context, const AttributeList& attrs, QWidget* parent)
    : BuilderDialog(context, parent), attrs_(attrs)
{
    setObjectName(QStringLiteral("BodYForm"));
    setWindowTitle(QStringLiteral("设置主体"));

    auto* fields = new QWidget(this);
    auto* grid = new QGridLayout(fields);
    grid->setContentsMargins(0, 0, 0, 0);
    BodyText = FormKit::TextRow(grid, 0, QStringLiteral("背景图像"), QStringLiteral("BodyText"));
    BodyText->setMinimumWidth(260);
    ImgCommand = FormKit::Button(fields, QStringLiteral("ImgCommand"), QStringLiteral("浏览"));
    grid->addWidget(ImgCommand, 0, 2);
    connect(ImgCommand, &QPushButton::clicked, this,
            [this] { PickFileUrl(BodyText, Context().ImageFilter, this, Context().PageFolder); });

    const FormKit::Picker fg = FormKit::PickerRow(grid, 1, 0, QStringLiteral("FgCommand"), QStringLiteral("前景颜色"));
    FgCommand = fg.Button;
    FgValue = fg.Value;
    const FormKit::Picker bg = FormKit::PickerRow(grid, 2, 0, QStringLiteral("BgCommand"), QStringLiteral("背景颜色"));
    BgCommand = bg.Button;
    BgValue = bg.Value;
    connect(FgCommand, &QPushButton::clicked, this, [this] {
        PickColor(Context().Db, body_.BodyTextColor, this);
        ShowValues();
    });
    connect(BgCommand, &QPushButton::clicked, this, [this] {
        PickColor(Context().Db, body_.BodyBgColor, this);
        ShowValues();
    });

    const FormKit::Options scroll =
        FormKit::OptionGroup(this, QStringLiteral("滚动条"), QStringLiteral("ScrollOption"),
                             {QStringLiteral("一直显示"), QStringLiteral("隐藏"), QStringLiteral("自动")});
    ScrollFrame = scroll.Box;
    ScrollFrame->setObjectName(QStringLiteral("ScrollFrame"));
    scrollGroup_ = scroll.Group;
    for (int i = 0; i < 3; ++i)
        ScrollOption[i] = scroll.Buttons.at(i);
    connect(scrollGroup_, &QButtonGroup::idClicked, this,
            [this](int i) { body_.BodyScroll = BodyTag::ScrollValue(i); });

    EventCommand = FormKit::Button(this, QStringLiteral("ECommand"), QStringLiteral("设置事件(&E)"));
    connect(EventCommand, &QPushButton::clicked, this, &BodyDialog::EditEvents);
    const FormKit::Picker style =
        FormKit::PickerRow(grid, 3, 0, QStringLiteral("StyleCommand"), QStringLiteral("设置样式(&Y)"));
    StyleCommand = style.Button;
    StyleValue = style.Value;
    StyleValue->setWordWrap(true);
    connect(StyleCommand, &QPushButton::clicked, this, &BodyDialog::EditStyle);
    grid->addWidget(EventCommand, 4, 0);
    grid->setColumnStretch(1, 1);

    const DialogButtons buttons = DialogButtons::Make(this, QStringLiteral("OkCommand"), QStringLiteral("CanCommand"));
    OkCommand = buttons.Ok;
    CanCommand = buttons.Cancel;
    connect(OkCommand, &QPushButton::clicked, this, &BodyDialog::Accept);
    connect(CanCommand, &QPushButton::clicked, this, &QDialog::reject);

    auto* main = new QVBoxLayout(this);
    main->addWidget(fields);
    main->addWidget(ScrollFrame);
    main->addStretch();
    main->addLayout(buttons.Row);

    setTabOrder(BodyText, ImgCommand);
    setTabOrder(ImgCommand, FgCommand);
    setTabOrder(FgCommand, BgCommand);
    setTabOrder(BgCommand, StyleCommand);
    setTabOrder(StyleCommand, EventCommand);
    setTabOrder(EventCommand, ScrollOption[0]);
    setTabOrder(ScrollOption[0], OkCommand);
    setTabOrder(OkCommand, CanCommand);
    BodyText->setFocus();
    resize(480, 320);
}

void BodyDialog::Load()
{
    bodyTag_.clear();
    EventSettings events;
    events.Id = BodyEvents;
    events.Fill(Context().Db);
    body_.Load(attrs_, events.EventNames);
    BodyText->setText(body_.Background);
    const int scroll = BodyTag::ScrollIndex(body_.BodyScroll);
    if (scroll >= 0)
        ScrollOption[scroll]->setChecked(true);
    ShowValues();
}

void BodyDialog::ShowValues()
{
    FormKit::ShowValue(FgValue, body_.BodyTextColor, FormKit::Shown::Colour);
    FormKit::ShowValue(BgValue, body_.BodyBgColor, FormKit::Shown::Colour);
    FormKit::ShowValue(StyleValue, body_.BodyStyle);
}

void BodyDialog::EditEvents()
{
    EventDialog::Edit(Context(), BodyEvents, body_.EventNames, body_.EventCodes, this);
}

void BodyDialog::EditStyle()
{
    StyleDialog css(Context(), {body_.BodyStyle}, this);
    // After Cancel the style stays, lower-cased as the style dialog reads it.
    body_.BodyStyle = css.Run().value_or(CssDeclarations::LowerStyle(body_.BodyStyle));
    ShowValues();
}

void BodyDialog::Accept()
{
    body_.Background = BodyText->text();
    bodyTag_ = body_.BodyStr();
    accept();
}
