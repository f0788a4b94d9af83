#include "ParseError.h"

#include <utility>

ParseError::ParseError(std::string kind, std::string reason,
                       std::map<std::string, std::string> details)
    : std::runtime_error(kind + ": " + reason),
      m_kind(std::move(kind)),
      m_reason(std::move(reason)),
      m_details(std::move(details)) {}
