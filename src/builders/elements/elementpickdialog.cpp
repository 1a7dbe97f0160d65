#include "builders/elements/elementpickdialog.h"

#include "base/dialogbuttons.h"
#include "builders/elements/genericelement.h"
#include "builders/elements/genericelementdialog.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

ElementPickDialog::ElementPickDialog(const BuilderContext& context, QWidget* parent) : BuilderDialog(context, parent)
{
    setObjectName(QStringLiteral("Addform"));
    setWindowTitle(QStringLiteral("添加HMTL元素"));

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setMinimumSize(260, 360);
    // Chosen means selected: the list makes its first row current on taking the focus, without choosing it.
    connect(List1, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> chosen = List1->selectedItems();
        List1_Click(chosen.isEmpty() ? -1 : List1->row(chosen.first()));
    });
    connect(List1, &QListWidget::itemDoubleClicked, this, &ElementPickDialog::Okcom_Click);

    const DialogButtons buttons = DialogButtons::Make(this, QStringLiteral("Okcom"), QStringLiteral("Cancelcom"),
                                                      QStringLiteral("&A 添加"), QStringLiteral("&Q 取消"));
    Okcom = buttons.Ok;
    Cancelcom = buttons.Cancel;
    connect(Okcom, &QPushButton::clicked, this, &ElementPickDialog::Okcom_Click);
    connect(Cancelcom, &QPushButton::clicked, this, &QDialog::reject);

    auto* main = new QVBoxLayout(this);
    main->addWidget(List1, 1);
    main->addLayout(buttons.Row);
    List1->setFocus();
}

void ElementPickDialog::Load()
{
    addHTML.clear();
    MyIndex = -1;
    List1->addItems(GenericElement::PickList(Context().Db));
    Okcom->setEnabled(false);
}

void ElementPickDialog::List1_Click(int row)
{
    const QListWidgetItem* item = List1->item(row);
    Okcom->setEnabled(item != nullptr);
    if (item)
        MyIndex = GenericElement::IndexOfTitle(Context().Db, item->text());
}

void ElementPickDialog::Okcom_Click()
{
    if (List1->selectedItems().isEmpty() || MyIndex < 0)
        return;
    GenericElementDialog element(Context(), this);
    element.MyIndex = MyIndex;
    element.Confirm();
    addHTML = element.HtmlTxt;
    accept();
}
