#include "AssertionFailure.h"

#include <utility>

AssertionFailure::AssertionFailure(std::string message, const char* file, int line)
    : std::logic_error(message + " (" + file + ":" + std::to_string(line) + ")"),
      m_message(std::move(message)),
      m_file(file),
      m_line(line) {}
