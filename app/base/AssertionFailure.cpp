#include "AssertionFailure.h"

#include <cstring>
#include <utility>

namespace {

// The file's own name: the folders it was compiled from are those of the build machine and
// mean nothing to the person who reads the message.
const char* withoutFolders(const char* file) {
    const char* slash = std::strrchr(file, '/');
    return slash != nullptr ? slash + 1 : file;
}

}  // namespace

AssertionFailure::AssertionFailure(std::string message, const char* file, int line)
    : std::logic_error(message + " (" + withoutFolders(file) + ":" + std::to_string(line) + ")"),
      m_message(std::move(message)),
      m_file(withoutFolders(file)),
      m_line(line) {}
