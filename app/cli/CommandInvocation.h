#pragma once

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "base/Date.h"
#include "base/Decimal.h"
#include "cli/CliProgress.h"
#include "cli/CommandDefinition.h"
#include "cli/CommandLine.h"
#include "cli/JsonSink.h"

class JsonDomBuilder;
class JsonStreamWriter;

// One call of a command: its arguments split by the command's definition, typed accessors for
// them, and the JSON document the command answers with (printed as JSON or as text by the
// caller). Accessors throw CliError (usage) when a value cannot be read.
class CommandInvocation final {
public:
    // REQUIRES: `arguments` are the words after the command's name.
    CommandInvocation(const CommandDefinition& definition, const GlobalOptions& global,
                      const std::vector<std::string>& arguments);
    ~CommandInvocation();
    CommandInvocation(const CommandInvocation&) = delete;
    CommandInvocation& operator=(const CommandInvocation&) = delete;

    const CommandDefinition& definition() const { return m_definition; }
    const GlobalOptions& global() const { return m_global; }

    // Positional argument `index`, or nothing when an optional one was left out.
    std::optional<std::string> positional(std::size_t index) const;
    // Positional argument `index`, which must be present.
    const std::string& requiredPositional(std::size_t index) const;

    // The last value given for a value option ("--title"), or nothing.
    std::optional<std::string> option(const std::string& name) const;
    // Every value given for a repeatable option, in command-line order.
    std::vector<std::string> options(const std::string& name) const;
    bool flag(const std::string& name) const { return m_flags.count(name) > 0; }

    std::optional<Date> dateOption(const std::string& name) const;
    std::optional<Decimal> decimalOption(const std::string& name) const;
    std::optional<std::int64_t> integerOption(const std::string& name) const;

    static Date parseDate(const std::string& what, const std::string& text);
    // A plain amount ("-1234.50"); CliError (usage) for other text and (failed) for an amount
    // outside AmountRange.
    static Decimal parseDecimal(const std::string& what, const std::string& text);
    static std::int64_t parseInteger(const std::string& what, const std::string& text);

    // The answer the command builds; an object.
    nlohmann::ordered_json& result() { return m_result; }
    const nlohmann::ordered_json& result() const { return m_result; }

    // The elements of the answer's array member `key`, written as they are made: straight to
    // `streamTo`'s writer when one is given, into result() otherwise. Streamed members come
    // first in the printed answer. Between begin and end the command writes only to the
    // returned sink; it streams once every check that may fail is behind it, since streamed
    // text cannot be taken back.
    JsonSink& beginStreamedArray(const std::string& key);
    void endStreamedArray();
    // Where JSON answers stream to; without it, streamed arrays are collected in result().
    void streamTo(JsonStreamWriter& writer) { m_stream = &writer; }
    bool hasStreamed() const { return m_hasStreamed; }

    // Where a long command tells what it is doing; silent unless the caller gave one.
    CliProgress& progress() { return *m_progress; }
    void reportProgressTo(CliProgress& progress) { m_progress = &progress; }

private:
    void parseArguments(const std::vector<std::string>& arguments);
    bool isValueOption(const std::string& name) const;
    bool isFlag(const std::string& name) const;

    const CommandDefinition& m_definition;
    GlobalOptions m_global;
    std::vector<std::string> m_positionals;
    std::vector<std::pair<std::string, std::string>> m_valuesInOrder;
    std::set<std::string> m_flags;
    nlohmann::ordered_json m_result = nlohmann::ordered_json::object();
    JsonStreamWriter* m_stream = nullptr;
    std::unique_ptr<JsonDomBuilder> m_collector;
    bool m_hasStreamed = false;
    CliProgress m_silentProgress;
    CliProgress* m_progress = &m_silentProgress;
};
