#pragma once
// Every command of the main frame, one entry each: its key, caption, keys, flags and handler. The menus, the context
// menu and the toolbar place these entries; whether an entry is offered and whether it runs follow from its flags.

#include "shell/commandentry.h"
#include "shell/commandstate.h"

#include <vector>

class CommandRegistry
{
public:
    static constexpr int NoArgument = -1;
    using Handler = std::function<void(PageWindow*)>;
    // The handler of a command, given its argument.
    using HandlerOf = std::function<Handler(Command, int argument)>;

    explicit CommandRegistry(const HandlerOf& handlerOf);

    const std::vector<CommandEntry>& Entries() const { return entries_; }
    // The entry of a command (for ReopenAs and InsertElement, the one with that argument); null for none.
    const CommandEntry* Find(Command id, int argument = NoArgument) const;
    const CommandEntry* Find(const QString& key) const;
    // The argument of the entry that inserts the element kind opening with `htmlN` ("<a"); NoArgument for none.
    static int ElementArgument(const QString& htmlN);

    // Whether a command with these flags is open in that state. The frame asks it for each action's enabled state,
    // each menu's, and before running a command.
    static bool Allowed(CommandEntry::Flags flags, const CommandState& state);

private:
    void Add(CommandEntry entry, const HandlerOf& handlerOf);
    void AddReopenEntries(const HandlerOf& handlerOf);
    void AddElementEntries(const HandlerOf& handlerOf);

    std::vector<CommandEntry> entries_;
};
