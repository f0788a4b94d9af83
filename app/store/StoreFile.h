#pragma once

#include <optional>
#include <string>

// File operations the stores share: reading a file whole and replacing one atomically and
// durably. Store files are private to the user (mode 0600).
class StoreFile final {
public:
    static constexpr unsigned kFileMode = 0600;

    // The file's bytes, or nothing when it cannot be opened or read.
    [[nodiscard]] static std::optional<std::string> readWhole(const std::string& path);

    // Replaces `path` with `bytes` so that after a crash or power failure the file holds either
    // the old or the new content: writes a temporary file beside it (mode 0600), fsyncs it,
    // renames it over `path` and fsyncs the folder. Returns nothing on success, otherwise a
    // description of what failed; the old file is then unchanged and the temporary is removed.
    [[nodiscard]] static std::optional<std::string> writeAtomically(const std::string& path,
                                                                    const std::string& bytes);

    // Creates an empty file with mode 0600 when none exists. Returns false when it cannot.
    [[nodiscard]] static bool createPrivate(const std::string& path);
};
