#pragma once

#include <QString>
#include <memory>

#include "ledger/StickyDate.h"
#include "session/StoreSession.h"
#include "ui/common/Alerts.h"
#include "ui/common/TransactionListView.h"

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

// The register in list mode for a report made outside the main window, as the report lists a
// figure's transactions in the program, but with no editor and no saving.
class ReportRegisterLists final {
public:
    explicit ReportRegisterLists(ObjectContext& context) : m_context(context) {}
    TransactionListFactory factory();

private:
    class NoAlerts final : public Alerts {
    public:
        AlertAnswer run(const AlertContent&, QWidget*) override { return {}; }
    };
    ObjectContext& m_context;
    NoAlerts m_alerts;
    StickyDate m_stickyDate;
};
