#include "ui/shell/FileStoreOpener.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <variant>

#include "base/AssertionFailure.h"
#include "session/ApplicationModel.h"
#include "store/InMemoryStore.h"
#include "store/ObjectContext.h"
#include "store/SQLiteStore.h"

FileStoreOpener::FileStoreOpener(QString dataFolder, Filler fillSample)
    : m_folder(std::move(dataFolder)), m_fillSample(std::move(fillSample)) {}

QString FileStoreOpener::defaultDataFolder() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty()) {
        base = QDir::tempPath();
    }
    return QDir(base).filePath(QStringLiteral("Pennora"));
}

std::unique_ptr<ObjectContext> FileStoreOpener::open(Mode mode,
                                                     std::optional<ValidationError>& error) {
    auto context = std::make_unique<ObjectContext>(ApplicationModel::shared());
    if (mode == Mode::Sample) {
        context->setPersistentStore(std::make_unique<InMemoryStore>());
        if (m_fillSample) {
            context->undoManager().disableUndoRegistration();
            m_fillSample(*context);
            context->undoManager().enableUndoRegistration();
            error = context->save();
        }
        return context;
    }
    if (!QDir(m_folder).exists()) {
        // Only the last folder is made; a missing parent is an installation problem.
        PN_ASSERT(QDir().mkdir(m_folder), "Failed to create App Support folder " +
                                              m_folder.toStdString() + " : mkdir failed");
        QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                            QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
    }
    const std::string path = QDir(m_folder).filePath(QStringLiteral("Database.pennorasql")).toStdString();
    auto opened = SQLiteStore::open(path, ApplicationModel::shared());
    if (auto* failure = std::get_if<ValidationError>(&opened)) {
        // The file is left alone; the program runs without a store and saves fail.
        error = *failure;
        return context;
    }
    auto store = std::move(std::get<std::unique_ptr<SQLiteStore>>(opened));
    if (auto loadError = store->load(*context)) {
        error = loadError;
        return std::make_unique<ObjectContext>(ApplicationModel::shared());
    }
    context->setPersistentStore(std::move(store));
    return context;
}

std::optional<ValidationError> FileStoreOpener::saveAs(ObjectContext&) {
    ValidationError error;
    error.domain = ValidationError::domainWithSuffix(".ErrorDomain");
    error.localizedDescription = "Save As is not available in this version.";
    return error;
}
