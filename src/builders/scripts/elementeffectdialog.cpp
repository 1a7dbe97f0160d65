#include "builders/scripts/elementeffectdialog.h"

#include "base/browserview.h"
#include "base/dialogbuttons.h"
#include "base/messages.h"
#include "base/previewpane.h"
#include "builders/scripts/elementeffect.h"
#include "tagdb/tagdb.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

const QString ElementEffectDialog::FailText = QStringLiteral("出现异常错误!");

ElementEffectDialog::ElementEffectDialog(const BuilderContext& context, Input input, QWidget* parent)
    : BuilderDialog(context, parent), input_(std::move(input))
{
    setObjectName(QStringLiteral("MakeTxForm"));
    setWindowTitle(QStringLiteral("设置特效"));

    EffectList = new QListWidget(this);
    EffectList->setObjectName(QStringLiteral("List1"));
    EffectList->setMinimumWidth(180);
    auto* listLabel = new QLabel(QStringLiteral("选择特效"), this);
    listLabel->setBuddy(EffectList);
    auto* left = new QVBoxLayout;
    left->addWidget(listLabel);
    left->addWidget(EffectList, 1);
    connect(EffectList, &QListWidget::itemSelectionChanged, this, &ElementEffectDialog::ChooseEffect);

    Preview = new PreviewPane(
        QStringLiteral("预览"), context.ScratchFile,
        [this] { return ElementEffect::PreviewPage(input_.elementMarkup, chosen_.script, chosen_.onload); }, this);
    Preview->View()->setMinimumSize(420, 320);

    auto* body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addWidget(Preview, 3);

    const DialogButtons buttons = DialogButtons::Make(this, QStringLiteral("OkCommand"), QStringLiteral("CanCommand"));
    OkCommand = buttons.Ok;
    CanCommand = buttons.Cancel;
    connect(OkCommand, &QPushButton::clicked, this, &QDialog::accept);
    connect(CanCommand, &QPushButton::clicked, this, &ElementEffectDialog::reject);

    auto* main = new QVBoxLayout(this);
    main->addLayout(body, 1);
    main->addLayout(buttons.Row);
    setTabOrder(EffectList, OkCommand);
    setTabOrder(OkCommand, CanCommand);
    EffectList->setFocus();
    resize(720, 460);
}

void ElementEffectDialog::Load()
{
    Preview->Blank();
    chosen_ = Effect();
    const TagDb& db = Context().Db;
    const QDomElement section = db.Section(QStringLiteral("mytx"));
    EffectList->clear();
    for (int i = 0, n = db.EntryCount(section); i < n; ++i)
        EffectList->addItem(TagDb::Field(db.Entry(section, i), QStringLiteral("txt")));
    EffectList->setFocus();
}

void ElementEffectDialog::ChooseEffect()
{
    const int row = EffectList->currentRow();
    if (row < 0 || EffectList->selectedItems().isEmpty())
        return;
    const TagDb& db = Context().Db;
    const ElementEffect effect = ElementEffect::FromEntry(db.Entry(db.Section(QStringLiteral("mytx")), row));
    chosen_ = {effect.TxStr(input_.id), effect.LoadStr(input_.id)};
    if (!Preview->Refresh())
        Messages::Show(this, FailText);
}

std::optional<ElementEffectDialog::Effect> ElementEffectDialog::Run()
{
    return RunFor([this] { return chosen_; });
}

void ElementEffectDialog::reject()
{
    chosen_ = Effect();
    BuilderDialog::reject();
}
