#include "builders/scripts/pageeffectdialog.h"

#include "base/dialogbuttons.h"
#include "base/formkit.h"
#include "base/uihelpers.h"
#include "builders/styles/colordialog.h"
#include "tagdb/tagdb.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

PageEffectDialog::PageEffectDialog(const BuilderContext& context, QWidget* parent) : BuilderDialog(context, parent)
{
    setObjectName(QStringLiteral("JavaForm"));
    setWindowTitle(QStringLiteral("Javascript特效"));

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setMinimumWidth(220);
    auto* listLabel = new QLabel(QStringLiteral("选择特效"), this);
    listLabel->setBuddy(List1);
    CountLabel = new QLabel(this);
    CountLabel->setObjectName(QStringLiteral("CountLabel"));
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(new QLabel(QStringLiteral("特效总数"), this));
    countRow->addWidget(CountLabel);
    countRow->addStretch(1);
    auto* left = new QVBoxLayout;
    left->addWidget(listLabel);
    left->addWidget(List1, 1);
    left->addLayout(countRow);
    connect(List1, &QListWidget::itemSelectionChanged, this, &PageEffectDialog::List1_Click);

    HelpText = new QPlainTextEdit(this);
    HelpText->setObjectName(QStringLiteral("HelpText"));
    HelpText->setReadOnly(true);
    HelpText->setTabChangesFocus(true);
    HelpText->setMinimumHeight(90);
    auto* helpLabel = new QLabel(QStringLiteral("特效说明"), this);
    helpLabel->setBuddy(HelpText);

    TxFrame = new QGroupBox(this);
    TxFrame->setObjectName(QStringLiteral("TxFrame"));
    auto* rows = new QGridLayout(TxFrame);
    for (int i = 0; i < PageEffect::ParamCount; ++i) {
        TxLabel[i] = new QLabel(TxFrame);
        TxLabel[i]->setObjectName(FormKit::Indexed(QStringLiteral("TxLabel"), i));
        TxCom[i] = FormKit::Button(TxFrame, FormKit::Indexed(QStringLiteral("TxCom"), i), QStringLiteral("None"));
        TxText[i] = new QLineEdit(TxFrame);
        TxText[i]->setObjectName(FormKit::Indexed(QStringLiteral("TxText"), i));
        TxText[i]->setMinimumWidth(240);
        TxLabel[i]->setBuddy(TxText[i]);
        FontList[i] = FormKit::Combo(TxFrame, FormKit::Indexed(QStringLiteral("FontList"), i), {});
        FontList[i]->setMaxVisibleItems(15);
        rows->addWidget(TxLabel[i], i, 0);
        rows->addWidget(TxCom[i], i, 0);
        rows->addWidget(TxText[i], i, 1);
        rows->addWidget(FontList[i], i, 2);
        connect(TxCom[i], &QPushButton::clicked, this, [this, i] { TxCom_Click(i); });
        connect(FontList[i], &QComboBox::activated, this, [this, i] { FontList_Click(i); });
    }
    rows->setColumnStretch(1, 1);
    NoSetLabel = new QLabel(QStringLiteral("不需要设置"), this);
    NoSetLabel->setObjectName(QStringLiteral("NoSetLabel"));
    NoSetLabel->setAlignment(Qt::AlignCenter);
    NoSetLabel->hide();

    auto* right = new QVBoxLayout;
    right->addWidget(helpLabel);
    right->addWidget(HelpText, 1);
    right->addWidget(TxFrame);
    right->addWidget(NoSetLabel);

    auto* body = new QHBoxLayout;
    body->addLayout(left, 2);
    body->addLayout(right, 3);

    const DialogButtons buttons = DialogButtons::Make(this, QStringLiteral("Okcom"), QStringLiteral("Cancelcom"),
                                                      QStringLiteral("确定(&S)"), QStringLiteral("取消(&C)"));
    Okcom = buttons.Ok;
    Cancelcom = buttons.Cancel;
    connect(Okcom, &QPushButton::clicked, this, &PageEffectDialog::Okcom_Click);
    connect(Cancelcom, &QPushButton::clicked, this, &PageEffectDialog::reject);

    auto* main = new QVBoxLayout(this);
    main->addLayout(body, 1);
    main->addLayout(buttons.Row);

    QList<QWidget*> order{List1, HelpText};
    for (int i = 0; i < PageEffect::ParamCount; ++i)
        order << TxCom[i] << TxText[i] << FontList[i];
    order << Okcom << Cancelcom;
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    List1->setFocus();
    resize(760, 520);
}

void PageEffectDialog::Load()
{
    Yn = false;
    JavaTxt.clear();
    LoadTxt.clear();
    names_ = QStringList(PageEffect::EventCount, QString());
    codes_ = names_;
    effect_ = PageEffect();
    const TagDb& db = Context().Db;
    const QDomElement section = db.Section(QStringLiteral("javas1"));
    const int count = db.EntryCount(section);
    List1->clear();
    for (int i = 0; i < count; ++i) {
        const QString name = TagDb::Field(db.Entry(section, i), QStringLiteral("txt"));
        auto* item = new QListWidgetItem(name, List1);
        item->setToolTip(name); // long names are cut off in the list
    }
    CountLabel->setText(QString::number(count));
    Okcom->setEnabled(false);
    for (int i = 0; i < PageEffect::ParamCount; ++i)
        ShowParam(i);
    TxFrame->hide();
    NoSetLabel->hide();
    List1->setFocus();
}

void PageEffectDialog::ShowParam(int i)
{
    // Every control of the row hidden and emptied; then the parameter's kind shows what it needs.
    TxLabel[i]->hide();
    TxCom[i]->hide();
    TxText[i]->hide();
    FontList[i]->hide();
    TxText[i]->clear();
    TxCom[i]->setText(QStringLiteral("None"));
    FontList[i]->clear();
    const PageEffect::Param& p = effect_.Params[i];
    if (!p.Defined)
        return;
    TxText[i]->show();
    TxText[i]->setText(effect_.InitialValue(i, PageEffect::PictureDir(Context().ProgramDir)));
    TxText[i]->setCursorPosition(0);
    switch (p.Type) {
    case PageEffect::Colour:
    case PageEffect::Picture:
        TxCom[i]->setText(p.Caption);
        TxCom[i]->show();
        SetBoxEnabled(TxText[i], false);
        break;
    case PageEffect::Text:
        TxLabel[i]->setText(p.Caption);
        TxLabel[i]->show();
        SetBoxEnabled(TxText[i], true);
        break;
    case PageEffect::FontSize:
    case PageEffect::Number: {
        TxLabel[i]->setText(p.Caption);
        TxLabel[i]->show();
        SetBoxEnabled(TxText[i], false);
        FontList[i]->addItems(p.Type == PageEffect::FontSize ? PageEffect::FontSizes() : PageEffect::Numbers());
        FontList[i]->setCurrentIndex(PageEffect::ListIndex(p.Type, p.Default));
        FontList[i]->show();
        break;
    }
    case PageEffect::Fixed:
        break;
    }
}

void PageEffectDialog::List1_Click()
{
    const int row = List1->currentRow();
    if (row < 0 || List1->selectedItems().isEmpty())
        return;
    Okcom->setEnabled(true);
    const TagDb& db = Context().Db;
    effect_ = PageEffect::FromEntry(db.Entry(db.Section(QStringLiteral("javas1")), row));
    const bool params = effect_.HasParameters();
    for (int i = 0; i < PageEffect::ParamCount; ++i) {
        if (!params)
            effect_.Params[i].Defined = false; // a single-blank v1: the definitions are not asked for
        ShowParam(i);
    }
    TxFrame->setVisible(params);
    NoSetLabel->setVisible(!params);
    JavaTxt = effect_.Value;
    LoadTxt = effect_.LoadTxt();
    HelpText->setPlainText(effect_.Help);
    // A previous choice's handlers never stay behind.
    names_ = effect_.EventNames;
    codes_ = effect_.EventCodes;
}

void PageEffectDialog::TxCom_Click(int i)
{
    const PageEffect::Param& p = effect_.Params[i];
    if (!p.Defined)
        return;
    if (p.Type == PageEffect::Colour) {
        QString colour = TxText[i]->text();
        PickColor(Context().Db, colour, this);
        TxText[i]->setText(colour);
    } else if (p.Type == PageEffect::Picture) {
        PickFileUrl(TxText[i], Context().ImageFilter, this, PageEffect::PictureDir(Context().ProgramDir));
    }
}

void PageEffectDialog::FontList_Click(int i)
{
    if (FontList[i]->currentIndex() >= 0)
        TxText[i]->setText(FontList[i]->currentText());
}

void PageEffectDialog::Okcom_Click()
{
    QStringList values;
    for (QLineEdit* box : TxText)
        values.append(box->text());
    JavaTxt = effect_.Script(values);
    LoadTxt = effect_.LoadTxt();
    Yn = true;
    accept();
}

void PageEffectDialog::reject()
{
    JavaTxt.clear();
    LoadTxt.clear();
    BuilderDialog::reject();
}

void PageEffectDialog::SetEstr(QStringList& NameStr, QStringList& CodeStr) const
{
    NameStr = names_;
    CodeStr = codes_;
}
