#include "ledger/RegisterRowLook.h"

#include "base/StringHelpers.h"
#include "ledger/Transaction.h"

namespace {

constexpr const char* kWhite = "FFFFFF";
constexpr const char* kBlack = "000000";
constexpr const char* kGenerated = "444444";
constexpr const char* kIncome = "237F00";
constexpr const char* kNotes = "555555";
constexpr const char* kCategoryAmount = "808080";

}  // namespace

RegisterRowLook::Flag RegisterRowLook::flag(const Transaction& transaction, bool mouseOverFlag) {
    if (transaction.isGenerated()) {
        return Flag::Generated;
    }
    if (transaction.isPending()) {
        return Flag::Pending;
    }
    if (transaction.isNew()) {
        return Flag::New;
    }
    if (!mouseOverFlag) {
        return Flag::None;
    }
    return transaction.isImported() || transaction.isMatched() ? Flag::NewGray : Flag::PendingGray;
}

const char* RegisterRowLook::imageName(Flag flag) {
    switch (flag) {
        case Flag::Pending:
            return "pendingFlag";
        case Flag::New:
            return "newFlag";
        case Flag::Generated:
            return "generatedFlag";
        case Flag::PendingGray:
            return "pendingFlagGray";
        case Flag::NewGray:
            return "newFlagGray";
        case Flag::None:
            break;
    }
    return "";
}

RegisterRowLook::Colors RegisterRowLook::colors(Column column, const Transaction& transaction,
                                                bool highlighted) {
    const bool generated = transaction.isGenerated();
    switch (column) {
        case Column::Amount:
            if (generated) {
                return {highlighted ? kWhite : kGenerated, {}};
            }
            if (transaction.amount().isIncome_pn()) {
                return {highlighted ? kWhite : kIncome, {}};
            }
            // An expense stays black on a highlighted row.
            return {kBlack, {}};
        case Column::Date:
        case Column::Balance:
        case Column::Flag:
            return {generated ? (highlighted ? kWhite : kGenerated) : kBlack, {}};
        case Column::Description:
            if (highlighted) {
                return {kWhite, kWhite};
            }
            return generated ? Colors{kGenerated, kGenerated} : Colors{kBlack, kNotes};
        case Column::Category:
            if (highlighted) {
                return {kWhite, kWhite};
            }
            return generated ? Colors{kGenerated, kGenerated} : Colors{kBlack, kCategoryAmount};
    }
    return {kBlack, {}};
}

bool RegisterRowLook::hasShownNotes(const Transaction& transaction) {
    const std::optional<std::string_view> notes = transaction.notes();
    if (!notes) {
        return false;
    }
    // A printable ASCII character settles it without the Unicode white-space test.
    for (const char c : *notes) {
        if (c > ' ' && c < 0x7F) {
            return true;
        }
    }
    return !isBlank_pn(*notes);
}

std::optional<std::string> RegisterRowLook::shownNotes(const Transaction& transaction) {
    if (!hasShownNotes(transaction)) {
        return std::nullopt;
    }
    return std::string(*transaction.notes());
}
