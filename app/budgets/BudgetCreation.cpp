#include "BudgetCreation.h"

namespace {
constexpr int kMinimumDaysOfData = 21;
}

bool BudgetCreation::hasEnoughDataForBudget(long long transactionCount, Date earliest,
                                            Date latest) {
    if (transactionCount < 2) {
        return false;
    }
    return latest.numberOfDaysAfter_PN(earliest) + 1 > kMinimumDaysOfData;
}

Alert BudgetCreation::notEnoughDataQuestion() {
    return {.message = kNotEnoughDataTitle,
            .informativeText = kNotEnoughDataText,
            .buttons = {kNotEnoughDataWaitButton, kNotEnoughDataCreateButton}};
}

std::string BudgetCreation::defaultName(int year) {
    return std::to_string(year) + " Budget";
}
