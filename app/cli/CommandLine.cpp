#include "cli/CommandLine.h"

#include "cli/CliError.h"

namespace {

// Splits "--name=value" into its parts; anything else is returned whole with no value.
std::pair<std::string, std::optional<std::string>> splitOption(const std::string& word) {
    const std::size_t equals = word.find('=');
    if (word.rfind("--", 0) != 0 || equals == std::string::npos) {
        return {word, std::nullopt};
    }
    return {word.substr(0, equals), word.substr(equals + 1)};
}

Date parseToday(const std::string& text) {
    const std::optional<Date> day = Date::fromISOString(text);
    if (!day) {
        throw CliError::usage("--today expects a date written YYYY-MM-DD, not \"" + text + "\"");
    }
    return *day;
}

// The command that the usual options of a program stand for in the command's place.
const char* commandForOption(const std::string& word) {
    if (word == "--help" || word == "-h") {
        return "help";
    }
    return word == "--version" ? "version" : nullptr;
}

}  // namespace

CommandLine CommandLine::parse(const std::vector<std::string>& arguments) {
    CommandLine line;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (optionsEnded) {
            line.words.push_back(arguments[i]);
            continue;
        }
        auto [name, inlineValue] = splitOption(arguments[i]);
        const bool takesValue = name == "--store" || name == "--today" || name == "--locale";
        if (name == "--json" && !inlineValue) {
            line.global.json = true;
        } else if (name == "--verbose" && !inlineValue) {
            line.global.verbose = true;
        } else if (takesValue) {
            std::string value;
            if (inlineValue) {
                value = *inlineValue;
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            } else {
                throw CliError::usage(name + " expects a value");
            }
            if (name == "--store") {
                line.global.storePath = value;
            } else if (name == "--today") {
                line.global.today = parseToday(value);
            } else {
                line.global.locale = value;
            }
        } else if (line.words.empty() && commandForOption(arguments[i])) {
            line.words.push_back(commandForOption(arguments[i]));
        } else {
            // A command's own "--" also ends its options, so it stays among the words.
            optionsEnded = arguments[i] == "--";
            line.words.push_back(arguments[i]);
        }
    }
    return line;
}
