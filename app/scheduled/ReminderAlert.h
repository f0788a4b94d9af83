#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Alert.h"
#include "base/Date.h"

// The alert that lists the scheduled items whose reminder period has begun: its texts and what
// its buttons lead to. Titles are shown as they are; nothing in them is interpreted.
struct ReminderAlert final {
    static constexpr const char* kOKButton = "OK";
    static constexpr const char* kShowInScheduledButton = "Show in Scheduled";

    // What the alert needs of one item.
    struct Item final {
        std::string title;
        Date nextDueDate;
    };

    enum class Button { OK, ShowInScheduled };
    enum class Outcome { Nothing, RevealItem, SwitchToScheduled };

    std::string messageText;
    // One line per item: "\"Title\" is due today.", lines joined by "\n".
    std::string informativeText;
    std::string defaultButton = kOKButton;
    std::string alternateButton = kShowInScheduledButton;

    // The alert to show: both buttons, informational.
    [[nodiscard]] Alert asAlert() const;

    // Nothing when there is no item to remind of.
    static std::optional<ReminderAlert> forItems(const std::vector<Item>& items, Date today);

    // "1 scheduled transaction is due." or "3 scheduled transactions are due."
    static std::string messageTextForCount(std::size_t count);
    // A title of 26 characters or more becomes its first 22 characters followed by "...".
    static std::string shortenedTitle(std::string_view title);
    // "Show in Scheduled" reveals the one item, or switches to the list when there are several.
    static Outcome outcomeOfButton(Button button, std::size_t itemCount);
};
