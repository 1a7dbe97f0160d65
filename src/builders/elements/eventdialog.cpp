#include "builders/elements/eventdialog.h"

#include "base/dialogbuttons.h"
#include "base/formkit.h"
#include "base/uihelpers.h"
#include "builders/scripts/jsstatement.h"
#include "builders/scripts/scriptcalldialog.h"
#include "tagdb/tagdb.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

EventDialog::EventDialog(const BuilderContext& context, Input input, QWidget* parent) : BuilderDialog(context, parent)
{
    events_.Id = input.kind;
    events_.SetValue(input.codes);
    setObjectName(QStringLiteral("EForm"));
    setWindowTitle(QStringLiteral("事件设置"));

    EventList = new QListWidget(this);
    EventList->setObjectName(QStringLiteral("List1"));
    EventList->setMinimumSize(220, 300);
    // Chosen means selected: the list makes its first row current on taking the focus, without choosing it.
    connect(EventList, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> chosen = EventList->selectedItems();
        ShowEventCode(chosen.isEmpty() ? -1 : EventList->row(chosen.first()));
    });

    EventLabel = new QLabel(this);
    EventLabel->setObjectName(QStringLiteral("Label3"));
    QFont bold = EventLabel->font();
    bold.setBold(true);
    EventLabel->setFont(bold);
    CodeBox = new QLineEdit(this);
    CodeBox->setObjectName(QStringLiteral("Text1"));
    CodeBox->setMinimumWidth(340);
    CodeBox->installEventFilter(this);
    auto* codeLabel = new QLabel(QStringLiteral("事件代码框"), this);
    codeLabel->setBuddy(CodeBox);
    connect(CodeBox, &QLineEdit::textChanged, this, &EventDialog::StoreCode);

    CallList = new QListWidget(this);
    CallList->setObjectName(QStringLiteral("List2"));
    CallList->setToolTip(QStringLiteral("双击加入事件代码"));
    CallList->installEventFilter(this);
    auto* callsLabel = new QLabel(QStringLiteral("常用功能"), this);
    callsLabel->setBuddy(CallList);
    connect(CallList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { AddCall(CallList->row(item)); });

    auto* right = new QVBoxLayout;
    right->addWidget(EventLabel);
    right->addWidget(codeLabel);
    right->addWidget(CodeBox);
    right->addSpacing(6);
    right->addWidget(callsLabel);
    right->addWidget(CallList, 1);
    auto* body = new QHBoxLayout;
    body->addWidget(EventList, 2);
    body->addLayout(right, 3);

    const DialogButtons buttons =
        DialogButtons::Make(this, QStringLiteral("OkCommand"), QStringLiteral("CanCommand"), {.cancelKey = u'Q'});
    OkCommand = buttons.Ok;
    CanCommand = buttons.Cancel;
    buttons.CloseOnClick(this);

    auto* main = new QVBoxLayout(this);
    main->addLayout(body, 1);
    main->addLayout(buttons.Row);

    setTabOrder(EventList, CodeBox);
    setTabOrder(CodeBox, CallList);
    setTabOrder(CallList, OkCommand);
    setTabOrder(OkCommand, CanCommand);
    EventList->setFocus();
    resize(680, 440);
}

namespace {
// The caller's list takes the positions the dialog hands back; any beyond them stay.
void OverwriteFront(const QStringList& from, QStringList& to)
{
    while (to.size() < from.size())
        to.append(QString());
    for (int i = 0; i < from.size(); ++i)
        to[i] = from.at(i);
}
} // namespace

std::optional<EventDialog::Result> EventDialog::Run()
{
    return RunFor([this] {
        Result result;
        events_.GetValue(result.names, result.codes);
        return result;
    });
}

bool EventDialog::Edit(const BuilderContext& context, int kind, QStringList& names, QStringList& codes, QWidget* owner)
{
    EventDialog form(context, {kind, codes}, owner);
    const std::optional<Result> result = form.Run();
    if (!result)
        return false;
    OverwriteFront(result->names, names);
    OverwriteFront(result->codes, codes);
    return true;
}

void EventDialog::Load()
{
    events_.Fill(Context().Db);
    {
        const QSignalBlocker block(EventList);
        EventList->clear();
        EventList->addItems(events_.Labels);
    }
    CallList->clear();
    CallList->addItems(events_.Calls);
    ShowEventCode(-1);
}

void EventDialog::ShowEventCode(int row)
{
    const bool chosen = row >= 0 && row < events_.Labels.size();
    chosen_ = chosen ? row : -1;
    EventLabel->setText(chosen ? events_.Labels.at(row) : QString());
    {
        const QSignalBlocker block(CodeBox);
        CodeBox->setText(chosen ? events_.EventCodes.at(row) : QString());
    }
    SetBoxEnabled(CodeBox, chosen);
    CallList->setEnabled(chosen);
}

void EventDialog::StoreCode(const QString& text)
{
    if (chosen_ >= 0 && chosen_ <= EventSettings::EventMax)
        events_.EventCodes[chosen_] = text;
}

void EventDialog::AddCall(int i)
{
    if (chosen_ < 0 || i < 0)
        return;
    const QDomElement entry = Context().Db.Entry(Context().Db.Section(QStringLiteral("javas")), i);
    const JsStatement call = JsStatement::FromEntry(entry);
    QString code = call.Values;
    if (call.NeedsArguments()) {
        ScriptCallDialog arguments(Context(), i, this);
        const std::optional<QStringList> values = arguments.Run();
        code = values ? call.Assemble(*values) : QString();
    }
    CodeBox->setText(EventSettings::JoinCall(CodeBox->text(), code));
}

bool EventDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        // The code goes inside a double-quoted attribute: a typed double quote becomes a single one.
        if (watched == CodeBox && key->text() == QLatin1String("\"")) {
            CodeBox->insert(QStringLiteral("'"));
            return true;
        }
        // Enter on a ready-made call adds it, as a double click does.
        if (watched == CallList && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            CallList->currentRow() >= 0) {
            AddCall(CallList->currentRow());
            return true;
        }
    }
    return BuilderDialog::eventFilter(watched, event);
}
