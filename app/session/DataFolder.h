#pragma once

#include <string>

// The folder that holds the program's store files: the user's data folder ($XDG_DATA_HOME,
// else ~/.local/share; the temporary folder when neither is known) plus "Pennora".
class DataFolder final {
public:
    static constexpr unsigned kFolderMode = 0700;

    // The path, from the environment; nothing is created.
    static std::string defaultPath();

    // Creates `path` with mode 0700 when it does not exist; the parent folders are not created.
    // On failure: AssertionFailure "Failed to create App Support folder <path> : <error>".
    static void ensureExists(const std::string& path);
};
