#pragma once

#include <memory>
#include <string>

#include "session/StoreSession.h"

// The program's store files as both front ends open them: the SQLite store of the normal
// mode and the save-as copy, the XML store of the sample, over the application's model.
class FileStores final {
public:
    // The store of `kind` over `path`. A file that SQLite cannot open as a store of this model
    // gives an UnopenableStore carrying the reason; the file is left as it was.
    [[nodiscard]] static std::unique_ptr<PersistentStore> make(StoreKind kind,
                                                               const std::string& path);

    // The shipped sample store, in the program's resources folder (ResourcesFolder).
    [[nodiscard]] static std::string sampleResourcePath();

    // Session options over the user's data folder, the shipped sample, make() and the
    // ledger's check of a loaded store; the front end adds how errors are shown and how
    // pending edits are committed.
    [[nodiscard]] static StoreSession::Options sessionOptions();
    // Options that open the SQLite store at `path` to look only (a snapshot, a copy): read,
    // never written, brought through no migration and no start-up work. With `checked`, it
    // must pass the check on opening; without, a store that failed it opens as far as it
    // loads, so that what it holds can be copied out.
    [[nodiscard]] static StoreSession::Options readOnlyOptions(const std::string& path,
                                                               bool checked = true);
};
