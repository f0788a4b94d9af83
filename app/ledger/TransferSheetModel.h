#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/Date.h"
#include "base/Decimal.h"
#include "base/ValidationError.h"

class Account;
class Category;
class Currency;
class ObjectContext;
class TransferSetting;

// The fields of the transfer sheet and what its controls do, without any widget: the sheet
// shows these values, writes the user's edits back through the setters and calls the actions.
// Fields: amount (in the source account's currency, typed without an assumed sign),
// destination, and an advanced pane with category, title and date.
class TransferSheetModel final {
public:
    // REQUIRES: `context` outlives the model.
    explicit TransferSheetModel(ObjectContext& context);

    // Opens the sheet for transfers from `source`: clears the mark that the user changed the
    // amount and sets the fields up from the source's last setting as a first showing (today's
    // date; without a setting the first other account by name, none when the source is the
    // only account, and an empty amount).
    void showSheet(Account& source);
    // The destination pop-up chose `destination`. An amount the user typed over the preset
    // one is kept from now on; the other fields come from the setting for that destination.
    void toAccountChanged(Account& destination);
    // The disclosure button: shows the pane, or hides it and resets it to the default setting.
    void toggleAdvanced();
    // Confirms: makes the transfer of the amount (0 when empty, 2 places) with the pane's
    // category, title (none when empty) and date, saves the store and closes. Returns the
    // save's error; the transfer then stays in the context. REQUIRES: the sheet is open with
    // a destination.
    [[nodiscard]] std::optional<ValidationError> transfer();
    void cancel();

    bool isOpen() const { return m_source != nullptr; }
    Account* source() const { return m_source; }
    Account* destination() const { return m_destination; }
    // What the destination pop-up lists: the open accounts other than the source by name, and
    // the destination when it is a closed one.
    [[nodiscard]] std::vector<Account*> destinationAccounts() const;
    // The currency the amount is typed in: the source account's (nullptr: home).
    [[nodiscard]] Currency* amountCurrency() const;
    // Nothing while the field is empty.
    const std::optional<Decimal>& amount() const { return m_amount; }
    void setAmount(std::optional<Decimal> amount) { m_amount = std::move(amount); }
    bool amountChangedByUser() const { return m_amountChangedByUser; }
    Category* category() const { return m_category; }
    void setCategory(Category* category) { m_category = category; }
    const std::string& title() const { return m_title; }
    void setTitle(std::string title) { m_title = std::move(title); }
    // "To <destination>", shown while the title is empty.
    const std::string& titlePlaceholder() const { return m_titlePlaceholder; }
    Date date() const { return m_date; }
    void setDate(Date date) { m_date = date; }
    // Whether the disclosure button is on and the advanced pane shown.
    bool isAdvancedShown() const { return m_advancedShown; }

    // True when category, title and date are what a plain transfer uses: the "Transfer"
    // category, no title, today.
    [[nodiscard]] bool fieldsHoldDefaultSetting() const;

    // The category a transfer has when none is chosen, the one a plain transfer uses: the
    // category "Transfer", made (and PNCategoriesChanged posted) when there is none.
    [[nodiscard]] static Category* defaultCategory(ObjectContext& context);

private:
    void setUpFromSetting(const TransferSetting* setting, bool firstShowing);
    void showAdvanced();
    // Hides the pane and resets it to the default setting.
    void hideAdvanced();
    void close();

    ObjectContext& m_context;
    Account* m_source = nullptr;
    Account* m_destination = nullptr;
    std::optional<Decimal> m_amount;
    std::optional<Decimal> m_presetAmount;
    bool m_amountChangedByUser = false;
    Category* m_category = nullptr;
    std::string m_title;
    std::string m_titlePlaceholder;
    Date m_date;
    bool m_advancedShown = false;
};
