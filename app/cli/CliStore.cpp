#include "cli/CliStore.h"

#include <exception>
#include <filesystem>
#include <iostream>

#include "cli/CliError.h"
#include "scheduled/ScheduledHooks.h"
#include "session/ApplicationModel.h"
#include "session/DataFolder.h"
#include "session/FileStores.h"
#include "session/StartSequence.h"
#include "session/StoreSession.h"
#include "store/ObjectContext.h"

namespace {

std::string describe(const ValidationError& error) {
    std::string text = error.localizedDescription;
    for (const ValidationError& detail : error.detailedErrors) {
        text += "\n  " + detail.localizedDescription;
    }
    return text;
}

}  // namespace

std::string CliStore::defaultPath() {
    return (std::filesystem::path(DataFolder::defaultPath()) / StoreSession::kDatabaseName)
        .string();
}

CliStore::CliStore(const GlobalOptions& global) : m_uncaughtAtStart(std::uncaught_exceptions()) {
    const std::string path = global.storePath.value_or(defaultPath());
    std::error_code ignored;
    if (!std::filesystem::exists(path, ignored)) {
        m_createdPath = path;
    }
    try {
        open(global);
    } catch (...) {
        discardCreatedFile();
        throw;
    }
}

void CliStore::open(const GlobalOptions& global) {
    StoreSession::Options options = FileStores::sessionOptions();
    options.databasePath = global.storePath.value_or("");
    // What the desktop shows in an alert ends the command here.
    options.presentError = [this](const ValidationError& error) {
        if (!m_shownError) {
            m_shownError = error;
        }
    };
    m_session = std::make_unique<StoreSession>(ApplicationModel::shared(), std::move(options));
    // One command is one change with nothing to undo: keeping undo records would only hold a
    // second copy of what a large import or edit changed.
    m_session->context().undoManager().disableUndoRegistration();
    throwIfErrorShown();
    installScheduledHooks();
    StartSequence::Outcome outcome = StartSequence(*m_session).run();
    throwIfErrorShown();
    m_root = outcome.accountsRoot;
    m_alert = outcome.homeCurrencyAlert;
    if (m_alert) {
        std::cerr << "pennora-cli: " << m_alert->message << " " << m_alert->informativeText << "\n";
    }
}

CliStore::~CliStore() {
    if (std::uncaught_exceptions() > m_uncaughtAtStart) {
        discardCreatedFile();
    }
}

void CliStore::discardCreatedFile() {
    if (m_createdPath.empty()) {
        return;
    }
    m_session.reset();
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
        std::error_code ignored;
        std::filesystem::remove(m_createdPath + suffix, ignored);
    }
}

ObjectContext& CliStore::context() {
    return m_session->context();
}

void CliStore::throwIfErrorShown() const {
    if (m_shownError) {
        throw CliError::failed(describe(*m_shownError));
    }
}

void CliStore::save() {
    if (std::optional<ValidationError> error = context().save()) {
        throw CliError::failed(describe(*error));
    }
}
