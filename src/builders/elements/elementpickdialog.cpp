#include "builders/elements/elementpickdialog.h"

#include "base/dialogbuttons.h"
#include "base/formkit.h"
#include "builders/elements/genericelement.h"
#include "builders/elements/genericelementdialog.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

ElementPickDialog::ElementPickDialog(const BuilderContext& context, QWidget* parent) : BuilderDialog(context, parent)
{
    setObjectName(QStringLiteral("Addform"));
    setWindowTitle(QStringLiteral("添加HTML元素"));

    ElementList = new QListWidget(this);
    ElementList->setObjectName(QStringLiteral("List1"));
    ElementList->setMinimumSize(260, 360);
    // Chosen means selected: the list makes its first row current on taking the focus, without choosing it.
    connect(ElementList, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> chosen = ElementList->selectedItems();
        ChooseElement(chosen.isEmpty() ? -1 : ElementList->row(chosen.first()));
    });
    connect(ElementList, &QListWidget::itemDoubleClicked, this, &ElementPickDialog::AddChosen);

    const DialogButtons buttons = DialogButtons::Make(this, QStringLiteral("Okcom"), QStringLiteral("Cancelcom"),
                                                      {.ok = QStringLiteral("添加"), .okKey = u'A', .cancelKey = u'Q'});
    AddCommand = buttons.Ok;
    CancelCommand = buttons.Cancel;
    connect(AddCommand, &QPushButton::clicked, this, &ElementPickDialog::AddChosen);
    connect(CancelCommand, &QPushButton::clicked, this, &QDialog::reject);

    auto* main = new QVBoxLayout(this);
    main->addWidget(ElementList, 1);
    main->addLayout(buttons.Row);
    ElementList->setFocus();
}

void ElementPickDialog::Load()
{
    markup_.clear();
    chosen_ = -1;
    for (const int i : GenericElement::PickEntries(Context().Db)) {
        const GenericElement element = GenericElement::FromIndex(Context().Db, i);
        FormKit::TagItem(ElementList, element.Start, element.Title, i);
    }
    AddCommand->setEnabled(false);
}

void ElementPickDialog::ChooseElement(int row)
{
    const QListWidgetItem* item = ElementList->item(row);
    AddCommand->setEnabled(item != nullptr);
    if (item)
        chosen_ = item->data(Qt::UserRole).toInt();
}

void ElementPickDialog::AddChosen()
{
    if (ElementList->selectedItems().isEmpty() || chosen_ < 0)
        return;
    GenericElementDialog element(Context(), chosen_, this);
    markup_ = element.Run().value_or(QString());
    accept();
}
