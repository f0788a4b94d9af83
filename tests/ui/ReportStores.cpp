#include "ReportStores.h"

#include <QFileInfo>

#include "scheduled/ScheduledHooks.h"
#include "session/ApplicationModel.h"
#include "session/FileStores.h"
#include "session/StartSequence.h"
#include "store/ObjectContext.h"
#include "ui/register/RegisterTransactionList.h"
#include "ui/register/TransactionsTableController.h"

namespace {

std::unique_ptr<StoreSession> open(StoreSession::Options options, bool sample) {
    installScheduledHooks();
    auto session = std::make_unique<StoreSession>(ApplicationModel::shared(), std::move(options));
    session->setSampleMode(sample);
    session->context().undoManager().disableUndoRegistration();
    (void)StartSequence(*session).run();
    session->context().undoManager().enableUndoRegistration();
    return session;
}

}  // namespace

std::unique_ptr<StoreSession> ReportStores::openSample(const QString& dataFolder) {
    StoreSession::Options options = FileStores::sessionOptions();
    options.dataFolder = dataFolder.toStdString();
    return open(std::move(options), true);
}

std::unique_ptr<StoreSession> ReportStores::openFile(const QString& path) {
    StoreSession::Options options = FileStores::sessionOptions();
    options.databasePath = path.toStdString();
    return open(std::move(options), false);
}

QString ReportStores::benchStorePath() {
    const QString path = QStringLiteral(PENNORA_BENCH_STORE);
    return QFileInfo::exists(path) ? path : QString();
}

TransactionListFactory ReportRegisterLists::factory() {
    return [this](std::function<void(Transaction*)> didCloseEditPanel) {
        auto table = std::make_unique<TransactionsTableController>(m_context, m_alerts,
                                                                   m_stickyDate, nullptr, nullptr);
        return std::unique_ptr<TransactionListView>(std::make_unique<RegisterTransactionList>(
            std::move(table), std::move(didCloseEditPanel)));
    };
}
