#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <variant>
#include <vector>

// The flat form in which one repeat rule is kept inside the store: field key to integer or
// text. The store keeps an item's rules as a list of these, in rule order.
using ArchivedValue = std::variant<std::int64_t, std::string>;
using ArchivedFields = std::map<std::string, ArchivedValue>;
using ArchivedFieldsList = std::vector<ArchivedFields>;
