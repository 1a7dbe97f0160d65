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

namespace {
// The link element's place in the element list: its states are offered only while it is chosen.
constexpr int LinkRow = 1;
} // namespace

StyleSheetDialog::StyleSheetDialog(const BuilderContext& context, QWidget* parent) : BuilderDialog(context, parent)
{
    setObjectName(QStringLiteral("MakeCssForm"));
    setWindowTitle(QStringLiteral("设置样式表"));

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setMinimumSize(200, 260);
    auto* elementsLabel = new QLabel(QStringLiteral("选择HMTL元素"), this);
    elementsLabel->setBuddy(List1);
    connect(List1, &QListWidget::itemSelectionChanged, this, &StyleSheetDialog::List1_Click);

    Check1 = FormKit::Check(this, QStringLiteral("Check1"), QStringLiteral("所有元素"));
    connect(Check1, &QCheckBox::toggled, this, &StyleSheetDialog::Check1_Click);

    auto* nameGrid = new QGridLayout;
    NameText = FormKit::TextRow(nameGrid, 0, QStringLiteral("名称"), QStringLiteral("NameText"));
    AddCom = FormKit::Button(this, QStringLiteral("AddCom"), QStringLiteral("添加"));
    nameGrid->addWidget(AddCom, 0, 2);
    connect(AddCom, &QPushButton::clicked, this, &StyleSheetDialog::AddCom_Click);
    connect(NameText, &QLineEdit::returnPressed, this, &StyleSheetDialog::AddCom_Click);

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Label3 = new QLabel(QStringLiteral("超链接状态"), Frame1);
    Label3->setObjectName(QStringLiteral("Label3"));
    List3 = new QListWidget(Frame1);
    List3->setObjectName(QStringLiteral("List3"));
    Label3->setBuddy(List3);
    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    frameLayout->addWidget(Label3);
    frameLayout->addWidget(List3);
    connect(List3, &QListWidget::itemSelectionChanged, this, &StyleSheetDialog::List3_Click);

    List2 = new QListWidget(this);
    List2->setObjectName(QStringLiteral("List2"));
    auto* selectorsLabel = new QLabel(QStringLiteral("选择符"), this);
    selectorsLabel->setBuddy(List2);
    StyleCommand = FormKit::Button(this, QStringLiteral("StyleCommand"), QStringLiteral("设置样式"));
    connect(StyleCommand, &QPushButton::clicked, this, &StyleSheetDialog::StyleCommand_Click);
    connect(List2, &QListWidget::itemSelectionChanged, this,
            [this] { StyleCommand->setEnabled(!List2->selectedItems().isEmpty()); });
    connect(List2, &QListWidget::itemDoubleClicked, this, [this] {
        if (StyleCommand->isEnabled())
            StyleCommand->click();
    });

    auto* left = new QVBoxLayout;
    left->addWidget(elementsLabel);
    left->addWidget(List1, 1);
    left->addWidget(Check1);
    auto* middle = new QVBoxLayout;
    middle->addLayout(nameGrid);
    middle->addWidget(Frame1, 1);
    middle->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(selectorsLabel);
    right->addWidget(List2, 1);
    right->addWidget(StyleCommand);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 3);
    body->addLayout(middle, 3);
    body->addLayout(right, 3);

    const DialogButtons buttons =
        DialogButtons::Make(this, QStringLiteral("OkCommand"), QStringLiteral("CancelCommand"));
    OkCommand = buttons.Ok;
    CancelCommand = buttons.Cancel;
    connect(OkCommand, &QPushButton::clicked, this, &StyleSheetDialog::OkCommand_Click);
    connect(CancelCommand, &QPushButton::clicked, this, &QDialog::reject);

    auto* main = new QVBoxLayout(this);
    main->addLayout(body, 1);
    main->addLayout(buttons.Row);

    setTabOrder(List1, Check1);
    setTabOrder(Check1, NameText);
    setTabOrder(NameText, AddCom);
    setTabOrder(AddCom, List3);
    setTabOrder(List3, List2);
    setTabOrder(List2, StyleCommand);
    setTabOrder(StyleCommand, OkCommand);
    setTabOrder(OkCommand, CancelCommand);
    List1->setFocus();
    resize(720, 420);
}

void StyleSheetDialog::Load()
{
    CssTxt.clear();
    Sheet = StyleSheet();
    const TagDb& db = Context().Db;
    ElementNode = db.Section(QStringLiteral("html1"));
    LinkNode = db.Section(QStringLiteral("link"));
    {
        const QSignalBlocker block(List1);
        List1->clear();
        for (const QString& title : db.FieldTexts(ElementNode, QStringLiteral("title"))) {
            auto* item = new QListWidgetItem(title, List1);
            item->setToolTip(title); // long titles are cut off by the list
        }
    }
    StyleCommand->setEnabled(false);
    {
        const QSignalBlocker block(List3);
        List3->clear();
        List3->addItems(db.FieldTexts(LinkNode, QStringLiteral("txt")));
    }
    Frame1->setVisible(false);
}

void StyleSheetDialog::List1_Click()
{
    if (List1->currentRow() == LinkRow && !List1->selectedItems().isEmpty()) {
        Frame1->setVisible(true);
    } else {
        Frame1->setVisible(false);
        Sheet.ClassSep = QStringLiteral(".");
    }
    SetBoxEnabled(NameText, true);
}

void StyleSheetDialog::List3_Click()
{
    const QList<QListWidgetItem*> chosen = List3->selectedItems();
    if (chosen.isEmpty()) {
        SetBoxEnabled(NameText, true);
        return;
    }
    const QDomElement state = Context().Db.Entry(LinkNode, List3->row(chosen.first()));
    NameText->setText(TagDb::Field(state, QStringLiteral("name")));
    SetBoxEnabled(NameText, false);
    Sheet.ClassSep = QStringLiteral(":");
}

void StyleSheetDialog::Check1_Click(bool ticked)
{
    if (ticked) {
        Frame1->setVisible(false);
        SetBoxEnabled(NameText, true);
        NameText->clear();
        List1->setEnabled(false);
    } else {
        List1->setEnabled(true);
    }
}

void StyleSheetDialog::AddCom_Click()
{
    QString start;
    if (!Check1->isChecked() && !List1->selectedItems().isEmpty())
        start = TagDb::Field(Context().Db.Entry(ElementNode, List1->currentRow()), QStringLiteral("start"));
    if (Check1->isChecked())
        Sheet.ClassSep = QStringLiteral(".");
    const QString selector = StyleSheet::Selector(start, Check1->isChecked(), Sheet.ClassSep, NameText->text());
    int index = -1;
    switch (Sheet.Add(selector, index)) {
    case StyleSheet::Added:
        List2->addItem(selector);
        break;
    case StyleSheet::Duplicate:
        List2->setCurrentRow(index);
        break;
    case StyleSheet::TooMany:
        Messages::Show(this, QStringLiteral("太多了,别添了!!"));
        break;
    case StyleSheet::Nothing:
        break;
    }
    NameText->clear();
}

void StyleSheetDialog::StyleCommand_Click()
{
    const QList<QListWidgetItem*> chosen = List2->selectedItems();
    if (chosen.isEmpty())
        return;
    const int i = List2->row(chosen.first());
    StyleDialog css(Context(), this);
    css.StxtStr = Sheet.SheetStyles.value(i);
    css.Run();
    // After Cancel the style dialog hands back the style it was given, lower-cased.
    Sheet.SetStyle(i, css.StxtStr);
}

void StyleSheetDialog::OkCommand_Click()
{
    CssTxt = Sheet.CssTxt();
    accept();
}
