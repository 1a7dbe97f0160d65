#include "builders/elements/otherattributesdialog.h"

#include "base/dialogbuttons.h"
#include "base/formkit.h"
#include "builders/elements/attributedialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

OtherAttributesDialog::OtherAttributesDialog(QWidget* parent) : BuilderDialog(parent)
{
    setObjectName(QStringLiteral("OtherForm"));
    setWindowTitle(QStringLiteral("其他属性"));
    SetOtherP(QStringList(), QStringList());

    auto* grid = new QGridLayout;
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List2 = new QListWidget(this);
    List2->setObjectName(QStringLiteral("List2"));
    auto* namesLabel = new QLabel(QStringLiteral("属性名称"), this);
    namesLabel->setBuddy(List1);
    auto* valuesLabel = new QLabel(QStringLiteral("属 性 值"), this);
    valuesLabel->setBuddy(List2);
    grid->addWidget(namesLabel, 0, 0);
    grid->addWidget(valuesLabel, 0, 1);
    grid->addWidget(List1, 1, 0);
    grid->addWidget(List2, 1, 1);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    for (QListWidget* list : {List1, List2}) {
        list->setMinimumSize(180, 220);
        connect(list, &QListWidget::currentRowChanged, this, &OtherAttributesDialog::Choose);
    }
    connect(List1, &QListWidget::itemDoubleClicked, this, &OtherAttributesDialog::EditCommand_Click);

    AddCommand = FormKit::Button(this, QStringLiteral("AddCommand"), QStringLiteral("新增属性"));
    EditCommand = FormKit::Button(this, QStringLiteral("EditCommand"), QStringLiteral("编辑属性"));
    DelCommand = FormKit::Button(this, QStringLiteral("DelCommand"), QStringLiteral("删除属性"));
    auto* side = new QVBoxLayout;
    side->addWidget(AddCommand);
    side->addWidget(EditCommand);
    side->addWidget(DelCommand);
    side->addStretch(1);
    grid->addLayout(side, 1, 2);
    connect(AddCommand, &QPushButton::clicked, this, &OtherAttributesDialog::AddCommand_Click);
    connect(EditCommand, &QPushButton::clicked, this, &OtherAttributesDialog::EditCommand_Click);
    connect(DelCommand, &QPushButton::clicked, this, &OtherAttributesDialog::DelCommand_Click);

    const DialogButtons buttons = DialogButtons::Make(this, QStringLiteral("OkCommand"), QStringLiteral("CanCommand"),
                                                      QStringLiteral("&S 确定"), QStringLiteral("&C 取消"));
    OkCommand = buttons.Ok;
    CanCommand = buttons.Cancel;
    buttons.CloseOnClick(this, &Yn);

    auto* main = new QVBoxLayout(this);
    main->addLayout(grid, 1);
    main->addLayout(buttons.Row);

    setTabOrder(List1, List2);
    setTabOrder(List2, AddCommand);
    setTabOrder(AddCommand, EditCommand);
    setTabOrder(EditCommand, DelCommand);
    setTabOrder(DelCommand, OkCommand);
    setTabOrder(OkCommand, CanCommand);
    List1->setFocus();
}

void OtherAttributesDialog::SetOtherP(const QStringList& values, const QStringList& names)
{
    values_ = values;
    names_ = names;
    while (values_.size() < OtherAttributes::Positions)
        values_.append(QString());
    while (names_.size() < OtherAttributes::Positions)
        names_.append(QString());
}

void OtherAttributesDialog::GetOtherp(QStringList& values, QStringList& names) const
{
    values = values_;
    names = names_;
}

bool OtherAttributesDialog::Edit(QStringList& values, QStringList& names, QWidget* owner)
{
    OtherAttributesDialog form(owner);
    form.SetOtherP(values, names);
    if (!form.Confirm() || !form.Yn)
        return false;
    form.GetOtherp(values, names);
    return true;
}

void OtherAttributesDialog::Load()
{
    Yn = false;
    loaded_ = true;
    Rows.Load(values_, names_);
    ShowRows(Rows.Names.isEmpty() ? -1 : 0);
}

void OtherAttributesDialog::ShowRows(int chosen)
{
    for (QListWidget* list : {List1, List2}) {
        const QSignalBlocker block(list);
        list->clear();
    }
    List1->addItems(Rows.Names);
    List2->addItems(Rows.Values);
    Choose(chosen);
}

int OtherAttributesDialog::Chosen() const
{
    return List1->currentRow();
}

void OtherAttributesDialog::Choose(int row)
{
    if (row >= List1->count())
        row = List1->count() - 1;
    for (QListWidget* list : {List1, List2}) {
        const QSignalBlocker block(list);
        list->setCurrentRow(row);
    }
    EditCommand->setEnabled(row >= 0);
    DelCommand->setEnabled(row >= 0);
    // A full list takes no more: the button says so by being greyed.
    AddCommand->setEnabled(Rows.CanAdd());
}

void OtherAttributesDialog::AddCommand_Click()
{
    if (!Rows.CanAdd())
        return;
    AttributeDialog add(this);
    if (!add.Confirm())
        return;
    if (Rows.Add(add.MyName, add.MyValue) == OtherAttributes::Added::Yes)
        ShowRows(int(Rows.Names.size()) - 1);
}

void OtherAttributesDialog::EditCommand_Click()
{
    const int row = Chosen();
    if (row < 0)
        return;
    AttributeDialog edit(this);
    edit.MyName = Rows.Names.at(row);
    edit.MyValue = Rows.Values.at(row);
    edit.Confirm();
    Rows.Edit(row, edit.MyName, edit.MyValue);
    ShowRows(row);
}

void OtherAttributesDialog::DelCommand_Click()
{
    const int row = Chosen();
    if (row < 0)
        return;
    Rows.Delete(row);
    ShowRows(row);
}

void OtherAttributesDialog::done(int result)
{
    if (loaded_)
        Rows.WriteBack(values_, names_);
    BuilderDialog::done(result);
}
