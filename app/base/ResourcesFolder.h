#pragma once

#include <filesystem>
#include <string>

// The folder of the files shipped with the program: the currencies file and the sample store.
// An installed program finds them in share/pennora beside its bin folder
// (<prefix>/bin/pennora → <prefix>/share/pennora); a program run from the build tree, which
// has no such folder, uses the source tree's resources folder it was built with.
class ResourcesFolder final {
public:
    ResourcesFolder() = delete;

    // The folder for this program, looked up once from the running executable.
    [[nodiscard]] static const std::string& path();
    // The lookup: `executableFolder`/../share/pennora when that is a folder, else
    // `buildTreeFolder`.
    [[nodiscard]] static std::string find(const std::filesystem::path& executableFolder,
                                          const std::string& buildTreeFolder);
};
