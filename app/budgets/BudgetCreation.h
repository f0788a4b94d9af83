#pragma once

#include <optional>
#include <string>

#include "base/Alert.h"
#include "base/Date.h"

// The rules around creating a budget that need no store: whether there is enough history to
// estimate from, and what the new-budget sheet proposes.
class BudgetCreation final {
public:
    static constexpr int kDefaultMonths = 12;
    // The longest period a budget may be given: a hundred years.
    static constexpr int kMaxMonths = 1200;

    static constexpr const char* kNotEnoughDataTitle =
        "Are you sure you want to create a budget now?";
    static constexpr const char* kNotEnoughDataText =
        "You currently have less than a month of transaction data. It's best to create a budget "
        "after you have accumulated one month of data, that way, Pennora can generate a budget "
        "that accurately reflects your spending habit.";
    static constexpr const char* kNotEnoughDataWaitButton = "No, I'll Wait";
    static constexpr const char* kNotEnoughDataCreateButton = "Create Anyway";

    // The question before a budget is made from too little history: the default button
    // ("No, I'll Wait") ends the command, the other creates the budget anyway.
    [[nodiscard]] static Alert notEnoughDataQuestion();

    // False with fewer than 2 transactions; otherwise true when the days from the earliest to
    // the latest transaction, both included, are more than 21 (21 days apart is enough, 20 is
    // not). `earliest` and `latest` are read only when transactionCount >= 2.
    [[nodiscard]] static bool hasEnoughDataForBudget(long long transactionCount, Date earliest,
                                                     Date latest);

    // "%d Budget" with the year: "2012 Budget".
    [[nodiscard]] static std::string defaultName(int year);
};
