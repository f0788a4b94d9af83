#include "cli/CommandDefinition.h"

std::string CommandDefinition::usage() const {
    std::string text = name;
    const std::size_t required = positionals.size() - optionalPositionals;
    for (std::size_t i = 0; i < positionals.size(); ++i) {
        text += i < required ? " " + positionals[i] : " [" + positionals[i] + "]";
    }
    for (const std::string& option : valueOptions) {
        text += " [" + option + " VALUE]";
    }
    for (const std::string& flag : flags) {
        text += " [" + flag + "]";
    }
    return text;
}
