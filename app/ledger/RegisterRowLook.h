#pragma once

#include <optional>
#include <string>

class Transaction;

// What a register row looks like apart from its texts: the flag image of the row and the
// colours of its cells, as hexadecimal strings ("237F00"). A row is highlighted when it is
// selected in the focused table of the key window.
class RegisterRowLook final {
public:
    RegisterRowLook() = delete;

    enum class Flag { None, Pending, New, Generated, PendingGray, NewGray };
    enum class Column { Flag, Date, Description, Category, Amount, Balance };

    // A cell's two colours: the main text, and the secondary one (the notes under a title,
    // the amounts of a split category column).
    struct Colors {
        std::string text;
        std::string secondary;
        bool operator==(const Colors&) const = default;
    };

    // Generated, then pending, then new; otherwise, while the mouse is over the flag, the
    // grey flag a click would set (new for imported or matched transactions, else pending).
    static Flag flag(const Transaction& transaction, bool mouseOverFlag);
    // "pendingFlag", "newFlag", "generatedFlag", "pendingFlagGray", "newFlagGray"; "" for none.
    static const char* imageName(Flag flag);
    static Colors colors(Column column, const Transaction& transaction, bool highlighted);

    // The notes when they are not blank.
    static std::optional<std::string> shownNotes(const Transaction& transaction);
    // True when the notes are set and not blank; copies nothing.
    static bool hasShownNotes(const Transaction& transaction);
};
