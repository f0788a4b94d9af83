#include "ImportFromAppSheet.h"

std::optional<ImportFromAppResult> ImportFromAppSheet::didEndSheet(int returnCode) {
    if (returnCode != kReturnImport || !m_filename) {
        return std::nullopt;
    }
    return ImportFromApp::importFile(*m_filename, m_context);
}
