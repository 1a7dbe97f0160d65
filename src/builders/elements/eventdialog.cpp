#include "builders/elements/eventdialog.h"

#include "base/dialogbuttons.h"
#include "base/formkit.h"
#include "base/uihelpers.h"
#include "builders/scripts/scriptcalldialog.h"
#include "builders/scripts/jsstatement.h"
#include "tagdb/tagdb.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

EventDialog::EventDialog(const BuilderContext& context, QWidget* parent) : BuilderDialog(context, parent)
{
    setObjectName(QStringLiteral("EForm"));
    setWindowTitle(QStringLiteral("事件设置"));

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setMinimumSize(220, 300);
    // Chosen means selected: the list makes its first row current on taking the focus, without choosing it.
    connect(List1, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> chosen = List1->selectedItems();
        List1_Click(chosen.isEmpty() ? -1 : List1->row(chosen.first()));
    });

    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    QFont bold = Label3->font();
    bold.setBold(true);
    Label3->setFont(bold);
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setMinimumWidth(340);
    Text1->installEventFilter(this);
    auto* codeLabel = new QLabel(QStringLiteral("事件代码框"), this);
    codeLabel->setBuddy(Text1);
    connect(Text1, &QLineEdit::textChanged, this, &EventDialog::Text1_Change);

    List2 = new QListWidget(this);
    List2->setObjectName(QStringLiteral("List2"));
    List2->setToolTip(QStringLiteral("双击加入事件代码"));
    List2->installEventFilter(this);
    auto* callsLabel = new QLabel(QStringLiteral("常用功能"), this);
    callsLabel->setBuddy(List2);
    connect(List2, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { List2_DblClick(List2->row(item)); });

    auto* right = new QVBoxLayout;
    right->addWidget(Label3);
    right->addWidget(codeLabel);
    right->addWidget(Text1);
    right->addSpacing(6);
    right->addWidget(callsLabel);
    right->addWidget(List2, 1);
    auto* body = new QHBoxLayout;
    body->addWidget(List1, 2);
    body->addLayout(right, 3);

    const DialogButtons buttons = DialogButtons::Make(this, QStringLiteral("OkCommand"), QStringLiteral("CanCommand"),
                                                      QStringLiteral("&S 确定"), QStringLiteral("&Q 取消"));
    OkCommand = buttons.Ok;
    CanCommand = buttons.Cancel;
    buttons.CloseOnClick(this, &Yn);

    auto* main = new QVBoxLayout(this);
    main->addLayout(body, 1);
    main->addLayout(buttons.Row);

    setTabOrder(List1, Text1);
    setTabOrder(Text1, List2);
    setTabOrder(List2, OkCommand);
    setTabOrder(OkCommand, CanCommand);
    List1->setFocus();
    resize(680, 440);
}

void EventDialog::SetValue(const QStringList& codes)
{
    Events.SetValue(codes);
}

void EventDialog::GetValue(QStringList& names, QStringList& codes) const
{
    Events.GetValue(names, codes);
}

bool EventDialog::Edit(const BuilderContext& context, int id, QStringList& names, QStringList& codes, QWidget* owner)
{
    EventDialog form(context, owner);
    form.Id = id;
    form.SetValue(codes);
    if (!form.Confirm() || !form.Yn)
        return false;
    form.GetValue(names, codes);
    return true;
}

void EventDialog::Load()
{
    Yn = false;
    Events.Id = Id;
    Events.Fill(Context().Db);
    ParamValues = QStringList(JsStatement::ArgCount, QString());
    {
        const QSignalBlocker block(List1);
        List1->clear();
        List1->addItems(Events.Labels);
    }
    List2->clear();
    List2->addItems(Events.Calls);
    List1_Click(-1);
}

void EventDialog::List1_Click(int row)
{
    const bool chosen = row >= 0 && row < Events.Labels.size();
    chosen_ = chosen ? row : -1;
    Label3->setText(chosen ? Events.Labels.at(row) : QString());
    {
        const QSignalBlocker block(Text1);
        Text1->setText(chosen ? Events.EventCodes.at(row) : QString());
    }
    SetBoxEnabled(Text1, chosen);
    List2->setEnabled(chosen);
}

void EventDialog::Text1_Change(const QString& text)
{
    if (chosen_ >= 0 && chosen_ <= EventSettings::EventMax)
        Events.EventCodes[chosen_] = text;
}

void EventDialog::List2_DblClick(int i)
{
    if (chosen_ < 0 || i < 0)
        return;
    const QDomElement entry = Context().Db.Entry(Context().Db.Section(QStringLiteral("javas")), i);
    const JsStatement call = JsStatement::FromEntry(entry);
    QString code = call.Values;
    if (call.NeedsArguments()) {
        ScriptCallDialog arguments(Context(), this);
        arguments.RsIndex = i;
        arguments.Confirm();
        arguments.GetV(ParamValues);
        code = arguments.Yn ? call.Assemble(ParamValues) : QString();
    }
    Text1->setText(EventSettings::JoinCall(Text1->text(), code));
}

bool EventDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        // The code goes inside a double-quoted attribute: a typed double quote becomes a single one.
        if (watched == Text1 && key->text() == QLatin1String("\"")) {
            Text1->insert(QStringLiteral("'"));
            return true;
        }
        // Enter on a ready-made call adds it, as a double click does.
        if (watched == List2 && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            List2->currentRow() >= 0) {
            List2_DblClick(List2->currentRow());
            return true;
        }
    }
    return BuilderDialog::eventFilter(watched, event);
}
