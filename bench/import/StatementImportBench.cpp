// Importing a 10 000-entry OFX statement into an account that holds 100 000 transactions in
// an SQLite store: half the entries are duplicates by FIT ID, a thousand merge into pending
// transactions and the rest are new. Timed from the statement text to the finished save, with
// undo recorded as in the program. The filled store is built once; every iteration imports
// into a fresh copy of its file, opened outside the timed region.
//
// Cancelling the same import in steps of 1 000 when one step is left: only the cancel is
// timed, the taking back of every merge and new transaction of the import's unit.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "import/ImportSession.h"
#include "import/OFXReader.h"
#include "import/StatementImporter.h"
#include "ledger/Account.h"
#include "ledger/Node.h"
#include "ledger/Transaction.h"
#include "session/ApplicationModel.h"
#include "store/ObjectContext.h"
#include "store/SQLiteStore.h"
#include "store/UndoGrouping.h"
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

namespace fs = std::filesystem;

constexpr const char* kAccountName = "Held";

struct Store {
    std::unique_ptr<ObjectContext> ctx;
    Account* account = nullptr;
};

Store openStore(const fs::path& path) {
    Store store;
    store.ctx = std::make_unique<ObjectContext>(ApplicationModel::shared());
    auto opened = SQLiteStore::open(path.string(), ApplicationModel::shared());
    auto* sqlite = std::get_if<std::unique_ptr<SQLiteStore>>(&opened);
    if (sqlite == nullptr || (*sqlite)->load(*store.ctx)) {
        std::abort();
    }
    store.ctx->setPersistentStore(std::move(*sqlite));
    store.account = Account::findFirstByPredicate(
        [](const Account& a) { return a.name() == kAccountName; }, *store.ctx);
    return store;
}

void fillAccount(ObjectContext& ctx, Account& account) {
    for (int i = 0; i < kHeld; ++i) {
        bool pending = i < kPending;
        Transaction* t = ctx.insert<Transaction>();
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
        t->setAccount(&account);
    }
}

fs::path benchFolder() {
    static const fs::path folder = [] {
        fs::path f =
            fs::temp_directory_path() / ("pennora-import-bench-" + std::to_string(::getpid()));
        fs::create_directories(f);
        return f;
    }();
    return folder;
}

// The store file with the filled account, made once.
const fs::path& heldStoreFile() {
    static const fs::path path = [] {
        fs::path file = benchFolder() / "held.pennorasql";
        Store store = openStore(file);
        store.ctx->undoManager().disableUndoRegistration();
        Node* root = store.ctx->insert<Node>();
        root->setIdentifier("accounts");
        Account* account = store.ctx->insert<Account>();
        account->setName(kAccountName);
        account->moveTo(root, 0);
        fillAccount(*store.ctx, *account);
        if (store.ctx->save()) {
            std::abort();
        }
        return file;  // the store closes here, folding its log into the file
    }();
    return path;
}

std::string statement() {
    std::string text =
        "OFXHEADER:100\n<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS><CURDEF>USD"
        "<BANKACCTFROM><BANKID>1<ACCTID>1234<ACCTTYPE>CHECKING</BANKACCTFROM>"
        "<BANKTRANLIST><DTSTART>20000101<DTEND>20201231\n";
    for (int e = 0; e < kEntries; ++e) {
        int held = e < kDuplicates              ? kPending + e * 19
                   : e < kDuplicates + kPending ? e - kDuplicates
                                                : e;
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
    return text +
           "</BANKTRANLIST><LEDGERBAL><BALAMT>0<DTASOF>20201231</LEDGERBAL></STMTRS>"
           "</STMTTRNRS></BANKMSGSRSV1></OFX>\n";
}

void BM_ImportStatementIntoLargeAccount(benchmark::State& state) {
    const std::string text = statement();
    const fs::path& held = heldStoreFile();
    const fs::path copy = benchFolder() / "import.pennorasql";
    ImportSummary summary;
    for (auto _ : state) {
        state.PauseTiming();
        fs::copy_file(held, copy, fs::copy_options::overwrite_existing);
        Store store = openStore(copy);
        state.ResumeTiming();
        {
            UndoGrouping group(store.ctx->undoManager());
            ImportDictionary document = OFXReader::readTransactions(text);
            summary = StatementImporter(*store.account).importTransactions(document);
        }
        if (std::optional<ValidationError> error = store.ctx->save()) {
            state.SkipWithError(error->localizedDescription.c_str());
        }
        state.PauseTiming();
        store = Store{};
        fs::remove(copy);
        fs::remove(copy.string() + "-wal");
        fs::remove(copy.string() + "-shm");
        state.ResumeTiming();
    }
    state.counters["matched"] = static_cast<double>(summary.matched);
    state.counters["new"] = static_cast<double>(summary.created);
    state.counters["duplicate"] = static_cast<double>(summary.duplicate);
}
BENCHMARK(BM_ImportStatementIntoLargeAccount)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_CancelImportWithOneStepLeft(benchmark::State& state) {
    const std::string text = statement();
    const fs::path& held = heldStoreFile();
    const fs::path copy = benchFolder() / "cancel.pennorasql";
    std::size_t takenBack = 0;
    for (auto _ : state) {
        state.PauseTiming();
        fs::copy_file(held, copy, fs::copy_options::overwrite_existing);
        Store store = openStore(copy);
        {
            ImportSession session(*store.account);
            session.setEntriesPerStep(1000);
            session.chooseFile(copy.string());
            session.import(ImportSession::StatementRead{OFXReader::readTransactions(text), {}});
            while (session.entriesToImport() - session.entriesImported() > 1000) {
                session.continueImport();
            }
            takenBack = session.entriesImported();
            state.ResumeTiming();
            session.cancelImport();
            state.PauseTiming();
        }
        store = Store{};
        fs::remove(copy);
        fs::remove(copy.string() + "-wal");
        fs::remove(copy.string() + "-shm");
        state.ResumeTiming();
    }
    state.counters["takenBack"] = static_cast<double>(takenBack);
}
BENCHMARK(BM_CancelImportWithOneStepLeft)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(benchFolder());
    return 0;
}
