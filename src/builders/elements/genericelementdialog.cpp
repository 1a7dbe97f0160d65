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

GenericElementDialog::GenericElementDialog(const BuilderContext& context, QWidget* parent)
    : BuilderDialog(context, parent)
{
    setObjectName(QStringLiteral("HSetForm"));
    setWindowTitle(QStringLiteral("添加元素"));

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont titleFont = Label2->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    titleFont.setBold(true);
    Label2->setFont(titleFont);

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setTabChangesFocus(true);
    Text1->setMinimumSize(420, 160);
    auto* contentLabel = new QLabel(QStringLiteral("标记之间的内容"), this);
    contentLabel->setBuddy(Text1);
    Check1 = FormKit::Check(this, QStringLiteral("Check1"), QStringLiteral("Html格式"),
                            QStringLiteral("内容是HTML标记,按输入的原样插入"));

    StyleCommand = FormKit::Button(this, QStringLiteral("StyleCommand"), QStringLiteral("&Y 设置样式"));
    ECommand = FormKit::Button(this, QStringLiteral("ECommand"), QStringLiteral("&E 设置事件"));
    connect(StyleCommand, &QPushButton::clicked, this, &GenericElementDialog::StyleCommand_Click);
    connect(ECommand, &QPushButton::clicked, this, &GenericElementDialog::ECommand_Click);

    const DialogButtons buttons =
        DialogButtons::Make(this, QStringLiteral("OkCommand"), QStringLiteral("CancelCommand"),
                            QStringLiteral("&S 确定"), QStringLiteral("&Q 取消"));
    OkCommand = buttons.Ok;
    CancelCommand = buttons.Cancel;
    buttons.Row->insertWidget(0, StyleCommand);
    buttons.Row->insertWidget(1, ECommand);
    buttons.Row->insertStretch(2, 1);
    connect(OkCommand, &QPushButton::clicked, this, &GenericElementDialog::OkCommand_Click);
    connect(CancelCommand, &QPushButton::clicked, this, &QDialog::reject);

    auto* main = new QVBoxLayout(this);
    main->addWidget(Label2);
    main->addWidget(contentLabel);
    main->addWidget(Text1, 1);
    main->addWidget(Check1);
    main->addLayout(buttons.Row);

    setTabOrder(Text1, Check1);
    setTabOrder(Check1, StyleCommand);
    setTabOrder(StyleCommand, ECommand);
    setTabOrder(ECommand, OkCommand);
    setTabOrder(OkCommand, CancelCommand);
}

void GenericElementDialog::Load()
{
    HtmlTxt.clear();
    Element = GenericElement::FromIndex(Context().Db, MyIndex);
    Label2->setText(Element.Title);
    SetBoxEnabled(Text1, Element.HasContent());
    (Element.HasContent() ? static_cast<QWidget*>(Text1) : Check1)->setFocus();
}

void GenericElementDialog::StyleCommand_Click()
{
    StyleDialog css(Context(), {Element.StyleStr}, this);
    // Only OK brings a new style: a cancelled builder leaves the element's style as it was.
    if (const std::optional<QString> style = css.Run())
        Element.StyleStr = *style;
}

void GenericElementDialog::ECommand_Click()
{
    EventDialog::Edit(Context(), Element.Lx, Element.EventNames, Element.EventCodes, this);
}

void GenericElementDialog::OkCommand_Click()
{
    QString content = Text1->toPlainText();
    content.replace(QLatin1Char('\n'), CrLf);
    Element.Content = content;
    Element.HtmlFormat = Check1->isChecked();
    HtmlTxt = Element.Markup();
    accept();
}
