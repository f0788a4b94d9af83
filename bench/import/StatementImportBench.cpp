// Importing a 10 000-entry OFX statement into an account that holds 100 000 transactions:
// half the entries are duplicates by FIT ID, a thousand merge into pending transactions and
// the rest are new. Timed from the statement text to the finished save.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "import/OFXReader.h"
#include "import/StatementImporter.h"
#include "ledger/Account.h"
#include "ledger/Node.h"
#include "ledger/Transaction.h"
#include "session/ApplicationModel.h"
#include "store/InMemoryStore.h"
#include "store/ObjectContext.h"
#include "store/UndoManager.h"

namespace {

constexpr int kHeld = 100'000;
constexpr int kPending = 1'000;
constexpr int kEntries = 10'000;
constexpr int kDuplicates = kEntries / 2;

const Date kStart = Date::dateWithYear_PN(2000, 1, 1);

Date dayOf(int i) {
    return kStart.daysLater_PN(i / 20);
}

// The amount of held transaction i; pending ones get amounts no other transaction has.
Decimal amountOf(int i, bool pending) {
    return Decimal::fromString((pending ? "-7" : "-") + std::to_string(i % 5000) + "." +
                               std::to_string(10 + i % 90));
}

struct Store {
    std::unique_ptr<ObjectContext> ctx;
    Account* account = nullptr;
};

Store heldStore() {
    Store store;
    store.ctx = std::make_unique<ObjectContext>(ApplicationModel::shared());
    store.ctx->undoManager().disableUndoRegistration();
    store.ctx->setPersistentStore(std::make_unique<InMemoryStore>());
    Node* root = store.ctx->insert<Node>();
    root->setIdentifier("accounts");
    store.account = store.ctx->insert<Account>();
    store.account->moveTo(root, 0);
    for (int i = 0; i < kHeld; ++i) {
        bool pending = i < kPending;
        Transaction* t = store.ctx->insert<Transaction>();
        t->setDate(dayOf(i));
        t->setAmount(amountOf(i, pending));
        t->setTitle("Held " + std::to_string(i));
        if (!pending) {
            t->setIsPending(false);
            t->setIsImported(true);
            t->setOfxAmount(t->amount());
            t->setOfxTitle(*t->title());
            t->setOfxDate(t->date());
            t->setOfxFitID("H" + std::to_string(i));
        }
        t->setAccount(store.account);
    }
    (void)store.ctx->save();
    return store;
}

std::string statement() {
    std::string text = "OFXHEADER:100\n<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS><CURDEF>USD"
                       "<BANKACCTFROM><BANKID>1<ACCTID>1234<ACCTTYPE>CHECKING</BANKACCTFROM>"
                       "<BANKTRANLIST><DTSTART>20000101<DTEND>20201231\n";
    for (int e = 0; e < kEntries; ++e) {
        int held = e < kDuplicates ? kPending + e * 19 : e < kDuplicates + kPending ? e - kDuplicates : e;
        bool merge = e >= kDuplicates && e < kDuplicates + kPending;
        std::string fitID = e < kDuplicates ? "H" + std::to_string(held) : "N" + std::to_string(e);
        Date date = merge ? dayOf(held).daysLater_PN(3) : dayOf(e % kHeld);
        std::string amount = e < kDuplicates || merge ? amountOf(held, merge).toString()
                                                      : "-3" + std::to_string(e) + ".01";
        std::string iso = date.toISOString();
        text += "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>" + iso.substr(0, 4) + iso.substr(5, 2) +
                iso.substr(8, 2) + "<TRNAMT>" + amount + "<FITID>" + fitID + "<NAME>SHOP " +
                std::to_string(e) + "</STMTTRN>\n";
    }
    return text + "</BANKTRANLIST><LEDGERBAL><BALAMT>0<DTASOF>20201231</LEDGERBAL></STMTRS>"
                  "</STMTTRNRS></BANKMSGSRSV1></OFX>\n";
}

void BM_ImportStatementIntoLargeAccount(benchmark::State& state) {
    const std::string text = statement();
    ImportSummary summary;
    for (auto _ : state) {
        state.PauseTiming();
        Store store = heldStore();
        state.ResumeTiming();
        ImportDictionary document = OFXReader::readTransactions(text);
        summary = StatementImporter(*store.account).importTransactions(document);
        if (std::optional<ValidationError> error = store.ctx->save()) {
            state.SkipWithError(error->localizedDescription.c_str());
        }
        state.PauseTiming();
        store = Store{};
        state.ResumeTiming();
    }
    state.counters["matched"] = static_cast<double>(summary.matched);
    state.counters["new"] = static_cast<double>(summary.created);
    state.counters["duplicate"] = static_cast<double>(summary.duplicate);
}
BENCHMARK(BM_ImportStatementIntoLargeAccount)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
