#include "builders/elements/otherattributesdialog.h"

#include "base/dialogbuttons.h"
#include "base/formkit.h"
#include "builders/elements/attributedialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

OtherAttributesDialog::OtherAttributesDialog(const Positions& start, QWidget* parent)
    : BuilderDialog(parent), values_(start.values), names_(start.names)
{
    setObjectName(QStringLiteral("OtherForm"));
    setWindowTitle(QStringLiteral("其他属性"));
    while (values_.size() < OtherAttributes::Positions)
        values_.append(QString());
    while (names_.size() < OtherAttributes::Positions)
        names_.append(QString());

    auto* grid = new QGridLayout;
    NameList = new QListWidget(this);
    NameList->setObjectName(QStringLiteral("List1"));
    ValueList = new QListWidget(this);
    ValueList->setObjectName(QStringLiteral("List2"));
    auto* namesLabel = new QLabel(QStringLiteral("属性名称"), this);
    namesLabel->setBuddy(NameList);
    auto* valuesLabel = new QLabel(QStringLiteral("属 性 值"), this);
    valuesLabel->setBuddy(ValueList);
    grid->addWidget(namesLabel, 0, 0);
    grid->addWidget(valuesLabel, 0, 1);
    grid->addWidget(NameList, 1, 0);
    grid->addWidget(ValueList, 1, 1);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    for (QListWidget* list : {NameList, ValueList}) {
        list->setMinimumSize(180, 220);
        connect(list, &QListWidget::currentRowChanged, this, &OtherAttributesDialog::Choose);
    }
    connect(NameList, &QListWidget::itemDoubleClicked, this, &OtherAttributesDialog::EditRow);

    AddCommand = FormKit::Button(this, QStringLiteral("AddCommand"), QStringLiteral("新增属性"));
    EditCommand = FormKit::Button(this, QStringLiteral("EditCommand"), QStringLiteral("编辑属性"));
    DelCommand = FormKit::Button(this, QStringLiteral("DelCommand"), QStringLiteral("删除属性"));
    auto* side = new QVBoxLayout;
    side->addWidget(AddCommand);
    side->addWidget(EditCommand);
    side->addWidget(DelCommand);
    side->addStretch(1);
    grid->addLayout(side, 1, 2);
    connect(AddCommand, &QPushButton::clicked, this, &OtherAttributesDialog::AddRow);
    connect(EditCommand, &QPushButton::clicked, this, &OtherAttributesDialog::EditRow);
    connect(DelCommand, &QPushButton::clicked, this, &OtherAttributesDialog::DeleteRow);

    const DialogButtons buttons = DialogButtons::Make(this, QStringLiteral("OkCommand"), QStringLiteral("CanCommand"));
    OkCommand = buttons.Ok;
    CanCommand = buttons.Cancel;
    buttons.CloseOnClick(this);

    auto* main = new QVBoxLayout(this);
    main->addLayout(grid, 1);
    main->addLayout(buttons.Row);

    setTabOrder(NameList, ValueList);
    setTabOrder(ValueList, AddCommand);
    setTabOrder(AddCommand, EditCommand);
    setTabOrder(EditCommand, DelCommand);
    setTabOrder(DelCommand, OkCommand);
    setTabOrder(OkCommand, CanCommand);
    NameList->setFocus();
}

std::optional<OtherAttributesDialog::Positions> OtherAttributesDialog::Run()
{
    // Closing writes the rows back into the positions, so they are read once the dialog is closed.
    return RunFor([this] { return Positions{values_, names_}; });
}

bool OtherAttributesDialog::Edit(QStringList& values, QStringList& names, QWidget* owner)
{
    OtherAttributesDialog form({values, names}, owner);
    const std::optional<Positions> result = form.Run();
    if (!result)
        return false;
    values = result->values;
    names = result->names;
    return true;
}

void OtherAttributesDialog::Load()
{
    loaded_ = true;
    rows_.Load(values_, names_);
    ShowRows(rows_.Names.isEmpty() ? -1 : 0);
}

void OtherAttributesDialog::ShowRows(int chosen)
{
    for (QListWidget* list : {NameList, ValueList}) {
        const QSignalBlocker block(list);
        list->clear();
    }
    NameList->addItems(rows_.Names);
    ValueList->addItems(rows_.Values);
    Choose(chosen);
}

int OtherAttributesDialog::Chosen() const
{
    return NameList->currentRow();
}

void OtherAttributesDialog::Choose(int row)
{
    if (row >= NameList->count())
        row = NameList->count() - 1;
    for (QListWidget* list : {NameList, ValueList}) {
        const QSignalBlocker block(list);
        list->setCurrentRow(row);
    }
    EditCommand->setEnabled(row >= 0);
    DelCommand->setEnabled(row >= 0);
    // A full list takes no more: the button says so by being greyed.
    AddCommand->setEnabled(rows_.CanAdd());
}

void OtherAttributesDialog::AddRow()
{
    if (!rows_.CanAdd())
        return;
    AttributeDialog add({}, this);
    const std::optional<AttributeDialog::Attribute> added = add.Run();
    if (!added)
        return;
    if (rows_.Add(added->name, added->value) == OtherAttributes::Added::Yes)
        ShowRows(int(rows_.Names.size()) - 1);
}

void OtherAttributesDialog::EditRow()
{
    const int row = Chosen();
    if (row < 0)
        return;
    const AttributeDialog::Attribute before{rows_.Names.at(row), rows_.Values.at(row)};
    AttributeDialog edit(before, this);
    // Cancel puts the row back as it was.
    const AttributeDialog::Attribute after = edit.Run().value_or(before);
    rows_.Edit(row, after.name, after.value);
    ShowRows(row);
}

void OtherAttributesDialog::DeleteRow()
{
    const int row = Chosen();
    if (row < 0)
        return;
    rows_.Delete(row);
    ShowRows(row);
}

void OtherAttributesDialog::done(int result)
{
    if (loaded_)
        rows_.WriteBack(values_, names_);
    BuilderDialog::done(result);
}
