#include "session/StartSequence.h"

#include "base/AssertionFailure.h"
#include "base/Log.h"
#include "ledger/AccountsRoot.h"
#include "ledger/CurrenciesFile.h"
#include "ledger/CurrencyUpdater.h"
#include "session/ApplicationMigrations.h"
#include "session/SampleDates.h"
#include "session/StoreSession.h"
#include "store/ObjectContext.h"

namespace {

// Keeps the start's changes off the undo stack for as long as it lives.
class UndoRegistrationPause final {
public:
    explicit UndoRegistrationPause(UndoManager& manager) : m_manager(manager) {
        m_manager.disableUndoRegistration();
    }
    ~UndoRegistrationPause() { m_manager.enableUndoRegistration(); }
    UndoRegistrationPause(const UndoRegistrationPause&) = delete;
    UndoRegistrationPause& operator=(const UndoRegistrationPause&) = delete;

private:
    UndoManager& m_manager;
};

}  // namespace

StartSequence::StartSequence(StoreSession& session)
    : StartSequence(session, CurrenciesFile::defaultPath()) {}

StartSequence::StartSequence(StoreSession& session, std::string currenciesFile)
    : m_session(session), m_currenciesFile(std::move(currenciesFile)) {}

StartSequence::Outcome StartSequence::run() {
    ObjectContext& context = m_session.context();
    UndoRegistrationPause pause(context.undoManager());
    Outcome outcome;
    if (m_session.openError() || m_session.readOnly()) {
        // Every save of this context fails; the migrations would only repeat that error. A
        // store opened to look at is shown as it is.
        outcome.accountsRoot = &AccountsRoot::setup(context);
        return outcome;
    }
    if (m_session.sampleMode()) {
        SampleDates::updateDateOnSampleData(context, Date::today_PN());
    }
    outcome.accountsRoot = &AccountsRoot::setup(context);
    CurrencyUpdater updater(context, m_currenciesFile);
    updateCurrencies(updater);
    outcome.homeCurrencyAlert =
        ApplicationMigrations::performApplicationLevelMigrations(m_session, updater);
    return outcome;
}

void StartSequence::updateCurrencies(CurrencyUpdater& updater) {
    try {
        const CurrencyUpdater::UpdateResult result = updater.updateCurrencies();
        if (result.saveError) {
            m_session.outputSaveError(*result.saveError);
        }
    } catch (const CurrenciesFile::Error& error) {
        // A broken installation: the program goes on with the currencies the store has.
        logLine(error.what());
    } catch (const AssertionFailure& failure) {
        logLine(std::string("Assertion failure: ") + failure.message() + " (" + failure.file() +
                ":" + std::to_string(failure.line()) + ")");
    }
}
