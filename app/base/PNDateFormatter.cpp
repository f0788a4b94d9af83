#include "PNDateFormatter.h"

#include <unicode/datefmt.h>

#include "UserLocale.h"

PNDateFormatter::PNDateFormatter()
    : DateFormatter(std::unique_ptr<icu::DateFormat>(icu::DateFormat::createDateInstance(
          icu::DateFormat::kMedium, icu::Locale(UserLocale::current().c_str())))) {}
