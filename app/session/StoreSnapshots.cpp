#include "session/StoreSnapshots.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "base/Clock.h"
#include "base/Log.h"
#include "base/Sha256.h"
#include "ledger/CurrenciesFile.h"
#include "ledger/LedgerStoreCheck.h"
#include "session/ApplicationModel.h"
#include "session/SnapshotRetention.h"
#include "store/ObjectContext.h"
#include "store/SQLiteStore.h"
#include "store/StoreFile.h"
#include "store/StoreSnapshot.h"

namespace {

constexpr const char* kStoreExtension = ".pennorasql";
constexpr const char* kManifestExtension = ".json";

std::string folderBeside(const std::string& storePath) {
    const std::filesystem::path parent = std::filesystem::path(storePath).parent_path();
    return ((parent.empty() ? std::filesystem::path(".") : parent) / StoreSnapshots::kFolderName)
        .string();
}

// "2026-03-15T093000Z": the instant in UTC, as file names sort.
std::string stemOf(Date::TimePoint taken) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(taken);
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H%M%SZ", &utc);
    return text;
}

bool exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

// Loads the store at `path` for reading only and checks it as opening does.
std::optional<std::string> loadAndCheck(const std::string& path, SQLiteStore::Access access) {
    auto opened = SQLiteStore::open(path, ApplicationModel::shared(), access);
    if (auto* error = std::get_if<ValidationError>(&opened)) {
        return error->localizedDescription;
    }
    ObjectContext context(ApplicationModel::shared());
    auto& store = *std::get<std::unique_ptr<SQLiteStore>>(opened);
    if (std::optional<ValidationError> error = store.load(context)) {
        return error->localizedDescription;
    }
    return LedgerStoreCheck::findDamage(context, CurrenciesFile::defaultPath());
}

}  // namespace

StoreSnapshots::StoreSnapshots(std::string storePath)
    : m_storePath(std::move(storePath)), m_folder(folderBeside(m_storePath)) {}

std::string StoreSnapshots::pathOf(const SnapshotManifest& snapshot) const {
    return m_folder + "/" + snapshot.file;
}

std::string StoreSnapshots::stampOf(const std::string& path) {
    std::string stamp;
    for (const std::string& file : {path, path + "-wal"}) {
        struct stat info {};
        // An empty log holds nothing: the same file as none (opening the store may leave one,
        // closing it removes it).
        if (::stat(file.c_str(), &info) != 0 || (file != path && info.st_size == 0)) {
            stamp += "-;";
            continue;
        }
        stamp += std::to_string(info.st_size) + "," + std::to_string(info.st_mtim.tv_sec) + "." +
                 std::to_string(info.st_mtim.tv_nsec) + "," + std::to_string(info.st_ino) + ";";
    }
    return stamp;
}

std::vector<SnapshotManifest> StoreSnapshots::list() const {
    std::vector<SnapshotManifest> snapshots;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder, error)) {
        if (entry.path().extension() != kManifestExtension) {
            continue;
        }
        std::optional<std::string> text = StoreFile::readWhole(entry.path().string());
        std::optional<SnapshotManifest> manifest =
            text ? SnapshotManifest::fromJSON(*text) : std::nullopt;
        if (manifest && exists(pathOf(*manifest))) {
            snapshots.push_back(std::move(*manifest));
        }
    }
    std::sort(snapshots.begin(), snapshots.end(),
              [](const SnapshotManifest& a, const SnapshotManifest& b) {
                  // Taken in the same second: "…Z-2" follows "…Z", "…Z-10" follows "…Z-9".
                  if (a.taken != b.taken) {
                      return a.taken > b.taken;
                  }
                  return a.file.size() != b.file.size() ? a.file.size() > b.file.size()
                                                        : a.file > b.file;
              });
    return snapshots;
}

bool StoreSnapshots::ensureFolder() const {
    if (::mkdir(m_folder.c_str(), kFolderMode) == 0) {
        return true;
    }
    struct stat info {};
    return errno == EEXIST && ::stat(m_folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string StoreSnapshots::freeStem(Date::TimePoint taken) const {
    const std::string stem = stemOf(taken);
    std::string candidate = stem;
    for (int n = 2; exists(m_folder + "/" + candidate + kStoreExtension) ||
                    exists(m_folder + "/" + candidate + kManifestExtension);
         ++n) {
        candidate = stem + "-" + std::to_string(n);
    }
    return candidate;
}

bool StoreSnapshots::storeChangedSinceCopied() const {
    return exists(m_storePath) && !copiedAtStamp(stampOf(m_storePath));
}

bool StoreSnapshots::copiedAtStamp(const std::string& stamp) const {
    const std::vector<SnapshotManifest> existing = list();
    return std::any_of(existing.begin(), existing.end(),
                       [&stamp](const SnapshotManifest& s) { return s.sourceStamp == stamp; });
}

std::variant<std::monostate, StoreSnapshots::Pending, std::string> StoreSnapshots::copyStore(
    SnapshotReason reason) const {
    if (!exists(m_storePath)) {
        return std::monostate{};
    }
    const std::string stamp = stampOf(m_storePath);
    if (copiedAtStamp(stamp)) {
        return std::monostate{};
    }
    if (!ensureFolder()) {
        return "the folder " + m_folder + " could not be created";
    }
    Pending pending;
    pending.manifest.taken = Clock::now();
    pending.manifest.reason = reason;
    pending.manifest.sourceStamp = stamp;
    const std::string stem = freeStem(pending.manifest.taken);
    pending.manifest.file = stem + kStoreExtension;
    pending.path = pathOf(pending.manifest);
    if (std::optional<std::string> error = StoreSnapshot::copy(m_storePath, pending.path)) {
        return *error;
    }
    return pending;
}

void StoreSnapshots::discard(const Pending& pending) const {
    ::unlink(pending.path.c_str());
}

void StoreSnapshots::writeManifest(const SnapshotManifest& manifest) const {
    const std::string path =
        m_folder + "/" + std::filesystem::path(manifest.file).stem().string() + kManifestExtension;
    if (std::optional<std::string> error = StoreFile::writeAtomically(path, manifest.toJSON())) {
        logLine("Failed to write the snapshot manifest " + path + ": " + *error);
    }
}

SnapshotManifest StoreSnapshots::keep(Pending pending, ObjectContext& context) const {
    SnapshotManifest& manifest = pending.manifest;
    if (manifest.sha256.empty()) {
        manifest.sha256 = Sha256::hexOfFile(pending.path).value_or("");
    }
    const std::vector<SnapshotManifest> existing = list();
    const auto same = std::find_if(existing.begin(), existing.end(),
                                   [&](const auto& s) { return s.sha256 == manifest.sha256; });
    if (same != existing.end()) {
        // The content is kept already; only the store file's stamp is new (a checkpoint, a
        // restore, a save that changed nothing).
        discard(pending);
        SnapshotManifest kept = *same;
        kept.sourceStamp = manifest.sourceStamp;
        writeManifest(kept);
        return kept;
    }
    manifest.modelVersion = StoreSnapshot::modelVersion(pending.path).value_or(0);
    manifest.takeFiguresFrom(context);
    writeManifest(manifest);
    prune(Clock::now());
    return manifest;
}

std::variant<SnapshotManifest, std::string> StoreSnapshots::take(SnapshotReason reason,
                                                                 ObjectContext& context) const {
    auto copied = copyStore(reason);
    if (auto* error = std::get_if<std::string>(&copied)) {
        return *error;
    }
    if (auto* pending = std::get_if<Pending>(&copied)) {
        return keep(std::move(*pending), context);
    }
    const std::string stamp = stampOf(m_storePath);
    for (const SnapshotManifest& snapshot : list()) {
        if (snapshot.sourceStamp == stamp) {
            return snapshot;
        }
    }
    return std::string("there is no store file to copy");
}

void StoreSnapshots::prune(Date::TimePoint now) const {
    const std::vector<SnapshotManifest> snapshots = list();
    std::vector<Date::TimePoint> taken;
    for (const SnapshotManifest& s : snapshots) {
        taken.push_back(s.taken);
    }
    const std::vector<bool> kept = SnapshotRetention::keep(taken, now);
    for (std::size_t i = 0; i < snapshots.size(); ++i) {
        if (!kept[i]) {
            const std::string file = pathOf(snapshots[i]);
            // The manifest goes first: a file without one is no longer a snapshot.
            const std::string manifest = m_folder + "/" +
                                         std::filesystem::path(snapshots[i].file).stem().string() +
                                         kManifestExtension;
            ::unlink(manifest.c_str());
            ::unlink(file.c_str());
        }
    }
}

std::optional<std::string> StoreSnapshots::verify(const SnapshotManifest& snapshot) const {
    const std::string path = pathOf(snapshot);
    if (Sha256::hexOfFile(path) != snapshot.sha256) {
        return std::string("the file is not the one the snapshot recorded");
    }
    if (std::optional<std::string> damage = StoreSnapshot::quickCheck(path)) {
        return damage;
    }
    if (snapshot.modelVersion >= ApplicationModel::shared().version()) {
        return loadAndCheck(path, SQLiteStore::Access::ReadOnly);
    }
    // An older store is checked as it will be opened: brought up to date, on a scratch copy.
    const std::string scratch = path + ".verifying";
    if (std::optional<std::string> error = StoreSnapshot::copy(path, scratch)) {
        return error;
    }
    std::optional<std::string> damage = loadAndCheck(scratch, SQLiteStore::Access::AsPermitted);
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
        ::unlink((scratch + suffix).c_str());
    }
    return damage;
}

std::optional<SnapshotManifest> StoreSnapshots::newestPassing() const {
    for (const SnapshotManifest& snapshot : list()) {
        if (!verify(snapshot)) {
            return snapshot;
        }
    }
    return std::nullopt;
}

std::optional<std::string> StoreSnapshots::setAsideDamagedStore() const {
    if (!ensureFolder()) {
        return std::nullopt;
    }
    const std::string target = m_folder + "/damaged-" + stemOf(Clock::now()) + kStoreExtension;
    // The write-ahead log holds part of the damaged content: it goes along when there is one.
    if (exists(m_storePath + "-wal")) {
        ::rename((m_storePath + "-wal").c_str(), (target + "-wal").c_str());
    }
    ::unlink((m_storePath + "-shm").c_str());
    if (::rename(m_storePath.c_str(), target.c_str()) != 0) {
        return std::nullopt;
    }
    return target;
}
