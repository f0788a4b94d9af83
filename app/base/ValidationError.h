#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

// The application's bundle identifier; error domains are formed from it.
inline constexpr const char* kBundleIdentifier = "org.pennora.Pennora";
// Domain and code of the store's multiple-validation-errors error.
inline constexpr const char* kStoreErrorDomain = "org.pennora.Pennora.StoreError";
inline constexpr int kMultipleValidationErrorsCode = 1560;

// A user error: a failed validation rule or a failed save. Returned as a value, never thrown.
struct ValidationError final {
    std::string domain;
    int code = 0;
    std::string localizedDescription;
    // The errors combined into a multiple-validation-errors error, in the order combined.
    std::vector<ValidationError> detailedErrors;
    // Further information copied along when errors are combined.
    std::map<std::string, std::string> userInfo;

    // "org.pennora.Pennora" + suffix, e.g. domainWithSuffix(".TransactionError").
    static std::string domainWithSuffix(const std::string& suffix);
    // "An internal error has occurred. (Code: ABEXA)" in the given domain, code 1.
    static ValidationError internalError(const std::string& domainSuffix, const std::string& code);

    bool isMultipleValidationErrors() const {
        return code == kMultipleValidationErrorsCode && domain == kStoreErrorDomain;
    }
    bool operator==(const ValidationError&) const = default;
};

// Combines an error reported by an earlier validation step (`original`) with a new one: the
// result is a multiple-validation-errors error whose details are the new error followed by the
// original's details (when it is itself a combination, whose information is copied) or by the
// original.
ValidationError errorFromOriginalError_pn(const ValidationError& original,
                                          const ValidationError& error);

// The pattern every validation method follows: store `error` in `slot`, combined with what the
// slot already holds. Always returns false so that a rule can `return failValidation(...)`.
bool failValidation(std::optional<ValidationError>& slot, const ValidationError& error);
