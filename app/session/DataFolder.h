#pragma once

#include <string>

// The folder that holds the program's store files: the user's data folder ($XDG_DATA_HOME,
// else ~/.local/share; the temporary folder when neither is known) plus "Pennora".
class DataFolder final {
public:
    static constexpr unsigned kFolderMode = 0700;

    // The path, from the environment; nothing is created.
    static std::string defaultPath();

    // Creates `path` with mode 0700 when it does not exist, and the folders above it that are
    // missing too (with the usual permissions: a new account may have no ~/.local/share yet).
    // On failure: AssertionFailure "Failed to create App Support folder <path> : <error>".
    static void ensureExists(const std::string& path);
};
