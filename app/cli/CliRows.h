#pragma once

#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "cli/JsonSink.h"

class Account;
class Currency;
class ObjectContext;
class ScheduledItem;
class Transaction;

// The JSON rows several command families print, and the small argument readers they share.
namespace CliRows {

using Json = nlohmann::ordered_json;

// A single-precision figure (a share of a period, a chart step) as the shortest decimal that
// reads back as the same float: 0.3, not the 0.30000001192092896 of the float widened.
Json shortNumber(float value);
Json optionalText(const std::optional<std::string>& text);
Json optionalInteger(std::optional<std::int64_t> value);
Json accountRow(const Account& account);
// The register's row of `transaction`; runningBalance is null outside account mode, where
// the row names the account too.
void writeTransactionRow(JsonSink& sink, const Transaction& transaction, bool withRunningBalance);
Json transactionRow(const Transaction& transaction, bool withRunningBalance);

// The scheduled list's row of `item`, its due text against today.
Json scheduledItemRow(const ScheduledItem& item);

// One of the stored account types; anything else is a usage error.
std::string checkedType(const std::string& type);
// The Currency of `code`, or nullptr for "home" or the home currency's code. An unknown code
// fails.
Currency* currencyForCode(ObjectContext& context, const std::string& code);
// The transaction whose sortID is `text`; unknown or unreadable → failed/usage.
Transaction& transaction(ObjectContext& context, const std::string& text);

}  // namespace CliRows
