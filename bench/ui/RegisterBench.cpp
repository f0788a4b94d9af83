// register_bench: the register's speed on the command-line benchmark's store of 200 000
// transactions, offscreen, as medians of several runs:
//   - "All Accounts" shown and its first rows painted;
//   - the account with the most transactions shown and painted;
//   - a page scrolled anywhere and painted;
//   - the editor closed after a change (written back, saved, re-sorted, repainted);
//   - the search keywords folded ahead in idle slices (in all, and the longest slice);
//   - a search typed letter by letter (results shown and painted per keystroke);
// and the memory the register adds.
//
//   register_bench [STORE]   (default: generate one like pennora-bench-data into a temp folder)
//
// A tenth of the transactions get two lines of notes and a twentieth three splits in memory
// (not saved), so that rows of different heights are measured too.

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <functional>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "../cli/HistoryGenerator.h"
#include "base/Clock.h"
#include "base/UserLocale.h"
#include "cli/CliStore.h"
#include "ledger/Account.h"
#include "ledger/Category.h"
#include "ledger/KeywordIndex.h"
#include "ledger/Split.h"
#include "ledger/StickyDate.h"
#include "ledger/Transaction.h"
#include "session/ApplicationModel.h"
#include "session/FileStores.h"
#include "session/StoreSession.h"
#include "store/ObjectContext.h"
#include "ui/common/Alerts.h"
#include "ui/register/KeywordPrefolder.h"
#include "ui/register/RegisterModel.h"
#include "ui/register/RowEditor.h"
#include "ui/register/SearchResultsController.h"
#include "ui/register/TransactionsTable.h"
#include "ui/register/TransactionsTableController.h"

namespace {

const Date kToday = Date::dateWithYear_PN(2026, 3, 15);

// Moves the edited transaction back a few weeks and changes its amount.
class BenchEditor final : public RowEditor {
public:
    BenchEditor() { setFixedHeight(160); }
    void beginEditing(Transaction& transaction, bool, bool) override {
        m_transaction = &transaction;
    }
    void writeFieldsToTransaction() override {
        m_transaction->setDate(m_transaction->date().daysAgo_PN(40));
        m_transaction->setAmount(m_transaction->amount() - Decimal(1));
    }
    void endEditing() override { m_transaction = nullptr; }
    Transaction* transaction() const override { return m_transaction; }
    void focusFirstField() override {}
    void pressReturn() { emit saveAndCloseRequested(); }

private:
    Transaction* m_transaction = nullptr;
};

class NoAlerts final : public Alerts {
public:
    AlertAnswer run(const AlertContent&, QWidget*) override { return {}; }
};

long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

double cpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The CPU time of the work of each run, kept beside its wall time: on a machine busy with
// other work the wall time also counts the waits for a core.
std::vector<double> g_cpu;

double milliseconds(const std::function<void()>& work) {
    QElapsedTimer timer;
    const double cpuStart = cpuMilliseconds();
    timer.start();
    work();
    g_cpu.push_back(cpuMilliseconds() - cpuStart);
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Reports the wall times of `runs` and the CPU times of the same runs (the last ones taken).
void report(const char* what, const std::vector<double>& runs, std::size_t stride = 1,
            std::size_t offset = 0) {
    std::vector<double> cpu;
    const std::size_t first = g_cpu.size() - runs.size() * stride;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        cpu.push_back(g_cpu[first + i * stride + offset]);
    }
    std::printf("%-52s wall median %8.2f ms (min %.2f), CPU median %8.2f ms, %zu runs\n", what,
                median(runs), *std::min_element(runs.begin(), runs.end()), median(cpu),
                runs.size());
}

std::string generateStore(const QTemporaryDir& folder) {
    GlobalOptions options;
    options.storePath = folder.filePath("Bench.pennorasql").toStdString();
    CliStore store(options);
    store.context().undoManager().disableUndoRegistration();
    HistoryGenerator(store.context(), store.accountsRoot(), kToday).generate(200000);
    store.save();
    return *options.storePath;
}

// Notes on every tenth transaction, three splits on every twentieth.
void varyRowHeights(ObjectContext& context) {
    context.undoManager().disableUndoRegistration();
    std::vector<Category*> categories = Category::allInContext(context);
    std::size_t i = 0;
    for (Transaction* t : Transaction::allInContext(context)) {
        if (++i % 10 == 0) {
            t->setNotes(std::string("Paid at the counter\nReceipt in the drawer"));
        }
        if (i % 20 == 0 && categories.size() >= 2) {
            Split* first = *t->splits().begin();
            const Decimal third = (t->amount() / Decimal(3)).rounded(2);
            first->setCategory(categories[0]);
            first->setAmount(third);
            for (int part = 1; part < 3; ++part) {
                Split* split = context.insert<Split>();
                split->setCategory(part == 1 ? categories[1] : nullptr);
                split->setAmount(part == 1 ? third : t->amount() - third - third);
                t->addSplitsObject(split);
            }
        }
    }
    context.undoManager().enableUndoRegistration();
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Clock::setFixedToday(kToday);
    UserLocale::set("en_US");
    QTemporaryDir folder;
    const std::string storePath = argc > 1 ? argv[1] : generateStore(folder);
    const std::string work = folder.filePath("Work.pennorasql").toStdString();
    std::ifstream source(storePath, std::ios::binary);
    std::ofstream(work, std::ios::binary) << source.rdbuf();

    StoreSession::Options options = FileStores::sessionOptions();
    options.dataFolder = folder.filePath("Pennora").toStdString();
    options.databasePath = work;
    StoreSession session(ApplicationModel::shared(), options);
    ObjectContext& context = session.context();
    varyRowHeights(context);
    (void)session.save();
    std::printf("store: %zu transactions\n",
                context.countObjects(Transaction::entityDescription()));

    Account* largest = nullptr;
    for (Account* account : Account::allInContext(context)) {
        if (largest == nullptr || account->transactions().size() > largest->transactions().size()) {
            largest = account;
        }
    }
    const long before = residentKilobytes();
    NoAlerts alerts;
    StickyDate sticky;
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* editor = new BenchEditor;
    TransactionsTableController* controller = nullptr;
    controller = new TransactionsTableController(
        context, alerts, sticky, [&] { return session.save(); }, editor, &window);
    layout->addWidget(&controller->table());
    window.resize(712, 480);
    window.show();
    app.processEvents();
    TransactionsTable& table = controller->table();
    const auto paint = [&] { table.viewport()->repaint(); };
    constexpr int kRuns = 7;

    std::vector<double> all, one;
    for (int run = 0; run < kRuns; ++run) {
        all.push_back(milliseconds([&] {
            controller->showAllTransactions();
            paint();
        }));
        one.push_back(milliseconds([&] {
            controller->showTransactionsForAccount(*largest);
            paint();
        }));
    }
    report("All Accounts: shown, first rows painted", all, 2, 0);
    const std::string accountLabel = "one account (" +
                                     std::to_string(largest->transactions().size()) +
                                     " transactions): shown, painted";
    report(accountLabel.c_str(), one, 2, 1);

    controller->showAllTransactions();
    paint();
    std::mt19937 random(7);
    std::vector<double> pages;
    QScrollBar* bar = table.verticalScrollBar();
    for (int run = 0; run < 25; ++run) {
        bar->setValue(std::uniform_int_distribution<int>(0, bar->maximum())(random));
        paint();
        pages.push_back(milliseconds([&] {
            bar->setValue(bar->value() + bar->pageStep());
            paint();
        }));
    }
    report("scroll a page anywhere (All Accounts)", pages);

    controller->showTransactionsForAccount(*largest);
    std::vector<double> closes;
    for (int run = 0; run < kRuns; ++run) {
        const int row = controller->model().rowCount() / 2 + run * 97;
        controller->table().selectionModel()->select(
            controller->model().index(row, 0),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        controller->showEditPanel();
        paint();
        closes.push_back(milliseconds([&] {
            editor->pressReturn();
            paint();
        }));
    }
    report("close the editor after a change (write, save, sort)", closes);

    auto search = std::make_unique<SearchResultsController>(
        context, alerts, sticky, [&] { return session.save(); }, new BenchEditor);
    layout->addWidget(search->view());
    controller->table().hide();
    app.processEvents();
    TransactionsTable& results = search->tableController().table();
    // The register's idle time folds every keyword ahead, a slice at a time.
    std::vector<double> slices;
    KeywordIndex& keywords = KeywordIndex::of(context);
    for (bool more = true; more;) {
        slices.push_back(
            milliseconds([&] { more = keywords.foldAhead(KeywordPrefolder::kSlice); }));
    }
    std::printf(
        "fold every keyword ahead while idle: %zu slices, %.1f ms in all, longest %.2f ms\n",
        slices.size(), std::accumulate(slices.begin(), slices.end(), 0.0),
        *std::max_element(slices.begin(), slices.end()));
    const std::string typed = "fresh market";
    std::vector<double> first, keystrokes;
    for (int run = 0; run < 3; ++run) {
        for (std::size_t length = 1; length <= typed.size(); ++length) {
            const double ms = milliseconds([&] {
                search->searchWithString(QString::fromStdString(typed.substr(0, length)), {});
                results.viewport()->repaint();
            });
            (run == 0 && length == 1 ? first : keystrokes).push_back(ms);
        }
    }
    const std::vector<double> typedCpu(g_cpu.end() - static_cast<std::ptrdiff_t>(3 * typed.size()),
                                       g_cpu.end());
    g_cpu = {typedCpu.front()};
    report("search: first keystroke (keywords folded ahead)", first);
    g_cpu.assign(typedCpu.begin() + 1, typedCpu.end());
    report("search as you type, per keystroke", keystrokes);
    std::printf("memory the register adds (All Accounts shown, keywords folded): %.1f MB\n",
                static_cast<double>(residentKilobytes() - before) / 1024.0);
    return 0;
}
