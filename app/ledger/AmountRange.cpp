#include "ledger/AmountRange.h"

namespace {

bool acceptsAmount(const AttributeValue& value) {
    return AmountRange::contains(std::get<Decimal>(value));
}

ValidationError refuseAmount(const AttributeValue& value) {
    return AmountRange::tooLargeError(std::get<Decimal>(value));
}

bool acceptsRate(const AttributeValue& value) {
    const Decimal& rate = std::get<Decimal>(value);
    return rate.sign() > 0 && AmountRange::contains(rate);
}

ValidationError refuseRate(const AttributeValue& value) {
    const Decimal& rate = std::get<Decimal>(value);
    if (rate.sign() > 0) {
        return AmountRange::tooLargeError(rate);
    }
    return ValidationError{ValidationError::domainWithSuffix(".ValidationError"),
                           AmountRange::kTooLargeErrorCode,
                           "The exchange rate " + rate.toString() + " is not above zero.",
                           {},
                           {}};
}

}  // namespace

const AttributeRule AmountRange::kRule{&acceptsAmount, &refuseAmount};
const AttributeRule AmountRange::kRateRule{&acceptsRate, &refuseRate};

bool AmountRange::contains(const Decimal& amount) {
    return amount.isAbsoluteBelowPowerOfTen(kMaximumWholeDigits);
}

std::string AmountRange::tooLargeMessage(std::string_view amountText) {
    return "The amount " + std::string(amountText) + " is too large: an amount may have at most " +
           std::to_string(kMaximumWholeDigits) + " digits before the decimal point.";
}

ValidationError AmountRange::tooLargeError(const Decimal& amount) {
    return ValidationError{ValidationError::domainWithSuffix(".ValidationError"),
                           kTooLargeErrorCode,
                           tooLargeMessage(amount.toString()),
                           {},
                           {}};
}
