#pragma once

#include <stdexcept>
#include <string>

// An internal inconsistency. The operation ends with this exception; the desktop application
// catches it at the event boundary, logs it and keeps running.
class AssertionFailure final : public std::logic_error {
public:
    AssertionFailure(std::string message, const char* file, int line);

    const std::string& message() const { return m_message; }
    // The source file's name, without the folders it was compiled from.
    const char* file() const { return m_file; }
    int line() const { return m_line; }

private:
    std::string m_message;
    const char* m_file;
    int m_line;
};

// Throws AssertionFailure with the message and the current source file and line.
#define PN_ASSERTION_FAILURE(message) throw ::AssertionFailure((message), __FILE__, __LINE__)
// Throws unless `condition` holds.
#define PN_ASSERT(condition, message)      \
    do {                                   \
        if (!(condition)) {                \
            PN_ASSERTION_FAILURE(message); \
        }                                  \
    } while (false)
