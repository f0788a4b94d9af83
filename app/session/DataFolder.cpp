#include "session/DataFolder.h"

#include <sys/stat.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "base/AssertionFailure.h"

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

std::string DataFolder::defaultPath() {
    // Relative values are to be ignored, as the XDG rules say.
    std::string base = environment("XDG_DATA_HOME");
    if (base.empty() || base.front() != '/') {
        std::string home = environment("HOME");
        base = home.empty() || home.front() != '/' ? "" : home + "/.local/share";
    }
    if (base.empty()) {
        base = environment("TMPDIR");
        if (base.empty()) {
            base = "/tmp";
        }
    }
    while (base.size() > 1 && base.back() == '/') {
        base.pop_back();
    }
    return base + "/Pennora";
}

void DataFolder::ensureExists(const std::string& path) {
    struct stat info;
    if (::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
        return;
    }
    // The folders above are the user's (~/.local/share on a new account): made as any program
    // makes them, with the user's usual permissions. Only the program's own folder is private.
    std::error_code error;
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (!parent.empty()) {
        std::filesystem::create_directories(parent, error);
    }
    if (error) {
        PN_ASSERTION_FAILURE("Failed to create App Support folder " + path + " : " +
                             error.message());
    }
    if (::mkdir(path.c_str(), kFolderMode) != 0) {
        PN_ASSERTION_FAILURE("Failed to create App Support folder " + path + " : " +
                             std::strerror(errno));
    }
}
