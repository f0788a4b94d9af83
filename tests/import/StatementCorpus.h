#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

// The collection of real statement files some import tests read. It is not part of the
// repository: the tests look in $PENNORA_STATEMENTS_DIR when that is set, else in the folder
// the build was configured with (the CMake cache variable PENNORA_STATEMENTS_DIR), and skip
// when neither holds it.
namespace StatementCorpus {

inline std::filesystem::path configuredPath() {
    const char* fromEnvironment = std::getenv("PENNORA_STATEMENTS_DIR");
    return fromEnvironment != nullptr && *fromEnvironment != '\0' ? fromEnvironment
                                                                  : PENNORA_STATEMENTS_DIR;
}

// The corpus folder, or nothing when it is not there.
inline std::optional<std::filesystem::path> path() {
    std::filesystem::path folder = configuredPath();
    std::error_code ignored;
    if (!std::filesystem::is_directory(folder, ignored)) {
        return std::nullopt;
    }
    return folder;
}

// Why a test that needs the corpus skipped.
inline std::string missingMessage() {
    return "no statement corpus at " + configuredPath().string() +
           " (set PENNORA_STATEMENTS_DIR to a copy to run this test)";
}

}  // namespace StatementCorpus
