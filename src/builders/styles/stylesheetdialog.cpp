#include "builders/styles/stylesheetdialog.h"

#include "base/dialogbuttons.h"
#include "base/formkit.h"
#include "base/messages.h"
#include "base/uihelpers.h"
#include "builders/styles/styledialog.h"
#include "tagdb/tagdb.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

const QString StyleSheetDialog::NoStyleSet = QStringLiteral(
    "还没有为任何选择符设置样式,所以不会插入任何内容。\n请在右边选中一个选择符,按“设置样式”设置它的样式。");

namespace {
// The link element's place in the element list: its states are offered only while it is chosen.
constexpr int LinkRow = 1;
} // namespace

StyleSheetDialog::StyleSheetDialog(const BuilderContext& context, QWidget* parent) : BuilderDialog(context, parent)
{
    setObjectName(QStringLiteral("MakeCssForm"));
    setWindowTitle(QStringLiteral("设置样式表"));
    // Enter in the name box adds the selector; it never closes the dialog.
    KeepOpenOnEnter();

    ElementList = new QListWidget(this);
    ElementList->setObjectName(QStringLiteral("List1"));
    ElementList->setMinimumSize(200, 260);
    auto* elementsLabel = new QLabel(QStringLiteral("选择HTML元素"), this);
    elementsLabel->setBuddy(ElementList);
    connect(ElementList, &QListWidget::itemSelectionChanged, this, &StyleSheetDialog::ShowElementChoice);

    AllElementsCheck = FormKit::Check(this, QStringLiteral("Check1"), QStringLiteral("所有元素"));
    connect(AllElementsCheck, &QCheckBox::toggled, this, &StyleSheetDialog::ToggleAllElements);

    auto* nameGrid = new QGridLayout;
    NameText = FormKit::TextRow(nameGrid, 0, QStringLiteral("名称"), QStringLiteral("NameText"));
    AddCom = FormKit::Button(this, QStringLiteral("AddCom"), QStringLiteral("添加"));
    nameGrid->addWidget(AddCom, 0, 2);
    connect(AddCom, &QPushButton::clicked, this, &StyleSheetDialog::AddSelector);
    connect(NameText, &QLineEdit::returnPressed, this, &StyleSheetDialog::AddSelector);

    LinkStateFrame = new QFrame(this);
    LinkStateFrame->setObjectName(QStringLiteral("Frame1"));
    LinkStateLabel = new QLabel(QStringLiteral("超链接状态"), LinkStateFrame);
    LinkStateLabel->setObjectName(QStringLiteral("Label3"));
    LinkStateList = new QListWidget(LinkStateFrame);
    LinkStateList->setObjectName(QStringLiteral("List3"));
    LinkStateLabel->setBuddy(LinkStateList);
    auto* frameLayout = new QVBoxLayout(LinkStateFrame);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    frameLayout->addWidget(LinkStateLabel);
    frameLayout->addWidget(LinkStateList);
    connect(LinkStateList, &QListWidget::itemSelectionChanged, this, &StyleSheetDialog::ChooseLinkState);

    SelectorList = new QListWidget(this);
    SelectorList->setObjectName(QStringLiteral("List2"));
    auto* selectorsLabel = new QLabel(QStringLiteral("选择符"), this);
    selectorsLabel->setBuddy(SelectorList);
    StyleCommand = FormKit::Button(this, QStringLiteral("StyleCommand"), QStringLiteral("设置样式"));
    connect(StyleCommand, &QPushButton::clicked, this, &StyleSheetDialog::EditSelectorStyle);
    connect(SelectorList, &QListWidget::itemSelectionChanged, this,
            [this] { StyleCommand->setEnabled(!SelectorList->selectedItems().isEmpty()); });
    connect(SelectorList, &QListWidget::itemDoubleClicked, this, [this] {
        if (StyleCommand->isEnabled())
            StyleCommand->click();
    });

    auto* left = new QVBoxLayout;
    left->addWidget(elementsLabel);
    left->addWidget(ElementList, 1);
    left->addWidget(AllElementsCheck);
    auto* middle = new QVBoxLayout;
    middle->addLayout(nameGrid);
    middle->addWidget(LinkStateFrame, 1);
    middle->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(selectorsLabel);
    right->addWidget(SelectorList, 1);
    right->addWidget(StyleCommand);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 3);
    body->addLayout(middle, 3);
    body->addLayout(right, 3);

    const DialogButtons buttons =
        DialogButtons::Make(this, QStringLiteral("OkCommand"), QStringLiteral("CancelCommand"));
    OkCommand = buttons.Ok;
    CancelCommand = buttons.Cancel;
    connect(OkCommand, &QPushButton::clicked, this, &StyleSheetDialog::AcceptRules);
    connect(CancelCommand, &QPushButton::clicked, this, &QDialog::reject);

    auto* main = new QVBoxLayout(this);
    main->addLayout(body, 1);
    main->addLayout(buttons.Row);

    setTabOrder(ElementList, AllElementsCheck);
    setTabOrder(AllElementsCheck, NameText);
    setTabOrder(NameText, AddCom);
    setTabOrder(AddCom, LinkStateList);
    setTabOrder(LinkStateList, SelectorList);
    setTabOrder(SelectorList, StyleCommand);
    setTabOrder(StyleCommand, OkCommand);
    setTabOrder(OkCommand, CancelCommand);
    ElementList->setFocus();
    resize(720, 420);
}

void StyleSheetDialog::Load()
{
    sheet_ = StyleSheet();
    const TagDb& db = Context().Db;
    elementNode_ = db.Section(QStringLiteral("html1"));
    linkNode_ = db.Section(QStringLiteral("link"));
    {
        const QSignalBlocker block(ElementList);
        ElementList->clear();
        const QStringList titles = db.FieldTexts(elementNode_, QStringLiteral("title"));
        const QStringList starts = db.FieldTexts(elementNode_, QStringLiteral("start"));
        for (int i = 0; i < titles.size(); ++i)
            FormKit::TagItem(ElementList, starts.value(i), titles.at(i), i);
    }
    StyleCommand->setEnabled(false);
    {
        const QSignalBlocker block(LinkStateList);
        LinkStateList->clear();
        LinkStateList->addItems(db.FieldTexts(linkNode_, QStringLiteral("txt")));
    }
    LinkStateFrame->setVisible(false);
}

void StyleSheetDialog::ShowElementChoice()
{
    if (ElementList->currentRow() == LinkRow && !ElementList->selectedItems().isEmpty()) {
        LinkStateFrame->setVisible(true);
    } else {
        LinkStateFrame->setVisible(false);
        sheet_.ClassSep = QStringLiteral(".");
    }
    SetBoxEnabled(NameText, true);
}

void StyleSheetDialog::ChooseLinkState()
{
    const QList<QListWidgetItem*> chosen = LinkStateList->selectedItems();
    if (chosen.isEmpty()) {
        SetBoxEnabled(NameText, true);
        return;
    }
    const QDomElement state = Context().Db.Entry(linkNode_, LinkStateList->row(chosen.first()));
    NameText->setText(TagDb::Field(state, QStringLiteral("name")));
    SetBoxEnabled(NameText, false);
    sheet_.ClassSep = QStringLiteral(":");
}

void StyleSheetDialog::ToggleAllElements(bool ticked)
{
    if (ticked) {
        LinkStateFrame->setVisible(false);
        SetBoxEnabled(NameText, true);
        NameText->clear();
        ElementList->setEnabled(false);
    } else {
        ElementList->setEnabled(true);
    }
}

void StyleSheetDialog::AddSelector()
{
    QString start;
    if (!AllElementsCheck->isChecked() && !ElementList->selectedItems().isEmpty())
        start = TagDb::Field(Context().Db.Entry(elementNode_, ElementList->currentRow()), QStringLiteral("start"));
    if (AllElementsCheck->isChecked())
        sheet_.ClassSep = QStringLiteral(".");
    const QString selector =
        StyleSheet::Selector(start, AllElementsCheck->isChecked(), sheet_.ClassSep, NameText->text());
    int index = -1;
    switch (sheet_.Add(selector, index)) {
    case StyleSheet::Added:
        SelectorList->addItem(selector);
        break;
    case StyleSheet::Duplicate:
        SelectorList->setCurrentRow(index);
        break;
    case StyleSheet::TooMany:
        Messages::Show(this, QStringLiteral("太多了,别添了!!"));
        break;
    case StyleSheet::Nothing:
        break;
    }
    NameText->clear();
}

void StyleSheetDialog::EditSelectorStyle()
{
    const QList<QListWidgetItem*> chosen = SelectorList->selectedItems();
    if (chosen.isEmpty())
        return;
    const int i = SelectorList->row(chosen.first());
    const QString style = sheet_.SheetStyles.value(i);
    StyleDialog css(Context(), {style}, this);
    // After Cancel the style stays, lower-cased as the style dialog reads it.
    sheet_.SetStyle(i, css.Run().value_or(CssDeclarations::LowerStyle(style)));
}

void StyleSheetDialog::AcceptRules()
{
    // Selectors without a style make no rule: rather than insert nothing unasked, say so and let the user set them.
    if (!sheet_.Selectors.isEmpty() && sheet_.CssTxt().isEmpty()) {
        Messages::Show(this, NoStyleSet);
        return;
    }
    accept();
}
