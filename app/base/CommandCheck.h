#pragma once

#include <utility>

#include "base/Alert.h"

// What a user command needs before it acts: go ahead at once, ask first (the alert's default
// button confirms, any other cancels), or refuse and say why. The desktop shows the alert;
// the command line treats its own invocation as the confirmation and prints a refusal.
struct CommandCheck final {
    enum class Verdict { Proceed, Confirm, Refuse };

    Verdict verdict = Verdict::Proceed;
    Alert alert{};  // for Confirm and Refuse

    static CommandCheck proceed() { return {}; }
    static CommandCheck confirm(Alert alert) { return {Verdict::Confirm, std::move(alert)}; }
    static CommandCheck refuse(Alert alert) { return {Verdict::Refuse, std::move(alert)}; }

    bool isRefused() const { return verdict == Verdict::Refuse; }
    bool operator==(const CommandCheck&) const = default;
};
