#include "cli/CommandRegistry.h"

#include "base/AssertionFailure.h"

void CommandRegistry::add(CommandDefinition definition) {
    for (const CommandDefinition& existing : m_commands) {
        PN_ASSERT(existing.name != definition.name, "Command registered twice: " + definition.name);
    }
    m_commands.push_back(std::move(definition));
}

CommandRegistry::Match CommandRegistry::find(const std::vector<std::string>& words) const {
    if (words.empty()) {
        return {};
    }
    if (words.size() >= 2) {
        const std::string twoWords = words[0] + " " + words[1];
        for (const CommandDefinition& definition : m_commands) {
            if (definition.name == twoWords) {
                return {&definition, 2};
            }
        }
    }
    for (const CommandDefinition& definition : m_commands) {
        if (definition.name == words[0]) {
            return {&definition, 1};
        }
    }
    return {};
}

std::string CommandRegistry::usageText() const {
    std::string text =
        "usage: pennora-cli [--store PATH] [--today YYYY-MM-DD] [--locale LOCALE] COMMAND "
        "[ARGS] [--json] [--verbose]\n\ncommands:\n";
    for (const CommandDefinition& definition : m_commands) {
        text += "  " + definition.usage() + "\n";
        if (!definition.summary.empty()) {
            text += "      " + definition.summary + "\n";
        }
    }
    return text;
}
