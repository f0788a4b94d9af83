#pragma once

// Short ways to name days and catch internal errors in the scheduled-item tests.
#include <functional>
#include <string>

#include "base/AssertionFailure.h"
#include "base/Date.h"

inline Date ymd(int y, int m, int d) {
    return Date::dateWithYear_PN(y, m, d);
}

// The message of the AssertionFailure that `action` throws.
inline std::string messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const AssertionFailure& failure) {
        return failure.message();
    }
    return "(no failure)";
}
