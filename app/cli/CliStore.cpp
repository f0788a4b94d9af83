#include "cli/CliStore.h"

#include <filesystem>
#include <iostream>

#include "base/AssertionFailure.h"
#include "cli/CliError.h"
#include "scheduled/ScheduledHooks.h"
#include "session/ApplicationModel.h"
#include "session/DataFolder.h"
#include "session/FileStores.h"
#include "session/StartSequence.h"
#include "session/StoreRecovery.h"
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

CliStore::Run* g_activeRun = nullptr;

}  // namespace

// The session of one CliStore, and the unit of change open on its context. A Run keeps it
// after the CliStore is gone, until the command has succeeded.
struct CliStore::Unit final {
    std::unique_ptr<StoreSession> session;
    // What the desktop would show in an alert, which ends the command here.
    std::optional<ValidationError> shownError;
    bool commandSaved = false;

    ObjectContext& context() { return session->context(); }

    // Writes the unit and begins the next one.
    void write() {
        if (std::optional<ValidationError> error = context().releaseSavepoint()) {
            throw CliError::failed(describe(*error));
        }
        context().setSavepoint();
    }

    void finish() {
        const PersistentStore* store = context().persistentStore();
        if (!commandSaved && store != nullptr && store->isReadOnly()) {
            // Only the start sequence changed anything: a store the user may only read is
            // left as it is.
            context().rollbackToSavepoint();
            return;
        }
        if (std::optional<ValidationError> error = context().releaseSavepoint()) {
            throw CliError::failed(describe(*error));
        }
    }
};

std::string CliStore::defaultPath() {
    return (std::filesystem::path(DataFolder::defaultPath()) / StoreSession::kDatabaseName)
        .string();
}

CliStore::CliStore(const GlobalOptions& global) : m_unit(std::make_shared<Unit>()) {
    open(global);
    if (g_activeRun != nullptr) {
        g_activeRun->m_units.push_back(m_unit);
    }
}

CliStore::~CliStore() = default;

std::string CliStore::recoveryText(const StoreSession& session) {
    const StoreRecovery recovery = StoreRecovery::forSession(session);
    std::string text = recovery.informativeText();
    if (recovery.snapshot) {
        text += "\nRestore it with: pennora-cli backup restore " + recovery.snapshot->file;
    }
    return text;
}

void CliStore::open(const GlobalOptions& global) {
    StoreSession::Options options = FileStores::sessionOptions();
    options.databasePath = global.storePath.value_or("");
    options.presentError = [unit = m_unit.get()](const ValidationError& error) {
        if (!unit->shownError) {
            unit->shownError = error;
        }
    };
    m_unit->session =
        std::make_unique<StoreSession>(ApplicationModel::shared(), std::move(options));
    ObjectContext& context = m_unit->context();
    if (global.leaveObjectsToProcessExit) {
        context.leaveObjectsToProcessExit();
    }
    if (m_unit->session->openError()) {
        throw CliError::failed(recoveryText(*m_unit->session));
    }
    throwIfErrorShown();
    // One command is one change with nothing to undo: keeping undo records would only hold a
    // second copy of what a large import or edit changed. The unit below costs nothing of the
    // kind: it keeps no record of what is inserted under it.
    context.undoManager().disableUndoRegistration();
    context.setSavepoint();
    installScheduledHooks();
    StartSequence::Outcome outcome = StartSequence(*m_unit->session).run();
    throwIfErrorShown();
    m_root = outcome.accountsRoot;
    m_alert = outcome.homeCurrencyAlert;
    if (m_alert) {
        std::cerr << "pennora-cli: " << m_alert->message << " " << m_alert->informativeText << "\n";
    }
}

ObjectContext& CliStore::context() {
    return m_unit->context();
}

void CliStore::throwIfErrorShown() const {
    if (m_unit->shownError) {
        throw CliError::failed(describe(*m_unit->shownError));
    }
}

void CliStore::save() {
    // Inside the unit a save checks the changes and leaves the writing to the unit's end.
    if (std::optional<ValidationError> error = context().save()) {
        throw CliError::failed(describe(*error));
    }
    keepSaved();
}

void CliStore::keepSaved() {
    m_unit->commandSaved = true;
    if (g_activeRun == nullptr) {
        m_unit->write();
    }
}

CliStore::Run::Run() {
    PN_ASSERT(g_activeRun == nullptr, "Command runs do not nest");
    g_activeRun = this;
}

CliStore::Run::~Run() {
    if (g_activeRun == this) {
        g_activeRun = nullptr;
    }
}

void CliStore::Run::finish() {
    g_activeRun = nullptr;
    for (const std::shared_ptr<Unit>& unit : m_units) {
        unit->finish();
    }
    m_units.clear();
}
