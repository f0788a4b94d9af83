#include "cli/CommandRegistry.h"

#include "base/AssertionFailure.h"

void CommandRegistry::add(CommandSpec spec) {
    for (const CommandSpec& existing : m_commands) {
        PN_ASSERT(existing.name != spec.name, "Command registered twice: " + spec.name);
    }
    m_commands.push_back(std::move(spec));
}

CommandRegistry::Match CommandRegistry::find(const std::vector<std::string>& words) const {
    if (words.empty()) {
        return {};
    }
    if (words.size() >= 2) {
        const std::string twoWords = words[0] + " " + words[1];
        for (const CommandSpec& spec : m_commands) {
            if (spec.name == twoWords) {
                return {&spec, 2};
            }
        }
    }
    for (const CommandSpec& spec : m_commands) {
        if (spec.name == words[0]) {
            return {&spec, 1};
        }
    }
    return {};
}

std::string CommandRegistry::usageText() const {
    std::string text =
        "usage: pennora-cli [--store PATH] [--today YYYY-MM-DD] [--locale LOCALE] COMMAND "
        "[ARGS] [--json]\n\ncommands:\n";
    for (const CommandSpec& spec : m_commands) {
        text += "  " + spec.usage() + "\n";
        if (!spec.summary.empty()) {
            text += "      " + spec.summary + "\n";
        }
    }
    return text;
}
