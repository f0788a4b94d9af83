#include "UserLocale.h"

#include <unicode/locid.h>

#include <optional>

namespace {
std::optional<std::string>& explicitLocale() {
    static std::optional<std::string> id;
    return id;
}
}  // namespace

std::string UserLocale::current() {
    if (explicitLocale()) {
        return *explicitLocale();
    }
    // ICU's default locale comes from the environment (LC_ALL, LC_MESSAGES, LANG).
    return icu::Locale::getDefault().getName();
}

void UserLocale::set(const std::string& localeID) {
    explicitLocale() = localeID;
}

void UserLocale::reset() {
    explicitLocale().reset();
}
