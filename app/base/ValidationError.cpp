#include "ValidationError.h"

std::string ValidationError::domainWithSuffix(const std::string& suffix) {
    return std::string(kBundleIdentifier) + suffix;
}

ValidationError ValidationError::internalError(const std::string& domainSuffix,
                                               const std::string& code) {
    return ValidationError{domainWithSuffix(domainSuffix),
                           1,
                           "An internal error has occurred. (Code: " + code + ")",
                           {},
                           {}};
}

ValidationError errorFromOriginalError_pn(const ValidationError& original,
                                          const ValidationError& error) {
    ValidationError combined;
    combined.domain = kStoreErrorDomain;
    combined.code = kMultipleValidationErrorsCode;
    combined.localizedDescription = "Multiple validation errors occurred.";
    std::vector<ValidationError> details{error};
    if (original.isMultipleValidationErrors()) {
        combined.userInfo = original.userInfo;
        details.insert(details.end(), original.detailedErrors.begin(),
                       original.detailedErrors.end());
    } else {
        details.push_back(original);
    }
    combined.detailedErrors = std::move(details);
    return combined;
}

bool failValidation(std::optional<ValidationError>& slot, const ValidationError& error) {
    slot = slot ? errorFromOriginalError_pn(*slot, error) : error;
    return false;
}
