#include "session/SnapshotManifest.h"

#include <algorithm>
#include <chrono>
#include <ctime>

#include <nlohmann/json.hpp>

#include "ledger/Account.h"
#include "ledger/Currency.h"
#include "ledger/CurrencyFormatter.h"
#include "ledger/Global.h"
#include "ledger/Transaction.h"
#include "store/ObjectContext.h"

namespace {

struct ReasonName {
    SnapshotReason reason;
    const char* key;
    const char* text;
};

const ReasonName kReasons[] = {
    {SnapshotReason::Open, "open", "Opened"},
    {SnapshotReason::Hourly, "hourly", "Hourly"},
    {SnapshotReason::Manual, "manual", "Made by hand"},
    {SnapshotReason::StatementImport, "statement-import", "Before a statement import"},
    {SnapshotReason::ApplicationImport, "application-import", "Before an import"},
    {SnapshotReason::HomeCurrency, "home-currency", "Before a home currency switch"},
    {SnapshotReason::DeleteAccount, "delete-account", "Before deleting an account"},
    {SnapshotReason::Restore, "restore", "Before a restore"},
};

const ReasonName& nameOf(SnapshotReason reason) {
    return *std::find_if(std::begin(kReasons), std::end(kReasons),
                         [reason](const ReasonName& n) { return n.reason == reason; });
}

}  // namespace

std::string SnapshotManifest::reasonKey(SnapshotReason reason) {
    return nameOf(reason).key;
}

std::string SnapshotManifest::reasonText(SnapshotReason reason) {
    return nameOf(reason).text;
}

std::optional<SnapshotReason> SnapshotManifest::reasonFromKey(const std::string& key) {
    for (const ReasonName& name : kReasons) {
        if (key == name.key) {
            return name.reason;
        }
    }
    return std::nullopt;
}

void SnapshotManifest::takeFiguresFrom(ObjectContext& context) {
    transactions = 0;
    context.forEachObject(Transaction::entityDescription(), [this](ManagedObject& object) {
        transactions += static_cast<const Transaction&>(object).isGenerated() ? 0 : 1;
        return true;
    });
    const std::vector<Global*> globals = Global::allInContext(context);
    homeCurrency = globals.empty() ? std::string("USD") : globals.front()->homeCurrency();
    netWorth = Account::overallBalanceInContext(context);
    balances.clear();
    for (const Account* account : Account::allInContext(context)) {
        balances.push_back({account->name(),
                            account->currency() ? account->currency()->code() : homeCurrency,
                            account->balance()});
    }
    std::sort(balances.begin(), balances.end(),
              [](const Balance& a, const Balance& b) { return a.account < b.account; });
}

std::string SnapshotManifest::takenText() const {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(taken);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

std::string SnapshotManifest::netWorthText() const {
    // A manifest is read from disk: a code that is not one the formatter takes is shown as
    // written rather than trusted.
    const bool validCode =
        homeCurrency.size() == 3 && std::all_of(homeCurrency.begin(), homeCurrency.end(),
                                                [](char c) { return c >= 'A' && c <= 'Z'; });
    if (!validCode) {
        return netWorth.toString(2) + " " + homeCurrency;
    }
    return CurrencyFormatter::formatterForCurrency(homeCurrency).stringFromDecimal(netWorth);
}

std::string SnapshotManifest::contentsText() const {
    return std::to_string(transactions) + (transactions == 1 ? " transaction" : " transactions") +
           ", net worth " + netWorthText();
}

std::string SnapshotManifest::toJSON() const {
    nlohmann::ordered_json json;
    json["file"] = file;
    json["taken"] =
        std::chrono::duration_cast<std::chrono::milliseconds>(taken.time_since_epoch()).count();
    json["reason"] = reasonKey(reason);
    json["modelVersion"] = modelVersion;
    json["transactions"] = transactions;
    json["homeCurrency"] = homeCurrency;
    json["netWorth"] = netWorth.toString();
    json["balances"] = nlohmann::ordered_json::array();
    for (const Balance& b : balances) {
        json["balances"].push_back(
            {{"account", b.account}, {"currency", b.currency}, {"balance", b.balance.toString()}});
    }
    json["sha256"] = sha256;
    json["sourceStamp"] = sourceStamp;
    return json.dump(2) + "\n";
}

std::optional<SnapshotManifest> SnapshotManifest::fromJSON(const std::string& text) {
    try {
        const nlohmann::json json = nlohmann::json::parse(text);
        SnapshotManifest m;
        m.file = json.at("file").get<std::string>();
        m.taken = Date::TimePoint(std::chrono::milliseconds(json.at("taken").get<std::int64_t>()));
        const std::optional<SnapshotReason> reason =
            reasonFromKey(json.at("reason").get<std::string>());
        std::optional<Decimal> netWorth = Decimal::parse(json.at("netWorth").get<std::string>());
        if (!reason || !netWorth || m.file.empty() || m.file.find('/') != std::string::npos) {
            return std::nullopt;
        }
        m.reason = *reason;
        m.netWorth = *netWorth;
        m.modelVersion = json.at("modelVersion").get<int>();
        m.transactions = json.at("transactions").get<std::int64_t>();
        m.homeCurrency = json.at("homeCurrency").get<std::string>();
        for (const nlohmann::json& b : json.at("balances")) {
            std::optional<Decimal> balance = Decimal::parse(b.at("balance").get<std::string>());
            if (!balance) {
                return std::nullopt;
            }
            m.balances.push_back({b.at("account").get<std::string>(),
                                  b.at("currency").get<std::string>(), *balance});
        }
        m.sha256 = json.at("sha256").get<std::string>();
        m.sourceStamp = json.value("sourceStamp", std::string());
        return m;
    } catch (const nlohmann::json::exception&) {
        return std::nullopt;
    }
}
