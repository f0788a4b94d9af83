#pragma once

#include "DateFormatter.h"

// The formatter of date fields and labels: the medium date style of the user's locale, in the
// UTC calendar and zone ("Mar 5, 2012" in en_US, "05.03.2012" in de_DE).
class PNDateFormatter final : public DateFormatter {
public:
    PNDateFormatter();
};
