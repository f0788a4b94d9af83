#pragma once

#include <QString>
#include <memory>

#include "session/StoreSession.h"

class ObjectContext;

// Opens the stores the report views are shown and measured on, as the program opens them:
// the shipped sample (copied into `dataFolder`) or a store file made by pennora-bench-data.
class ReportStores final {
public:
    [[nodiscard]] static std::unique_ptr<StoreSession> openSample(const QString& dataFolder);
    [[nodiscard]] static std::unique_ptr<StoreSession> openFile(const QString& path);
    // The 200 000-transaction store made in the build folder, or empty when it is not there
    // (bench/ui/make-report-bench-store.sh makes it).
    [[nodiscard]] static QString benchStorePath();
};
