#pragma once

#include <QString>
#include <functional>

#include "ui/shell/StoreOpener.h"

// Opens "Database.pennorasql" in the data folder (created 0700 when missing) as an SQLite
// store; the sample is filled by `fillSample` into a store in memory, so nothing the user does
// in it reaches a file. Save as moves nothing yet and reports so.
class FileStoreOpener final : public StoreOpener {
public:
    using Filler = std::function<void(ObjectContext&)>;
    FileStoreOpener(QString dataFolder, Filler fillSample);

    // The user's application-data folder followed by "Pennora".
    static QString defaultDataFolder();

    std::unique_ptr<ObjectContext> open(Mode mode, std::optional<ValidationError>& error) override;
    std::optional<ValidationError> saveAs(ObjectContext& context) override;

private:
    QString m_folder;
    Filler m_fillSample;
};
