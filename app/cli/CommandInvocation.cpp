#include "cli/CommandInvocation.h"

#include <algorithm>
#include <charconv>

#include "base/AssertionFailure.h"
#include "cli/CliError.h"
#include "cli/JsonDomBuilder.h"
#include "cli/JsonStreamWriter.h"
#include "ledger/AmountFormatter.h"
#include "ledger/AmountRange.h"

CommandInvocation::CommandInvocation(const CommandDefinition& definition,
                                     const GlobalOptions& global,
                                     const std::vector<std::string>& arguments)
    : m_definition(definition), m_global(global) {
    parseArguments(arguments);
}

CommandInvocation::~CommandInvocation() = default;

JsonSink& CommandInvocation::beginStreamedArray(const std::string& key) {
    PN_ASSERT(m_collector == nullptr, "Only one array streams at a time");
    if (m_stream == nullptr) {
        m_collector = std::make_unique<JsonDomBuilder>(m_result[key]);
        m_collector->beginArray();
        return *m_collector;
    }
    if (!m_hasStreamed) {
        m_stream->beginObject();
        m_hasStreamed = true;
    }
    m_stream->key(key);
    m_stream->beginArray();
    return *m_stream;
}

void CommandInvocation::endStreamedArray() {
    if (m_collector != nullptr) {
        m_collector->endArray();
        m_collector.reset();
        return;
    }
    PN_ASSERT(m_hasStreamed, "No array is streaming");
    m_stream->endArray();
}

void CommandInvocation::parseArguments(const std::vector<std::string>& arguments) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (optionsEnded || word.rfind("--", 0) != 0) {
            m_positionals.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        if (isFlag(name) && equals == std::string::npos) {
            m_flags.insert(name);
        } else if (isValueOption(name)) {
            std::string value;
            if (equals != std::string::npos) {
                value = word.substr(equals + 1);
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            } else {
                throw CliError::usage(name + " expects a value\nusage: " + m_definition.usage());
            }
            m_valuesInOrder.emplace_back(name, value);
        } else {
            throw CliError::usage("unknown option " + name + " for " + m_definition.name +
                                  "\nusage: " + m_definition.usage());
        }
    }
    const std::size_t required = m_definition.positionals.size() - m_definition.optionalPositionals;
    if (m_positionals.size() < required || m_positionals.size() > m_definition.positionals.size()) {
        throw CliError::usage("wrong number of arguments for " + m_definition.name +
                              "\nusage: " + m_definition.usage());
    }
}

bool CommandInvocation::isValueOption(const std::string& name) const {
    return std::find(m_definition.valueOptions.begin(), m_definition.valueOptions.end(), name) !=
           m_definition.valueOptions.end();
}

bool CommandInvocation::isFlag(const std::string& name) const {
    return std::find(m_definition.flags.begin(), m_definition.flags.end(), name) !=
           m_definition.flags.end();
}

std::optional<std::string> CommandInvocation::positional(std::size_t index) const {
    if (index >= m_positionals.size()) {
        return std::nullopt;
    }
    return m_positionals[index];
}

const std::string& CommandInvocation::requiredPositional(std::size_t index) const {
    if (index >= m_positionals.size()) {
        throw CliError::usage("missing argument\nusage: " + m_definition.usage());
    }
    return m_positionals[index];
}

std::optional<std::string> CommandInvocation::option(const std::string& name) const {
    std::optional<std::string> last;
    for (const auto& [key, value] : m_valuesInOrder) {
        if (key == name) {
            last = value;
        }
    }
    return last;
}

std::vector<std::string> CommandInvocation::options(const std::string& name) const {
    std::vector<std::string> values;
    for (const auto& [key, value] : m_valuesInOrder) {
        if (key == name) {
            values.push_back(value);
        }
    }
    return values;
}

std::optional<Date> CommandInvocation::dateOption(const std::string& name) const {
    const std::optional<std::string> text = option(name);
    return text ? std::optional<Date>(parseDate(name, *text)) : std::nullopt;
}

std::optional<Decimal> CommandInvocation::decimalOption(const std::string& name) const {
    const std::optional<std::string> text = option(name);
    return text ? std::optional<Decimal>(parseDecimal(name, *text)) : std::nullopt;
}

std::optional<std::int64_t> CommandInvocation::integerOption(const std::string& name) const {
    const std::optional<std::string> text = option(name);
    return text ? std::optional<std::int64_t>(parseInteger(name, *text)) : std::nullopt;
}

Date CommandInvocation::parseDate(const std::string& what, const std::string& text) {
    const std::optional<Date> day = Date::fromISOString(text);
    if (!day) {
        throw CliError::usage(what + " expects a date written YYYY-MM-DD, not \"" + text + "\"");
    }
    return *day;
}

Decimal CommandInvocation::parseDecimal(const std::string& what, const std::string& text) {
    const std::optional<Decimal> amount = AmountFormatter::plainAmountFromString(text);
    if (!amount) {
        throw CliError::usage(what + " expects an amount such as -1234.50, not \"" + text + "\"");
    }
    if (!AmountRange::contains(*amount)) {
        throw CliError::failed(AmountRange::tooLargeMessage(text));
    }
    return *amount;
}

std::int64_t CommandInvocation::parseInteger(const std::string& what, const std::string& text) {
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || text.empty()) {
        throw CliError::usage(what + " expects a whole number, not \"" + text + "\"");
    }
    return value;
}
