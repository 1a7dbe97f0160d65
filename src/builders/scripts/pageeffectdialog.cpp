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
    setWindowTitle(QStringLiteral("JavaScript特效"));

    EffectList = new QListWidget(this);
    EffectList->setObjectName(QStringLiteral("List1"));
    EffectList->setMinimumWidth(220);
    auto* listLabel = new QLabel(QStringLiteral("选择特效"), this);
    listLabel->setBuddy(EffectList);
    CountLabel = new QLabel(this);
    CountLabel->setObjectName(QStringLiteral("CountLabel"));
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(new QLabel(QStringLiteral("特效总数"), this));
    countRow->addWidget(CountLabel);
    countRow->addStretch(1);
    auto* left = new QVBoxLayout;
    left->addWidget(listLabel);
    left->addWidget(EffectList, 1);
    left->addLayout(countRow);
    connect(EffectList, &QListWidget::itemSelectionChanged, this, &PageEffectDialog::ChooseEffect);

    HelpText = new QPlainTextEdit(this);
    HelpText->setObjectName(QStringLiteral("HelpText"));
    HelpText->setReadOnly(true);
    HelpText->setTabChangesFocus(true);
    HelpText->setMinimumHeight(90);
    auto* helpLabel = new QLabel(QStringLiteral("特效说明"), this);
    helpLabel->setBuddy(HelpText);

    ParamFrame = new QGroupBox(this);
    ParamFrame->setObjectName(QStringLiteral("TxFrame"));
    auto* rows = new QGridLayout(ParamFrame);
    for (int i = 0; i < PageEffect::ParamCount; ++i) {
        ParamLabel[i] = new QLabel(ParamFrame);
        ParamLabel[i]->setObjectName(FormKit::Indexed(QStringLiteral("TxLabel"), i));
        ParamCommand[i] =
            FormKit::Button(ParamFrame, FormKit::Indexed(QStringLiteral("TxCom"), i), QStringLiteral("None"));
        TxText[i] = new QLineEdit(ParamFrame);
        TxText[i]->setObjectName(FormKit::Indexed(QStringLiteral("TxText"), i));
        TxText[i]->setMinimumWidth(240);
        ParamLabel[i]->setBuddy(TxText[i]);
        ParamFontList[i] = FormKit::Combo(ParamFrame, FormKit::Indexed(QStringLiteral("FontList"), i), {});
        ParamFontList[i]->setMaxVisibleItems(15);
        rows->addWidget(ParamLabel[i], i, 0);
        rows->addWidget(ParamCommand[i], i, 0);
        rows->addWidget(TxText[i], i, 1);
        rows->addWidget(ParamFontList[i], i, 2);
        connect(ParamCommand[i], &QPushButton::clicked, this, [this, i] { PickParam(i); });
        connect(ParamFontList[i], &QComboBox::activated, this, [this, i] { TakeFont(i); });
    }
    rows->setColumnStretch(1, 1);
    NoSetLabel = new QLabel(QStringLiteral("不需要设置"), this);
    NoSetLabel->setObjectName(QStringLiteral("NoSetLabel"));
    NoSetLabel->setAlignment(Qt::AlignCenter);
    NoSetLabel->hide();

    auto* right = new QVBoxLayout;
    right->addWidget(helpLabel);
    right->addWidget(HelpText, 1);
    right->addWidget(ParamFrame);
    right->addWidget(NoSetLabel);

    auto* body = new QHBoxLayout;
    body->addLayout(left, 2);
    body->addLayout(right, 3);

    const DialogButtons buttons = DialogButtons::Make(this, QStringLiteral("Okcom"), QStringLiteral("Cancelcom"));
    OkCommand = buttons.Ok;
    CancelCommand = buttons.Cancel;
    connect(OkCommand, &QPushButton::clicked, this, &PageEffectDialog::Accept);
    connect(CancelCommand, &QPushButton::clicked, this, &PageEffectDialog::reject);

    auto* main = new QVBoxLayout(this);
    main->addLayout(body, 1);
    main->addLayout(buttons.Row);

    QList<QWidget*> order{EffectList, HelpText};
    for (int i = 0; i < PageEffect::ParamCount; ++i)
        order << ParamCommand[i] << TxText[i] << ParamFontList[i];
    order << OkCommand << CancelCommand;
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    EffectList->setFocus();
    resize(760, 520);
}

void PageEffectDialog::Load()
{
    outcome_.reset();
    names_ = QStringList(PageEffect::EventCount, QString());
    codes_ = names_;
    effect_ = PageEffect();
    const TagDb& db = Context().Db;
    const QDomElement section = db.Section(QStringLiteral("javas1"));
    const int count = db.EntryCount(section);
    EffectList->clear();
    for (int i = 0; i < count; ++i) {
        const QString name = TagDb::Field(db.Entry(section, i), QStringLiteral("txt"));
        auto* item = new QListWidgetItem(name, EffectList);
        item->setToolTip(name); // long names are cut off in the list
    }
    CountLabel->setText(QString::number(count));
    OkCommand->setEnabled(false);
    for (int i = 0; i < PageEffect::ParamCount; ++i)
        ShowParam(i);
    ParamFrame->hide();
    NoSetLabel->hide();
    EffectList->setFocus();
}

void PageEffectDialog::ShowParam(int i)
{
    // Every control of the row hidden and emptied; then the parameter's kind shows what it needs.
    ParamLabel[i]->hide();
    ParamCommand[i]->hide();
    TxText[i]->hide();
    ParamFontList[i]->hide();
    TxText[i]->clear();
    ParamCommand[i]->setText(QStringLiteral("None"));
    ParamFontList[i]->clear();
    const PageEffect::Param& p = effect_.Params[i];
    if (!p.Defined)
        return;
    TxText[i]->show();
    TxText[i]->setText(effect_.InitialValue(i, PageEffect::PictureDir(Context().ProgramDir)));
    TxText[i]->setCursorPosition(0);
    ParamCommand[i]->setIcon(QIcon());
    ParamCommand[i]->setToolTip(QString());
    if (p.Type == PageEffect::Colour)
        FormKit::ShowColour(ParamCommand[i], TxText[i]->text());
    switch (p.Type) {
    case PageEffect::Colour:
    case PageEffect::Picture:
        ParamCommand[i]->setText(p.Caption);
        ParamCommand[i]->show();
        SetBoxEnabled(TxText[i], false);
        break;
    case PageEffect::Text:
        ParamLabel[i]->setText(p.Caption);
        ParamLabel[i]->show();
        SetBoxEnabled(TxText[i], true);
        break;
    case PageEffect::FontSize:
    case PageEffect::Number: {
        ParamLabel[i]->setText(p.Caption);
        ParamLabel[i]->show();
        SetBoxEnabled(TxText[i], false);
        ParamFontList[i]->addItems(p.Type == PageEffect::FontSize ? PageEffect::FontSizes() : PageEffect::Numbers());
        ParamFontList[i]->setCurrentIndex(PageEffect::ListIndex(p.Type, p.Default));
        ParamFontList[i]->show();
        break;
    }
    case PageEffect::Fixed:
        break;
    }
}

void PageEffectDialog::ChooseEffect()
{
    const int row = EffectList->currentRow();
    if (row < 0 || EffectList->selectedItems().isEmpty())
        return;
    OkCommand->setEnabled(true);
    const TagDb& db = Context().Db;
    effect_ = PageEffect::FromEntry(db.Entry(db.Section(QStringLiteral("javas1")), row));
    const bool params = effect_.HasParameters();
    for (int i = 0; i < PageEffect::ParamCount; ++i) {
        if (!params)
            effect_.Params[i].Defined = false; // a single-blank v1: the definitions are not asked for
        ShowParam(i);
    }
    ParamFrame->setVisible(params);
    NoSetLabel->setVisible(!params);
    HelpText->setPlainText(effect_.Help);
    // A previous choice's handlers never stay behind.
    names_ = effect_.EventNames;
    codes_ = effect_.EventCodes;
}

void PageEffectDialog::PickParam(int i)
{
    const PageEffect::Param& p = effect_.Params[i];
    if (!p.Defined)
        return;
    if (p.Type == PageEffect::Colour) {
        QString colour = TxText[i]->text();
        PickColor(Context().Db, colour, this);
        TxText[i]->setText(colour);
        FormKit::ShowColour(ParamCommand[i], colour);
    } else if (p.Type == PageEffect::Picture) {
        PickFileUrl(TxText[i], Context().ImageFilter, this, Context().PageFolder,
                    PageEffect::PictureDir(Context().ProgramDir));
    }
}

void PageEffectDialog::TakeFont(int i)
{
    if (ParamFontList[i]->currentIndex() >= 0)
        TxText[i]->setText(ParamFontList[i]->currentText());
}

void PageEffectDialog::Accept()
{
    QStringList values;
    for (QLineEdit* box : TxText)
        values.append(box->text());
    BodyScript script;
    script.JavaTxt = effect_.Script(values);
    script.LoadTxt = effect_.LoadTxt();
    script.EventNames = names_;
    script.EventCodes = codes_;
    outcome_ = script;
    accept();
}

void PageEffectDialog::reject()
{
    outcome_.reset();
    BuilderDialog::reject();
}

std::optional<BodyScript> PageEffectDialog::Run()
{
    return Confirm() ? outcome_ : std::nullopt;
}
