#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScheduledTestSupport.h"
#include "TestApplicationModel.h"
#include "base/Date.h"
#include "store/ObjectContext.h"

class Account;
class Category;
class Global;
class InMemoryStore;
class Node;
class ScheduledItem;

// A context saved into memory, with its Global, an account tree holding checking, and a category;
// short ways to add scheduled items and read back what they put into an account.
class ScheduledFixture : public ::testing::Test {
protected:
    using Rows = std::vector<std::string>;

    ScheduledFixture();

    // An item repeating every `type` ("Week" or "Month") from `due`, paid from checking.
    ScheduledItem* item(Date due, const char* type, const char* amount);
    // An account whose currency `code` is worth `rate` home units.
    Account* foreignAccount(const char* code, const char* rate);
    // "date amount kind" per transaction of the account, sorted; kind is "real" or "generated".
    static Rows rows(const Account& account);

    ObjectContext ctx{applicationModel()};
    InMemoryStore* memory = nullptr;
    Global* global = nullptr;
    Node* root = nullptr;
    Account* checking = nullptr;
    Category* category = nullptr;
};
