#pragma once
// The event dialog "事件设置": the events of a kind of element in one list, the handler code of the chosen one,
// and ready-made calls that a double click adds to that code (a call with arguments asks for them first).
//
// The caller sets Id (the element's lx), hands in the codes with SetValue (positions 0 to 100), Confirm()s it and
// after OK takes the event names and codes back with GetValue. Edit() does all of it. The rows' rules are
// EventSettings'.

#include "base/builderdialog.h"
#include "builders/elements/eventsettings.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

class EventDialog : public BuilderDialog
{
    Q_OBJECT

public:
    explicit EventDialog(const BuilderContext& context, QWidget* parent = nullptr);

    int Id = 0;      // in
    bool Yn = false; // true after OK
    EventSettings Events;
    QStringList ParamValues; // the arguments of the last ready-made call

    void SetValue(const QStringList& codes);
    void GetValue(QStringList& names, QStringList& codes) const;
    // The dialog for kind `id` on these names and codes; they change only when it is confirmed. True after OK.
    static bool Edit(const BuilderContext& context, int id, QStringList& names, QStringList& codes, QWidget* owner);

    // ---- Controls.
    QListWidget* List1 = nullptr; // events
    QLabel* Label3 = nullptr;     // the chosen event
    QLineEdit* Text1 = nullptr;   // its code
    QListWidget* List2 = nullptr; // ready-made calls
    QPushButton* OkCommand = nullptr;
    QPushButton* CanCommand = nullptr;

    // Double click on ready-made call `i`.
    void List2_DblClick(int i);

protected:
    // Fills the lists for Id.
    void Load() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void List1_Click(int row);
    void Text1_Change(const QString& text);

    int chosen_ = -1; // the event row whose code Text1 shows
};
