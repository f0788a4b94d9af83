#include "session/StoreSession.h"

#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <future>
#include <string_view>

#include "base/AssertionFailure.h"
#include "base/Clock.h"
#include "base/Log.h"
#include "base/Sha256.h"
#include "base/ThreadPriority.h"
#include "session/DataFolder.h"
#include "store/EntityModel.h"
#include "store/StoreFile.h"
#include "store/StoreRows.h"
#include "store/StoreSnapshot.h"

namespace {

// "{key = value; ...}", the way an information dictionary is logged.
std::string describeInfo(const std::map<std::string, std::string>& info) {
    std::string out = "{";
    for (const auto& [key, value] : info) {
        out += (out.size() > 1 ? "; " : " ") + key + " = " + value;
    }
    return out + (out.size() > 1 ? " }" : "}");
}

}  // namespace

StoreSession::StoreSession(const EntityModel& model, Options options)
    : m_model(model), m_options(std::move(options)) {}

void StoreSession::reset() {
    if (m_context && ObjectContext::hasApplicationContext() &&
        &ObjectContext::applicationContext() == m_context.get()) {
        ObjectContext::setApplicationContext(nullptr);
    }
    m_context.reset();
    m_openError.reset();
    m_storePath.clear();
    m_snapshots.reset();
    m_changesSinceSnapshot = false;
    m_lastSnapshot.reset();
}

void StoreSession::copySampleResource(const std::string& path) const {
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
        PN_ASSERTION_FAILURE("Error while deleting previous sample database");
    }
    std::optional<std::string> bytes = StoreFile::readWhole(m_options.sampleResource);
    if (!bytes || StoreFile::writeAtomically(path, *bytes)) {
        PN_ASSERTION_FAILURE("Error while copying sample database");
    }
}

std::optional<std::string> StoreSession::quickCheckDamage(StoreKind kind,
                                                          const std::string& path) const {
    struct stat info {};
    if (kind != StoreKind::SQLite || !m_options.findDamage || ::stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return StoreSnapshot::quickCheck(path);
}

std::unique_ptr<PersistentStore> StoreSession::openStore(StoreKind kind, const std::string& path) {
    // Opening migrates a file of an older model, so its copy is made before it opens. A file
    // of the current model is only read until it has loaded: its copy is made beside the load.
    // Either copy is hashed beside the load, so that keeping it costs little once it loaded.
    const bool snapshot =
        m_snapshots && m_options.snapshotOnOpen && m_snapshots->storeChangedSinceCopied();
    const bool copyFirst = snapshot && StoreSnapshot::modelVersion(path) != m_model.version();
    std::variant<std::monostate, StoreSnapshots::Pending, std::string> copied;
    if (copyFirst) {
        copied = m_snapshots->copyStore(SnapshotReason::Open);
    }
    // The store creates a missing file itself, private to the user; an empty file made here
    // beforehand would be taken for one that is not a store.
    std::unique_ptr<PersistentStore> store = m_options.makeStore(kind, path);
    // SQLite's check reads the whole file on a connection and a thread of its own while the
    // store loads: on a second core it adds next to nothing to the time opening takes. It
    // yields to the loading's two threads where they have both cores (it ends well before
    // them all the same). It starts once the store is open, so that it never holds up the
    // switch of the file to its journal mode.
    std::future<std::optional<std::string>> quickCheck =
        std::async(std::launch::async, [this, kind, path] {
            ThreadPriority::yieldToOtherThreads();
            return quickCheckDamage(kind, path);
        });
    std::future<std::variant<std::monostate, StoreSnapshots::Pending, std::string>> snapshotCopy;
    if (snapshot) {
        snapshotCopy = std::async(
            std::launch::async, [this, copyNow = !copyFirst, copied = std::move(copied)] {
                auto made = copyNow ? m_snapshots->copyStore(SnapshotReason::Open) : copied;
                if (auto* pending = std::get_if<StoreSnapshots::Pending>(&made)) {
                    pending->manifest.sha256 = Sha256::hexOfFile(pending->path).value_or("");
                }
                return made;
            });
    }
    if (!store) {
        m_openError = ValidationError{kStoreErrorDomain,
                                      kPersistentStoreOpenErrorCode,
                                      "The store file " + path + " could not be opened.",
                                      {},
                                      {{"path", path}}};
    } else {
        m_openError = store->load(*m_context);
    }
    std::optional<std::string> quickCheckFound = quickCheck.get();
    std::optional<StoreSnapshots::Pending> pending;
    if (snapshotCopy.valid()) {
        auto made = snapshotCopy.get();
        if (auto* error = std::get_if<std::string>(&made)) {
            logLine("Failed to take a snapshot of " + path + ": " + *error);
        } else if (auto* copy = std::get_if<StoreSnapshots::Pending>(&made)) {
            pending = std::move(*copy);
        }
    }
    if (!m_openError) {
        std::optional<std::string> damage = std::move(quickCheckFound);
        if (!damage && m_options.findDamage) {
            damage = m_options.findDamage(*m_context);
        }
        if (damage) {
            m_openError =
                ValidationError{kStoreErrorDomain,
                                kPersistentStoreOpenErrorCode,
                                "The store file \"" + path + "\" could not be read: " + *damage,
                                {},
                                {{"path", path}}};
        }
    }
    if (m_openError) {
        // A damaged copy is no snapshot: restoring it would bring the damage back.
        if (pending) {
            m_snapshots->discard(*pending);
        }
        return nullptr;
    }
    if (pending) {
        noteSnapshot(m_snapshots->keep(std::move(*pending), *m_context));
    }
    return store;
}

StoreKind StoreSession::kindForPath(const std::string& path) {
    constexpr std::string_view kExtension = ".xml";
    if (path.size() < kExtension.size()) {
        return StoreKind::SQLite;
    }
    const std::string_view end = std::string_view(path).substr(path.size() - kExtension.size());
    const bool isXML = std::equal(end.begin(), end.end(), kExtension.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
    return isXML ? StoreKind::XML : StoreKind::SQLite;
}

ObjectContext& StoreSession::context() {
    if (m_context) {
        return *m_context;
    }
    m_storePath = m_options.databasePath;
    StoreKind kind = kindForPath(m_storePath);
    if (m_sampleMode) {
        kind = StoreKind::XML;
        m_storePath.clear();
    }
    m_storeKind = kind;
    if (m_storePath.empty()) {
        DataFolder::ensureExists(m_options.dataFolder);
        m_storePath = pathFor(m_sampleMode ? kSampleDatabaseName : kDatabaseName);
    }
    if (m_sampleMode) {
        copySampleResource(m_storePath);
    }
    m_context = std::make_unique<ObjectContext>(m_model);
    m_snapshots.reset();
    if (m_options.keepSnapshots && !m_options.readOnly && !m_sampleMode &&
        kind == StoreKind::SQLite) {
        m_snapshots = std::make_unique<StoreSnapshots>(m_storePath);
    }
    std::unique_ptr<PersistentStore> store = openStore(kind, m_storePath);
    if (!store) {
        // A partly loaded graph is dropped; the program goes on without a store.
        m_context = std::make_unique<ObjectContext>(m_model);
        if (m_options.presentError) {
            m_options.presentError(*m_openError);
        }
    }
    m_context->setPersistentStore(std::move(store));
    return *m_context;
}

bool StoreSession::save() {
    PN_ASSERT(m_context, "managedObjectContext missing");
    PN_ASSERT(!m_options.commitEditing || m_options.commitEditing(), "Failed to commit editing");
    if (savesHeld() || !m_context->hasChanges()) {
        return true;
    }
    std::optional<ValidationError> error = m_context->save();
    if (!error) {
        m_changesSinceSnapshot = true;
        return true;
    }
    outputSaveError(*error);
    return false;
}

void StoreSession::releaseSaves() {
    PN_ASSERT(m_saveHolds > 0, "releaseSaves without holdSaves");
    --m_saveHolds;
}

void StoreSession::outputSaveError(const ValidationError& error) const {
    logLine("Failed to save to data store: " + error.localizedDescription);
    if (!error.detailedErrors.empty()) {
        for (const ValidationError& detail : error.detailedErrors) {
            logLine("DetailedError: " + describeInfo(detail.userInfo));
        }
    } else {
        logLine("  " + describeInfo(error.userInfo));
    }
    if (m_options.presentError) {
        m_options.presentError(error);
    }
}

void StoreSession::saveAs() {
    ObjectContext& current = context();
    PN_ASSERT(current.persistentStore(), "No store to save as");
    // The saved state (not the unsaved changes) goes to the new file; save() adds those.
    ObjectContext saved(m_model);
    std::unique_ptr<PersistentStore> source = m_options.makeStore(m_storeKind, m_storePath);
    PN_ASSERT(source && !source->load(saved), "Failed to read the store to save as");

    std::string target = pathFor(kSaveAsName);
    PN_ASSERT(::unlink(target.c_str()) == 0 || errno == ENOENT, "Failed to replace " + target);
    std::unique_ptr<PersistentStore> store = m_options.makeStore(StoreKind::SQLite, target);
    ObjectContext empty(m_model);
    PN_ASSERT(store && !store->load(empty), "Failed to open " + target);
    PN_ASSERT(!store->save(wholeGraphAsInsertions(saved)), "Failed to write " + target);
    current.setPersistentStore(std::move(store));
    m_storePath = target;
    m_storeKind = StoreKind::SQLite;
    save();
}

TerminateReply StoreSession::applicationShouldTerminate() {
    if (!m_context) {
        return TerminateReply::Now;
    }
    if (m_options.commitEditing && !m_options.commitEditing()) {
        return TerminateReply::Cancel;
    }
    if (!m_context->hasChanges()) {
        return TerminateReply::Now;
    }
    return save() ? TerminateReply::Now : TerminateReply::Cancel;
}

void StoreSession::noteSnapshot(const std::variant<SnapshotManifest, std::string>& taken) {
    if (const auto* error = std::get_if<std::string>(&taken)) {
        logLine("Failed to take a snapshot of " + m_storePath + ": " + *error);
        return;
    }
    m_changesSinceSnapshot = false;
    m_lastSnapshot = Clock::now();
}

void StoreSession::snapshotBeforeBulkChange(SnapshotReason reason) {
    if (m_snapshots && m_context && !m_openError) {
        noteSnapshot(m_snapshots->take(reason, *m_context));
    }
}

bool StoreSession::snapshotIfDue() {
    if (!m_snapshots || !m_context || m_openError || !m_changesSinceSnapshot ||
        m_context->hasChanges()) {
        return false;
    }
    if (m_lastSnapshot && Clock::now() - *m_lastSnapshot < std::chrono::hours(1)) {
        return false;
    }
    noteSnapshot(m_snapshots->take(SnapshotReason::Hourly, *m_context));
    return !m_changesSinceSnapshot;
}

std::optional<std::string> StoreSession::restoreSnapshot(const SnapshotManifest& snapshot) {
    if (!m_snapshots) {
        return std::string("this store keeps no snapshots");
    }
    if (std::optional<std::string> damage = m_snapshots->verify(snapshot)) {
        return "the snapshot is damaged: " + *damage;
    }
    const StoreSnapshots snapshots = *m_snapshots;
    if (m_openError) {
        if (!snapshots.setAsideDamagedStore()) {
            return std::string("the damaged store could not be set aside");
        }
    } else {
        if (m_context->hasChanges() && !save()) {
            return std::string("the store could not be saved first");
        }
        struct stat info {};
        auto taken = snapshots.take(SnapshotReason::Restore, *m_context);
        const auto* error = std::get_if<std::string>(&taken);
        // A store whose file is missing has nothing to keep.
        if (error && ::stat(m_storePath.c_str(), &info) == 0) {
            return "the store could not be copied first: " + *error;
        }
    }
    // The store's connection closes before its file is replaced.
    const std::string path = m_storePath;
    reset();
    m_options.databasePath = path;
    return StoreSnapshot::restore(snapshots.pathOf(snapshot), path);
}
