#pragma once

#include <optional>
#include <string>

#include "ImportFromApp.h"

class ObjectContext;

// What the sheet for importing from another application shows and does, without widgets: the
// chosen file, whether Import is enabled, and the import when the sheet ends with Import.
// The desktop sheet displays it and forwards the user's choices; it lives as long as the
// main window's store.
class ImportFromAppSheet final {
public:
    static constexpr int kReturnImport = 1;

    // REQUIRES: `context` outlives the sheet.
    explicit ImportFromAppSheet(ObjectContext& context) : m_context(context) {}

    // Showing the sheet forgets any file chosen before; Import is disabled until one is.
    void show() { m_filename.reset(); }
    void chooseFile(std::string path) { m_filename = std::move(path); }
    const std::optional<std::string>& filename() const { return m_filename; }
    bool canImport() const { return m_filename.has_value(); }

    // The sheet ended: with kReturnImport and a chosen file, imports it (saved, or nothing
    // changed and the error given); any other ending only closes, giving nothing.
    std::optional<ImportFromAppResult> didEndSheet(int returnCode);

private:
    ObjectContext& m_context;
    std::optional<std::string> m_filename;
};
