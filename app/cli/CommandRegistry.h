#pragma once

#include <string>
#include <vector>

#include "cli/CommandDefinition.h"

// Every command the CLI knows, found by the words of the command line.
class CommandRegistry final {
public:
    // REQUIRES: no command of that name is registered yet.
    void add(CommandDefinition definition);

    struct Match {
        const CommandDefinition* definition = nullptr;
        std::size_t wordsUsed = 0;  // 1 or 2: how many words named the command
    };
    // The command named by the first two words when there is one, else by the first word;
    // a null definition when none matches.
    Match find(const std::vector<std::string>& words) const;

    // The list of commands with their usage lines, for "help" and usage errors.
    std::string usageText() const;

    const std::vector<CommandDefinition>& commands() const { return m_commands; }

private:
    std::vector<CommandDefinition> m_commands;
};
