#include "builders/elements/genericelementdialog.h"

#include "base/dialogbuttons.h"
#include "base/formkit.h"
#include "base/helpers.h"
#include "base/uihelpers.h"
#include "builders/elements/eventdialog.h"
#include "builders/styles/styledialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

GenericElementDialog::GenericElementDialog(const BuilderContext& context, int elementIndex, QWidget* parent)
    : BuilderDialog(context, parent), elementIndex_(elementIndex)
{
    setObjectName(QStringLiteral("HSetForm"));
    setWindowTitle(QStringLiteral("添加元素"));

    TitleLabel = new QLabel(this);
    TitleLabel->setObjectName(QStringLiteral("Label2"));
    QFont titleFont = TitleLabel->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    titleFont.setBold(true);
    TitleLabel->setFont(titleFont);

    ContentText = new QPlainTextEdit(this);
    ContentText->setObjectName(QStringLiteral("Text1"));
    ContentText->setTabChangesFocus(true);
    ContentText->setMinimumSize(420, 160);
    auto* contentLabel = new QLabel(QStringLiteral("标记之间的内容"), this);
    contentLabel->setBuddy(ContentText);
    HtmlCheck = FormKit::Check(this, QStringLiteral("Check1"), QStringLiteral("HTML格式"),
                               QStringLiteral("内容是HTML标记,按输入的原样插入"));

    StyleCommand = FormKit::Button(this, QStringLiteral("StyleCommand"), QStringLiteral("设置样式(&Y)"));
    EventCommand = FormKit::Button(this, QStringLiteral("ECommand"), QStringLiteral("设置事件(&E)"));
    connect(StyleCommand, &QPushButton::clicked, this, &GenericElementDialog::EditStyle);
    connect(EventCommand, &QPushButton::clicked, this, &GenericElementDialog::EditEvents);

    const DialogButtons buttons =
        DialogButtons::Make(this, QStringLiteral("OkCommand"), QStringLiteral("CancelCommand"), {.cancelKey = u'Q'});
    OkCommand = buttons.Ok;
    CancelCommand = buttons.Cancel;
    buttons.Row->insertWidget(0, StyleCommand);
    buttons.Row->insertWidget(1, EventCommand);
    buttons.Row->insertStretch(2, 1);
    connect(OkCommand, &QPushButton::clicked, this, &GenericElementDialog::Accept);
    connect(CancelCommand, &QPushButton::clicked, this, &QDialog::reject);

    auto* main = new QVBoxLayout(this);
    main->addWidget(TitleLabel);
    main->addWidget(contentLabel);
    main->addWidget(ContentText, 1);
    main->addWidget(HtmlCheck);
    main->addLayout(buttons.Row);

    setTabOrder(ContentText, HtmlCheck);
    setTabOrder(HtmlCheck, StyleCommand);
    setTabOrder(StyleCommand, EventCommand);
    setTabOrder(EventCommand, OkCommand);
    setTabOrder(OkCommand, CancelCommand);
}

void GenericElementDialog::Load()
{
    element_ = GenericElement::FromIndex(Context().Db, elementIndex_);
    TitleLabel->setText(element_.Title);
    SetBoxEnabled(ContentText, element_.HasContent());
    (element_.HasContent() ? static_cast<QWidget*>(ContentText) : HtmlCheck)->setFocus();
}

void GenericElementDialog::EditStyle()
{
    StyleDialog css(Context(), {element_.StyleStr}, this);
    // Only OK brings a new style: a cancelled builder leaves the element's style as it was.
    if (const std::optional<QString> style = css.Run())
        element_.StyleStr = *style;
}

void GenericElementDialog::EditEvents()
{
    EventDialog::Edit(Context(), element_.Lx, element_.EventNames, element_.EventCodes, this);
}

void GenericElementDialog::Accept()
{
    QString content = ContentText->toPlainText();
    content.replace(QLatin1Char('\n'), CrLf);
    element_.Content = content;
    element_.HtmlFormat = HtmlCheck->isChecked();
    accept();
}
