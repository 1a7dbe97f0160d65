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

ElementEffectDialog::ElementEffectDialog(const BuilderContext& context, QWidget* parent) : BuilderDialog(context, parent)
{
    setObjectName(QStringLiteral("MakeTxForm"));
    setWindowTitle(QStringLiteral("设置特效"));

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setMinimumWidth(180);
    auto* listLabel = new QLabel(QStringLiteral("选择特效"), this);
    listLabel->setBuddy(List1);
    auto* left = new QVBoxLayout;
    left->addWidget(listLabel);
    left->addWidget(List1, 1);
    connect(List1, &QListWidget::itemSelectionChanged, this, &ElementEffectDialog::List1_Click);

    Preview = new PreviewPane(
        QStringLiteral("预览"), context.ScratchFile,
        [this] { return ElementEffect::PreviewPage(MyTxStr, TxStr, LoadStr); }, this);
    Preview->View()->setMinimumSize(420, 320);

    auto* body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addWidget(Preview, 3);

    const DialogButtons buttons = DialogButtons::Make(this, QStringLiteral("OkCommand"), QStringLiteral("CanCommand"),
                                                      QStringLiteral("确定(&S)"), QStringLiteral("取消(&C)"));
    OkCommand = buttons.Ok;
    CanCommand = buttons.Cancel;
    connect(OkCommand, &QPushButton::clicked, this, &QDialog::accept);
    connect(CanCommand, &QPushButton::clicked, this, &ElementEffectDialog::reject);

    auto* main = new QVBoxLayout(this);
    main->addLayout(body, 1);
    main->addLayout(buttons.Row);
    setTabOrder(List1, OkCommand);
    setTabOrder(OkCommand, CanCommand);
    List1->setFocus();
    resize(720, 460);
}

void ElementEffectDialog::Load()
{
    Preview->Blank();
    TxStr.clear();
    LoadStr.clear();
    const TagDb& db = Context().Db;
    const QDomElement section = db.Section(QStringLiteral("mytx"));
    List1->clear();
    for (int i = 0, n = db.EntryCount(section); i < n; ++i)
        List1->addItem(TagDb::Field(db.Entry(section, i), QStringLiteral("txt")));
    List1->setFocus();
}

void ElementEffectDialog::List1_Click()
{
    const int row = List1->currentRow();
    if (row < 0 || List1->selectedItems().isEmpty())
        return;
    const TagDb& db = Context().Db;
    const ElementEffect effect = ElementEffect::FromEntry(db.Entry(db.Section(QStringLiteral("mytx")), row));
    TxStr = effect.TxStr(Id);
    LoadStr = effect.LoadStr(Id);
    if (!Preview->Refresh())
        Messages::Show(this, FailText);
}

void ElementEffectDialog::reject()
{
    TxStr.clear();
    LoadStr.clear();
    BuilderDialog::reject();
}
