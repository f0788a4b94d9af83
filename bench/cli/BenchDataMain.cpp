// pennora-bench-data: writes the command-line benchmark's data into a folder: a store of N
// transactions ("Bench.pennorasql"), the same history as a multi-account QIF export
// ("Export.qif") and a bank statement of M entries for the checking account ("Statement.ofx").
//
//   pennora-bench-data FOLDER [N] [M]      (N defaults to 200000, M to 10000)

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "../import/StatementGenerator.h"
#include "HistoryGenerator.h"
#include "QifExporter.h"
#include "base/Clock.h"
#include "base/UserLocale.h"
#include "cli/CliError.h"
#include "cli/CliStore.h"
#include "store/ObjectContext.h"

namespace {

const Date kLastDay = Date::dateWithYear_PN(2026, 3, 15);

std::size_t count(int argc, char** argv, int index, std::size_t fallback) {
    return argc > index ? static_cast<std::size_t>(std::stoul(argv[index])) : fallback;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: pennora-bench-data FOLDER [TRANSACTIONS] [OFX_ENTRIES]\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const std::size_t transactions = count(argc, argv, 2, 200000);
    const std::size_t entries = count(argc, argv, 3, 10000);
    std::filesystem::create_directories(folder);
    const std::filesystem::path storePath = folder / "Bench.pennorasql";
    std::filesystem::remove(storePath);
    Clock::setFixedToday(kLastDay);
    UserLocale::set("en_US");
    try {
        const auto started = std::chrono::steady_clock::now();
        GlobalOptions options;
        options.storePath = storePath.string();
        CliStore store(options);
        store.context().undoManager().disableUndoRegistration();
        HistoryGenerator(store.context(), store.accountsRoot(), kLastDay).generate(transactions);
        store.save();
        std::ofstream qif(folder / "Export.qif", std::ios::binary);
        QifExporter::write(store.context(), qif);
        std::ofstream(folder / "Statement.ofx", std::ios::binary)
            << StatementGenerator::ofxSGML(static_cast<int>(entries));
        const auto seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        std::cerr << "wrote " << transactions << " transactions to " << folder << " in " << seconds
                  << " s\n";
    } catch (const CliError& error) {
        std::cerr << "pennora-bench-data: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
