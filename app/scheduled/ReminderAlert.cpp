#include "ReminderAlert.h"

#include <unicode/utf8.h>

#include "scheduled/DueDateTexts.h"

namespace {

constexpr std::size_t kLongTitleLength = 26;
constexpr std::size_t kShortTitleLength = 22;

// The number of characters (code points) of UTF-8 text and the byte length of its first 22.
struct Prefix {
    std::size_t characters = 0;
    std::size_t bytesOfShort = 0;
};

Prefix measure(std::string_view text) {
    Prefix prefix;
    std::int32_t pos = 0;
    const auto length = static_cast<std::int32_t>(text.size());
    while (pos < length) {
        UChar32 c;
        U8_NEXT(text.data(), pos, length, c);
        ++prefix.characters;
        if (prefix.characters == kShortTitleLength) {
            prefix.bytesOfShort = static_cast<std::size_t>(pos);
        }
    }
    return prefix;
}

}  // namespace

std::string ReminderAlert::messageTextForCount(std::size_t count) {
    if (count == 1) {
        return "1 scheduled transaction is due.";
    }
    return std::to_string(count) + " scheduled transactions are due.";
}

std::string ReminderAlert::shortenedTitle(std::string_view title) {
    const Prefix prefix = measure(title);
    if (prefix.characters < kLongTitleLength) {
        return std::string(title);
    }
    return std::string(title.substr(0, prefix.bytesOfShort)) + "...";
}

Alert ReminderAlert::asAlert() const {
    return {.message = messageText,
            .informativeText = informativeText,
            .buttons = {defaultButton, alternateButton},
            .style = Alert::Style::Informational};
}

std::optional<ReminderAlert> ReminderAlert::forItems(const std::vector<Item>& items, Date today) {
    if (items.empty()) {
        return std::nullopt;
    }
    ReminderAlert alert;
    alert.messageText = messageTextForCount(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) {
            alert.informativeText += '\n';
        }
        alert.informativeText += "\"" + shortenedTitle(items[i].title) + "\" " +
                                 reminderPhrase(items[i].nextDueDate, today) + ".";
    }
    return alert;
}

ReminderAlert::Outcome ReminderAlert::outcomeOfButton(Button button, std::size_t itemCount) {
    if (button != Button::ShowInScheduled || itemCount == 0) {
        return Outcome::Nothing;
    }
    return itemCount == 1 ? Outcome::RevealItem : Outcome::SwitchToScheduled;
}
