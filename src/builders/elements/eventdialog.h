#pragma once
// The event dialog "事件设置": the events of a kind of element in one list, the handler code of the chosen one,
// and ready-made calls that a double click adds to that code (a call with arguments asks for them first).
//
// Made with the kind of element (its lx) and the codes at positions 0 to 100; Run() hands back the event names and
// codes after OK, nothing after Cancel. Edit() does all of it on a caller's lists. The rows' rules are
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
    struct Input
    {
        int kind = 0;      // the kind of element (lx)
        QStringList codes; // positions 0 to 100
    };
    struct Result
    {
        QStringList names;
        QStringList codes;
    };

    EventDialog(const BuilderContext& context, Input input, QWidget* parent = nullptr);

    // The event names and codes after OK, nothing after Cancel.
    std::optional<Result> Run();
    // The dialog for kind `kind` on these names and codes; they change only when it is confirmed. True after OK.
    static bool Edit(const BuilderContext& context, int kind, QStringList& names, QStringList& codes, QWidget* owner);

    int Kind() const { return events_.Id; }

    // ---- Controls.
    QListWidget* EventList = nullptr;
    QLabel* EventLabel = nullptr;    // the chosen event
    QLineEdit* CodeBox = nullptr;    // its code
    QListWidget* CallList = nullptr; // ready-made calls
    QPushButton* OkCommand = nullptr;
    QPushButton* CanCommand = nullptr;

protected:
    // Fills the lists for the kind.
    void Load() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowEventCode(int row);
    void StoreCode(const QString& text);
    // Adds ready-made call `i` to the code (a double click or Enter on it).
    void AddCall(int i);

    EventSettings events_;
    int chosen_ = -1; // the event row whose code the code box shows
};
