#include "ui/common/DefaultsKeys.h"

QHash<QString, QVariant> DefaultsKeys::registeredDefaults() {
    return {
        {kShouldShowAccountHelp, true},     {kShouldShowBudgetHelp, true},
        {kShouldShowCashAccountHelp, true}, {kShouldShowWelcomeScreen, true},
        {kShouldShowPaymentNotice, true},   {kShowStickyDateOption, false},
    };
}
