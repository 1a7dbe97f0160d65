#include "builders/elements/attributedialog.h"

#include "base/dialogbuttons.h"
#include "base/formkit.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

AttributeDialog::AttributeDialog(Attribute start, QWidget* parent) : BuilderDialog(parent), start_(std::move(start))
{
    setObjectName(QStringLiteral("AddOtherForm"));
    setWindowTitle(QStringLiteral("属性设置"));

    auto* grid = new QGridLayout;
    NameText = FormKit::TextRow(grid, 0, QStringLiteral("属性名称"), QStringLiteral("NameText"));
    ValueText = FormKit::TextRow(grid, 1, QStringLiteral("属 性 值"), QStringLiteral("ValueText"));
    NameText->setMinimumWidth(260);

    const DialogButtons buttons = DialogButtons::Make(this, QStringLiteral("Command1"), QStringLiteral("Command2"));
    OkCommand = buttons.Ok;
    CancelCommand = buttons.Cancel;
    buttons.CloseOnClick(this);

    auto* main = new QVBoxLayout(this);
    main->setSizeConstraint(QLayout::SetFixedSize);
    main->addLayout(grid);
    main->addLayout(buttons.Row);
    NameText->setFocus();
}

void AttributeDialog::Load()
{
    NameText->setText(start_.name);
    ValueText->setText(start_.value);
}

std::optional<AttributeDialog::Attribute> AttributeDialog::Run()
{
    return RunFor([this] { return Attribute{NameText->text(), ValueText->text()}; });
}
