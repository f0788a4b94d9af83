#include "ResourcesFolder.h"

#include <system_error>

namespace {

// The folder of the running program; empty when the system does not say.
std::filesystem::path runningProgramFolder() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : executable.parent_path();
}

}  // namespace

const std::string& ResourcesFolder::path() {
    static const std::string folder = find(runningProgramFolder(), PENNORA_RESOURCES_DIR);
    return folder;
}

std::string ResourcesFolder::find(const std::filesystem::path& executableFolder,
                                  const std::string& buildTreeFolder) {
    std::filesystem::path folder = executableFolder;
    if (!folder.has_filename()) {
        folder = folder.parent_path();  // written with a trailing slash
    }
    if (!folder.empty()) {
        const std::filesystem::path installed = folder.parent_path() / "share" / "pennora";
        std::error_code ignored;
        if (std::filesystem::is_directory(installed, ignored)) {
            return installed.lexically_normal().string();
        }
    }
    return buildTreeFolder;
}
