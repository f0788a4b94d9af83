#pragma once

#include <map>
#include <stdexcept>
#include <string>

// Bad content of an imported file. Carries a kind ("PNParseError", "PNAmbiguousDateOrder",
// "ParseError", "Invalid field value") and a reason text; unwinds to the import session.
class ParseError final : public std::runtime_error {
public:
    ParseError(std::string kind, std::string reason,
               std::map<std::string, std::string> details = {});

    const std::string& kind() const { return m_kind; }
    const std::string& reason() const { return m_reason; }
    const std::map<std::string, std::string>& details() const { return m_details; }

private:
    std::string m_kind;
    std::string m_reason;
    std::map<std::string, std::string> m_details;
};
